#include "words/Excel97Text.h"

#include "core/CompoundFile.h"
#include "core/LittleEndian.h"
#include "words/WordListParser.h"

#include <QList>

#include <cstdint>

namespace lx {

namespace {

constexpr std::uint32_t kFilePass = 0x002F, kStrings = 0x00FC, kContinue = 0x003C;

// The table of the workbook's texts, read across the records it is cut in:
// a text cut in its characters goes on after a byte telling their width
// (one byte or two a character).
class StringTable {
public:
    explicit StringTable(QList<QByteArrayView> parts) : parts_(std::move(parts)) {}

    bool Failed() const { return failed_; }

    std::uint32_t Read(int size)
    {
        std::uint32_t value = 0;
        for (int k = 0; k < size; ++k)
            value |= std::uint32_t(Byte()) << (8 * k);
        return value;
    }

    void Skip(qsizetype count)
    {
        for (; count > 0 && !failed_; --count)
            Byte();
    }

    QString Characters(qsizetype count, bool wide)
    {
        QString text;
        for (; count > 0 && !failed_; --count) {
            if (at_ == Current().size() && part_ + 1 < parts_.size()) {
                NextPart();
                wide = (Byte() & 1) != 0;
            }
            // One byte a character: its low byte, the high one being 0.
            text += QChar(char16_t(wide ? Read(2) : Byte()));
        }
        return text;
    }

private:
    QByteArrayView Current() const { return parts_[part_]; }

    void NextPart()
    {
        ++part_;
        at_ = 0;
    }

    std::uint8_t Byte()
    {
        while (at_ == Current().size() && part_ + 1 < parts_.size())
            NextPart();
        if (at_ >= Current().size()) {
            failed_ = true;
            return 0;
        }
        return std::uint8_t(Current()[at_++]);
    }

    QList<QByteArrayView> parts_;
    qsizetype part_ = 0, at_ = 0;
    bool failed_ = false;
};

} // namespace

std::optional<QString> Excel97Text(const CompoundFile& file)
{
    const std::optional<QByteArray> workbook = file.Stream(QStringLiteral("Workbook"), kMaxOfficeStreamBytes);
    if (!workbook)
        return std::nullopt;
    // Records: their type, their size, their bytes. The table of texts and
    // the records that continue it.
    QList<QByteArrayView> parts;
    for (qsizetype at = 0; at + 4 <= workbook->size();) {
        const std::uint32_t type = LittleEndian(*workbook, at, 2), size = LittleEndian(*workbook, at + 2, 2);
        if (size > workbook->size() - at - 4)
            return std::nullopt;
        if (type == kFilePass)
            return std::nullopt; // encrypted
        const QByteArrayView data = QByteArrayView(*workbook).sliced(at + 4, size);
        if (type == kStrings || (type == kContinue && !parts.isEmpty()))
            parts.append(data);
        else if (!parts.isEmpty())
            break;
        at += 4 + size;
    }
    if (parts.isEmpty())
        return QString();
    StringTable table(parts);
    table.Skip(4); // every use of a text
    const std::uint32_t count = table.Read(4);
    QString out;
    for (std::uint32_t i = 0; i < count && !table.Failed() && out.size() <= kMaxWordListChars; ++i) {
        // Its length, its flags (two bytes a character, formatting runs, East Asian data), the characters.
        const std::uint32_t length = table.Read(2), flags = table.Read(1);
        const std::uint32_t runs = (flags & 0x08) != 0 ? table.Read(2) : 0;
        const std::uint32_t extra = (flags & 0x04) != 0 ? table.Read(4) : 0;
        out += table.Characters(length, (flags & 0x01) != 0);
        out += QLatin1Char('\n');
        table.Skip(4 * qsizetype(runs) + extra);
    }
    if (table.Failed())
        return std::nullopt;
    return out;
}

} // namespace lx
