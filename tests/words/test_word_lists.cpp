// External word lists: the parser's rules, the clipboard, list files good and
// bad, and the lists menu.
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "core/Text1252.h"
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

const QString kListRules = u("La liste doit impérativement comporter un élément par ligne\n"
                             "(ou plusieurs mots à la suite, séparés par une espace).");
const QString kNoValidText = u("Aucun texte valide dans le presse-papiers !\n") + kListRules;
const QString kCannotPaste = u("Impossible de coller les données du presse-papiers !\n") + kListRules;

QString TooLongNotice(int wordsKept)
{
    return u("La liste est trop longue : seuls ses ") + QLocale(QLocale::French, QLocale::France).toString(wordsKept)
        + u(" premiers mots ont été importés.");
}

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

// ---------------------------------------------------------------------------
// Cutting the text

TEST(WordListCut, OneLineIsCutAtSpacesSeveralLinesAreNot)
{
    for (const char* text : { "chat chien lapin", "chat  chien lapin\r\n", "\r\nchat chien lapin\r\n\r\n",
                              "/ mes animaux\r\n- chat chien lapin\r\n", "- / rien que des mots\r\nchat chien lapin" })
        EXPECT_EQ(Entries(text), (QStringList { u("chat"), u("chien"), u("lapin") }))
            << "blank lines and comments around one line of words change nothing: " << text;
    EXPECT_EQ(Entries("/ rien que des mots"), QStringList {}) << "a comment of one line is no row of words";
    for (const char* text : { "pomme de terre\r\nchou", "pomme de terre\r\nchou\r\n", "pomme de terre\nchou", "pomme de terre\rchou\r" })
        EXPECT_EQ(Entries(text), (QStringList { u("pomme de terre"), u("chou") }))
            << "a phrase stays one entry whenever the list has several lines, whatever the line ends: " << text;
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
    EXPECT_EQ(Entries("...\r\n--\r\n' '\r\n"), QStringList {}) << "an entry without a letter is no word";
}

TEST(WordListCut, EntriesNoGridTakesAreSetAside)
{
    const QString tooLong = QString(31, u'a');
    const WordListEntries e = CutWordListText(u("chat\r\n") + tooLong + u("\r\n") + QString(30, u'b') + u("\r\nch\x01" "at\r\n\u03C0\r\n"));
    EXPECT_EQ(e.entries, (QStringList { u("chat"), QString(30, u'b') }));
    EXPECT_EQ(WordListNotices(e, 2),
              (QStringList { u("1 entrée de plus de 30 caractères a été ignorée."),
                             u("2 entrées contenant des caractères non imprimables ont été ignorées.") }))
        << "a control character and a letter Windows-1252 lacks are unprintable";
}

// ---------------------------------------------------------------------------
// Refused and huge texts

TEST(ParseWordListText, RefusedTextChangesNothing)
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
        EXPECT_EQ(doc.ThemeLabel(), u("1 thème"));
        EXPECT_TRUE(doc.themes().enabled);
        EXPECT_EQ(doc.settings().selectedThemeCount, 1);
        EXPECT_FALSE(doc.life.modified);
        EXPECT_FALSE(doc.Suppressed());
    }

    const WordListImport r = doc.PasteWordList(QString());
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.errorMessage, kCannotPaste) << "no text on the clipboard";
    EXPECT_EQ(doc.words().Words(), QStringList { u("genou") });
}

TEST(WordListCaps, HugeListsAreCutAtALineEndWithANotice)
{
    // A clipboard text of many times the character cap: no piece of a cut line.
    QString text;
    while (text.size() < 8 * kMaxWordListChars)
        text += u("  abcdefghijklmnopqrstuvwxyz  \n");
    Document pasted(kFonts);
    const WordListImport p = pasted.PasteWordList(text);
    ASSERT_TRUE(p.imported);
    EXPECT_EQ(pasted.words().Words(), QStringList { u("abcdefghijklmnopqrstuvwxyz") });
    EXPECT_EQ(p.notices, QStringList { TooLongNotice(1) });
    EXPECT_EQ(pasted.settings().themeText, QString()) << "no list file imported";

    // A UTF-8 list file of several times the byte cap: at most kMaxWordListEntries
    // distinct words, repeats of a word kept not counted.
    QByteArray block;
    for (int i = 0; i < 50000; ++i)
        block += u("élève%1\r\nÉLÈVE0\r\n").arg(i).toUtf8();
    QByteArray bytes = "/\r\n";
    while (bytes.size() < 4 * kMaxWordListBytes)
        bytes += block;
    while (uchar(bytes[kMaxWordListBytes - 1]) != 0xC3) // the cap falls inside a two-byte letter
        bytes.prepend('/');
    QTemporaryDir dir;
    const QString path = WriteBytes(dir.path(), u("enorme.txt"), bytes);
    const DecodedText read = ReadWordListFile(path);
    EXPECT_TRUE(read.truncated);
    EXPECT_LE(read.text.size(), kMaxWordListBytes);
    EXPECT_TRUE(read.text.contains(u("\r\nélève0\r\nÉLÈVE0\r\n"))) << "the cut is made before decoding";
    EXPECT_TRUE(read.text.endsWith(u("\r\n"))) << "the cut falls at a line end";
    EXPECT_FALSE(read.text.contains(QChar(0xFFFD)));
    Document doc(kFonts);
    const WordListImport r = doc.ImportWordListFile(path);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(doc.words().Count(), kMaxWordListEntries);
    EXPECT_TRUE(doc.words().Words().contains(u("élève4999")));
    EXPECT_EQ(r.notices, QStringList { TooLongNotice(5000) });
}

