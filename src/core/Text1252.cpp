#include "core/Text1252.h"

#include "core/TextEditing.h"

#include <QList>

#include <algorithm>
#include <array>

namespace lx {
namespace {

// The characters of bytes 0x80..0x9F; every other byte is the character of the
// same value. The five bytes the code page leaves undefined keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The byte of a UTF-16 unit, or -1 when the code page has none.
int ByteOf(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        const int byte = ByteOf(unit);
        if (byte >= 0) {
            bytes.append(char(byte));
            continue;
        }
        // A character beyond the 16-bit range is one character: one "?".
        if (QChar::isHighSurrogate(unit) && i + 1 < size && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append('?');
    }
    return bytes;
}

bool FitsWindows1252(const QString& text)
{
    for (QChar c : text) {
        if (ByteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

bool IsWindows1252(QChar c)
{
    const char16_t unit = c.unicode();
    return ByteOf(unit) >= 0 && unit != 0x81 && unit != 0x8D && unit != 0x8F && unit != 0x90 && unit != 0x9D;
}

QString CompatibleLetters(const QString& text)
{
    const auto held = [](const QString& s) { return std::all_of(s.cbegin(), s.cend(), IsWindows1252); };
    if (held(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (const char32_t point : text.toUcs4()) {
        const QString character = QString::fromUcs4(&point, 1);
        const QString compatible = character.normalized(QString::NormalizationForm_KC);
        out += QChar::isLetter(point) && !held(character) && held(compatible) ? compatible : character;
    }
    return out;
}

QString AdaptToWindows1252(const QString& text)
{
    // Accents pasted apart from their letters (from a PDF, a Mac) join them.
    QString out = CompatibleLetters(text.normalized(QString::NormalizationForm_C));
    // The emoji presentation selectors change how a character is drawn, not
    // which it is: "©️" is the copyright sign.
    out.remove(QChar(0xFE0E));
    out.remove(QChar(0xFE0F));
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0x202F: // narrow no-break space
        case 0x2009: // thin space
        case 0x2007: // figure space
            c = QChar(0x00A0);
            break;
        case 0x2011: // non-breaking hyphen
            c = QLatin1Char('-');
            break;
        default:
            break;
        }
    }
    return out;
}

QStringList UnfitCharacters(const QString& text)
{
    QStringList unfit;
    const QString adapted = AdaptToWindows1252(text);
    for (qsizetype i = 0; i < adapted.size(); ++i) {
        const QChar c = adapted[i];
        if (ByteOf(c.unicode()) >= 0)
            continue;
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < adapted.size() && adapted[i + 1].isLowSurrogate())
            one += adapted[++i];
        if (!unfit.contains(one))
            unfit << one;
    }
    return unfit;
}

QString NameCharacters(const QStringList& characters)
{
    QStringList named;
    for (const QString& c : characters) {
        const char32_t code = c.size() == 2 ? QChar::surrogateToUcs4(c[0], c[1]) : c[0].unicode();
        // A combining mark or a variation selector shows on a space.
        const bool alone = c.size() == 1 && (c[0].isMark() || c[0].category() == QChar::Other_Format);
        named << QStringLiteral("« %1 » (U+%2)")
                     .arg(alone ? QStringLiteral("\u00A0") + c : c)
                     .arg(QString::number(quint32(code), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return FrenchEnumeration(named);
}

} // namespace lx
