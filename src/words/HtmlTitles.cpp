#include "words/HtmlTitles.h"

#include "words/EmphasisedTitles.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace lx {

namespace {

// The characters of an HTML entity ("&eacute;", "&#233;", "&#xE9;"); the
// entity as it stands when unknown.
QString Entity(const QString& name)
{
    static const QHash<QString, char16_t> named {
        { QStringLiteral("nbsp"), 0x00A0 }, { QStringLiteral("amp"), u'&' }, { QStringLiteral("lt"), u'<' },
        { QStringLiteral("gt"), u'>' }, { QStringLiteral("quot"), u'"' }, { QStringLiteral("apos"), u'\'' },
        { QStringLiteral("rsquo"), 0x2019 }, { QStringLiteral("laquo"), 0x00AB }, { QStringLiteral("raquo"), 0x00BB },
        { QStringLiteral("agrave"), 0x00E0 }, { QStringLiteral("acirc"), 0x00E2 }, { QStringLiteral("ccedil"), 0x00E7 },
        { QStringLiteral("egrave"), 0x00E8 }, { QStringLiteral("eacute"), 0x00E9 }, { QStringLiteral("ecirc"), 0x00EA },
        { QStringLiteral("euml"), 0x00EB }, { QStringLiteral("icirc"), 0x00EE }, { QStringLiteral("iuml"), 0x00EF },
        { QStringLiteral("ocirc"), 0x00F4 }, { QStringLiteral("ugrave"), 0x00F9 }, { QStringLiteral("ucirc"), 0x00FB },
        { QStringLiteral("oelig"), 0x0153 }, { QStringLiteral("Eacute"), 0x00C9 }, { QStringLiteral("Agrave"), 0x00C0 },
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
        if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
    } else if (const auto found = named.constFind(name); found != named.cend()) {
        return QString(QChar(*found));
    }
    return QLatin1Char('&') + name + QLatin1Char(';');
}

bool IsHeading(const QString& tag)
{
    return tag.size() == 2 && tag[0] == u'h' && tag[1] >= u'1' && tag[1] <= u'6';
}

bool IsBlock(const QString& tag)
{
    static const QStringList blocks { QStringLiteral("p"), QStringLiteral("div"), QStringLiteral("li"), QStringLiteral("td"),
                                      QStringLiteral("th"), QStringLiteral("tr"), QStringLiteral("table"), QStringLiteral("ul"),
                                      QStringLiteral("ol"), QStringLiteral("br"), QStringLiteral("dt"), QStringLiteral("dd"),
                                      QStringLiteral("blockquote"), QStringLiteral("body"), QStringLiteral("thead"),
                                      QStringLiteral("tbody"), QStringLiteral("tfoot") };
    return blocks.contains(tag) || IsHeading(tag);
}

// A style that makes text bold or underlined.
bool IsEmphasisStyle(const QString& style)
{
    static const QRegularExpression emphasis(QStringLiteral("font-weight\\s*:\\s*(bold|[6-9]00)|text-decoration[a-z-]*\\s*:[^;\"']*underline"),
                                             QRegularExpression::CaseInsensitiveOption);
    return emphasis.match(style).hasMatch();
}

// The classes a style sheet makes bold or underlined (Excel gives its cells'
// formats so: ".xl65 { font-weight: 700; }").
QSet<QString> EmphasisClasses(const QString& sheet)
{
    static const QRegularExpression rule(QStringLiteral("([^{}]*)\\{([^}]*)\\}"));
    static const QRegularExpression name(QStringLiteral("\\.([\\w-]+)"));
    QSet<QString> classes;
    for (const QRegularExpressionMatch& r : rule.globalMatch(sheet)) {
        if (IsEmphasisStyle(r.captured(2))) {
            for (const QRegularExpressionMatch& n : name.globalMatch(r.captured(1)))
                classes.insert(n.captured(1));
        }
    }
    return classes;
}

// An element of a class that the style sheet makes bold or underlined.
bool IsEmphasisClass(const QString& attributes, const QSet<QString>& classes)
{
    static const QRegularExpression classAttribute(QStringLiteral("\\bclass\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"),
                                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = classAttribute.match(attributes);
    if (!m.hasMatch() || classes.isEmpty())
        return false;
    const QStringList names = (m.captured(1) + m.captured(2) + m.captured(3)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::any_of(names.cbegin(), names.cend(), [&classes](const QString& n) { return classes.contains(n); });
}

// Whether an element makes its text bold or underlined, or of normal weight
// (Google Docs wraps all it copies in a <b> of normal weight); nothing when it
// leaves it as it is.
std::optional<bool> Emphasis(const QString& tag, const QString& attributes, const QSet<QString>& classes)
{
    if (IsEmphasisStyle(attributes) || tag == u"u")
        return true;
    static const QRegularExpression normal(QStringLiteral("font-weight\\s*:\\s*(normal|[1-4]00)"), QRegularExpression::CaseInsensitiveOption);
    if (normal.match(attributes).hasMatch())
        return false;
    if (tag == u"b" || tag == u"strong" || IsEmphasisClass(attributes, classes))
        return true;
    return std::nullopt;
}

// An element that closes one left open before it.
bool ClosesOpenElements(const QString& tag)
{
    static const QStringList tags { QStringLiteral("p"), QStringLiteral("li"), QStringLiteral("td"), QStringLiteral("th"),
                                    QStringLiteral("tr"), QStringLiteral("tbody") };
    return tags.contains(tag);
}

// Whether an element left open is closed by the start of `tag`.
bool ClosedBy(const QString& open, const QString& tag)
{
    const auto cell = [](const QString& t) { return t == u"td" || t == u"th"; };
    return open == tag || (cell(open) && cell(tag)) || (open == u"thead" && tag == u"tbody");
}

// A paragraph Word marks as its document's title or subtitle.
bool IsTitleClass(const QString& attributes)
{
    static const QRegularExpression title(QStringLiteral("class\\s*=\\s*[\"']?Mso(Title|Subtitle)\\b"), QRegularExpression::CaseInsensitiveOption);
    return title.match(attributes).hasMatch();
}

} // namespace

QStringList HtmlTitles(const QString& html)
{
    QString text;           // the blocks' text, a line each
    QList<TextLine> lines;  // the blocks with text
    QStringList titles;
    struct Open {
        QString tag;
        bool emphasised; // its text bold or underlined, by its own style or its parent's
        bool heading;
    };
    QList<Open> open; // the elements open, innermost last
    int headings = 0; // of them, headings
    const auto closeFrom = [&](qsizetype k) {
        for (qsizetype j = k; j < open.size(); ++j)
            headings -= open[j].heading;
        open.resize(k);
    };
    QSet<QString> emphasisClasses;
    // The cells of a table's row make one unit, as a document's do.
    int units = 0, rowUnit = -1, rowsInTable = 0;
    bool firstRow = false;
    LineEmphasis line;
    const auto endBlock = [&] {
        if (line.text && headings == 0) {
            const bool row = rowUnit >= 0;
            lines.append({ line.start, row ? rowUnit : units++, !line.plain, row, row && firstRow });
            text += QLatin1Char('\n');
        } else {
            if (line.text)
                AddTitles(titles, text.mid(line.start));
            text.truncate(line.start);
        }
        line.Restart(text.size());
    };
    static const QRegularExpression skipped(QStringLiteral("^(script|style|head|title)$"));
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html[i];
        if (c == u'<') {
            if (html.mid(i, 4) == u"<!--") {
                const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? html.size() : end + 3;
                continue;
            }
            const qsizetype end = html.indexOf(QLatin1Char('>'), i + 1);
            if (end < 0)
                break;
            const QString inside = html.mid(i + 1, end - i - 1).trimmed();
            i = end + 1;
            const bool closing = inside.startsWith(QLatin1Char('/'));
            const QString body = closing ? inside.mid(1) : inside;
            static const QRegularExpression nameEnds(QStringLiteral("[\\s/]"));
            const qsizetype nameEnd = body.indexOf(nameEnds);
            const QString tag = (nameEnd < 0 ? body : body.left(nameEnd)).toLower();
            const QString attributes = nameEnd < 0 ? QString() : body.mid(nameEnd);
            if (!closing && skipped.match(tag).hasMatch()) {
                // Left out whole, up to its end; a style sheet's classes kept.
                const qsizetype close = html.indexOf(QStringLiteral("</") + tag, i, Qt::CaseInsensitive);
                const qsizetype after = close < 0 ? -1 : html.indexOf(QLatin1Char('>'), close);
                if (tag == u"style")
                    emphasisClasses.unite(EmphasisClasses(html.mid(i, (close < 0 ? html.size() : close) - i)));
                i = after < 0 ? html.size() : after + 1;
                continue;
            }
            if (IsBlock(tag))
                endBlock();
            if (tag == u"table" || tag == u"tr") {
                if (tag == u"table" && !closing)
                    rowsInTable = 0;
                rowUnit = tag == u"tr" && !closing ? units++ : -1;
                firstRow = rowUnit >= 0 && rowsInTable++ == 0;
            }
            // A closing tag closes its element and those left open in it; a
            // paragraph, item, cell or row closes the one before it left open
            // (a cell either kind, the table's body its head), within its table.
            if (closing || ClosesOpenElements(tag)) {
                for (qsizetype k = open.size() - 1; k >= 0 && k >= open.size() - 64; --k) {
                    if (closing ? open[k].tag == tag : ClosedBy(open[k].tag, tag)) {
                        closeFrom(k);
                        break;
                    }
                    if (!closing && open[k].tag == u"table")
                        break;
                }
            }
            if (!closing && !body.endsWith(QLatin1Char('/')) && tag != u"br" && tag != u"img" && tag != u"meta" && tag != u"hr") {
                const bool inherited = !open.isEmpty() && open.last().emphasised;
                open.append({ tag, Emphasis(tag, attributes, emphasisClasses).value_or(inherited),
                              IsHeading(tag) || IsTitleClass(attributes) || tag == u"thead" || tag == u"th" });
                headings += open.last().heading;
            }
            continue;
        }
        // Text: up to the next tag or entity, its white space as spaces.
        qsizetype end = i + 1;
        while (end < html.size() && html[end] != u'<' && html[end] != u'&')
            ++end;
        QString characters;
        if (c == u'&') {
            const qsizetype semicolon = html.indexOf(QLatin1Char(';'), i + 1);
            if (semicolon > i + 1 && semicolon - i <= 10) {
                characters = Entity(html.mid(i + 1, semicolon - i - 1));
                end = semicolon + 1;
            } else {
                characters = c;
                end = i + 1;
            }
        } else {
            characters = html.mid(i, end - i);
            for (QChar& k : characters)
                k = k.isSpace() && k != QChar(0x00A0) ? QChar(u' ') : k;
        }
        i = end;
        text += characters;
        line.Note(characters, !open.isEmpty() && open.last().emphasised);
    }
    endBlock();
    RemoveEmphasisedTitles(text, lines, titles); // each simplified by AddTitles
    return titles;
}

QString WithoutTitleLines(const QString& text, const QStringList& titles, QStringList& found)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype t = 0; t < titles.size();) {
        qsizetype taken = 1;
        for (qsizetype k = 0; k < lines.size() && !titles[t].isEmpty(); ++k) {
            QString line = lines[k];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            // A table's row comes as its cells parted by tabs: a heading row
            // is the titles of its cells, one after the other.
            QStringList cells = line.split(QLatin1Char('\t'));
            for (QString& cell : cells)
                cell = cell.simplified();
            cells.removeAll(QString());
            const bool whole = line.simplified() == titles[t];
            if (whole || (cells.size() > 1 && titles.mid(t, cells.size()) == cells)) {
                taken = whole ? 1 : cells.size();
                found << titles.mid(t, taken);
                lines.removeAt(k);
                break;
            }
        }
        t += taken;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace lx
