// The document as the window drives it: reset, the settings model, the word
// list's follow-ups, the modified mark and its signals, and the promise that
// drawing the page never changes the document.
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/WordHighlight.h"
#include "puzzle/PuzzleTestSupport.h"
#include "render/DocumentRenderer.h"
#include "render/RecordingSurface.h"
#include "support/ScriptedPrompter.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::u;

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Tahoma") };

// Words of an external list (no theme check), in a grid large enough for them.
void AddWords(Document& doc, std::initializer_list<const char*> words, bool checked = true)
{
    doc.settings().selectedThemeCount = -1;
    doc.settings().puzzle.gridSize = 10;
    for (const char* w : words)
        doc.words().SetChecked(doc.words().AddWordIfAbsent(u(w)).index, checked);
    doc.UpdateWordCounts();
}

TEST(DocumentReset, GivesTheNewDocumentWhateverCameBefore)
{
    const QString fresh = DocumentText(Document(kFonts).data);
    Document doc(kFonts);
    doc.settings().title = u("Ancien");
    doc.settings().gridBold = true;
    doc.settings().puzzle.directions = { true, true, true, true, true, true };
    doc.settings().puzzle.valueMode = 2;
    doc.settings().puzzle.letterCodeTexts[4] = u("7");
    doc.settings().lowerHalf = 2;
    doc.puzzle().LetterGrid.at(2, 2) = u("X");
    doc.puzzle().SymbolAlphabet = u("shuffled");
    AddWords(doc, { "chat", "loup" });
    doc.themes().selected[3] = true;
    doc.life.documentName = u("vieux.lxg");
    doc.SetModified(true, true);

    doc.ResetDocumentSettings();
    EXPECT_EQ(DocumentText(doc.data), fresh);
    EXPECT_EQ(doc.puzzle().SymbolAlphabet, PuzzleEngine::SymbolCharacters());
    EXPECT_EQ(doc.ThemeLabel(), u("Aucun thème"));
    EXPECT_EQ(doc.WordCounts().text, u("0/0"));
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Sans titre"));
    EXPECT_FALSE(doc.Suppressed());

    // What the new document holds, as the file says it.
    const QString text = DocumentText(doc.data);
    for (const char* line : { "PoliceGrille=Arial,12,0,0", "PoliceListe=Arial Narrow,12,0,0", "PoliceTitre=Tahoma",
                              "NombreMots=0", "Mot0=0,0,-1,", "Paramètres=5,1,1,0,1,0,0,0,1,0,0,15,10,99",
                              "Valeurs=100000," })
        EXPECT_TRUE(text.contains(u("\r\n") + u(line) + u("\r\n"))) << line;
}

TEST(DocumentReset, FontFallbacks)
{
    Document onlyArial({ u("Arial"), u("DejaVu Sans") });
    EXPECT_EQ(onlyArial.settings().listFontName, u("Arial"));
    EXPECT_EQ(onlyArial.settings().titleFontName, u("Arial"));
    Document none({ u("DejaVu Sans") });
    EXPECT_EQ(none.settings().gridFontName, QString()) << "no selection when neither name is installed";
    Document lower({ u("arial"), u("ARIAL NARROW") });
    EXPECT_EQ(lower.settings().listFontName, u("ARIAL NARROW")) << "the list's own spelling is selected";
}

