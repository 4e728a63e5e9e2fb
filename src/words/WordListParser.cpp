#include "words/WordListParser.h"

#include "core/TextEditing.h"
#include "core/TextFile.h"
#include "core/Plural.h"
#include "words/ListRows.h"
#include "words/OfficeText.h"
#include "words/RtfText.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace lx {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QString ListRules()
{
    return u("La liste doit impérativement comporter un élément par ligne\n"
             "(ou plusieurs mots à la suite, séparés par une espace).");
}

// Quotes and brackets that may open or close a word of a list.
const QString kOpeningQuotes = QStringLiteral("\u00AB\u201C\u201E\u2018\"'([");
const QString kClosingQuotes = QStringLiteral("\u00BB\u201D\u201C\u2019\"')]");

// A line without its bullet: "-", "–", "—", "•" or "*", then spaces; or any
// other sign followed by a space (Word's "\uF0B7", "·", "▪", "►", "✓", ">"),
// save the comment's "/" and an opening quote.
QString WithoutBullet(const QString& line)
{
    static const QString bullets = QStringLiteral("-\u2013\u2014\u2022*");
    if (line.isEmpty())
        return line;
    const QChar first = line.front();
    if (bullets.contains(first))
        return line.mid(1).trimmed();
    // A sign beyond 16 bits ("👉") is two characters.
    const int size = first.isHighSurrogate() && line.size() > 1 && line[1].isLowSurrogate() ? 2 : 1;
    const bool sign = !first.isLetterOrNumber() && first != u'/' && !kOpeningQuotes.contains(first);
    return sign && line.size() > size && line[size] == u' ' ? line.mid(size).trimmed() : line;
}

// A word without the quotes or brackets around it: « chat », “chat”, "chat", (chat).
QString WithoutQuotes(const QString& entry)
{
    if (entry.size() < 3 || !kOpeningQuotes.contains(entry.front()) || !kClosingQuotes.contains(entry.back()))
        return entry;
    return entry.mid(1, entry.size() - 2).trimmed();
}

// What a word processor or a web page leaves in a text and nobody sees: its
// spaces of every width are spaces (a tab stays: it parts entries), its soft
// hyphens and zero-width characters nothing, its non-breaking hyphen a hyphen
// (Word's plain text writes these hyphens as 0x1F and 0x1E). A long dash that
// autocorrection made of "--" inside a word is a hyphen too. So is an
// apostrophe typed as another mark between two letters: « l‘ours », « l´âne »,
// « l`oie », « lʼoie » are « l’ours »...
QString PlainText(const QString& input)
{
    // Accents as one character with their letter, as Windows writes them (a
    // Mac, some PDF files and web pages write "é" as "e" and its accent);
    // letters in another form as the letters they are ("ﬁ": CompatibleLetters).
    const QString text = input.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(text.size());
    for (QChar c : CompatibleLetters(text)) {
        if (c.category() == QChar::Separator_Space)
            out += QLatin1Char(' ');
        else if (c == u'\u2010' || c == u'\u2011' || c == u'\u2012' || c == u'\u2014' || c == u'\u2015' || c == u'\x1E')
            out += QLatin1Char('-');
        else if (c.category() != QChar::Other_Format && c != u'\x1F')
            out += c;
    }
    static const QRegularExpression apostrophe(QStringLiteral("(?<=\\p{L})[\u2018\u00B4`\u02BC](?=\\p{L})"));
    out.replace(apostrophe, QStringLiteral("\u2019"));
    return out;
}

void RemoveFinalStops(QString& entry)
{
    while (!entry.isEmpty() && (entry.back().isSpace() || entry.back() == u'.' || entry.back() == u'\u2026'))
        entry.chop(1);
}

// A definition or a title as the notice names it: without its final stop.
QString WithoutFinalStop(const QString& text)
{
    QString named = text.trimmed();
    RemoveFinalStops(named);
    return named;
}

} // namespace

const QStringList& WordListExtensions()
{
    static const QStringList extensions { u(".txt"), u(".rtf"), u(".csv"), u(".doc"), u(".docx"), u(".odt"), u(".xls"),
                                          u(".xlsx"), u(".ods") };
    return extensions;
}

bool IsWordListFileName(const QString& name)
{
    return !EndingOf(name, WordListExtensions()).isEmpty();
}

