// External word lists: the parser's rules, the clipboard, list files good and
// bad, and the lists menu.
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/Text1252.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Tahoma") };

const QString kNoValidText = u("Aucun texte valide dans le presse-papiers !\n"
                               "La liste doit impérativement comporter un élément par ligne\n"
                               "(ou plusieurs mots à la suite, séparés par une espace).");
const QString kCannotPaste = u("Impossible de coller les données du presse-papiers !\n"
                               "La liste doit impérativement comporter un élément par ligne\n"
                               "(ou plusieurs mots à la suite, séparés par une espace).");

QString WriteBytes(const QString& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    file.write(bytes);
    return path;
}

QString WriteText(const QString& folder, const QString& name, const QString& text)
{
    return WriteBytes(folder, name, EncodeWindows1252(text));
}

QStringList Entries(const char* text)
{
    return CutWordListText(u(text)).entries;
}

// The words the document lists after parsing the text.
QStringList Imported(const QString& text)
{
    Document doc(kFonts);
    const WordListImport r = doc.ParseWordListText(text);
    EXPECT_TRUE(r.imported) << text.toStdString();
    return doc.data.words.Words();
}

// ---------------------------------------------------------------------------
// Cutting the text

TEST(WordListCut, OneLineIsCutAtSpaces)
{
    EXPECT_EQ(Entries("chat chien lapin"), (QStringList { u("chat"), u("chien"), u("lapin") }));
    EXPECT_EQ(Entries("chat  chien lapin\r\n"), (QStringList { u("chat"), u("chien"), u("lapin") }));
    EXPECT_EQ(Entries("\r\nchat chien lapin\r\n\r\n"), (QStringList { u("chat"), u("chien"), u("lapin") }))
        << "blank lines around one line of words change nothing";
    EXPECT_EQ(Entries("/ mes animaux\r\n- chat chien lapin\r\n"), (QStringList { u("chat"), u("chien"), u("lapin") }))
        << "nor does a comment";
    EXPECT_EQ(Entries("/ rien que des mots"), QStringList {}) << "a comment of one line is no row of words";
    EXPECT_EQ(Entries("- / rien que des mots\r\nchat chien"), (QStringList { u("chat"), u("chien") }));
}

TEST(WordListCut, TwoLinesGiveTwoEntriesWithOrWithoutFinalLineBreak)
{
    EXPECT_EQ(Entries("chat\r\nchien"), (QStringList { u("chat"), u("chien") }));
    EXPECT_EQ(Entries("chat\r\nchien\r\n"), (QStringList { u("chat"), u("chien") }));
    EXPECT_EQ(Entries("pomme de terre\r\nchou"), (QStringList { u("pomme de terre"), u("chou") }))
        << "a phrase stays one entry whenever the list has several lines";
    EXPECT_EQ(Entries("pomme de terre\r\nchou\r\n"), (QStringList { u("pomme de terre"), u("chou") }));
}

TEST(WordListCut, ThreeLinesKeepTheirSpaces)
{
    EXPECT_EQ(Entries("pomme de terre\r\nchou fleur\r\nradis\r\n"),
              (QStringList { u("pomme de terre"), u("chou fleur"), u("radis") }));
}

TEST(WordListCut, LineEndsOfOtherSystems)
{
    EXPECT_EQ(Entries("pomme de terre\nchou\nradis"), (QStringList { u("pomme de terre"), u("chou"), u("radis") }));
    EXPECT_EQ(Entries("pomme de terre\rchou\rradis\r"), (QStringList { u("pomme de terre"), u("chou"), u("radis") }));
}