TEST(SettingsModel, ClampsRefusesAndNotifies)
{
    DocumentSettings settings;
    SettingsModel model(settings);
    QSignalSpy spy(&model, &SettingsModel::settingChanged);
    struct Case {
        Setting id;
        QVariant value;
        bool accepted;
        QVariant stored;
    };
    const Case cases[] = {
        { Setting::GridSize, 40, true, 18 },
        { Setting::MaxLetters, 1, true, 3 },
        { Setting::GridFontSize, 99, true, 20 },
        { Setting::Direction0, false, true, true }, // left to right can never be cleared
        { Setting::GridSize, QVariant(u("douze")), false, 18 },
        { Setting::GameType, 2, true, 2 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(model.Set(c.id, c.value), c.accepted) << int(c.id);
        EXPECT_EQ(model.Get(c.id), c.stored) << int(c.id);
    }
    EXPECT_EQ(spy.count(), 5) << "every accepted change is told";
    {
        SuppressEvents outer(model);
        {
            SuppressEvents inner(model);
        }
        EXPECT_TRUE(model.Suppressed()) << "suppression nests";
    }
    EXPECT_FALSE(model.Suppressed());
}

TEST(DocumentSignals, ModifiedMarkAndTitle)
{
    Document doc(kFonts);
    QSignalSpy titles(&doc, &Document::titleChanged);
    QSignalSpy marks(&doc, &Document::modifiedChanged);
    doc.SetModified(true, false);
    EXPECT_EQ(titles.last().at(0).toString(), u("Lexigrille 0.1 - Sans titre*"));
    doc.SetModified(false, false);
    EXPECT_TRUE(doc.life.modified) << "only a forced call clears the mark";
    doc.life.documentName = u("fiche.lxg");
    doc.SetModified(false, true);
    EXPECT_EQ(titles.last().at(0).toString(), u("Lexigrille 0.1 - fiche.lxg"));
    EXPECT_EQ(marks.count(), 2);
}

TEST(DocumentWords, ChecksDiscardThePuzzleMarkTheDocumentAndClicksHighlight)
{
    Document doc(kFonts);
    int redraws = 0;
    QObject::connect(&doc, &Document::redrawRequested, [&] { ++redraws; });
    AddWords(doc, { "chat", "chien", "loup", "lion", "ours", "tigre" });
    doc.TakeSnapshot();
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_TRUE(doc.life.modified) << "a generation marks the document";
    doc.TakeSnapshot();

    const int lion = doc.words().Find(u("lion"));
    doc.SetWordChecked(lion, false);
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 0).isEmpty()) << "the puzzle is gone until the next generation";
    EXPECT_EQ(doc.WordCounts(), (WordCountLabel { u("5/6"), WordCountLabel::Colour::Red }));
    EXPECT_TRUE(doc.life.modified);
    EXPECT_GT(redraws, 0);

    doc.SetModified(false, true);
    doc.SetWordChecked(lion, true);
    EXPECT_FALSE(doc.life.modified) << "back to the saved checks: no modification";
    doc.SetMaxLetters(4);
    EXPECT_EQ(doc.words().BuildSelectionSignature(), u("101110")) << "chat chien lion loup ours tigre";
    EXPECT_TRUE(doc.life.modified);
    {
        SuppressEvents guard(doc.model);
        doc.SetMaxLetters(15);
        EXPECT_EQ(doc.words().CheckedCount(), 4) << "handlers do nothing while events are suppressed";
    }
    doc.SelectAllWords(true);
    EXPECT_EQ(doc.WordCounts(), (WordCountLabel { u("6/6"), WordCountLabel::Colour::DarkGrey }));

    // A click on a placed word highlights it until the next generation.
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_TRUE(doc.ClickWord(doc.words().Find(u("loup"))));
    ASSERT_TRUE(doc.puzzle().WordHighlighted);
    EXPECT_EQ(doc.puzzle().WordEntries[doc.puzzle().HighlightedWord].gridText, u("LOUP"));
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_FALSE(doc.puzzle().WordHighlighted) << "a generation clears the highlight";
}

TEST(DocumentWords, AnImportInsideASuppressionGuardLeavesEventsSuppressed)
{
    Document doc(kFonts);
    int redraws = 0;
    QObject::connect(&doc, &Document::redrawRequested, [&] { ++redraws; });
    {
        SuppressEvents guard(doc.model);
        EXPECT_TRUE(doc.PasteWordList(u("chat\nchien\nloup\n")).imported);
        EXPECT_FALSE(doc.PasteWordList(QString()).imported);
        EXPECT_TRUE(doc.Suppressed());
        doc.SetMaxLetters(3);
        EXPECT_EQ(doc.words().CheckedCount(), 3) << "still suppressed after the imports";
    }
    EXPECT_EQ(redraws, 0);
    EXPECT_FALSE(doc.Suppressed());
}

