#include "words/Word97Text.h"

#include "core/CompoundFile.h"
#include "core/LittleEndian.h"
#include "core/Text1252.h"
#include "words/EmphasisedTitles.h"
#include "words/WordListParser.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <vector>

namespace lx {

namespace {

// The characters read from the body: enough for the list's cap, and for the
// field codes, headings and deletions left out of it.
constexpr qsizetype kMaxStoredChars = 4 * kMaxWordListChars;

// The characters of the body as the document stores them, in pieces, each
// one byte a character (Windows-1252) or two (UTF-16), and where each one
// lies in the document's stream.
struct StoredText {
    QString text;
    std::vector<std::uint32_t> positions;
};

std::optional<StoredText> ReadStoredText(QByteArrayView document, QByteArrayView table, std::uint32_t length,
                                         std::uint32_t clx, std::uint32_t clxSize)
{
    if (clx > table.size() || clxSize > table.size() - clx)
        return std::nullopt;
    const QByteArrayView pieces = table.sliced(clx, clxSize);
    // Formatting first (0x01, its size, its bytes), then the table of pieces (0x02).
    qsizetype at = 0;
    while (at < pieces.size() && pieces[at] == 0x01)
        at += 3 + LittleEndian(pieces, at + 1, 2);
    if (at >= pieces.size() || pieces[at] != 0x02)
        return std::nullopt;
    const qsizetype size = LittleEndian(pieces, at + 1, 4);
    at += 5;
    if (size < 4 || size > pieces.size() - at)
        return std::nullopt;
    // n + 1 character positions, then n descriptions of 8 bytes.
    const qsizetype n = (size - 4) / 12;
    StoredText out;
    for (qsizetype i = 0; i < n && out.text.size() <= kMaxStoredChars; ++i) {
        const std::uint32_t start = LittleEndian(pieces, at + 4 * i, 4);
        const std::uint32_t end = std::min(LittleEndian(pieces, at + 4 * (i + 1), 4), length);
        if (start >= end)
            continue;
        const std::uint32_t where = LittleEndian(pieces, at + 4 * (n + 1) + 8 * i + 2, 4);
        const bool bytes = (where & 0x40000000) != 0;
        const qsizetype count = std::min<qsizetype>(end - start, kMaxStoredChars), width = bytes ? 1 : 2;
        const qsizetype offset = bytes ? (where & 0x3FFFFFFF) / 2 : where;
        if (offset > document.size() - width * count)
            return std::nullopt;
        if (bytes)
            out.text += DecodeWindows1252(document.sliced(offset, count).toByteArray());
        for (qsizetype k = 0; k < count; ++k) {
            if (!bytes)
                out.text += QChar(char16_t(LittleEndian(document, offset + 2 * k, 2)));
            out.positions.push_back(std::uint32_t(offset + width * k));
        }
    }
    return out;
}

// Runs of the stream, from one position to another.
using Spans = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// The first byte of a property's value, or -1 where the properties do not
// set it.
int PropertyValue(QByteArrayView properties, std::uint32_t property)
{
    static constexpr int kOperandSizes[8] = { 1, 1, 2, 4, 2, 2, -1, 3 };
    for (qsizetype at = 0; at + 2 < properties.size();) {
        const std::uint32_t sprm = LittleEndian(properties, at, 2);
        at += 2;
        const int size = kOperandSizes[sprm >> 13] >= 0 ? kOperandSizes[sprm >> 13] : 1 + std::uint8_t(properties[at]);
        if (sprm == property)
            return std::uint8_t(properties[at]);
        at += size;
    }
    return -1;
}

// Deleted text, as revisions mark it: a character property (0x0800) set.
bool IsDeletion(QByteArrayView properties)
{
    return PropertyValue(properties, 0x0800) > 0;
}

// Bold text (0x0835: on, or the opposite of its style's) or underlined
// (0x2A3E: any kind of line).
bool IsEmphasised(QByteArrayView properties)
{
    const int bold = PropertyValue(properties, 0x0835);
    return bold == 1 || bold == 0x81 || PropertyValue(properties, 0x2A3E) > 0;
}

// Which of the document's styles are titles: Word's nine headings, its title
// and its subtitle, known by their built-in numbers whatever their place in
// the document's list of styles. Without the list, the nine first styles
// after Normal, Word's headings.
std::vector<bool> TitleStyles(QByteArrayView table, std::uint32_t at, std::uint32_t size)
{
    std::vector<bool> titles(10, true);
    titles[0] = false;
    if (at > table.size() || size > table.size() - at)
        return titles;
    // The list's header (its size first, then the number of styles), then
    // each style: its size, then its built-in number in 12 bits.
    const QByteArrayView sheet = table.sliced(at, size);
    const qsizetype count = LittleEndian(sheet, 2, 2);
    qsizetype next = 2 + qsizetype(LittleEndian(sheet, 0, 2));
    std::vector<bool> found;
    for (qsizetype i = 0; i < count && next + 2 <= sheet.size(); ++i) {
        const qsizetype length = LittleEndian(sheet, next, 2);
        const std::uint32_t builtIn = length >= 2 ? LittleEndian(sheet, next + 2, 2) & 0x0FFF : 0;
        found.push_back((builtIn >= 1 && builtIn <= 9) || builtIn == 62 || builtIn == 74);
        next += 2 + length;
    }
    return found.empty() ? titles : found;
}

// The runs of text whose properties say yes, read from the pages of
// character properties (paragraphs false) or paragraph properties.
void AddMarkedRuns(Spans& spans, QByteArrayView document, QByteArrayView table, std::uint32_t plc, std::uint32_t plcSize,
                   bool paragraphs, const std::function<bool(QByteArrayView)>& marked)
{
    constexpr qsizetype kPage = 512;
    if (plc > table.size() || plcSize > table.size() - plc || plcSize < 4)
        return;
    const qsizetype pages = (plcSize - 4) / 8;
    for (qsizetype i = 0; i < pages; ++i) {
        const qsizetype at = qsizetype(LittleEndian(table, plc + 4 * (pages + 1) + 4 * i, 4) & 0x3FFFFF) * kPage;
        if (at > document.size() - kPage)
            continue;
        const QByteArrayView page = document.sliced(at, kPage);
        const int runs = std::uint8_t(page[kPage - 1]);
        const int entry = paragraphs ? 13 : 1; // a paragraph's entry holds 12 bytes more
        if (4 * (runs + 1) + entry * runs >= kPage)
            continue;
        for (int r = 0; r < runs; ++r) {
            const qsizetype offset = 2 * std::uint8_t(page[4 * (runs + 1) + entry * r]);
            if (offset == 0 || offset + 2 >= kPage)
                continue;
            // Character properties: their size, then them. Paragraph properties: a size in
            // words less a byte, or 0 and a size in words.
            const int first = std::uint8_t(page[offset]);
            const qsizetype from = offset + (paragraphs && first == 0 ? 2 : 1);
            const qsizetype size = !paragraphs ? first : first != 0 ? 2 * first - 1 : 2 * std::uint8_t(page[offset + 1]);
            if (marked(page.sliced(from, std::min(size, kPage - from))))
                spans.emplace_back(LittleEndian(page, 4 * r, 4), LittleEndian(page, 4 * (r + 1), 4));
        }
    }
}

// Whether a position lies in one of the runs, sorted and joined where they
// touch or overlap.
class Runs {
public:
    explicit Runs(Spans spans)
    {
        std::sort(spans.begin(), spans.end());
        for (const auto& span : spans) {
            if (!runs_.empty() && span.first <= runs_.back().second)
                runs_.back().second = std::max(runs_.back().second, span.second);
            else
                runs_.push_back(span);
        }
    }
    bool Contain(std::uint32_t position) const
    {
        const auto after = std::upper_bound(runs_.begin(), runs_.end(), std::pair(position, std::uint32_t(0xFFFFFFFF)));
        return after != runs_.begin() && position < std::prev(after)->second;
    }

private:
    Spans runs_;
};

// What the properties of the text mark.
struct Marks {
    Runs deleted, titles, emphasised; // titles: paragraphs of a title style
    Runs rowEnds, headingRowEnds;     // the end marks of table rows, of heading rows
};

// The text as a reader sees it: paragraph and line marks as line ends, cell
// and row marks as tabs, a field's result without its code, no marks of
// pictures, objects or notes, nothing deleted, no titles nor heading rows
// (their text goes to `titles`); and its lines (a table's row is one),
// emphasised when all their characters are in the emphasised runs.
QString ReadableText(const StoredText& stored, const Marks& marks, QList<TextLine>& lines, QStringList& titles)
{
    QString title;
    QString out;
    LineEmphasis line;
    const auto endLine = [&](bool row) {
        if (line.text) {
            const bool firstRow = row && (lines.isEmpty() || !lines.last().row);
            lines.append({ line.start, int(lines.size()), !line.plain, row, firstRow });
        }
        line.Restart(out.size());
    };
    // Fields, nested: 0x13, the code, 0x14, the result, 0x15 (the result may lack).
    std::vector<bool> fields; // each open field: true while its code is read
    qsizetype inCode = 0;
    for (qsizetype i = 0; i < stored.text.size(); ++i) {
        const char16_t u = stored.text[i].unicode();
        if (u == 0x13) {
            fields.push_back(true);
            ++inCode;
        } else if (u == 0x14 || u == 0x15) {
            if (!fields.empty() && fields.back())
                --inCode;
            if (!fields.empty())
                fields.back() = false;
            if (u == 0x15 && !fields.empty())
                fields.pop_back();
        } else if (inCode > 0 || i >= qsizetype(stored.positions.size()) || marks.deleted.Contain(stored.positions[i])) {
            continue;
        } else if (marks.titles.Contain(stored.positions[i])) {
            title += u == u'\r' || u == 0x0B || u == 0x0C || u == 0x07 ? QChar(u'\n') : u >= 0x20 ? QChar(u) : QChar(u' ');
        } else if (u == u'\r' || u == 0x0B || u == 0x0C) {
            out += QLatin1Char('\n');
            endLine(false);
        } else if (u == 0x07) {
            out += QLatin1Char('\t');
            if (marks.headingRowEnds.Contain(stored.positions[i])) {
                AddTitles(titles, out.mid(line.start)); // a heading row: column titles
                out.truncate(line.start);
                line.Restart(line.start);
            } else if (marks.rowEnds.Contain(stored.positions[i])) {
                endLine(true);
            }
        } else if (u >= 0x20 || u == u'\t' || u == 0x1E || u == 0x1F) {
            out += QChar(u);
            line.Note(QChar(u), marks.emphasised.Contain(stored.positions[i]));
        }
    }
    AddTitles(titles, title);
    return out;
}

} // namespace

std::optional<QString> Word97Text(const CompoundFile& file, QStringList& titles)
{
    const std::optional<QByteArray> document = file.Stream(QStringLiteral("WordDocument"), kMaxOfficeStreamBytes);
    // The file information block: its mark, its flags, and where its counts start.
    if (!document || LittleEndian(*document, 0, 2) != 0xA5EC)
        return std::nullopt;
    const std::uint32_t flags = LittleEndian(*document, 0x0A, 2);
    if ((flags & 0x0100) != 0)
        return std::nullopt; // encrypted
    const qsizetype shorts = LittleEndian(*document, 0x20, 2);
    const qsizetype longs = 0x22 + 2 * shorts + 2;             // FibRgLw97
    const qsizetype pairs = longs + 4 * LittleEndian(*document, longs - 2, 2) + 2; // FibRgFcLcb97
    const std::uint32_t bodyLength = LittleEndian(*document, longs + 12, 4);  // ccpText
    const std::uint32_t clx = LittleEndian(*document, pairs + 33 * 8, 4), clxSize = LittleEndian(*document, pairs + 33 * 8 + 4, 4); // fcClx
    const std::optional<QByteArray> table
        = file.Stream((flags & 0x0200) != 0 ? QStringLiteral("1Table") : QStringLiteral("0Table"), kMaxOfficeStreamBytes);
    if (!table)
        return std::nullopt;
    const std::optional<StoredText> stored = ReadStoredText(*document, *table, bodyLength, clx, clxSize);
    if (!stored)
        return std::nullopt;
    // Deleted text, bold or underlined text, as the characters' properties say.
    Spans deleted, emphasised, titled;
    const auto pair = [&](int k) { return std::pair(LittleEndian(*document, pairs + 8 * k, 4), LittleEndian(*document, pairs + 8 * k + 4, 4)); };
    AddMarkedRuns(deleted, *document, *table, pair(12).first, pair(12).second, false, IsDeletion);
    AddMarkedRuns(emphasised, *document, *table, pair(12).first, pair(12).second, false, IsEmphasised);
    // A paragraph's properties begin with its style; a table row's end (0x2417) is a paragraph,
    // whose properties tell a heading row (0x3404).
    const std::vector<bool> titleStyles = TitleStyles(*table, pair(1).first, pair(1).second);
    AddMarkedRuns(titled, *document, *table, pair(13).first, pair(13).second, true, [&titleStyles](QByteArrayView properties) {
        const std::uint32_t style = LittleEndian(properties, 0, 2);
        return style < titleStyles.size() && titleStyles[style];
    });
    Spans rowEnds, headingRowEnds;
    for (const bool heading : { false, true }) {
        AddMarkedRuns(heading ? headingRowEnds : rowEnds, *document, *table, pair(13).first, pair(13).second, true,
                      [heading](QByteArrayView properties) {
                          return properties.size() > 2 && PropertyValue(properties.sliced(2), 0x2417) == 1
                              && (!heading || PropertyValue(properties.sliced(2), 0x3404) == 1);
                      });
    }
    QList<TextLine> lines;
    const Marks marks { Runs(std::move(deleted)), Runs(std::move(titled)), Runs(std::move(emphasised)), Runs(std::move(rowEnds)),
                        Runs(std::move(headingRowEnds)) };
    QString text = ReadableText(*stored, marks, lines, titles);
    RemoveEmphasisedTitles(text, lines, titles);
    return text;
}

} // namespace lx
