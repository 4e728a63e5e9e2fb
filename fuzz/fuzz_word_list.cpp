// Fuzz target of the word sources: a word list file or clipboard text, and a
// level file of the theme database.
//
// The same bytes are read both ways:
// - as a list file (an RTF one read as its text, a word processor's or a
//   spreadsheet's document, zipped or of Office 97, as the text of its
//   paragraphs or cells): decoded, parsed into the word selection list, and
//   pasted as clipboard text. Whatever the bytes, the list holds only usable
//   words (printable, at most 30 characters, with a letter, no comment), each
//   once without regard to case, in order, all checked, and a refused text
//   leaves the document as it was. Pasting the text gives the same entries
//   as parsing it.
// - as a level file: every entry kept has a word, and the word list built
//   from five such levels, with themes picked from the first byte, holds
//   each word once, counts no theme past its entries and checks no word over
//   the max-letters limit.
// - as raw DEFLATE data: what it gives stays within the size allowed.
// A broken rule aborts with a message saying which.
#include "core/FrenchOrder.h"
#include "core/Inflate.h"
#include "document/Document.h"
#include "words/HtmlTitles.h"
#include "words/OfficeText.h"
#include "words/RtfText.h"
#include "words/ThemeDatabase.h"
#include "words/Themes.h"
#include "words/WordForms.h"
#include "words/WordListParser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const QStringList& FontNames()
{
    static const QStringList names { QStringLiteral("Arial"), QStringLiteral("Arial Narrow"), QStringLiteral("Tahoma") };
    return names;
}

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::fflush(stderr);
    }
}

