// The document file beyond what the cli's expected files show (typed values and long lists kept, the
// template, the absent-value rules, the mended faults), then the commands that open and store it: the
// save question, the template of the teacher's folder, the menus, the list imports and the versions.
#include "core/Text1252.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/Versions.h"
#include "support/ScriptedPrompter.h"
#include "support/TextSupport.h"
#include "words/WordListParser.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace lx {
namespace {

using test::ReadAll;
using test::u;
using test::WriteBytes;

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Courier New"), u("Tahoma"), u("Times New Roman") };

// The example word search: chat, loup and chien, the first two selected and
// placed on a 5 x 5 grid, theme "Animaux", level CP, grid in bold.
const QString kExample = QStringLiteral(LEXIGRILLE_DOCUMENT_CORPUS "/word_search.lxg");

// A document whose teacher's and program's folders are temporary ones, its
// questions answered by a scripted prompter.
class DocumentFile : public ::testing::Test {
protected:
    QTemporaryDir user, program;
    test::ScriptedPrompter prompter;
    Document doc { kFonts };

    void SetUp() override
    {
        doc.folders = { user.path(), program.path() };
        doc.SetPrompter(&prompter);
        WriteBytes(program.filePath(u("autre.lxg")), "[LXGDocument]\r\nTitre=Autre\r\n");
    }
    QString Path(const QString& name) const { return user.filePath(name); }
    LoadResult LoadBytes(const QString& name, const QByteArray& bytes) { return doc.LoadDocument(WriteBytes(Path(name), bytes)); }
    LoadResult Load(const QStringList& lines) { return LoadBytes(u("essai.lxg"), EncodeWindows1252(lines.join(u("\r\n")) + u("\r\n"))); }
    // Saves the document, then opens the file in a new one.
    std::unique_ptr<Document> SavedAndReadBack(const QString& name)
    {
        EXPECT_TRUE(doc.SaveDocument(Path(name)).saved);
        auto back = std::make_unique<Document>(kFonts);
        back->LoadDocument(Path(name));
        return back;
    }
    QString Value(const QString& key) const
    {
        for (const QString& line : DocumentText(doc.data).split(u("\r\n"))) {
            if (line.startsWith(key + u("=")))
                return line.mid(key.size() + 1);
        }
        return u("<absent>");
    }
    // A worksheet with changes not saved yet.
    void Edit()
    {
        doc.Change(Setting::Title, u("Mes animaux"));
        ASSERT_TRUE(doc.life.modified);
    }
};
using DocumentCommands = DocumentFile;

TEST_F(DocumentFile, TypedValuesSurviveSavingAndReopening)
{
    // Typed quotes and blanks survive, and so do commas of the message and the name of an external list.
    Load({ u("[LXGDocument]") }); // a document as read (a new one's empty entry has direction -1, which no file holds)
    doc.settings().title = u("\"Les animaux\"");
    doc.settings().instruction = u("'Lis.'");
    doc.settings().puzzle.message = u("Bravo, les amis, à demain !");
    doc.settings().puzzle.directions = { true, true, false, false, true, false };
    doc.settings().selectedThemeCount = -1;
    doc.settings().themeText = u("Animaux");
    for (const char* w : { "\"chat\"", "loup\t", "chien", "lion", "ours" })
        doc.words().SetChecked(doc.words().AddWordIfAbsent(u(w)).index, true);
    const auto back = SavedAndReadBack(u("guillemets.lxg"));
    EXPECT_EQ(Value(u("Titre")), u("\"\"Les animaux\"\""));
    EXPECT_EQ(Value(u("Thèmes")), u("*Animaux"));
    EXPECT_EQ(DocumentText(back->data), DocumentText(doc.data));
    EXPECT_EQ(back->ThemeLabel(), u("Liste externe"));
    doc.settings().title.clear(); // an empty title is written, and read back empty
    EXPECT_EQ(SavedAndReadBack(u("vide.lxg"))->settings().title, QString());

    // No value read is cut: a 400-character title, 300 words and their flags, a long message.
    QStringList lines { u("[LXGDocument]"), u("Titre=") + QString(400, u't') };
    QString flags;
    for (int i = 0; i < 300; ++i) {
        flags += i % 3 ? u("1") : u("0");
        lines << u("Liste%1=mot%2").arg(i).arg(i, 3, 10, QLatin1Char('0'));
    }
    Load(lines << u("MotsSélectionnés=") + flags << u("Valeurs=100000,") + QString(300, u'm'));
    EXPECT_EQ(doc.settings().title.size(), 400);
    EXPECT_EQ(doc.words().BuildSelectionSignature(), flags);
    EXPECT_EQ(doc.settings().puzzle.message.size(), 300);
}

// A failed save is reported (the old file is kept: the safe file's test).
TEST_F(DocumentFile, AFailedSaveIsReportedAndTheTemplateLeavesTheWorksheetAlone)
{
    QDir(user.path()).mkpath(u("dossier.lxg")); // a folder stands where the file would go
    const SaveResult bad = doc.SaveDocument(Path(u("dossier.lxg")));
    EXPECT_FALSE(bad.saved);
    EXPECT_TRUE(bad.errorMessage.startsWith(u("Impossible d'enregistrer\n") + Path(u("dossier.lxg")) + u(" !\nErreur"))) << bad.errorMessage.toStdString();

    LoadBytes(u("Les animaux.lxg"), ReadAll(kExample));
    EXPECT_EQ(doc.ThemeLabel(), u("1 thème"));
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Les animaux.lxg"));
    doc.settings().puzzle.message = u("secret");
    doc.SetModified(true, true);
    prompter.answers = { Answer::No, Answer::Yes };
    const QString path = Path(u("modèle"));
    EXPECT_TRUE(doc.SaveDocument(path).declined);
    EXPECT_FALSE(QFile::exists(path + u(".lxg")));
    const QString question = u("Voulez-vous vraiment définir ce document comme modèle par défaut ?");
    EXPECT_EQ(prompter.asked.value(0).text, question);
    const QString worksheet = DocumentText(doc.data);
    ASSERT_TRUE(doc.SaveDocument(path).saved);
    EXPECT_EQ(DocumentText(doc.data), worksheet) << "the open worksheet keeps its words and puzzle";
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Les animaux.lxg*")) << "and its name and mark";
    doc.SaveDocument(path);
    EXPECT_EQ(prompter.asked.last().text, u("Attention : le modèle existant sera remplacé !\n") + question);

    // The template holds the settings (opened untitled: the commands' test) without the worksheet's content.
    Document tpl(kFonts);
    tpl.LoadDocument(path + u(".lxg"));
    EXPECT_EQ(tpl.words().Count(), 0);
    EXPECT_EQ(tpl.settings().LevelString() + tpl.themes().SelectedCodes() + tpl.settings().puzzle.message, u("00000"));
    EXPECT_TRUE(tpl.puzzle().LetterGrid.at(0, 0).isEmpty());

    // Saved under another name, the worksheet takes it, with the extension.
    EXPECT_EQ(doc.SaveDocument(Path(u("copie"))).path, Path(u("copie.lxg")));
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - copie.lxg"));
}

TEST_F(DocumentFile, MissingBlankAndOutOfRangeParametersTakeTheNewDocumentsValues)
{
    const char* const cases[][2] = {
        { "9,0,0,1,2", "9,0,0,1,2,0,0,0,1,0,0,15,10,99" }, // only five fields
        { "9,0,0,1,2,0,0,0,1,0,0,15,   ,  ", "9,0,0,1,2,0,0,0,1,0,0,15,10,99" }, // blank bounds
        { "9,0,0,1", "5,1,1,0,1,0,0,0,1,0,0,15,10,99" }, // fewer than five: none is read
        // Grid size, lower half, game type: the nearer bound; the theme count recounted; flags, max letters: the fallback.
        { "99,1,1,0,-4,7,1,30,5,5,5,1,1,2", "18,1,1,0,0,2,1,0,1,0,1,15,1,2" },
    };
    for (const auto& c : cases) {
        const LoadResult r = Load({ u("[LXGDocument]"), u("Paramètres=") + u(c[0]) });
        EXPECT_EQ(Value(u("Paramètres")), u(c[1])) << c[0];
        EXPECT_EQ(r.unreadKeys, std::string(c[0]) == "9,0,0,1" ? QStringList { u("Paramètres") } : QStringList()) << c[0];
    }
    // Coded words: a code below 1 shows as an empty box; a digit of a grid is kept.
    QStringList codes;
    for (int k = 0; k < 26; ++k)
        codes << QString::number(k == 3 ? 0 : 30 - k);
    Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,2,2,0,1,0,0,15,10,99"), u("Valeurs=") + codes.join(u(",")), u("Grille0=Bad4é-") });
    EXPECT_EQ(doc.settings().puzzle.letterCodeTexts[3], QString());
    EXPECT_EQ(doc.puzzle().CodeGrid.at(1, 0), 30);
    EXPECT_EQ(Value(u("Grille0")), u("Bad4").leftJustified(31, u'_')) << "é and - cannot come from a puzzle";
    EXPECT_EQ(Value(u("Valeurs")), codes.join(u(",")));
}

TEST_F(DocumentFile, MissingFileIsReportedForeignFilesOpenAsNewDocuments)
{
    doc.settings().title = u("En cours");
    const LoadResult missing = doc.LoadDocument(Path(u("absent.lxg")));
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.errorMessage, u("Le fichier « ") + Path(u("absent.lxg")) + u(" » est introuvable."));
    EXPECT_EQ(doc.settings().title, u("En cours")) << "the open document is left as it was";