TEST(WordListCut, BulletsSpacesAndComments)
{
    EXPECT_EQ(Entries("- chat\r\n  chien  \r\n/ des animaux\r\n-/ aussi un commentaire\r\n-\r\n -  \r\n\r\nlapin\r\n"),
              (QStringList { u("chat"), u("chien"), u("lapin") }));
    EXPECT_EQ(Entries("--chat\r\nchien\r\nloup\r\n"), (QStringList { u("-chat"), u("chien"), u("loup") }))
        << "only one bullet is dropped";
    EXPECT_EQ(Entries("pomme/poire\r\nchat\r\nloup\r\n"), (QStringList { u("pomme/poire"), u("chat"), u("loup") }))
        << "a \"/\" further on is part of the word";
    EXPECT_EQ(Entries("chat\tchien\r\nloup\r\nours\r\n"), (QStringList { u("chat chien"), u("loup"), u("ours") }))
        << "a tab counts as a space";
}

TEST(WordListCut, EmptyTextHasNoPiece)
{
    const WordListEntries empty = CutWordListText(QString());
    EXPECT_TRUE(empty.noPiece);
    EXPECT_FALSE(empty.HasValidEntry());
    const WordListEntries blank = CutWordListText(u("\r\n   \r\n/ rien\r\n"));
    EXPECT_FALSE(blank.noPiece);
    EXPECT_FALSE(blank.HasValidEntry());
}

TEST(WordListCut, LargestLetterCount)
{
    EXPECT_EQ(CutWordListText(u("chat\r\npomme de terre\r\nl'île\r\n")).largestLetterCount, 12);
    const WordListEntries dots = CutWordListText(u("...\r\n--\r\n' '\r\n"));
    EXPECT_EQ(dots.largestLetterCount, 0);
    EXPECT_TRUE(dots.entries.isEmpty()) << "an entry without a letter is no word";
    EXPECT_EQ(dots.noLetter, 3);
}

TEST(WordListCut, EntriesNoGridTakesAreSetAside)
{
    const QString tooLong = QString(31, u'a');
    const WordListEntries e = CutWordListText(u("chat\r\n") + tooLong + u("\r\n") + QString(30, u'b') + u("\r\nch\x01" "at\r\n\u03C0\r\n"));
    EXPECT_EQ(e.entries, (QStringList { u("chat"), QString(30, u'b') }));
    EXPECT_EQ(e.tooLong, 1);
    EXPECT_EQ(e.unprintable, 2) << "a control character, a letter Windows-1252 lacks";
    EXPECT_EQ(WordListNotices(e, 2),
              (QStringList { u("1 entrée de plus de 30 caractères a été ignorée."),
                             u("2 entrées contenant des caractères non imprimables ont été ignorées.") }));
}

TEST(WordListCut, DistinctWordsAreCapped)
{
    QString text;
    for (int i = 0; i < kMaxWordListEntries + 1000; ++i)
        text += u("mot") + QString::number(i) + u("\r\nMOT0\r\n");
    const WordListEntries e = CutWordListText(text);
    EXPECT_TRUE(e.truncated);
    EXPECT_EQ(e.entries.size(), 2 * kMaxWordListEntries) << "repeats of a word already kept do not count";
    EXPECT_EQ(e.entries[2 * kMaxWordListEntries - 2], u("mot4999"));
}

TEST(WordListCut, HugeTextIsCutAtALineEnd)
{
    QString text;
    const QString line = u("abcdefghijklmnopqrstuvwxyz\r\n");
    while (text.size() <= kMaxWordListChars)
        text += line;
    const WordListEntries e = CutWordListText(text);
    EXPECT_TRUE(e.truncated);
    ASSERT_FALSE(e.entries.isEmpty());
    for (const QString& entry : e.entries)
        ASSERT_EQ(entry, u("abcdefghijklmnopqrstuvwxyz")) << "one word, many times";
    EXPECT_EQ(e.tooLong, 0) << "no piece of a cut line";
}

// ---------------------------------------------------------------------------
// The parser on the document

