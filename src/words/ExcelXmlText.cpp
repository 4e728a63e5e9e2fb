#include "words/ExcelXmlText.h"

#include "core/ZipArchive.h"
#include "words/EmphasisedTitles.h"
#include "words/WordListParser.h"
#include "words/XmlSwitch.h"

#include <QList>
#include <QStringList>
#include <QXmlStreamReader>

namespace lx {

namespace {

constexpr int kMaxSheets = 64;

// Which of the workbook's cell formats write in bold or underlined: the
// formats (cellXfs) name their font.
QList<bool> EmphasisedFormats(const QByteArray& styles)
{
    QXmlStreamReader xml(styles);
    QList<bool> fonts, formats;
    bool inFonts = false, inFormats = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (name == u"fonts" || name == u"cellXfs") {
                inFonts = name == u"fonts";
                inFormats = name == u"cellXfs";
            } else if (inFonts && name == u"font") {
                fonts.append(false);
            } else if (inFonts && (name == u"b" || name == u"u") && !fonts.isEmpty()) {
                fonts.last() = fonts.last() || IsSwitchedOn(xml);
            } else if (inFormats && name == u"xf") {
                formats.append(fonts.value(xml.attributes().value(QStringLiteral("fontId")).toInt(), false));
            }
        } else if (xml.isEndElement() && (xml.name() == u"fonts" || xml.name() == u"cellXfs")) {
            inFonts = inFormats = false;
        }
    }
    return formats;
}

// The workbook's table of texts, each the text of its runs but its phonetic
// guides.
QStringList SharedStrings(const QByteArray& table)
{
    QXmlStreamReader xml(table);
    QStringList strings;
    int phonetic = 0;
    bool inText = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"si")
                strings.append(QString());
            phonetic += xml.name() == u"rPh";
            inText = xml.name() == u"t" && phonetic == 0;
            break;
        case QXmlStreamReader::EndElement:
            phonetic -= xml.name() == u"rPh";
            inText = false;
            break;
        case QXmlStreamReader::Characters:
            if (inText && !strings.isEmpty())
                strings.last() += xml.text();
            break;
        default:
            break;
        }
    }
    return strings;
}

// Adds the text cells of a sheet to `out`, a line per row, their rows as units.
bool AddSheet(const QByteArray& sheet, const QStringList& strings, const QList<bool>& formats, QString& out,
              QList<TextLine>& lines, int& unit)
{
    QXmlStreamReader xml(sheet);
    QString type, value;
    int format = 0, rows = 0;
    bool inValue = false, firstRow = false;
    while (!xml.atEnd() && out.size() <= kMaxWordListChars) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"row") {
                ++unit;
                firstRow = rows++ == 0;
            } else if (xml.name() == u"c") {
                type = xml.attributes().value(QStringLiteral("t")).toString();
                format = xml.attributes().value(QStringLiteral("s")).toInt();
                value.clear();
            }
            inValue = xml.name() == u"v" || xml.name() == u"t"; // a number, a text's number, or an inline text
            break;
        case QXmlStreamReader::EndElement:
            inValue = false;
            if (xml.name() == u"c") {
                const QString text = type == u"s" ? strings.value(value.toInt())
                                   : type == u"inlineStr" || type == u"str" ? value : QString();
                if (!text.trimmed().isEmpty()) {
                    if (!lines.isEmpty() && lines.last().unit == unit)
                        out.back() = QLatin1Char('\t'); // a row is one line, its cells parted by tabs
                    lines.append({ out.size(), unit, formats.value(format, false), true, firstRow });
                    out += text + QLatin1Char('\n');
                }
            }
            break;
        case QXmlStreamReader::Characters:
            if (inValue)
                value += xml.text();
            break;
        default:
            break;
        }
    }
    return !xml.hasError();
}

} // namespace

std::optional<QString> ExcelXmlText(QByteArrayView archive, qsizetype maxXmlBytes, QStringList& titles)
{
    const QString sheetPath = QStringLiteral("xl/worksheets/sheet%1.xml");
    if (!ZipFile(archive, sheetPath.arg(1), maxXmlBytes))
        return std::nullopt;
    const QStringList strings = SharedStrings(ZipFile(archive, QStringLiteral("xl/sharedStrings.xml"), maxXmlBytes).value_or(QByteArray()));
    const QList<bool> formats = EmphasisedFormats(ZipFile(archive, QStringLiteral("xl/styles.xml"), maxXmlBytes).value_or(QByteArray()));
    QString out;
    QList<TextLine> lines;
    int unit = 0;
    for (int n = 1; n <= kMaxSheets && out.size() <= kMaxWordListChars; ++n) {
        const std::optional<QByteArray> sheet = ZipFile(archive, sheetPath.arg(n), maxXmlBytes);
        if (!sheet)
            break;
        if (!AddSheet(*sheet, strings, formats, out, lines, unit))
            return std::nullopt;
    }
    RemoveEmphasisedTitles(out, lines, titles);
    return out;
}

} // namespace lx