    // Binary junk, and a file too big to be a document, open as a new document (titled after the product, its
    // one word entry the empty entry read: direction 0, where a new one's has -1) and are left untouched.
    Document fresh(kFonts);
    fresh.settings().title = u("Lexigrille");
    fresh.puzzle().WordEntries = { WordEntry {} };
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk.append(char((i * 7919) & 0xFF));
    for (const QByteArray& bytes : { junk, ReadAll(kExample) + QByteArray(kLargestDocument, ' ') }) {
        LoadBytes(u("binaire.lxg"), bytes);
        EXPECT_EQ(DocumentText(doc.data), DocumentText(fresh.data));
        EXPECT_EQ(ReadAll(Path(u("binaire.lxg"))), bytes);
    }

    // A document cut short keeps what it holds.
    QByteArray cut = ReadAll(kExample);
    cut.truncate(cut.indexOf("Grille2="));
    LoadBytes(u("coupe.lxg"), cut);
    EXPECT_EQ(doc.settings().title, u("Les animaux"));
    EXPECT_EQ(doc.puzzle().LetterGrid.at(0, 1), u("a"));
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 2).isEmpty());

    // UTF-8 from a modern editor, with or without a byte order mark, opens its words.
    for (const QByteArray& start : { QByteArray(), QByteArray("\xEF\xBB\xBF") }) {
        LoadBytes(u("utf8.lxg"), start + u("[LXGDocument]\nTitre=Les élèves\nMotsSélectionnés=1\nListe0=éléphant\n").toUtf8());
        EXPECT_EQ(doc.settings().title, u("Les élèves"));
        EXPECT_EQ(doc.words().Words(), QStringList { u("éléphant") });
    }
}

