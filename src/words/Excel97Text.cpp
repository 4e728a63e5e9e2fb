#include "words/Excel97Text.h"

#include "core/CompoundFile.h"
#include "core/LittleEndian.h"
#include "words/EmphasisedTitles.h"
#include "words/WordListParser.h"

#include <QList>
#include <QStringList>

#include <cstdint>

namespace lx {

namespace {

constexpr std::uint32_t kFilePass = 0x002F, kStrings = 0x00FC, kContinue = 0x003C, kFont = 0x0031, kFormat = 0x00E0,
                        kBeginning = 0x0809, kTextCell = 0x00FD;

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

std::optional<QString> Excel97Text(const CompoundFile& file, QStringList& titles)
{
    const std::optional<QByteArray> workbook = file.Stream(QStringLiteral("Workbook"), kMaxOfficeStreamBytes);
    if (!workbook)
        return std::nullopt;
    // Records: their type, their size, their bytes. The table of texts and
    // the records that continue it; the fonts and the cell formats that name
    // them; the sheets, and their cells of text (row, format, text).
    QList<QByteArrayView> parts;
    QList<bool> fonts, formats;
    struct Cell { std::uint32_t sheet, row, format, text; };
    QList<Cell> cells;
    std::uint32_t sheets = 0;
    bool inStrings = false;
    for (qsizetype at = 0; at + 4 <= workbook->size();) {
        const std::uint32_t type = LittleEndian(*workbook, at, 2), size = LittleEndian(*workbook, at + 2, 2);
        if (size > workbook->size() - at - 4)
            return std::nullopt;
        if (type == kFilePass)
            return std::nullopt; // encrypted
        const QByteArrayView data = QByteArrayView(*workbook).sliced(at + 4, size);
        inStrings = type == kStrings || (type == kContinue && inStrings);
        if (inStrings)
            parts.append(data);
        else if (type == kFont && size >= 11) // weight (700: bold), underline
            fonts.append(LittleEndian(data, 6, 2) >= 700 || data[10] != 0);
        else if (type == kFormat && size >= 2) // the font: 4 is never one
            formats.append(fonts.value(qsizetype(LittleEndian(data, 0, 2)) - (LittleEndian(data, 0, 2) > 4 ? 1 : 0), false));
        else if (type == kBeginning)
            ++sheets;
        else if (type == kTextCell && size >= 10)
            cells.append({ sheets, LittleEndian(data, 0, 2), LittleEndian(data, 4, 2), LittleEndian(data, 6, 4) });
        at += 4 + size;
    }
    if (parts.isEmpty())
        return QString();
    StringTable table(parts);
    table.Skip(4); // every use of a text
    const std::uint32_t count = table.Read(4);
    QStringList strings;
    qsizetype characters = 0;
    for (std::uint32_t i = 0; i < count && !table.Failed() && characters <= kMaxWordListChars; ++i) {
        // Its length, its flags (two bytes a character, formatting runs, East Asian data), the characters.
        const std::uint32_t length = table.Read(2), flags = table.Read(1);
        const std::uint32_t runs = (flags & 0x08) != 0 ? table.Read(2) : 0;
        const std::uint32_t extra = (flags & 0x04) != 0 ? table.Read(4) : 0;
        strings.append(table.Characters(length, (flags & 0x01) != 0));
        characters += strings.last().size() + 1;
        table.Skip(4 * qsizetype(runs) + extra);
    }
    if (table.Failed())
        return std::nullopt;
    if (cells.isEmpty())
        return strings.join(QLatin1Char('\n')) + QLatin1Char('\n');
    // The cells, row after row: a row is a unit of the titles' rule.
    QString out;
    QList<TextLine> lines;
    int unit = 0;
    std::uint32_t sheetFirstRow = 0; // cells come row after row
    for (qsizetype i = 0; i < cells.size() && out.size() <= kMaxWordListChars; ++i) {
        const Cell& c = cells[i];
        const bool newSheet = i == 0 || cells[i - 1].sheet != c.sheet;
        unit += newSheet || cells[i - 1].row != c.row ? 1 : 0;
        sheetFirstRow = newSheet ? c.row : sheetFirstRow;
        const QString text = strings.value(c.text);
        if (text.trimmed().isEmpty())
            continue;
        if (!lines.isEmpty() && lines.last().unit == unit)
            out.back() = QLatin1Char('\t'); // a row is one line, its cells parted by tabs
        lines.append({ out.size(), unit, formats.value(c.format, false), true, c.row == sheetFirstRow });
        out += text + QLatin1Char('\n');
    }
    RemoveEmphasisedTitles(out, lines, titles);
    return out;
}

} // namespace lx
