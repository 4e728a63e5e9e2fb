// The commands that replace or store the document, answered through a
// scripted prompter: the save question, the template of the teacher's folder,
// the menus of documents and lists, the list imports and the versions.
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/Versions.h"
#include "support/ScriptedPrompter.h"
#include "support/TextSupport.h"
#include "words/WordListParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::u;
using test::WriteBytes;

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Tahoma") };

class DocumentCommands : public ::testing::Test {
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
    // A worksheet with changes not saved yet.
    void Edit()
    {
        doc.Change(Setting::Title, u("Mes animaux"));
        ASSERT_TRUE(doc.life.modified);
    }
};

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
    DocumentMenu menu = doc.AvailableDocuments();
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
    const WordListMenu lists = doc.AvailableWordLists();
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