TEST_F(DocumentFile, WordEntriesFollowTheCandidatesRead)
{
    // More entries than candidates (duplicates, missing words): the saved copy reads back the same.
    for (const QStringList& lines : { QStringList { u("MotsSélectionnés=111"), u("Liste0=chat"), u("Liste1=loup"), u("Liste2=chat"),
                                                    u("NombreMots=2"), u("Mot0=0,0,0,CHAT"), u("Mot1=0,1,0,LOUP"), u("Mot2=0,2,0,CHAT") },
                                      QStringList { u("MotsSélectionnés=11"), u("NombreMots=4") } }) {
        Load(QStringList { u("[LXGDocument]") } + lines);
        EXPECT_EQ(DocumentText(SavedAndReadBack(u("again.lxg"))->data), DocumentText(doc.data));
    }
    // A one-word puzzle stores no entry.
    Load({ u("[LXGDocument]"), u("MotsSélectionnés=1"), u("NombreMots=0"), u("Liste0=chat"), u("Mot0=1,1,1,CHAT") });
    EXPECT_EQ(doc.puzzle().WordCount, 1);
    EXPECT_EQ(doc.puzzle().WordEntries, QList<WordEntry> { WordEntry {} });
    EXPECT_EQ(Value(u("NombreMots")), u("0"));
    EXPECT_EQ(Value(u("Mot0")), u("<absent>"));
}

