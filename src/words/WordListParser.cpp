#include "words/WordListParser.h"

#include "document/Text1252.h"
#include "puzzle/PuzzleState.h"
#include "words/Plural.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStringDecoder>

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

QString Quoted(const QString& text)
{
    return u("« ") + text + u(" »");
}

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// A control character: no text file holds many of them.
bool IsControl(char16_t c)
{
    if (c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The text without its last incomplete line: what is left once a cap has cut
// it anywhere. A text of one line keeps its complete words.
void DropIncompleteEnd(QString& text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (IsLineEnd(text[i])) {
            text.truncate(i + 1);
            return;
        }
    }
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space >= 0)
        text.truncate(space + 1);
}

// The same on bytes of an 8-bit or UTF-8 text, before decoding: line ends and
// spaces are single bytes there, so a UTF-8 sequence is never cut in two.
void DropIncompleteEnd(QByteArray& bytes)
{
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            bytes.truncate(i + 1);
            return;
        }
    }
    const qsizetype space = bytes.lastIndexOf(' ');
    if (space >= 0)
        bytes.truncate(space + 1);
}

bool IsAscii(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

// The lines of a text, at CR LF, LF or CR.
QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (!IsLineEnd(c))
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

QString Verb(int count)
{
    return count < 2 ? u(" a été ignorée.") : u(" ont été ignorées.");
}

} // namespace

DecodedText DecodeTextBytes(const QByteArray& input, qsizetype maxBytes, bool keepBinary)
{
    DecodedText out;
    QByteArray bytes = input;
    if (maxBytes >= 0 && bytes.size() > maxBytes) {
        bytes.truncate(maxBytes);
        out.truncated = true;
    }

    // A byte order mark says how the text is written.
    enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE } encoding = Encoding::Windows1252;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = Encoding::Utf8;
        bytes.remove(0, 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = Encoding::Utf16LE;
        bytes.remove(0, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = Encoding::Utf16BE;
        bytes.remove(0, 2);
    }

    if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE) {
        if (bytes.size() % 2 != 0)
            bytes.chop(1);
        QStringDecoder decoder(encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        out.text = decoder(bytes);
        if (out.truncated)
            DropIncompleteEnd(out.text);
    } else {
        if (!keepBinary && bytes.contains('\0')) {
            out.status = TextFileStatus::NotText;
            return out;
        }
        if (out.truncated)
            DropIncompleteEnd(bytes);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        if (encoding == Encoding::Utf8) {
            out.text = utf8(bytes);
        } else if (IsAscii(bytes)) {
            out.text = DecodeWindows1252(bytes);
        } else {
            // Valid UTF-8 holding accented letters comes from a modern editor.
            out.text = utf8(bytes);
            if (utf8.hasError())
                out.text = DecodeWindows1252(bytes);
        }
    }

    // Old editors end a text with Ctrl+Z.
    if (out.text.endsWith(QChar(0x1A)))
        out.text.chop(1);

    if (!keepBinary) {
        // Text holds few control characters; binary data holds many.
        qsizetype controls = 0;
        for (QChar c : std::as_const(out.text))
            controls += IsControl(c.unicode()) ? 1 : 0;
        if (out.text.contains(QChar(0)) || controls * 20 > out.text.size()) {
            out.status = TextFileStatus::NotText;
            out.text.clear();
        }
    }
    return out;
}

DecodedText ReadTextFile(const QString& path, qsizetype maxBytes, bool keepBinary)
{
    DecodedText out;
    out.status = TextFileStatus::Unreadable;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    // One byte over the cap tells whether the file goes on.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return out;
    return DecodeTextBytes(bytes, maxBytes, keepBinary);
}

bool IsWordCharacter(QChar c)
{
    return !IsControl(c.unicode()) && c != u'\t' && c != u'\r' && c != u'\n' && c != u'\f' && IsWindows1252(c);
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
        DropIncompleteEnd(text);
        out.truncated = true;
    }
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));

    QStringList pieces = SplitLines(text);
    // One line of words (blank lines and comments aside) is a row of words
    // separated by spaces.
    auto isComment = [](const QString& line) {
        QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('-')))
            t = t.mid(1).trimmed();
        return t.startsWith(QLatin1Char('/'));
    };
    int lines = 0;
    for (const QString& line : std::as_const(pieces)) {
        if (!line.trimmed().isEmpty() && !isComment(line) && ++lines > 1)
            break;
    }
    if (lines < 2) {
        QStringList words;
        for (const QString& line : std::as_const(pieces)) {
            if (!isComment(line))
                words << line.split(QLatin1Char(' '));
        }
        pieces = std::move(words);
    }

    QSet<QString> seen;
    for (const QString& piece : std::as_const(pieces)) {
        QString entry = piece.trimmed();
        if (entry.isEmpty())
            continue;
        if (entry.startsWith(QLatin1Char('-'))) {
            entry = entry.mid(1).trimmed(); // a bulleted line
            if (entry.isEmpty())
                continue;
        }
        if (entry.startsWith(QLatin1Char('/')))
            continue; // a comment
        if (!std::all_of(entry.cbegin(), entry.cend(), IsWordCharacter)) {
            ++out.unprintable;
            continue;
        }
        if (entry.size() > PuzzleState::kMaxDisplayLength) {
            ++out.tooLong;
            continue;
        }
        const int letters = LetterCount(entry);
        if (letters == 0) {
            ++out.noLetter;
            continue;
        }
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

QString NoValidTextMessage()
{
    return u("Aucun texte valide dans le presse-papiers !\n") + ListRules();
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
    return u("Le fichier ") + Quoted(fileName) + u(" n'est pas une liste de mots : il ne contient pas de texte.\n")
        + ListRules();
}

QStringList WordListNotices(const WordListEntries& entries, int wordsKept)
{
    const QLocale french(QLocale::French, QLocale::France);
    QStringList notices;
    if (entries.truncated) {
        notices << u("La liste est trop longue : seuls ses ") + french.toString(wordsKept)
                + u(" premiers mots ont été importés.");
    }
    if (entries.tooLong > 0) {
        notices << PluralLabel(entries.tooLong, u("entrée¤"), true) + u(" de plus de ")
                + QString::number(PuzzleState::kMaxDisplayLength) + u(" caractères") + Verb(entries.tooLong);
    }
    if (entries.unprintable > 0) {
        notices << PluralLabel(entries.unprintable, u("entrée¤"), true)
                + u(" contenant des caractères non imprimables") + Verb(entries.unprintable);
    }
    return notices;
}

QString ListThemeName(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

WordListMenu BuildWordListMenu(const QString& folder)
{
    WordListMenu menu;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (menu.items.size() >= kWordListMenuItems)
            break;
        const QString name = file.fileName();
        if (name.size() <= 4 || !name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            continue;
        // The level files and the read-me are no word lists.
        if (name.startsWith(QStringLiteral("DB "), Qt::CaseInsensitive)
            || name.compare(QStringLiteral("Lisez_moi.txt"), Qt::CaseInsensitive) == 0)
            continue;
        menu.items.append({ name.chopped(4), file.absoluteFilePath() });
    }
    menu.title = PluralLabel(int(menu.items.size()), u("liste¤ disponible¤"), true);
    return menu;
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