TEST(DocumentGenerate, QuestionsAndRefusalsGoThroughThePrompter)
{
    Document doc(kFonts);
    test::ScriptedPrompter prompter;
    prompter.answers = { Answer::Yes };
    doc.SetPrompter(&prompter);
    AddWords(doc, { "chat", "chien", "loup", "lion", "crocodile" });
    doc.settings().puzzle.gridSize = 6;
    QSignalSpy spy(&doc, &Document::settingChanged);
    ASSERT_TRUE(doc.Generate().succeeded());
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].kind, MessageKind::Question);
    EXPECT_TRUE(prompter.asked[0].text.contains(u("« crocodile »")));
    EXPECT_EQ(doc.settings().puzzle.gridSize, 9);
    EXPECT_GE(spy.count(), 1);

    doc.settings().selectedThemeCount = 0; // the words come from the themes: none is selected
    EXPECT_EQ(doc.Generate().outcome, GenerationOutcome::NoThemeSelected);
    EXPECT_EQ(prompter.asked.last().kind, MessageKind::Error);
    EXPECT_EQ(prompter.asked.last().text, u("Vous n'avez sélectionné aucun thème !"));

    Document few(kFonts);
    AddWords(few, { "chat", "chien", "loup", "lion" });
    EXPECT_EQ(few.Generate().outcome, GenerationOutcome::TooFewWords);
    EXPECT_FALSE(few.life.modified);
}

TEST(DocumentRendering, DrawingThePageTwiceLeavesTheDocumentAsItWas)
{
    // A new document with a level ticked and no theme: the page's header
    // reads its words as an external list's.
    Document doc(kFonts);
    doc.settings().levels[0] = true;
    AddWords(doc, { "chat", "chien", "loup", "lion", "ours" });
    ASSERT_TRUE(doc.Generate().succeeded());
    doc.settings().selectedThemeCount = 0;
    const QString before = DocumentText(doc.data);
    for (int i = 0; i < 2; ++i) {
        RecordingSurface surface;
        DocumentRenderer(doc.data, u("Arial"), u("pied")).RenderDocument(surface, 1.0);
    }
    EXPECT_EQ(DocumentText(doc.data), before);

    // The window's redraw entry is where the document learns it.
    doc.RedrawPreview();
    EXPECT_EQ(doc.settings().selectedThemeCount, -1);
}

TEST(WordHighlight, OfAClickedWord)
{
    WordSelectionList list;
    for (const char* w : { "chat", "l'âne", "loup", "ours" })
        list.SetChecked(list.AddWordIfAbsent(u(w)).index, true);
    PuzzleState p;
    p.WordCount = 4;
    p.WordEntries = { { 0, 0, 0, u("LOUP") }, { 0, 1, 0, u("LANE") }, { 0, 2, 0, u("CHAT") }, {} };

    list.current = list.Find(u("l'âne"));
    HighlightDecision d = DecideHighlight(list, p);
    EXPECT_TRUE(d.redraw);
    EXPECT_TRUE(d.changed);
    EXPECT_EQ(d.highlighted, 1) << "found by its grid form";

    list.current = list.Find(u("ours"));
    d = DecideHighlight(list, p);
    EXPECT_TRUE(d.redraw);
    EXPECT_EQ(d.highlighted, -1) << "a word that was not placed outlines nothing";

    list.SetChecked(list.Find(u("chat")), false);
    list.current = list.Find(u("chat"));
    d = DecideHighlight(list, p);
    EXPECT_TRUE(d.redraw);
    EXPECT_FALSE(d.changed) << "an unchecked word only redraws";

    list.current = -1;
    EXPECT_FALSE(DecideHighlight(list, p).redraw);

    p.WordCount = 1;
    list.current = 0;
    EXPECT_FALSE(DecideHighlight(list, p).redraw) << "with one word the click does nothing";
}

TEST(DocumentNaming, ProposedFileNameAndTheExternalListName)
{
    Document doc(kFonts);
    EXPECT_EQ(doc.ProposedFileName(), u("Lexigrille"));
    doc.settings().puzzle.gameType = GameType::FillIn;
    doc.themes().selected[3] = doc.themes().selected[6] = true;
    EXPECT_EQ(doc.ProposedFileName(), u("Mots casés - Animaux, Couleurs"));
    doc.settings().themeText = u("Ma liste");
    EXPECT_EQ(doc.ProposedFileName(), u("Mots casés - Ma liste"));

    // The snapshot's theme string names an external list without its extension.
    doc.ResetDocumentSettings();
    doc.data.importedListName = u("animaux.de.la.ferme.txt");
    doc.TakeSnapshot();
    EXPECT_EQ(doc.life.snapshot.themeString, u("*animaux"));
    doc.settings().themeText = u("La ferme");
    doc.TakeSnapshot();
    EXPECT_EQ(doc.life.snapshot.themeString, u("*La ferme"));
    doc.themes().selected[10] = true;
    doc.TakeSnapshot();
    EXPECT_EQ(doc.life.snapshot.themeString, u("F"));
}

} // namespace
} // namespace lx