[[noreturn]] void Fail(const char* rule, const QString& detail = QString())
{
    std::fprintf(stderr, "\n==== %s ====\n%s\n", rule, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

void Check(bool ok, const char* rule, const QString& detail = QString())
{
    if (!ok)
        Fail(rule, detail);
}

bool IsUsableWord(const QString& word)
{
    if (word.isEmpty() || word.size() > lx::kMaxDisplayLength || word.trimmed() != word)
        return false;
    if (word.startsWith(QLatin1Char('/')) || lx::LetterCount(word) == 0)
        return false;
    for (QChar c : word) {
        if (!lx::IsWordCharacter(c))
            return false;
    }
    return true;
}

// The word selection list: each word once without regard to case, in order.
void CheckList(const lx::WordSelectionList& list)
{
    QSet<QString> seen;
    for (int i = 0; i < list.Count(); ++i) {
        const QString& word = list.Word(i);
        Check(!seen.contains(word.toCaseFolded()), "a word is listed twice", word);
        seen.insert(word.toCaseFolded());
        if (i > 0)
            Check(!lx::FrenchLess(word, list.Word(i - 1)), "the list is out of order", list.Word(i - 1) + QStringLiteral(" / ") + word);
    }
}

void FuzzWordList(const QByteArray& bytes)
{
    const lx::DecodedText decoded = lx::DecodeTextBytes(bytes);
    // An RTF file or a zipped document is read as its text, as a list file is.
    std::optional<QString> office;
    if (decoded.status != lx::TextFileStatus::Text && !(office = lx::OfficeDocumentText(bytes)))
        return;
    const QString text = office ? *office : lx::IsRtf(decoded.text) ? lx::RtfText(decoded.text) : decoded.text;

    const lx::WordListEntries cut = lx::CutWordListText(text);
    for (const QString& entry : cut.entries)
        Check(IsUsableWord(entry), "an unusable entry is kept", entry);
    Check(cut.HasValidEntry() == !cut.entries.isEmpty(), "valid entries and the largest letter count disagree");

    lx::Document doc(FontNames());
    doc.ParseWordListText(QStringLiteral("témoin"));
    const lx::WordListImport r = doc.ParseWordListText(text);
    Check(!doc.Suppressed(), "events stay suppressed");
    if (r.imported) {
        Check(r.errorMessage.isEmpty(), "an imported list has an error message", r.errorMessage);
        Check(doc.data().words.Count() >= 1 && doc.data().words.Count() <= lx::kMaxWordListEntries, "the word count is out of range");
        Check(doc.data().words.CheckedCount() == doc.data().words.Count(), "an imported word is left unchecked");
        Check(doc.data().settings.selectedThemeCount == -1 && !doc.data().themes.enabled, "not in external-list mode");
        for (const QString& word : doc.data().words.Words())
            Check(IsUsableWord(word), "an unusable word is listed", word);
        CheckList(doc.data().words);
    } else {
        Check(r.errorMessage == lx::NoValidTextMessage(lx::CutWordListText(text)), "a refused text gives another message", r.errorMessage);
        Check(doc.data().words.Words() == QStringList { QStringLiteral("témoin") }, "a refused text changed the list");
    }

    // The same text as HTML copied with it: its titles, each taken from the text at most once.
    const QStringList titles = lx::HtmlTitles(text);
    QStringList found;
    const QString untitled = lx::WithoutTitleLines(text, titles, found);
    Check(found.size() <= titles.size() && untitled.size() <= text.size(), "titles taken from a text they are not in");

    // The clipboard route cuts the same entries.
    const lx::WordListEntries pasted = lx::CutWordListText(lx::NormaliseClipboardText(text));
    if (!cut.truncated && !pasted.truncated)
        Check(pasted.entries == cut.entries, "the clipboard gives other entries",
              cut.entries.join(QStringLiteral(" | ")) + QStringLiteral("\n") + pasted.entries.join(QStringLiteral(" | ")));
}

// A zip archive holding the bytes, stored, as its one file `name`.
QByteArray StoredZip(const QByteArray& name, const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char b : bytes) {
        crc ^= std::uint8_t(b);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    crc ^= 0xFFFFFFFFu;
    const auto number = [](std::uint32_t v, int size) {
        QByteArray out;
        for (int k = 0; k < size; ++k)
            out.append(char((v >> (8 * k)) & 0xFF));
        return out;
    };
    const auto size = std::uint32_t(bytes.size()), nameSize = std::uint32_t(name.size());
    const QByteArray common = number(20, 2) + number(0, 2) + number(0, 2) + number(0, 4) + number(crc, 4) + number(size, 4)
        + number(size, 4) + number(nameSize, 2) + number(0, 2);
    const QByteArray local = number(0x04034B50, 4) + common + name + bytes;
    const QByteArray entry = number(0x02014B50, 4) + number(20, 2) + common + number(0, 2) + number(0, 2) + number(0, 2)
        + number(0, 4) + number(0, 4) + name;
    return local + entry + number(0x06054B50, 4) + number(0, 4) + number(1, 2) + number(1, 2)
        + number(std::uint32_t(entry.size()), 4) + number(std::uint32_t(local.size()), 4) + number(0, 2);
}

// The bytes as the XML of a Word, Excel or LibreOffice document: its text is
// read whatever the XML, or refused, and never holds more than the cap lets in.
void FuzzOfficeXml(const QByteArray& bytes)
{
    for (const char* name : { "word/document.xml", "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "content.xml" }) {
        const std::optional<QString> text = lx::OfficeDocumentText(StoredZip(name, bytes));
        Check(!text || text->size() <= 2 * lx::kMaxWordListChars, "a document's text passes the cap");
    }
}

void FuzzInflate(const QByteArray& bytes)
{
    constexpr qsizetype maxSize = 1 << 16;
    if (const std::optional<QByteArray> out = lx::Inflate(bytes, maxSize))
        Check(out->size() <= maxSize, "DEFLATE data gives more than allowed", QString::number(out->size()));
}

void FuzzLevelFile(const QByteArray& bytes)
{
    const lx::DecodedText decoded = lx::DecodeTextBytes(bytes, lx::kMaxLevelFileBytes, true);
    Check(decoded.status == lx::TextFileStatus::Text, "a level file is refused whole");
    const lx::LevelText level = lx::ParseLevelText(decoded.text);
    Check(level.entries.size() <= lx::kLevelRows, "too many rows");
    for (const QString& entry : level.entries) {
        Check(entry.size() >= 5 && !entry.startsWith(QLatin1Char('/')), "a level entry without a word", entry);
        Check(!entry.contains(QLatin1Char('\r')) && !entry.contains(QLatin1Char('\n')), "a level entry holds a line end", entry);
        Check(!lx::LevelEntryWord(entry).trimmed().isEmpty(), "a level word of spaces", entry);
    }

    // Five levels: the whole file, and four slices of it.
    lx::ThemeDatabase db;
    for (int l = 0; l < lx::kLevelCount; ++l)
        db.levelLines[l] = l == 0 ? level.entries : level.entries.mid(l - 1, 3 * l);

    lx::Document doc(FontNames());
    doc.SetThemeDatabase(&db);
    const std::uint8_t pick = bytes.isEmpty() ? 0 : std::uint8_t(bytes[0]);
    doc.SetMaxLetters(3 + pick % 13);
    for (int l = 0; l < lx::kLevelCount; ++l)
        doc.ClickLevel(l, true);
    CheckList(doc.data().words);
    // Themes picked from the first byte: 0 to 3 of them.
    for (int k = 0; k < (pick >> 6); ++k)
        doc.CheckTheme((pick * (k + 7)) % lx::kThemeCount, true);
    CheckList(doc.data().words);
    Check(!doc.Suppressed(), "events stay suppressed");

    qsizetype entries = 0;
    for (const QStringList& column : db.levelLines)
        entries += column.size();
    for (int t = 0; t < lx::kThemeCount; ++t) {
        const int count = doc.data().themes.wordCounts[t];
        Check(count >= -1 && count < entries, "a theme count is out of range", QString::number(count));
        if (!doc.data().themes.selected[t])
            Check(count == -1 || doc.data().settings.selectedThemeCount < 1, "an unchecked theme is counted");
    }
    const int maxLetters = doc.data().settings.maxLetters;
    for (int i = 0; i < doc.data().words.Count(); ++i) {
        if (doc.data().words.IsChecked(i))
            Check(lx::LetterCount(doc.data().words.Word(i)) <= maxLetters, "a word over the limit is checked", doc.data().words.Word(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(QuietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FuzzWordList(bytes);
    FuzzInflate(bytes);
    FuzzOfficeXml(bytes);
    FuzzLevelFile(bytes);
    return 0;
}