// Each command with each answer to the save question: whether it goes on, and
// whether the work is kept; a cancelled or failed save stops the command.
TEST_F(DocumentCommands, TheSaveQuestionBeforeNewOpenAndClosing)
{
    enum Command { New, Open, Close };
    enum Dialog { Cancelled, Named, Unwritable }; // what the save-as dialog gives after Yes
    const struct { Command command; Answer answer; Dialog dialog; bool goesOn; } cases[] = {
        { New, Answer::No, Cancelled, true }, { New, Answer::Cancel, Cancelled, false }, { New, Answer::Yes, Named, true },
        { New, Answer::Yes, Cancelled, false }, { New, Answer::Yes, Unwritable, false }, { Open, Answer::No, Cancelled, true },
        { Open, Answer::Cancel, Cancelled, false }, { Open, Answer::Yes, Named, true }, { Open, Answer::Yes, Cancelled, false },
        { Close, Answer::Cancel, Cancelled, false }, { Close, Answer::Yes, Cancelled, false }, { Close, Answer::Yes, Unwritable, false },
        { Close, Answer::Yes, Named, true },
    };
    ASSERT_TRUE(QDir(user.path()).mkdir(u("dossier.lxg")));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        doc.ResetDocumentSettings();
        Edit();
        const QString path = user.filePath(QStringLiteral("sauvegarde%1.lxg").arg(n++));
        prompter.answers = { c.answer };
        prompter.paths = { c.dialog == Named ? path : c.dialog == Unwritable ? user.filePath(u("dossier.lxg")) : QString() };
        prompter.asked.clear();
        const bool wentOn = c.command == New ? doc.NewDocument() : c.command == Open ? doc.OpenDocument(program.filePath(u("autre.lxg"))) : doc.AskToSave();
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(QFile::exists(path), c.dialog == Named);
        ASSERT_EQ(prompter.asked.size(), c.dialog == Unwritable ? 2 : 1) << "the save question, then the save error";
        EXPECT_EQ(prompter.asked[0].text, u("Voulez-vous enregistrer les modifications ?"));
        EXPECT_EQ(prompter.asked[0].kind, MessageKind::SaveQuestion);
        EXPECT_EQ(prompter.asked.last().kind, c.dialog == Unwritable ? MessageKind::SaveError : MessageKind::SaveQuestion);
        if (c.dialog == Named) {
            EXPECT_EQ(prompter.dialogs.last().proposedName, u("Lexigrille"));
            EXPECT_EQ(prompter.dialogs.last().defaultSuffix, u("lxg"));
        }
        if (!c.goesOn) {
            EXPECT_EQ(doc.settings().title, u("Mes animaux")) << "the work stays open";
            EXPECT_TRUE(doc.life.modified);
        } else if (c.command == Open) {
            EXPECT_EQ(doc.settings().title, u("Autre"));
        } else if (c.command == Close) { // saved as: the document takes the file's name
            EXPECT_FALSE(doc.life.modified);
            EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - ") + QFileInfo(path).fileName());
        }
    }
    // Nothing to save: no question at all.
    doc.ResetDocumentSettings();
    prompter.asked.clear();
    EXPECT_TRUE(doc.NewDocument());
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(DocumentCommands, ATemplateGoesToTheTeachersFolderAndStartsTheNextNewDocument)
{
    Edit();
    doc.Change(Setting::GridBold, true);
    prompter.answers = { Answer::Yes };
    ASSERT_TRUE(doc.SaveAsTemplate());
    EXPECT_TRUE(QFile::exists(user.filePath(u("modèle.lxg"))));
    EXPECT_FALSE(QFile::exists(program.filePath(u("modèle.lxg"))));
    EXPECT_TRUE(doc.life.modified) << "the worksheet itself is not saved";

    prompter.answers = { Answer::No };
    ASSERT_TRUE(doc.NewDocument());
    EXPECT_EQ(doc.settings().title, u("Mes animaux"));
    EXPECT_TRUE(doc.settings().gridBold);
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Sans titre")) << "the template opens untitled";
}