TEST(ParseWordListText, ReplacesTheListAndEntersExternalListMode)
{
    Document doc(kFonts);
    doc.settings().levels = { true, false, true, false, false };
    doc.themes().selected[3] = true;
    doc.UpdateThemeLabel();
    doc.words().AddWordIfAbsent(u("ancien"));
    int redraws = 0;
    doc.redraw = [&] { ++redraws; };

    const WordListImport r = doc.ParseWordListText(u("zèbre\r\nChat\r\nchat\r\nCHAT\r\nâne\r\n"));
    EXPECT_TRUE(r.imported);
    EXPECT_TRUE(r.errorMessage.isEmpty());
    EXPECT_TRUE(r.notices.isEmpty());
    EXPECT_EQ(doc.words().Words(), (QStringList { u("âne"), u("Chat"), u("zèbre") }))
        << "sorted, the same word in another case listed once";
    EXPECT_EQ(doc.words().CheckedCount(), 3) << "every word is checked";
    EXPECT_EQ(doc.settings().LevelString(), u("00000"));
    EXPECT_EQ(doc.themes().SelectedCount(), 0);
    EXPECT_FALSE(doc.themes().enabled);
    EXPECT_EQ(doc.themeLabel, u("Liste externe"));
    EXPECT_EQ(doc.settings().selectedThemeCount, -1);
    EXPECT_TRUE(doc.settings().selectAllWords);
    EXPECT_TRUE(doc.life.modified);
    EXPECT_EQ(doc.wordCountLabel.text, u("3/3"));
    EXPECT_FALSE(doc.suppressEvents());
    EXPECT_GE(redraws, 1);
    EXPECT_EQ(doc.settings().themeText, QString()) << "no list file imported yet";
}

TEST(ParseWordListText, LongWordsAreCheckedToo)
{
    Document doc(kFonts);
    doc.SetMaxLetters(5);
    ASSERT_TRUE(doc.ParseWordListText(u("hippopotame\r\nchat\r\nours\r\n")).imported);
    EXPECT_EQ(doc.words().CheckedCount(), 3);
}

TEST(ParseWordListText, NoValidEntryChangesNothing)
{
    Document doc(kFonts);
    doc.settings().levels[1] = true;
    doc.themes().selected[5] = true;
    doc.UpdateThemeLabel();
    doc.words().SetChecked(doc.words().AddWordIfAbsent(u("genou")).index, true);

    for (const char* text : { "", "\r\n\r\n", "/ seulement un commentaire\r\n- \r\n", "... --- ***" }) {
        const WordListImport r = doc.ParseWordListText(u(text));
        EXPECT_FALSE(r.imported) << text;
        EXPECT_EQ(r.errorMessage, kNoValidText) << text;
        EXPECT_EQ(doc.words().Words(), QStringList { u("genou") }) << text;
        EXPECT_EQ(doc.words().CheckedCount(), 1);
        EXPECT_EQ(doc.settings().LevelString(), u("01000"));
        EXPECT_EQ(doc.themeLabel, u("1 thème"));
        EXPECT_TRUE(doc.themes().enabled);
        EXPECT_EQ(doc.settings().selectedThemeCount, 1);
        EXPECT_FALSE(doc.life.modified);
        EXPECT_FALSE(doc.suppressEvents());
    }
}

TEST(ParseWordListText, OneLineFromFileOrClipboardGivesTheSameWords)
{
    QTemporaryDir dir;
    const QString path = WriteText(dir.path(), u("trois.txt"), u("chat chien lapin"));
    Document fromFile(kFonts);
    ASSERT_TRUE(fromFile.ImportWordListFile(path).imported);
    Document pasted(kFonts);
    ASSERT_TRUE(pasted.PasteWordList(u("chat chien lapin")).imported);
    Document pastedLine(kFonts);
    ASSERT_TRUE(pastedLine.PasteWordList(u("chat chien lapin\n")).imported);
    const QStringList three { u("chat"), u("chien"), u("lapin") };
    EXPECT_EQ(fromFile.words().Words(), three);
    EXPECT_EQ(pasted.words().Words(), three);
    EXPECT_EQ(pastedLine.words().Words(), three);
}

