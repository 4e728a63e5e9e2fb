#include "document/IniReader.h"

#include "core/Text1252.h"


#include <cstring>

namespace lx {
namespace {

// The markers the parser looks for ("[", "]", "=", quotes, blanks, line ends)
// are all ASCII, and every Windows-1252 character is one byte, so lines are
// cut in the raw bytes; only the names and values kept are decoded.

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The part of [begin, end) without its leading and trailing blanks.
void TrimBlanks(const char*& begin, const char*& end)
{
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
}

QString Decode(const char* begin, const char* end)
{
    return DecodeWindows1252(QByteArray::fromRawData(begin, end - begin));
}

// The name under which a section or key is stored and looked up.
QString NameKey(const QString& name)
{
    return name.toLower();
}

// The end of the line starting at begin: the first CR or LF, or the end.
const char* LineEnd(const char* begin, const char* end)
{
    for (const char* p = begin; p < end; ++p) {
        if (*p == '\r' || *p == '\n')
            return p;
    }
    return end;
}

} // namespace

IniReader IniReader::FromBytes(const QByteArray& bytes)
{
    IniReader reader;
    QHash<QString, QString>* section = nullptr; // No key counts before the first section.
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* lineEnd = LineEnd(p, end);
        const char* begin = p;
        const char* stop = lineEnd;
        // Next line: CR LF, LF or CR.
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;

        TrimBlanks(begin, stop);
        if (begin == stop)
            continue;
        if (*begin == '[') {
            const char* nameBegin = begin + 1;
            const auto* close = static_cast<const char*>(std::memchr(nameBegin, ']', stop - nameBegin));
            const char* nameEnd = close ? close : stop;
            TrimBlanks(nameBegin, nameEnd);
            section = &reader.sections_[NameKey(Decode(nameBegin, nameEnd))];
            continue;
        }
        if (!section)
            continue;
        const auto* equals = static_cast<const char*>(std::memchr(begin, '=', stop - begin));
        if (!equals)
            continue;
        const char* nameBegin = begin;
        const char* nameEnd = equals;
        TrimBlanks(nameBegin, nameEnd);
        if (nameBegin == nameEnd)
            continue;
        const QString name = NameKey(Decode(nameBegin, nameEnd));
        if (section->contains(name))
            continue; // The first occurrence counts.
        const char* valueBegin = equals + 1;
        const char* valueEnd = stop;
        TrimBlanks(valueBegin, valueEnd);
        if (valueEnd - valueBegin >= 2 && (*valueBegin == '"' || *valueBegin == '\'')
            && valueEnd[-1] == *valueBegin) {
            ++valueBegin;
            --valueEnd;
        }
        section->insert(name, Decode(valueBegin, valueEnd));
    }
    return reader;
}

bool IniReader::HasSection(const QString& section) const
{
    return sections_.contains(NameKey(section));
}

bool IniReader::HasKey(const QString& section, const QString& key) const
{
    const auto found = sections_.constFind(NameKey(section));
    return found != sections_.cend() && found->contains(NameKey(key));
}

QString IniReader::Value(const QString& section, const QString& key) const
{
    const auto found = sections_.constFind(NameKey(section));
    if (found == sections_.cend())
        return {};
    return found->value(NameKey(key));
}

} // namespace lx