// ---------------------------------------------------------------------------
// List files

TEST(ImportWordListFile, ReplacesTheListAndNamesTheThemeBoxAfterTheFile)
{
    QTemporaryDir dir;
    const QString path = WriteText(dir.path(), u("animaux.v2.txt"), u("- zèbre\r\n- Chat\r\nchat\r\nhippopotame\r\nCHAT\r\nâne\r\n"));
    Document doc(kFonts);
    doc.SetMaxLetters(5);
    doc.settings().levels = { true, false, true, false, false };
    doc.themes().selected[3] = true;
    doc.UpdateThemeLabel();
    doc.words().AddWordIfAbsent(u("ancien"));
    doc.life.SetModified(false, true);
    int redraws = 0;
    QObject::connect(&doc, &Document::redrawRequested, [&] { ++redraws; });

    const WordListImport r = doc.ImportWordListFile(path);
    ASSERT_TRUE(r.imported) << r.errorMessage.toStdString();
    EXPECT_TRUE(r.notices.isEmpty());
    EXPECT_EQ(doc.words().Words(), (QStringList { u("âne"), u("Chat"), u("hippopotame"), u("zèbre") }))
        << "sorted, the same word in another case listed once";
    EXPECT_EQ(doc.words().CheckedCount(), 4) << "every word is checked, long words too";
    EXPECT_EQ(doc.WordCounts().text, u("4/4"));
    EXPECT_TRUE(doc.settings().selectAllWords);
    EXPECT_EQ(doc.settings().LevelString(), u("00000"));
    EXPECT_EQ(doc.themes().SelectedCount(), 0);
    EXPECT_FALSE(doc.themes().enabled);
    EXPECT_EQ(doc.ThemeLabel(), u("Liste externe"));
    EXPECT_EQ(doc.settings().selectedThemeCount, -1);
    EXPECT_EQ(doc.settings().themeText, u("animaux")) << "the theme box drops everything from the first dot";
    EXPECT_EQ(doc.importedListPath, path);
    EXPECT_EQ(doc.data.importedListName, u("animaux.v2.txt"));
    EXPECT_EQ(doc.life.WindowTitle(), FullName() + u(" - animaux.v2.txt*"));
    EXPECT_EQ(doc.ProposedFileName(), u("Lexigrille - animaux"));
    EXPECT_TRUE(DocumentText(doc.data).contains(u("\r\nThèmes=*animaux\r\n")));
    EXPECT_FALSE(doc.Suppressed());
    EXPECT_GE(redraws, 1);

    // The clipboard keeps the last list file's path and name.
    ASSERT_TRUE(doc.PasteWordList(u("lion tigre")).imported);
    EXPECT_EQ(doc.settings().themeText, u("animaux"));
    EXPECT_EQ(doc.importedListPath, path);
    EXPECT_EQ(doc.life.documentName, u("animaux.v2.txt"));
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
    const QString ctrlZ = WriteBytes(dir.path(), u("e.txt"), QByteArray("\xE9l\xE8ve\r\nc\x9C" "ur\r\nfor\xEAt\x1A"));
    for (const QString& path : { cp1252, utf8, bom, le16, ctrlZ }) {
        Document doc(kFonts);
        const WordListImport r = doc.ImportWordListFile(path);
        ASSERT_TRUE(r.imported) << path.toStdString() << r.errorMessage.toStdString();
        EXPECT_EQ(doc.words().Words(), (QStringList { u("cœur"), u("élève"), u("forêt") })) << path.toStdString();
        EXPECT_TRUE(r.notices.isEmpty());
    }
}