TEST(PasteWordList, ClipboardTextIsTrimmedLineByLine)
{
    EXPECT_EQ(NormaliseClipboardText(u("  chat \r\n chien\nloup ")), u("chat\r\nchien\r\nloup\r\n"));
    EXPECT_EQ(NormaliseClipboardText(u("chat\r\n")), u("chat\r\n\r\n"));
    EXPECT_EQ(NormaliseClipboardText(u("un mot")), u("un mot\r\n"));
    EXPECT_EQ(Imported(NormaliseClipboardText(u("pomme de terre\nchou\n"))), (QStringList { u("chou"), u("pomme de terre") }));
}

TEST(PasteWordList, NoTextOnTheClipboard)
{
    Document doc(kFonts);
    doc.words().AddWordIfAbsent(u("genou"));
    doc.suppressEvents() = true;
    const WordListImport r = doc.PasteWordList(QString());
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.errorMessage, kCannotPaste);
    EXPECT_EQ(doc.words().Words(), QStringList { u("genou") });
    EXPECT_FALSE(doc.suppressEvents());
}

TEST(PasteWordList, HugeClipboardTextIsCapped)
{
    QString text;
    for (int i = 0; text.size() < 8 * kMaxWordListChars; ++i)
        text += u("  mot") + QString::number(i % 20000) + u("  \n");
    Document doc(kFonts);
    const WordListImport r = doc.PasteWordList(text);
    ASSERT_TRUE(r.imported);
    EXPECT_LE(doc.words().Count(), kMaxWordListEntries);
    EXPECT_EQ(r.notices.value(0),
              u("La liste est trop longue : seuls ses ") + QLocale(QLocale::French, QLocale::France).toString(doc.words().Count())
                  + u(" premiers mots ont été importés."));
}

// ---------------------------------------------------------------------------
// List files

TEST(ImportWordListFile, DocumentNameAndThemeBox)
{
    QTemporaryDir dir;
    const QString path = WriteText(dir.path(), u("animaux.v2.txt"), u("- girafe\r\n- zèbre\r\n- okapi\r\n"));
    Document doc(kFonts);
    doc.life.SetModified(false, true);
    const WordListImport r = doc.ImportWordListFile(path);
    ASSERT_TRUE(r.imported) << r.errorMessage.toStdString();
    EXPECT_EQ(doc.words().Words(), (QStringList { u("girafe"), u("okapi"), u("zèbre") }));
    EXPECT_EQ(doc.importedListPath, path);
    EXPECT_EQ(doc.data.importedListName, u("animaux.v2.txt"));
    EXPECT_EQ(doc.life.documentName, u("animaux.v2.txt"));
    EXPECT_EQ(doc.settings().themeText, u("animaux")) << "the theme box drops everything from the first dot";
    EXPECT_EQ(doc.life.WindowTitle(), FullName() + u(" - animaux.v2.txt*"));
    EXPECT_EQ(doc.themeLabel, u("Liste externe"));
    EXPECT_EQ(doc.settings().selectedThemeCount, -1);
    EXPECT_FALSE(doc.suppressEvents());
    EXPECT_EQ(doc.ProposedFileName(), u("Lexigrille - animaux"));

    // The clipboard keeps the last list file's path and name.
    ASSERT_TRUE(doc.PasteWordList(u("lion tigre")).imported);
    EXPECT_EQ(doc.settings().themeText, u("animaux"));
    EXPECT_EQ(doc.importedListPath, path);
    EXPECT_EQ(doc.life.documentName, u("animaux.v2.txt"));
}

