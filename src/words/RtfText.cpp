#include "words/RtfText.h"

#include "core/Text1252.h"
#include "words/EmphasisedTitles.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace lx {

namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Groups whose text is no part of the document's: fonts, colours, styles,
// pictures, headers, the document's information, field codes, and the
// bullets and numbers of list paragraphs.
bool IsHiddenDestination(const QString& word)
{
    static const char* const hidden[] = { "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header",
                                          "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
                                          "footnote", "fldinst", "pntext", "pntxta", "pntxtb", "listtext",
                                          "listtable", "listoverridetable", "revtbl", "filetbl", "xe", "tc" };
    return std::any_of(std::begin(hidden), std::end(hidden), [&word](const char* h) { return word == QLatin1String(h); });
}

// The characters some control words stand for.
QString SymbolOf(const QString& word)
{
    static const struct { const char* word; char16_t c; } symbols[] = {
        { "par", u'\n' },       { "line", u'\n' },      { "row", u'\n' },       { "sect", u'\n' },
        { "page", u'\n' },      { "tab", u'\t' },       { "cell", u'\t' },       { "emdash", u'\u2014' },
        { "endash", u'\u2013' }, { "lquote", u'\u2018' }, { "rquote", u'\u2019' }, { "ldblquote", u'\u201C' },
        { "rdblquote", u'\u201D' }, { "bullet", u'\u2022' }, { "emspace", u' ' }, { "enspace", u' ' },
    };
    for (const auto& s : symbols) {
        if (word == QLatin1String(s.word))
            return QString(QChar(s.c));
    }
    return {};
}

} // namespace

bool IsRtf(const QString& text)
{
    return text.startsWith(QLatin1String("{\\rtf"));
}

QString RtfText(const QString& rtf, QStringList* titles)
{
    struct Group {
        bool hidden = false;
        int fallback = 1; // \ucN: the characters that follow a \uN for readers without Unicode
        bool bold = false, underlined = false;
    };
    std::vector<Group> groups(1);
    int toSkip = 0; // fallback characters still to skip
    QString out;
    // The lines with text, and whether all of it is bold or underlined (a
    // title). A table's row is one line, its cells parted by tabs; a heading
    // row (repeated on each page) is titles.
    QList<TextLine> lines;
    QStringList removed;
    LineEmphasis line;
    bool lineIsRow = false, headingRow = false;
    const auto endLine = [&] {
        if (line.text && lineIsRow && headingRow) {
            AddTitles(removed, out.mid(line.start));
            out.truncate(line.start);
        } else if (line.text) {
            const bool firstRow = lineIsRow && (lines.isEmpty() || !lines.last().row);
            lines.append({ line.start, int(lines.size()), !line.plain, lineIsRow, firstRow });
        }
        line.Restart(out.size());
        lineIsRow = false;
    };
    const auto put = [&](const QString& text) {
        if (groups.back().hidden)
            return;
        if (toSkip > 0) {
            --toSkip;
            return;
        }
        for (const QChar c : text) {
            out += c;
            if (c == u'\n')
                endLine();
            else
                line.Note(c, groups.back().bold || groups.back().underlined);
        }
    };
    const qsizetype n = rtf.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = rtf[i++];
        if (c == u'{') {
            groups.push_back(groups.back());
            toSkip = 0;
        } else if (c == u'}') {
            if (groups.size() > 1)
                groups.pop_back();
            toSkip = 0;
        } else if (c == u'\r' || c == u'\n') {
            // Line ends in RTF are layout of the file, not text.
        } else if (c != u'\\') {
            put(QString(c));
        } else if (i < n && IsAsciiLetter(rtf[i])) {
            // A control word, its number, and the space that ends it.
            const qsizetype start = i;
            while (i < n && IsAsciiLetter(rtf[i]))
                ++i;
            const QString word = rtf.mid(start, i - start);
            const qsizetype numberStart = i;
            if (i < n && rtf[i] == u'-')
                ++i;
            while (i < n && IsAsciiDigit(rtf[i]))
                ++i;
            const bool numbered = i > numberStart;
            const int number = rtf.mid(numberStart, i - numberStart).toInt();
            if (i < n && rtf[i] == u' ')
                ++i;
            if (word == QLatin1String("u") && number != 0) {
                put(QString(QChar(char16_t(number < 0 ? number + 65536 : number))));
                toSkip = groups.back().fallback;
            } else if (word == QLatin1String("uc")) {
                groups.back().fallback = std::max(0, number);
            } else if (word == QLatin1String("b")) {
                groups.back().bold = !numbered || number != 0;
            } else if (word.startsWith(QLatin1String("ul")) && word != QLatin1String("ulc")) {
                // \ul, \uld, \ulw... underline; \ul0 and \ulnone end it; \ulc is its colour.
                groups.back().underlined = word != QLatin1String("ulnone") && (!numbered || number != 0);
            } else if (word == QLatin1String("deleted")) { // a deletion of tracked changes
                groups.back().hidden = groups.back().hidden || !numbered || number != 0;
            } else if (word == QLatin1String("trowd")) {
                headingRow = false;
            } else if (word == QLatin1String("trhdr")) {
                headingRow = true;
            } else if (word == QLatin1String("row")) {
                lineIsRow = true; // for the line this ends, if the row is not hidden
                put(QStringLiteral("\n"));
                lineIsRow = false;
            } else if (word == QLatin1String("plain")) {
                groups.back().bold = groups.back().underlined = false;
            } else if (IsHiddenDestination(word)) {
                groups.back().hidden = true;
            } else if (const QString symbol = SymbolOf(word); !symbol.isEmpty()) {
                put(symbol);
            } else if (toSkip > 0) {
                --toSkip; // a fallback may be a control word
            }
        } else if (i < n) {
            const QChar symbol = rtf[i++];
            if (symbol == u'\'') {
                bool ok = false;
                const int byte = rtf.mid(i, 2).toInt(&ok, 16);
                i += 2;
                if (ok)
                    put(DecodeWindows1252(QByteArray(1, char(byte))));
            } else if (symbol == u'*') {
                groups.back().hidden = true; // a destination this reader need not know
            } else if (symbol == u'~') {
                put(QStringLiteral("\u00A0"));
            } else if (symbol == u'_') {
                put(QStringLiteral("-"));
            } else if (symbol == u'\r' || symbol == u'\n') {
                put(QStringLiteral("\n"));
            } else if (symbol != u'-') { // \- is an optional hyphen
                put(QString(symbol));
            }
        }
    }
    endLine();
    RemoveEmphasisedTitles(out, lines, removed);
    if (titles)
        *titles << removed;
    return out;
}

} // namespace lx