TEST(ImportWordListFile, UnusableFilesChangeNothing)
{
    QTemporaryDir dir;
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 2000; ++i)
        png += char(i * 31);
    QByteArray controls; // control characters without any NUL byte are no text either
    for (int i = 0; i < 500; ++i)
        controls += char(1 + i % 8);
    QString longEntries;
    for (int i = 0; i < 100; ++i)
        longEntries += QString(200, QChar(u'a' + i % 26)) + u("\r\n");
    const struct {
        QString path;
        QString message;
    } files[] = {
        { WriteBytes(dir.path(), u("image.txt"), png),
          u("Le fichier « image.txt » n'est pas une liste de mots : il ne contient pas de texte.\n") + kListRules },
        { WriteBytes(dir.path(), u("ctrl.txt"), controls), NotTextListMessage(u("ctrl.txt")) },
        { WriteBytes(dir.path(), u("vide.txt"), QByteArray()), kNoValidText },
        { WriteText(dir.path(), u("long.txt"), longEntries), kNoValidText },
        { QDir(dir.path()).filePath(u("parti.txt")), u("Impossible de lire le fichier « parti.txt » !") },
        { dir.path(), UnreadableListMessage(QFileInfo(dir.path()).fileName()) },
        { QString(), QString() },
    };
    Document doc(kFonts);
    doc.words().AddWordIfAbsent(u("genou"));
    for (const auto& file : files) {
        const WordListImport r = doc.ImportWordListFile(file.path);
        EXPECT_FALSE(r.imported) << file.path.toStdString();
        EXPECT_EQ(r.errorMessage, file.message);
        EXPECT_EQ(doc.words().Words(), QStringList { u("genou") });
        EXPECT_TRUE(doc.themes().enabled);
        EXPECT_EQ(doc.life.documentName, QString());
        EXPECT_EQ(doc.importedListPath, QString());
    }
}

// ---------------------------------------------------------------------------
// The lists menu

TEST(WordListMenu, LevelFilesAndReadMeAreNoListsWhateverTheCase)
{
    QTemporaryDir dir;
    WriteText(dir.path(), LevelFileName(1), u("A-  chat\r\n"));
    WriteText(dir.path(), u("db 01-07 (cp).txt"), u("A-  chat\r\n"));
    WriteText(dir.path(), u("LISEZ_MOI.TXT"), u("Lisez-moi"));
    WriteText(dir.path(), u("fruits.txt"), u("pomme"));
    WriteText(dir.path(), u("Animaux.TXT"), u("chat"));
    WriteText(dir.path(), u("animaux.v2.txt"), u("chat"));
    WriteText(dir.path(), u("DBZ.txt"), u("goku")); // "DB" without the space is a list
    WriteText(dir.path(), u("modèle.lxg"), u("[LXGDocument]"));
    WriteText(dir.path(), u("notes.text"), u("x"));
    QDir(dir.path()).mkdir(u("dossier.txt"));

    const WordListMenu menu = BuildWordListMenu(dir.path());
    ASSERT_EQ(menu.items.size(), 4);
    EXPECT_EQ(menu.title, u("4 listes disponibles"));
    EXPECT_EQ(menu.items[0].caption, u("Animaux"));
    EXPECT_EQ(menu.items[1].caption, u("animaux.v2"));
    EXPECT_EQ(menu.items[2].caption, u("DBZ"));
    EXPECT_EQ(menu.items[3].caption, u("fruits"));
    EXPECT_EQ(QFileInfo(menu.items[0].path).fileName(), u("Animaux.TXT"));
}

TEST(WordListMenu, AtMostFiftyItemsInAlphabeticalOrder)
{
    QTemporaryDir dir;
    EXPECT_EQ(BuildWordListMenu(dir.path()).title, u("0 liste disponible"));
    EXPECT_EQ(BuildWordListMenu(dir.path() + u("/absent")).title, u("0 liste disponible"));
    WriteText(dir.path(), u("liste 59.txt"), u("mot"));
    EXPECT_EQ(BuildWordListMenu(dir.path()).title, u("1 liste disponible"));

    for (int i = 58; i >= 0; --i)
        WriteText(dir.path(), QStringLiteral("liste %1.txt").arg(i, 2, 10, QLatin1Char('0')), u("mot"));
    WriteText(dir.path(), u("DB 01-07 (CP).txt"), u("A-  chat\r\n"));
    WriteText(dir.path(), u("Lisez_moi.txt"), u("x"));
    const WordListMenu menu = BuildWordListMenu(dir.path());
    ASSERT_EQ(menu.items.size(), kWordListMenuItems);
    EXPECT_EQ(menu.title, u("50 listes disponibles"));
    EXPECT_EQ(menu.items.first().caption, u("liste 00"));
    EXPECT_EQ(menu.items.last().caption, u("liste 49"));
}

} // namespace
} // namespace lx