TEST(ImportWordListFile, ThemeStringOfTheSavedDocument)
{
    QTemporaryDir dir;
    const QString path = WriteText(dir.path(), u("fruits.txt"), u("pomme poire cerise"));
    Document doc(kFonts);
    ASSERT_TRUE(doc.ImportWordListFile(path).imported);
    EXPECT_TRUE(doc.BuildDocumentText().contains(u("\r\nThèmes=*fruits\r\n")));
    EXPECT_TRUE(doc.BuildDocumentText().contains(u("\r\nMotsSélectionnés=111\r\n")));
}

TEST(ImportWordListFile, WindowsAndModernEncodings)
{
    QTemporaryDir dir;
    const QString cp1252 = WriteBytes(dir.path(), u("a.txt"), QByteArray("\xE9l\xE8ve\r\nc\x9C" "ur\r\nfor\xEAt\r\n"));
    const QString utf8 = WriteBytes(dir.path(), u("b.txt"), u("élève\ncœur\nforêt\n").toUtf8());
    const QString bom = WriteBytes(dir.path(), u("c.txt"), QByteArray("\xEF\xBB\xBF") + u("élève\r\ncœur\r\nforêt").toUtf8());
    QByteArray utf16("\xFF\xFE", 2);
    const QString text16 = u("élève\r\ncœur\r\nforêt\r\n");
    utf16.append(reinterpret_cast<const char*>(text16.utf16()), text16.size() * 2);
    const QString le16 = WriteBytes(dir.path(), u("d.txt"), utf16);
    for (const QString& path : { cp1252, utf8, bom, le16 }) {
        Document doc(kFonts);
        const WordListImport r = doc.ImportWordListFile(path);
        ASSERT_TRUE(r.imported) << path.toStdString() << r.errorMessage.toStdString();
        EXPECT_EQ(doc.words().Words(), (QStringList { u("cœur"), u("élève"), u("forêt") })) << path.toStdString();
        EXPECT_TRUE(r.notices.isEmpty());
    }
}

TEST(ImportWordListFile, BinaryFileIsRefusedAndNothingChanges)
{
    QTemporaryDir dir;
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 2000; ++i)
        png += char(i * 31);
    const QString path = WriteBytes(dir.path(), u("image.txt"), png);
    Document doc(kFonts);
    doc.words().AddWordIfAbsent(u("genou"));
    const WordListImport r = doc.ImportWordListFile(path);
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.errorMessage,
              u("Le fichier « image.txt » n'est pas une liste de mots : il ne contient pas de texte.\n"
                "La liste doit impérativement comporter un élément par ligne\n"
                "(ou plusieurs mots à la suite, séparés par une espace)."));
    EXPECT_EQ(doc.words().Words(), QStringList { u("genou") });
    EXPECT_EQ(doc.life.documentName, QString());
    EXPECT_EQ(doc.importedListPath, QString());

    // Control characters without any NUL byte are no text either.
    QByteArray controls;
    for (int i = 0; i < 500; ++i)
        controls += char(1 + i % 8);
    EXPECT_EQ(doc.ImportWordListFile(WriteBytes(dir.path(), u("ctrl.txt"), controls)).errorMessage,
              NotTextListMessage(u("ctrl.txt")));
}

TEST(ImportWordListFile, EmptyAndMissingFiles)
{
    QTemporaryDir dir;
    Document doc(kFonts);
    doc.words().AddWordIfAbsent(u("genou"));
    const WordListImport empty = doc.ImportWordListFile(WriteBytes(dir.path(), u("vide.txt"), QByteArray()));
    EXPECT_FALSE(empty.imported);
    EXPECT_EQ(empty.errorMessage, kNoValidText);
    EXPECT_TRUE(doc.themes().enabled);

    const WordListImport missing = doc.ImportWordListFile(QDir(dir.path()).filePath(u("parti.txt")));
    EXPECT_FALSE(missing.imported);
    EXPECT_EQ(missing.errorMessage, u("Impossible de lire le fichier « parti.txt » !"));

    const WordListImport folder = doc.ImportWordListFile(dir.path());
    EXPECT_FALSE(folder.imported);
    EXPECT_EQ(doc.words().Words(), QStringList { u("genou") });
    EXPECT_EQ(doc.life.documentName, QString());

    EXPECT_FALSE(doc.ImportWordListFile(QString()).imported);
}

