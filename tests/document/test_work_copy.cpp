// The copy of unsaved work: kept while the teacher works, gone once the work is
// saved or given up, offered back by the launch after a crash.
#include "support/DocumentSupport.h"

namespace lx::test {
namespace {

struct Launch { // one run of the program over the same folders
    Document doc { kFonts };
    ScriptedPrompter prompter;
    DocumentActions actions;
    explicit Launch(const DocumentFolders& folders) : actions(doc, prompter, folders) {}
};

TEST(WorkCopy, FollowsTheUnsavedWorkAndComesBackAfterACrash)
{
    QTemporaryDir dir;
    const DocumentFolders folders { dir.filePath(u("profs")), dir.filePath(u("programme")), dir.filePath(u("copie")) };
    const auto copies = [&] { return QDir(folders.workCopy).entryList(QDir::Files).size(); };
    const QString saved = dir.filePath(u("fiche.lxg"));
    Launch first(folders);
    AddWords(first.doc, Words("chat chien loup lion ours"));
    ASSERT_TRUE(first.actions.SaveTo(saved).done());
    first.actions.KeepWorkCopy();
    EXPECT_EQ(copies(), 0) << "nothing unsaved, no copy";
    first.doc.Change(Setting::Title, u("Les animaux de la ferme"));
    ASSERT_TRUE(first.doc.Generate().succeeded());
    first.actions.KeepWorkCopy(); // its two files counted while the next launch asks
    const QString work = DocumentText(first.doc.data());

    // The program ends without a word; the next launch asks first, and Oui gives the work back, still to be saved.
    // Until the teacher answers, the copy stays on disk, whatever the half-minute copy finds unsaved meanwhile.
    Launch second(folders);
    second.prompter.answers = { Answer::Yes };
    int whileAsked = -1;
    second.prompter.whileAsking = [&] { second.actions.KeepWorkCopy(), whileAsked = copies(); };
    EXPECT_TRUE(second.actions.OpenFirst({ dir.filePath(u("autre.lxg")) }).done());
    EXPECT_EQ(whileAsked, 2);
    ASSERT_EQ(second.prompter.asked.size(), 1);
    EXPECT_EQ(second.prompter.asked[0].kind, MessageKind::Recovery);
    EXPECT_EQ(second.prompter.asked[0].text, u("Lexigrille s'est fermé sans que la fiche « fiche.lxg » soit enregistrée.\n"
                                               "Voulez-vous la retrouver ? Les modifications des 30 dernières secondes peuvent manquer. "
                                               "Si vous répondez Non, elle sera perdue."));
    EXPECT_EQ(DocumentText(second.doc.data()), work);
    EXPECT_EQ(second.doc.DocumentPath(), saved);
    EXPECT_TRUE(second.doc.Modified());
    EXPECT_EQ(copies(), 2) << "kept until the work is saved";
    ASSERT_TRUE(second.actions.SaveTo(saved).done());
    second.actions.KeepWorkCopy();
    EXPECT_EQ(copies(), 0);

    // Work never saved is named by its title; Non gives it up, and the launch opens what it was asked to.
    second.doc.Reset();
    second.doc.Change(Setting::Title, u("Brouillon"));
    second.actions.KeepWorkCopy();
    Launch third(folders);
    third.prompter.answers = { Answer::No };
    QString behind; // the document the question is asked over: the one the launch opened
    third.prompter.whileAsking = [&] { behind = third.doc.DocumentPath(); };
    EXPECT_TRUE(third.actions.OpenFirst({ saved }).done());
    EXPECT_EQ(behind, saved);
    ASSERT_EQ(third.prompter.asked.size(), 1);
    EXPECT_TRUE(third.prompter.asked[0].text.contains(u("la fiche « Brouillon » soit")));
    EXPECT_EQ(third.doc.DocumentPath(), saved);
    EXPECT_EQ(copies(), 0);

    // A copy the window gives up (closed with the teacher's answer) or one that is no document is not offered.
    third.doc.Change(Setting::Title, u("Encore"));
    third.actions.KeepWorkCopy();
    third.actions.DiscardWorkCopy();
    EXPECT_EQ(copies(), 0);
    third.doc.Reset();
    third.doc.Change(Setting::Title, u("  "));
    third.actions.KeepWorkCopy();
    Launch untitled(folders);
    EXPECT_TRUE(untitled.actions.OpenFirst({}).done());
    ASSERT_EQ(untitled.prompter.asked.size(), 1);
    EXPECT_TRUE(untitled.prompter.asked[0].text.contains(u("la fiche « Sans titre » soit")));
    WriteBytes(QDir(folders.workCopy).filePath(u("travail-en-cours.lxg")), "\x89PNG\r\n");
    Launch fourth(folders);
    EXPECT_TRUE(fourth.actions.OpenFirst({}).done());
    EXPECT_TRUE(fourth.prompter.asked.isEmpty());
}

// Work never saved comes back as the window showed it: an imported list stays a list, its themes not offered.
TEST(WorkCopy, AnUnsavedListComesBackAsAList)
{
    QTemporaryDir dir;
    const DocumentFolders folders { dir.filePath(u("profs")), dir.filePath(u("programme")), dir.filePath(u("copie")) };
    Launch first(folders);
    ASSERT_TRUE(first.actions.ImportList(WriteBytes(dir.filePath(u("animaux.txt")), "chat\r\nchien\r\nlapin\r\nloup\r\nours\r\n")).done());
    ASSERT_FALSE(first.doc.themes().enabled);
    first.actions.KeepWorkCopy();
    Launch second(folders);
    second.prompter.answers = { Answer::Yes };
    ASSERT_TRUE(second.actions.OpenFirst({}).done());
    EXPECT_EQ(second.doc.ThemeLabel(), first.doc.ThemeLabel());
    EXPECT_FALSE(second.doc.themes().enabled);
}

} // namespace
} // namespace lx::test
