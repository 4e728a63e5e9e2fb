#include "words/OfficeText.h"

#include "core/CompoundFile.h"
#include "core/ZipArchive.h"
#include "words/EmphasisedTitles.h"
#include "words/Excel97Text.h"
#include "words/ExcelXmlText.h"
#include "words/Word97Text.h"
#include "words/XmlSwitch.h"
#include "words/WordListParser.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

namespace lx {

namespace {

// Enough for a document of a few hundred pages (a list needs far less), and
// read in well under a second.
constexpr qsizetype kMaxXmlBytes = 16 * 1024 * 1024;

// How the text of one kind of document lies in its XML (elements by their
// local names).
struct XmlText {
    QStringList lines;   // elements that end a line: paragraphs, headings, cells
    QStringList texts;   // elements whose characters are text; none: all within a line
    QStringList skipped; // elements left out whole: notes, comments, deleted text
    QStringList titled;  // of the elements left out, the titles, which are told
    // Empty elements that stand for characters: tabs, line breaks, spaces.
    QString (*character)(const QXmlStreamReader&) = nullptr;
    // An element that makes its line a heading, left out: a list's title is
    // no word. It sees every element, and keeps what it needs of them (the
    // styles of the document) in `styles`.
    bool (*heading)(const QXmlStreamReader&, QHash<QString, QString>& styles) = nullptr;
    // A table, its row, and the element inside a row that makes it a heading
    // row (the column titles above the words), left out; none when empty.
    QString table, row, headerRow;
    // What makes text bold or underlined: it sees every element, the element's
    // own state last in `emphasis` (taken from its parent) and the states of
    // the elements around it before.
    void (*emphasis)(const QXmlStreamReader&, QHash<QString, QString>& styles, QList<bool>& emphasis) = nullptr;
};

void NoEmphasis(const QXmlStreamReader&, QHash<QString, QString>&, QList<bool>&) {}

bool NoHeading(const QXmlStreamReader&, QHash<QString, QString>&)
{
    return false;
}

QString NoCharacter(const QXmlStreamReader&)
{
    return {};
}

// A paragraph's style named as Word names its titles, in English or in
// French ("Heading1", "Titre1", "Title", "Sous-titre").
bool WordHeading(const QXmlStreamReader& xml, QHash<QString, QString>&)
{
    if (xml.name() != u"pStyle")
        return false;
    static const QRegularExpression heading(QStringLiteral("^(heading|titre|title|subtitle|sous-?titre)"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        if (a.name() == u"val")
            return heading.match(a.value()).hasMatch();
    }
    return false;
}

// A run's bold or underline (<w:r><w:rPr><w:b/>): the run is two elements out.
void WordEmphasis(const QXmlStreamReader& xml, QHash<QString, QString>&, QList<bool>& emphasis)
{
    const QStringView name = xml.name();
    if ((name == u"b" || name == u"u") && emphasis.size() >= 3)
        emphasis[emphasis.size() - 3] = IsSwitchedOn(xml);
}

QString WordCharacter(const QXmlStreamReader& xml)
{
    const QStringView name = xml.name();
    if (name == u"tab")
        return QStringLiteral("\t");
    if (name == u"br" || name == u"cr")
        return QStringLiteral("\n");
    if (name == u"noBreakHyphen")
        return QStringLiteral("-");
    return {};
}

// LibreOffice's titles: paragraphs of its "Title", "Subtitle" or heading
// styles, or of a style of the document's own made from one (the styles come
// before the text: name and parent).
bool OpenDocumentHeading(const QXmlStreamReader& xml, QHash<QString, QString>& parents)
{
    static const QString styleSpace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
    static const QString textSpace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
    if (xml.name() == u"style") {
        parents.insert(xml.attributes().value(styleSpace, QStringLiteral("name")).toString(),
                       xml.attributes().value(styleSpace, QStringLiteral("parent-style-name")).toString());
        return false;
    }
    if (xml.name() != u"p")
        return false;
    QString style = xml.attributes().value(textSpace, QStringLiteral("style-name")).toString();
    for (int generation = 0; generation < 8 && !style.isEmpty(); ++generation) {
        if (style == u"Title" || style == u"Subtitle" || style.startsWith(u"Heading"))
            return true;
        style = parents.value(style);
    }
    return false;
}

// LibreOffice's bold or underline: the text properties of the automatic
// styles (before the text), given to the paragraphs, spans and cells of these
// styles or of styles made from them.
void OpenDocumentEmphasis(const QXmlStreamReader& xml, QHash<QString, QString>& styles, QList<bool>& emphasis)
{
    static const QString styleSpace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
    static const QString foSpace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
    static const QString current = QStringLiteral("\x01"), weightOf = QStringLiteral("\x02");
    const QStringView name = xml.name();
    const QXmlStreamAttributes& a = xml.attributes();
    if (name == u"style") {
        styles.insert(current, a.value(styleSpace, QStringLiteral("name")).toString());
    } else if (name == u"text-properties") {
        const QStringView weight = a.value(foSpace, QStringLiteral("font-weight"));
        const QStringView underline = a.value(styleSpace, QStringLiteral("text-underline-style"));
        if (!weight.isEmpty() || !underline.isEmpty()) {
            const bool strong = weight == u"bold" || weight.toInt() >= 600 || (!underline.isEmpty() && underline != u"none");
            styles.insert(weightOf + styles.value(current), strong ? QStringLiteral("1") : QStringLiteral("0"));
        }
    } else if (name == u"p" || name == u"span" || name == u"table-cell") {
        QString style;
        for (const QXmlStreamAttribute& attribute : a) {
            if (attribute.name() == u"style-name")
                style = attribute.value().toString();
        }
        for (int generation = 0; generation < 8 && !style.isEmpty(); ++generation) {
            if (const auto found = styles.constFind(weightOf + style); found != styles.cend()) {
                emphasis.last() = *found == u"1";
                return;
            }
            style = styles.value(style);
        }
    }
}

QString OpenDocumentCharacter(const QXmlStreamReader& xml)
{
    const QStringView name = xml.name();
    if (name == u"tab")
        return QStringLiteral("\t");
    if (name == u"line-break")
        return QStringLiteral("\n");
    if (name == u"s") {
        const QStringView count = xml.attributes().value(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0"), QStringLiteral("c"));
        return QString(std::clamp(count.isEmpty() ? 1 : count.toInt(), 1, 100), QLatin1Char(' '));
    }
    return {};
}

// The text of the XML, a line per line element; nothing for XML that is not
// well formed. It stops a little past the word list's cap, which then tells
// that the text goes on.
std::optional<QString> TextOfXml(const QByteArray& bytes, const XmlText& rules, QStringList& titles)
{
    QXmlStreamReader xml(bytes);
    QString out;
    int lineDepth = 0, textDepth = 0, skippedDepth = 0, unit = 0;
    qsizetype rowStart = 0;
    LineEmphasis line;
    bool heading = false, headerRow = false, inRow = false, firstRow = false;
    int tableRows = 0;
    QHash<QString, QString> styles;
    QList<bool> emphasis; // of the open elements
    QList<TextLine> lines;
    QString title;          // the text of a title left out whole
    bool inTitle = false;
    while (!xml.atEnd() && out.size() <= kMaxWordListChars) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (skippedDepth > 0 || rules.skipped.contains(xml.name())) {
                if (skippedDepth++ == 0)
                    inTitle = rules.titled.contains(xml.name());
            } else {
                emphasis.append(!emphasis.isEmpty() && emphasis.last());
                rules.emphasis(xml, styles, emphasis);
                if (rules.lines.contains(xml.name()) && ++lineDepth == 1) {
                    line.Restart(out.size());
                    heading = false;
                }
                textDepth += rules.texts.contains(xml.name());
                if (!rules.row.isEmpty() && xml.name() == rules.row) {
                    rowStart = out.size();
                    headerRow = false;
                    inRow = true;
                    firstRow = tableRows++ == 0;
                    ++unit;
                }
                if (xml.name() == rules.table)
                    tableRows = 0;
                if (!rules.headerRow.isEmpty() && xml.name() == rules.headerRow)
                    headerRow = IsSwitchedOn(xml);
                const bool title = rules.heading(xml, styles);
                if (lineDepth > 0) {
                    out += rules.character(xml);
                    heading = heading || title;
                }
            }
            break;
        case QXmlStreamReader::EndElement:
            if (skippedDepth > 0) {
                if (--skippedDepth == 0 && inTitle) {
                    AddTitles(titles, title);
                    title.clear();
                    inTitle = false;
                } else if (inTitle && rules.lines.contains(xml.name())) {
                    title += QLatin1Char('\n');
                }
                break;
            }
            if (!emphasis.isEmpty())
                emphasis.removeLast();
            if (rules.lines.contains(xml.name())) {
                if (--lineDepth == 0 && heading) {
                    AddTitles(titles, out.mid(line.start));
                    out.truncate(line.start);
                } else {
                    if (lineDepth == 0 && line.text)
                        lines.append({ line.start, inRow ? unit : ++unit, !line.plain, inRow, inRow && firstRow });
                    // A table's row is one line, its cells parted by tabs: a word and its definition stay a pair.
                    out += QLatin1Char(inRow ? '\t' : '\n');
                }
            } else if (rules.texts.contains(xml.name())) {
                --textDepth;
            } else if (xml.name() == rules.row) {
                inRow = false;
                if (out.endsWith(QLatin1Char('\t')))
                    out.back() = QLatin1Char('\n');
                if (headerRow) {
                    AddTitles(titles, out.mid(rowStart));
                    out.truncate(rowStart);
                    headerRow = false;
                    while (!lines.isEmpty() && lines.last().start >= rowStart)
                        lines.removeLast();
                }
            }
            break;
        case QXmlStreamReader::Characters:
            if (skippedDepth == 0 && lineDepth > 0 && (rules.texts.isEmpty() || textDepth > 0)) {
                out += xml.text();
                line.Note(xml.text(), emphasis.last());
            } else if (inTitle) {
                title += xml.text();
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return std::nullopt;
    RemoveEmphasisedTitles(out, lines, titles);
    return out;
}

} // namespace

bool IsOfficeDocumentStart(QByteArrayView bytes)
{
    return IsZip(bytes) || IsCompoundFile(bytes);
}

std::optional<QString> OfficeDocumentText(QByteArrayView bytes, QStringList* titles)
{
    QStringList left;
    QStringList& told = titles ? *titles : left;
    if (IsCompoundFile(bytes)) {
        const std::optional<CompoundFile> file = CompoundFile::Open(bytes);
        if (!file)
            return std::nullopt;
        std::optional<QString> text = Word97Text(*file, told);
        return text ? text : Excel97Text(*file, told);
    }
    if (!IsZip(bytes))
        return std::nullopt;
    // Excel: its sheets' text cells; else (sheets elsewhere) its table of texts.
    if (std::optional<QString> sheets = ExcelXmlText(bytes, kMaxXmlBytes, told))
        return sheets;
    // Word: the body's paragraphs but its titles and its tables' heading
    // rows, their text in runs (a text box's twice, once for older readers:
    // the fallback is left out).
    static const XmlText word { { QStringLiteral("p") }, { QStringLiteral("t") }, { QStringLiteral("Fallback") }, {},
                                WordCharacter, WordHeading, QStringLiteral("tbl"), QStringLiteral("tr"), QStringLiteral("tblHeader"),
                                WordEmphasis };
    // Excel's table of the workbook's texts, each once.
    static const XmlText excel { { QStringLiteral("si") }, { QStringLiteral("t") }, { QStringLiteral("rPh") }, {},
                                 NoCharacter, NoHeading, {}, {}, {}, NoEmphasis };
    // LibreOffice: paragraphs (a spreadsheet's cells hold them too), without
    // headings or titles, a table's heading rows, nor the titles and
    // descriptions of the pictures among them.
    static const XmlText openDocument { { QStringLiteral("p") }, {},
                                        { QStringLiteral("h"), QStringLiteral("note"), QStringLiteral("annotation"),
                                          QStringLiteral("tracked-changes"), QStringLiteral("title"),
                                          QStringLiteral("desc"), QStringLiteral("table-header-rows") },
                                        { QStringLiteral("h"), QStringLiteral("table-header-rows") }, OpenDocumentCharacter, OpenDocumentHeading, QStringLiteral("table"),
                                        QStringLiteral("table-row"), {},
                                        OpenDocumentEmphasis };
    static const struct { const char* path; const XmlText* rules; } kinds[] = {
        { "word/document.xml", &word }, { "xl/sharedStrings.xml", &excel }, { "content.xml", &openDocument },
    };
    for (const auto& kind : kinds) {
        if (const std::optional<QByteArray> xml = ZipFile(bytes, QString::fromLatin1(kind.path), kMaxXmlBytes))
            return TextOfXml(*xml, *kind.rules, told);
    }
    return std::nullopt;
}

} // namespace lx