TEST(ImportWordListFile, FileOfLongEntriesGivesTheMessage)
{
    QTemporaryDir dir;
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QString(200, QChar(u'a' + i % 26)) + u("\r\n");
    Document doc(kFonts);
    const WordListImport r = doc.ImportWordListFile(WriteText(dir.path(), u("long.txt"), text));
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.errorMessage, kNoValidText);

    text += u("chat\r\n");
    const WordListImport some = doc.ImportWordListFile(WriteText(dir.path(), u("long2.txt"), text));
    ASSERT_TRUE(some.imported);
    EXPECT_EQ(doc.words().Words(), QStringList { u("chat") });
    EXPECT_EQ(some.notices, QStringList { u("100 entrées de plus de 30 caractères ont été ignorées.") });
}

TEST(ImportWordListFile, HugeFileIsReadUpToTheCap)
{
    QTemporaryDir dir;
    // About 50 MB of distinct words.
    QByteArray block;
    for (int i = 0; i < 100000; ++i)
        block += "mot" + QByteArray::number(i) + "\r\n";
    QByteArray bytes;
    while (bytes.size() < 50 * 1024 * 1024)
        bytes += block;
    const QString path = WriteBytes(dir.path(), u("enorme.txt"), bytes);
    bytes.clear();

    const DecodedText read = ReadTextFile(path);
    EXPECT_TRUE(read.truncated);
    EXPECT_LE(read.text.size(), kMaxWordListBytes);
    EXPECT_TRUE(read.text.endsWith(u("\r\n"))) << "the cut falls at a line end";

    Document doc(kFonts);
    const WordListImport r = doc.ImportWordListFile(path);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(doc.words().Count(), kMaxWordListEntries);
    EXPECT_EQ(r.notices, QStringList { u("La liste est trop longue : seuls ses ") + QLocale(QLocale::French, QLocale::France).toString(5000)
                                       + u(" premiers mots ont été importés.") });
}

TEST(ImportWordListFile, TruncatedUtf8IsNotCutInsideALetter)
{
    QByteArray bytes;
    while (bytes.size() <= 4096)
        bytes += u("élève\n").toUtf8();
    const DecodedText d = DecodeTextBytes(bytes, 4003);
    EXPECT_TRUE(d.truncated);
    EXPECT_EQ(d.status, TextFileStatus::Text);
    EXPECT_FALSE(d.text.contains(QChar(0xFFFD)));
    EXPECT_TRUE(d.text.startsWith(u("élève\n")));
    EXPECT_TRUE(d.text.endsWith(u("élève\n")));
}

TEST(ImportWordListFile, TrailingCtrlZIsDropped)
{
    const DecodedText d = DecodeTextBytes(QByteArray("chat\r\nloup\r\nours\x1A"));
    EXPECT_EQ(d.status, TextFileStatus::Text);
    EXPECT_EQ(CutWordListText(d.text).entries, (QStringList { u("chat"), u("loup"), u("ours") }));
}

// ---------------------------------------------------------------------------
// The lists menu