TEST_F(DocumentCommands, MenusListTheTeachersFilesFirstEachNameOnce)
{
    for (int i = 0; i < 60; ++i)
        WriteBytes(user.filePath(QStringLiteral("fiche %1.lxg").arg(i, 2, 10, QLatin1Char('0'))), "[LXGDocument]\r\n");
    FileMenu menu = doc.AvailableDocuments();
    EXPECT_EQ(menu.items.size(), 50);
    EXPECT_EQ(menu.title, u("50 documents disponibles"));
    EXPECT_EQ(menu.items[0].caption, u("fiche 00"));

    QTemporaryDir fewer;
    doc.folders.user = fewer.path();
    WriteBytes(fewer.filePath(u("Autre.lxg")), "[LXGDocument]\r\n");
    menu = doc.AvailableDocuments();
    ASSERT_EQ(menu.items.size(), 1) << "the program's autre.lxg is the teacher's Autre.lxg";
    EXPECT_EQ(menu.items[0].path, fewer.filePath(u("Autre.lxg")));

    WriteBytes(fewer.filePath(u("Fruits.txt")), "pomme\r\npoire\r\n");
    WriteBytes(program.filePath(u("fruits.txt")), "kiwi\r\n");
    WriteBytes(program.filePath(u("Légumes.txt")), "chou\r\n");
    WriteBytes(program.filePath(u("DB 01-07 (CP).txt")), "A-  chat\r\n");
    const FileMenu lists = doc.AvailableWordLists();
    ASSERT_EQ(lists.items.size(), 2);
    EXPECT_EQ(lists.items[0].path, fewer.filePath(u("Fruits.txt")));
    EXPECT_EQ(lists.items[1].caption, u("Légumes"));
    EXPECT_EQ(lists.title, u("2 listes disponibles"));
}

TEST_F(DocumentCommands, ListsFromAFileAndFromTheClipboard)
{
    WriteBytes(user.filePath(u("fruits.v2.txt")), "pomme\r\npoire\r\ncerise\r\n");
    Edit();
    prompter.answers = { Answer::No };
    ASSERT_TRUE(doc.ImportList(user.filePath(u("fruits.v2.txt"))));
    EXPECT_EQ(doc.words().Words(), (QStringList { u("cerise"), u("poire"), u("pomme") }));
    EXPECT_EQ(doc.settings().themeText, u("fruits"));
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - fruits.v2.txt*"));

    EXPECT_TRUE(doc.PasteList(u("chat chien loup")));
    EXPECT_EQ(doc.words().Count(), 3);
    EXPECT_FALSE(doc.PasteList(QString()));
    EXPECT_EQ(prompter.asked.last().kind, MessageKind::Error);
    EXPECT_TRUE(prompter.asked.last().text.startsWith(u("Impossible de coller les données du presse-papiers !")));
    EXPECT_EQ(doc.words().Count(), 3) << "a failed paste changes nothing";
}

TEST_F(DocumentCommands, VersionsArePairwiseDifferentAndRepeatable)
{
    doc.PasteWordList(u("chat\nchien\nloup\nlion\nours\nvache\n"));
    doc.Change(Setting::GridSize, 8);
    ASSERT_TRUE(doc.Generate().succeeded());
    const QString before = DocumentText(doc.data);
    const Versions a = MakeVersions(doc, 6, 100);
    ASSERT_EQ(a.pages.size(), 6);
    for (int i = 0; i < a.pages.size(); ++i)
        for (int j = i + 1; j < a.pages.size(); ++j)
            EXPECT_FALSE(a.pages[i].puzzle.LetterGrid == a.pages[j].puzzle.LetterGrid) << i << " " << j;
    EXPECT_EQ(DocumentText(doc.data), before) << "the document keeps its own puzzle";
    const Versions b = MakeVersions(doc, 2, 101);
    EXPECT_TRUE(b.pages[0].puzzle.LetterGrid == a.pages[1].puzzle.LetterGrid) << "version k uses the seed + k - 1";
    EXPECT_EQ(VersionLabel(3, 25), u("Version 3/25"));

    int made = 0;
    EXPECT_TRUE(MakeVersions(doc, 5, 1, {}, [&](int) { return ++made < 2; }).pages.isEmpty()) << "given up";
    doc.PasteWordList(u("anticonstitutionnellement\nchat\nchien\nloup\nours\n"));
    const Versions refused = MakeVersions(doc, 3, 1);
    EXPECT_TRUE(refused.pages.isEmpty());
    EXPECT_TRUE(refused.error.startsWith(u("La version 1 n'a pas pu être créée : "))) << refused.error.toStdString();
}

} // namespace
} // namespace lx