DecodedText ReadWordListFile(const QString& path, QStringList* titles)
{
    // Word, Excel and LibreOffice save zip archives of XML; Word 97 to 2003 a
    // compound file. Such a file is read whole, once.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && IsOfficeDocumentStart(file.peek(8))) {
        DecodedText read;
        read.status = TextFileStatus::NotText;
        if (file.size() <= kMaxOfficeDocumentBytes) {
            if (const std::optional<QString> text = OfficeDocumentText(file.readAll(), titles)) {
                read.status = TextFileStatus::Text;
                read.text = *text;
            }
        }
        return read;
    }
    DecodedText read = ReadTextFile(path, kMaxWordListBytes, false, /*mixedLines=*/true);
    // WordPad saves RTF unless told otherwise: its text is the list.
    if (read.status == TextFileStatus::Text && IsRtf(read.text))
        read.text = RtfText(read.text, titles);
    return read;
}

bool IsWordCharacter(QChar c)
{
    return !IsControlCharacter(c) && c != u'\t' && c != u'\r' && c != u'\n' && c != u'\f' && IsWindows1252(c);
}

WordListEntries CutWordListText(const QString& input)
{
    WordListEntries out;
    if (input.isEmpty()) {
        out.noPiece = true;
        return out;
    }
    QString text = input;
    if (text.size() > kMaxWordListChars) {
        text.truncate(kMaxWordListChars);
        DropIncompleteLine(text);
        out.truncated = true;
    }
    text = PlainText(text);

    QStringList lines = SplitLines(text);
    auto isComment = [](const QString& line) { return WithoutBullet(line.trimmed()).startsWith(QLatin1Char('/')); };
    static const QRegularExpression separators(
        QStringLiteral("[,;\t]|(?<=\\S) +[-\u2013\u2014/|=\u2022\u00B7\u25AA\u25CF\u25E6\u2605\u2666\u2192\u25BA] +(?=\\S)| {3,}"));
    // What comes before a colon labels the words after it ("Animaux :",
    // "Mots de la semaine : chat, chien"): no word holds a colon. A word with
    // its definition after the colon keeps the word.
    QList<LinePair> colonPairs(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(QLatin1Char(':'));
        if (colon < 0 || isComment(lines[i]))
            continue;
        const QString after = lines[i].mid(colon + 1).trimmed();
        if (!after.contains(separators))
            colonPairs[i] = std::pair(WithoutBullet(lines[i].left(colon).trimmed()), after);
    }
    const QList<PairRole> colonRoles = PairRoles(colonPairs);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString& line = lines[i];
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0 || isComment(line))
            continue;
        if (colonRoles[i] == PairRole::Definition) {
            out.definitions << WithoutFinalStop(colonPairs[i]->second);
            line.truncate(colon);
        } else if (colonRoles[i] == PairRole::Headings) {
            out.titles << line.left(colon).trimmed() << WithoutFinalStop(colonPairs[i]->second);
            line.clear();
        } else {
            line.remove(0, colon + 1);
        }
    }
    // A first line of four words or more above lines of three at most is the
    // list's title ("Les mots de la semaine" above "chat", "chien"...).
    QList<qsizetype> content;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty() && !isComment(lines[i]))
            content << i;
    }
    const auto words = [](const QString& text) { return Tokens(WithoutBullet(text.trimmed())).size(); };
    if (content.size() >= 3 && words(lines[content[0]]) >= 4 && !lines[content[0]].trimmed().contains(separators)
        && std::all_of(content.cbegin() + 1, content.cend(), [&](qsizetype i) {
               const QStringList cells = lines[i].split(separators);
               return std::all_of(cells.cbegin(), cells.cend(), [&](const QString& cell) { return words(cell) <= 3; });
           })) {
        out.titles << WithoutFinalStop(WithoutBullet(lines[content[0]].trimmed()));
        lines[content[0]].clear();
        content.removeFirst();
    }
    const qsizetype wordLines = content.size();
    // Commas, semicolons, tabs, dashes, slashes, bars, equals signs or
    // bullets between spaced words and three spaces or more part entries as
    // line ends do ("chat, chien, lapin", "chat - chien / lapin", "chat •
    // chien", a spreadsheet's columns, a word processor's tab stops, columns
    // copied from a PDF or lined up with spaces): no word of a list holds
    // one. One line of words without them (blank lines and comments aside, a
    // tab at its ends too) is a row of words separated by spaces. A row of a
    // word and its definition (a vocabulary table) gives the word.
    const auto isRowOfWords = [&](const QString& line) { return wordLines < 2 && !line.trimmed().contains(separators); };
    QList<QStringList> rows(lines.size());
    QList<LinePair> pairs(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isComment(lines[i]) || isRowOfWords(lines[i]))
            continue;
        rows[i] = SplitCells(lines[i], separators);
        rows[i].removeIf([](const QString& cell) { return cell.trimmed().isEmpty(); });
        if (rows[i].size() == 2)
            pairs[i] = std::pair(WithoutBullet(rows[i][0].trimmed()), rows[i][1].trimmed());
    }
    const QList<PairRole> roles = PairRoles(pairs);
    QStringList pieces;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (isComment(line)) {
            pieces << line;
        } else if (isRowOfWords(line)) {
            pieces << line.split(QLatin1Char(' '));
        } else {
            if (roles[i] == PairRole::Headings) {
                out.titles << rows[i][0].trimmed() << WithoutFinalStop(rows[i][1]);
                continue;
            }
            if (roles[i] == PairRole::Definition)
                out.definitions << WithoutFinalStop(rows[i].takeLast());
            // A quoted cell that holds separators holds as many entries.
            QStringList cells;
            for (const QString& cell : std::as_const(rows[i]))
                cells << cell.split(separators);
            cells.removeIf([](const QString& cell) { return cell.trimmed().isEmpty(); });
            // A sentence's enumeration ends with « et »: "vache, cochon, poule et mouton".
            static const QRegularExpression lastTwo(QStringLiteral("^\\s*(\\S+) et (\\S+)\\s*$"));
            if (cells.size() >= 2 && (line.contains(QLatin1Char(',')) || line.contains(QLatin1Char(';')))) {
                if (const QRegularExpressionMatch two = lastTwo.match(cells.last()); two.hasMatch()) {
                    cells.removeLast();
                    cells << two.captured(1) << two.captured(2);
                }
            }
            pieces << cells;
        }
    }

    // A list's number or letter ("1.", "12)", "3/", "4 -", "5 ", "a)", "b.", "IV."),
    // and the full stops that end a sentence, with the spaces beside them. A
    // letter is a marker only before a space or alone ("a-t-il" stays whole).
    static const QRegularExpression number(QStringLiteral(
        "^(?:[0-9]{1,3} *[.)/\\-\u2013\u2014] *(?=\\p{L})|[0-9]{1,3} +(?=\\p{L})|(?:[A-Za-z]|[IVX]{2,4}|[ivx]{2,4}) *[.)/](?: +|$))"));
    // A number before a stop or a bracket starts no word: it goes even alone,
    // or repeated ("1." on every line, as some editors number).
    static const QRegularExpression listNumber(QStringLiteral("^[0-9]{1,3} *[.)] *(?=\\p{L})"));
    // Other marks make the list numbered when two of its entries start with
    // different ones: "M. Seguin" or "3-mâts" among plain words keep theirs,
    // and so do "M. Seguin" and "M. Dupont".
    QSet<QString> marks;
    for (const QString& piece : std::as_const(pieces)) {
        if (const QRegularExpressionMatch m = number.match(WithoutBullet(piece.trimmed())); m.hasMatch())
            marks.insert(m.captured().remove(QLatin1Char(' ')));
    }
    const bool numbered = marks.size() >= 2;
    QSet<QString> seen, setAside;
    const auto firstTimeSetAside = [&setAside](const QString& entry) { // named once
        const qsizetype before = setAside.size();
        setAside.insert(entry);
        return setAside.size() > before;
    };
    for (const QString& piece : std::as_const(pieces)) {
        QString entry = piece.trimmed();
        if (entry.isEmpty())
            continue;
        entry = WithoutBullet(entry); // a bulleted line
        if (entry.isEmpty())
            continue;
        if (entry.startsWith(QLatin1Char('/')))
            continue; // a comment
        entry.remove(numbered ? number : listNumber);
        // Pictures and signs that no worksheet can print, after a word ("pomme 🍎", "chat ✓"), go.
        while (!entry.isEmpty() && !IsWordCharacter(entry.back()) && !entry.back().isLetterOrNumber())
            entry.chop(1);
        // A note in brackets after a word is no part of it: "chat (n.m.)", "lapin (le)", "chien [ʃjɛ̃]", "ami(e)".
        static const QRegularExpression note(QStringLiteral("(?<=\\S) *(?:\\([^()]*\\)|\\[[^\\[\\]]*\\])[ .]*$"));
        while (entry.contains(note))
            entry.remove(note);
        entry = entry.simplified(); // "pomme  de terre" typed with two spaces
        if (entry.isEmpty())
            continue;
        // Digits and signs take cells, but a word has at least one letter.
        const bool hasLetter = std::any_of(entry.cbegin(), entry.cend(), [](QChar c) { return c.isLetter(); });
        if (hasLetter)
            RemoveFinalStops(entry);
        entry = WithoutQuotes(entry);
        if (entry.compare(QStringLiteral("etc"), Qt::CaseInsensitive) == 0)
            continue; // the end of an enumeration ("chat, chien, etc.")
        if (!std::all_of(entry.cbegin(), entry.cend(), IsWordCharacter)) {
            if (firstTimeSetAside(entry))
                out.unprintable << entry;
            continue;
        }
        if (entry.size() > kMaxDisplayLength) {
            if (firstTimeSetAside(entry))
                out.tooLong << entry;
            continue;
        }
        if (!hasLetter) {
            ++out.noLetter;
            continue;
        }
        // One apostrophe, the level files' straight one: « aujourd’hui » typed in a word processor is the word of
        // the list and of the classes, « aujourd'hui », not a second one (the page prints both typographic).
        entry.replace(u'\u2019', u'\'');
        const int letters = LetterCount(entry);
        const QString key = entry.toCaseFolded();
        if (!seen.contains(key)) {
            if (seen.size() >= kMaxWordListEntries) {
                out.truncated = true;
                break;
            }
            seen.insert(key);
        }
        out.entries << entry;
        out.largestLetterCount = std::max(out.largestLetterCount, letters);
    }
    return out;
}