TEST(WordListMenu, LevelFilesAndReadMeAreNoLists)
{
    QTemporaryDir dir;
    for (int l = 0; l < kLevelCount; ++l)
        WriteText(dir.path(), LevelFileName(l), u("A-  chat\r\n"));
    WriteText(dir.path(), u("Lisez_moi.txt"), u("Lisez-moi"));
    WriteText(dir.path(), u("fruits.txt"), u("pomme"));
    WriteText(dir.path(), u("Animaux.TXT"), u("chat"));
    WriteText(dir.path(), u("modèle.lxg"), u("[LXGDocument]"));
    WriteText(dir.path(), u("notes.text"), u("x"));
    QDir(dir.path()).mkdir(u("dossier.txt"));

    const WordListMenu menu = BuildWordListMenu(dir.path());
    ASSERT_EQ(menu.items.size(), 2);
    EXPECT_EQ(menu.title, u("2 listes disponibles"));
    EXPECT_EQ(menu.items[0].caption, u("Animaux"));
    EXPECT_EQ(menu.items[1].caption, u("fruits"));
    EXPECT_EQ(QFileInfo(menu.items[0].path).fileName(), u("Animaux.TXT"));

    // The item reads its file, whatever the case of its extension.
    Document doc(kFonts);
    ASSERT_TRUE(doc.ImportWordListFile(menu.items[0].path).imported);
    EXPECT_EQ(doc.words().Words(), QStringList { u("chat") });
    EXPECT_EQ(doc.settings().themeText, u("Animaux"));
}

TEST(WordListMenu, NamesAreComparedWithoutRegardToCase)
{
    QTemporaryDir dir;
    WriteText(dir.path(), u("db 01-07 (cp).txt"), u("A-  chat\r\n"));
    WriteText(dir.path(), u("LISEZ_MOI.TXT"), u("Lisez-moi"));
    WriteText(dir.path(), u("DBZ.txt"), u("goku")); // "DB" without the space is a list
    WriteText(dir.path(), u("animaux.v2.txt"), u("chat"));
    const WordListMenu menu = BuildWordListMenu(dir.path());
    ASSERT_EQ(menu.items.size(), 2);
    EXPECT_EQ(menu.items[0].caption, u("animaux.v2"));
    EXPECT_EQ(menu.items[1].caption, u("DBZ"));
    EXPECT_EQ(menu.title, u("2 listes disponibles"));
}

TEST(WordListMenu, AtMostFiftyItemsInAlphabeticalOrder)
{
    QTemporaryDir dir;
    for (int i = 59; i >= 0; --i)
        WriteText(dir.path(), QStringLiteral("liste %1.txt").arg(i, 2, 10, QLatin1Char('0')), u("mot"));
    WriteText(dir.path(), u("DB 01-07 (CP).txt"), u("A-  chat\r\n"));
    WriteText(dir.path(), u("Lisez_moi.txt"), u("x"));
    const WordListMenu menu = BuildWordListMenu(dir.path());
    ASSERT_EQ(menu.items.size(), kWordListMenuItems);
    EXPECT_EQ(menu.title, u("50 listes disponibles"));
    EXPECT_EQ(menu.items.first().caption, u("liste 00"));
    EXPECT_EQ(menu.items.last().caption, u("liste 49"));
}

TEST(WordListMenu, EmptyAndSingleTitles)
{
    QTemporaryDir dir;
    EXPECT_EQ(BuildWordListMenu(dir.path()).title, u("0 liste disponible"));
    EXPECT_TRUE(BuildWordListMenu(dir.path()).items.isEmpty());
    WriteText(dir.path(), u("a.txt"), u("x"));
    EXPECT_EQ(BuildWordListMenu(dir.path()).title, u("1 liste disponible"));
    EXPECT_EQ(BuildWordListMenu(dir.path() + u("/absent")).title, u("0 liste disponible"));
}

TEST(WordListFiles, FindFileIgnoringCase)
{
    QTemporaryDir dir;
    WriteText(dir.path(), u("Mes Mots.TXT"), u("x"));
    EXPECT_EQ(QFileInfo(FindFileIgnoringCase(dir.path(), u("mes mots.txt"))).fileName(), u("Mes Mots.TXT"));
    EXPECT_EQ(FindFileIgnoringCase(dir.path(), u("autres.txt")), QString());
    EXPECT_EQ(ListThemeName(u("/un/dossier/animaux.de.la.ferme.txt")), u("animaux"));
    EXPECT_EQ(ListThemeName(QString()), QString());
}

} // namespace
} // namespace lx