QString NormaliseClipboardText(const QString& text)
{
    QString out;
    qsizetype start = 0;
    const qsizetype size = text.size();
    // Beyond the parser's cap nothing more is needed: stop one line past it,
    // so that the parser still sees that the text goes on.
    for (qsizetype i = 0; i <= size && out.size() <= kMaxWordListChars; ++i) {
        if (i < size && !IsLineEnd(text[i]))
            continue;
        out += QStringView(text).mid(start, i - start).trimmed();
        out += u"\r\n";
        if (i < size && text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return out;
}

// Where every entry was set aside, why, rather than how a list is written.
QString NoValidTextMessage(const WordListEntries& entries)
{
    const QStringList why = WordListNotices(entries, 0);
    return why.isEmpty() ? u("Aucun texte valide dans le presse-papiers !\n") + ListRules()
                         : u("Aucun mot du presse-papiers n'a pu être importé.\n") + why.join(QLatin1Char('\n'));
}

QString NoValidFileMessage(const QString& fileName, const WordListEntries& entries)
{
    const QStringList why = WordListNotices(entries, 0);
    return why.isEmpty() ? u("Aucun mot dans le fichier ") + Quoted(fileName) + u(" !\n") + ListRules()
                         : u("Aucun mot du fichier ") + Quoted(fileName) + u(" n'a pu être importé.\n") + why.join(QLatin1Char('\n'));
}

QString ClipboardUnusableMessage()
{
    return u("Impossible de coller les données du presse-papiers !\n") + ListRules();
}

QString UnreadableListMessage(const QString& fileName)
{
    return u("Impossible de lire le fichier ") + Quoted(fileName) + u(" !");
}

QString NotTextListMessage(const QString& fileName)
{
    // A teacher's list is often in a word processor's document, a spreadsheet
    // or a PDF: say what to do with it.
    static const struct {
        QStringList suffixes;
        const char* kind;
        const char* instead;
    } documents[] = {
        { { u("doc"), u("docx"), u("docm"), u("dotx"), u("odt"), u("ott"), u("wps"), u("pages") },
          "un document de traitement de texte",
          "Ouvrez-le dans votre traitement de texte et enregistrez-le au format .docx, .odt ou .txt, ou copiez ses mots puis " },
        { { u("xlsx"), u("xls"), u("ods"), u("xlsb"), u("numbers") }, "un classeur de tableur",
          "Ouvrez-le dans votre tableur et enregistrez-le au format .xlsx, .ods ou .csv, ou copiez ses mots puis " },
        { { u("pdf") }, "un document PDF", "Copiez ses mots, puis " },
    };
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const auto& d : documents) {
        if (!d.suffixes.contains(suffix))
            continue;
        // A document of a kind that is read, but not this one.
        const QString why = IsWordListFileName(fileName)
            ? u("Impossible de lire les mots du fichier ") + Quoted(fileName)
                + u(" : il est peut-être protégé par un mot de passe, ou endommagé.\n")
            : u("Le fichier ") + Quoted(fileName) + u(" est ") + u(d.kind) + u(", pas une liste de mots.\n");
        return why + u(d.instead) + u("choisissez « Coller depuis le presse-papiers » sous « Liste de mots ».");
    }
    return u("Le fichier ") + Quoted(fileName) + u(" n'est pas une liste de mots : il ne contient pas de texte.\n")
        + ListRules();
}

QStringList WordListNotices(const WordListEntries& entries, int wordsKept)
{
    QStringList notices;
    if (entries.truncated) {
        notices << (wordsKept == 1 ? u("La liste est trop longue : seul son premier mot a été importé.")
                                   : u("La liste est trop longue : seuls ses ") + FrenchNumber(wordsKept)
                                         + u(" premiers mots ont été importés."));
    }
    // The titles the document's layout told apart from its words, the
    // definitions beside them and the entries set aside, named so that a
    // word taken for one is noticed.
    const auto named = [](const QStringList& texts) {
        // Four at most, then how many others: two or more (a fifth is named).
        const qsizetype shown = texts.size() <= 5 ? texts.size() : 4;
        QStringList names;
        for (const QString& text : texts.mid(0, shown)) {
            // What nothing shows, as a box.
            QString shownText;
            for (const char32_t c : text.toUcs4())
                shownText += QChar::isPrint(c) ? QString::fromUcs4(&c, 1) : QString(QChar(0x25A1));
            names << Quoted(shownText.size() > 40 ? shownText.left(39) + QChar(0x2026) : shownText);
        }
        if (texts.size() > shown)
            names << QString::number(texts.size() - shown) + u(" autres");
        return FrenchEnumeration(names);
    };
    if (const QStringList& set = entries.tooLong; !set.isEmpty()) {
        notices << (set.size() == 1 ? u("L'entrée ") + named(set) + u(" a été ignorée : elle a")
                                    : u("Les entrées ") + named(set) + u(" ont été ignorées : elles ont"))
                + u(" plus de ") + QString::number(kMaxDisplayLength) + u(" caractères.");
    }
    if (const QStringList& set = entries.unprintable; !set.isEmpty()) {
        notices << (set.size() == 1 ? u("L'entrée ") + named(set) + u(" a été ignorée : elle contient un caractère")
                                    : u("Les entrées ") + named(set) + u(" ont été ignorées : elles contiennent des caractères"))
                + u(" qu'un document Lexigrille ne peut pas garder.");
    }
    if (!entries.titles.isEmpty()) {
        notices << (entries.titles.size() == 1 ? u("Le titre ") + named(entries.titles) + u(" n'a pas été pris comme mot.")
                                               : u("Les titres ") + named(entries.titles) + u(" n'ont pas été pris comme mots."));
    }
    if (!entries.definitions.isEmpty()) {
        notices << (entries.definitions.size() == 1
                        ? u("La définition ") + named(entries.definitions) + u(" n'a pas été prise comme mot.")
                        : u("Les définitions ") + named(entries.definitions) + u(" n'ont pas été prises comme mots."));
    }
    return notices;
}

namespace {

// Without its folder and without everything from its first dot on.
QString ListThemeName(const QString& path)
{
    // Folders end at "/" or, in a path written on another system, at "\".
    QString name = path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

} // namespace

QString ReadableListName(const QString& path)
{
    QString name = ListThemeName(path);
    // A name without spaces joins its words with « _ » or « - »; in a name
    // written with spaces, a hyphen is the words' own (« UTF-8 », « Arc-en-ciel de CE1 »).
    if (!name.contains(QLatin1Char(' ')))
        name.replace(QLatin1Char('-'), QLatin1Char(' '));
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    name = name.simplified();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

FileMenu BuildWordListMenu(const QStringList& folders)
{
    // The level files, the read-me and the pictures' table are no word lists.
    return BuildFileMenu(folders, WordListExtensions(), kWordListMenuItems, u("liste¤ disponible¤"), [](const QString& name) {
        return name.startsWith(QStringLiteral("DB "), Qt::CaseInsensitive)
            || name.compare(QStringLiteral("Lisez_moi.txt"), Qt::CaseInsensitive) == 0
            || name.compare(QStringLiteral("images.txt"), Qt::CaseInsensitive) == 0;
    });
}

QString FindFileIgnoringCase(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    if (fileName.isEmpty())
        return {};
    const QFileInfo exact(dir.filePath(fileName));
    if (exact.isFile() && exact.fileName() == fileName)
        return exact.absoluteFilePath();
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (file.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace lx
