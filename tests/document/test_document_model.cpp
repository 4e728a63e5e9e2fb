// The document as the window drives it: reset, the settings model, the word
// list's follow-ups, the modified mark and the window title.
#include "document/Document.h"
#include "puzzle/PuzzleTestSupport.h"

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

TEST(DocumentReset, NewDocumentDefaults)
{
    Document doc(kFonts);
    doc.settings().title = u("Ancien");
    doc.settings().gridBold = true;
    doc.settings().puzzle.directions = { true, true, true, true, true, true };
    doc.settings().puzzle.valueMode = 2;
    doc.settings().puzzle.lowerBound = u("3");
    doc.settings().maxLetters = 4;
    doc.settings().lowerHalf = 2;
    doc.settings().puzzle.letterCodeTexts[4] = u("7");
    doc.puzzle().LetterGrid.at(2, 2) = u("X");
    doc.puzzle().SymbolAlphabet = u("shuffled");
    AddWords(doc, { "chat", "loup" });
    doc.themes().selected[3] = true;
    doc.life.documentName = u("vieux.lxg");
    doc.life.SetModified(true, true);

    doc.ResetDocumentSettings();
    const DocumentSettings& s = doc.settings();
    EXPECT_EQ(s.title, QString());
    EXPECT_FALSE(s.gridBold);
    EXPECT_EQ(s.DirectionString(), u("100000")) << "only \"De gauche à droite\" stays set";
    EXPECT_EQ(s.puzzle.gridSize, 5);
    EXPECT_EQ(s.maxLetters, 15);
    EXPECT_EQ(s.lowerHalf, 1);
    EXPECT_EQ(s.puzzle.valueMode, 0);
    EXPECT_EQ(s.puzzle.lowerBound, u("10"));
    EXPECT_EQ(s.puzzle.upperBound, u("99"));
    EXPECT_EQ(s.puzzle.letterCodeTexts[4], QString());
    EXPECT_EQ(doc.puzzle().SymbolAlphabet, PuzzleEngine::SymbolCharacters());
    EXPECT_EQ(doc.puzzle().SymbolAlphabet[0], QChar(0x21));
    EXPECT_EQ(doc.puzzle().SymbolAlphabet[25], QChar(0xE2));
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(2, 2).isEmpty());
    ASSERT_EQ(doc.puzzle().WordEntries.size(), 1);
    EXPECT_EQ(doc.puzzle().WordEntries[0].direction, -1);
    EXPECT_EQ(doc.words().Count(), 0);
    EXPECT_EQ(doc.themes().SelectedCount(), 0);
    EXPECT_TRUE(doc.themes().enabled);
    EXPECT_EQ(doc.themeLabel, u("Aucun thème"));
    EXPECT_EQ(doc.wordCountLabel.text, u("0/0"));
    EXPECT_EQ(s.gridFontName, u("Arial"));
    EXPECT_EQ(s.listFontName, u("Arial Narrow"));
    EXPECT_EQ(s.titleFontName, u("Tahoma"));
    EXPECT_FALSE(doc.life.modified);
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Sans titre"));
    EXPECT_FALSE(doc.suppressEvents());
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

TEST(SettingsModel, NotifiesAndRespectsSuppressEvents)
{
    DocumentSettings settings;
    SettingsModel model(settings);
    QSignalSpy spy(&model, &SettingsModel::settingChanged);
    int handled = 0;
    model.OnChange(Setting::GridSize, [&] { ++handled; });

    EXPECT_TRUE(model.Set(Setting::GridSize, 12));
    EXPECT_EQ(settings.puzzle.gridSize, 12);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(spy.count(), 1);

    EXPECT_TRUE(model.Set(Setting::GridSize, 40));
    EXPECT_EQ(model.Get(Setting::GridSize).toInt(), 18) << "kept within its range";
    EXPECT_TRUE(model.Set(Setting::MaxLetters, 1));
    EXPECT_EQ(settings.maxLetters, 3);
    EXPECT_TRUE(model.Set(Setting::GridFontSize, 99));
    EXPECT_EQ(settings.gridFontSize, 20);

    {
        SuppressEvents guard(model.suppressEvents);
        EXPECT_TRUE(model.Set(Setting::GridSize, 9));
    }
    EXPECT_EQ(handled, 2) << "handlers do nothing while events are suppressed";
    EXPECT_EQ(spy.count(), 5) << "views still follow every change";
    EXPECT_FALSE(model.suppressEvents);

    EXPECT_TRUE(model.Set(Setting::Direction0, false));
    EXPECT_TRUE(settings.puzzle.directions[0]) << "left to right can never be cleared";
    EXPECT_TRUE(model.Set(Setting::Direction4, true));
    EXPECT_EQ(settings.DirectionString(), u("100010"));

    EXPECT_FALSE(model.Set(Setting::GridSize, QVariant(u("douze"))));
    EXPECT_EQ(settings.puzzle.gridSize, 9);
    EXPECT_TRUE(model.Set(Setting::Title, u("Les fruits")));
    EXPECT_EQ(model.Get(Setting::Title).toString(), u("Les fruits"));
    EXPECT_TRUE(model.Set(Setting::GameType, 2));
    EXPECT_EQ(settings.puzzle.gameType, GameType::CodedWords);
}

TEST(Lifecycle, ModifiedMarkAndTitle)
{
    Lifecycle life;
    QStringList titles;
    life.titleChanged = [&](const QString& t) { titles << t; };
    life.SetModified(true, false);
    EXPECT_TRUE(life.modified);
    EXPECT_EQ(titles.last(), u("Lexigrille 0.1 - Sans titre*"));
    life.SetModified(false, false);
    EXPECT_TRUE(life.modified) << "only a forced call clears the mark";
    life.documentName = u("fiche.lxg");
    life.SetModified(false, true);
    EXPECT_FALSE(life.modified);
    EXPECT_EQ(titles.last(), u("Lexigrille 0.1 - fiche.lxg"));

    EXPECT_EQ(DecideAskToSave(false, SaveAnswer::Cancel), AskToSaveAction::Proceed);
    EXPECT_EQ(DecideAskToSave(true, SaveAnswer::Yes), AskToSaveAction::SaveThenProceed);
    EXPECT_EQ(DecideAskToSave(true, SaveAnswer::No), AskToSaveAction::Proceed);
    EXPECT_EQ(DecideAskToSave(true, SaveAnswer::Cancel), AskToSaveAction::Stop);
    EXPECT_EQ(SaveChangesQuestion(), u("Voulez-vous enregistrer les modifications ?"));
}

TEST(DocumentWords, ChecksDiscardThePuzzleMarkTheDocumentAndClicksHighlight)
{
    Document doc(kFonts);
    int redraws = 0;
    doc.redraw = [&] { ++redraws; };
    AddWords(doc, { "chat", "chien", "loup", "lion", "ours", "tigre" });
    doc.TakeSnapshot();
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_TRUE(doc.life.modified) << "a generation marks the document";
    doc.TakeSnapshot();
    EXPECT_FALSE(doc.puzzle().LetterGrid.at(0, 0).isEmpty());

    const int lion = doc.words().Find(u("lion"));
    doc.SetWordChecked(lion, false);
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 0).isEmpty()) << "the puzzle is gone until the next generation";
    EXPECT_EQ(doc.puzzle().WordCount, 5);
    EXPECT_EQ(doc.wordCountLabel, (WordCountLabel { u("5/6"), WordCountLabel::Colour::Red }));
    EXPECT_TRUE(doc.life.modified);
    EXPECT_GT(redraws, 0);

    doc.life.SetModified(false, true);
    doc.SetWordChecked(lion, true);
    EXPECT_FALSE(doc.life.modified) << "back to the saved checks: no modification";

    doc.SetMaxLetters(4);
    EXPECT_EQ(doc.words().BuildSelectionSignature(), u("101110")) << "chat chien lion loup ours tigre";
    EXPECT_TRUE(doc.life.modified);
    doc.SetMaxLetters(15);
    EXPECT_EQ(doc.words().CheckedCount(), 6);

    doc.SelectAllWords(false);
    EXPECT_EQ(doc.words().CheckedCount(), 0);
    EXPECT_EQ(doc.puzzle().WordCount, 0);
    EXPECT_EQ(doc.wordCountLabel.colour, WordCountLabel::Colour::Red);
    doc.SelectAllWords(true);
    EXPECT_EQ(doc.wordCountLabel, (WordCountLabel { u("6/6"), WordCountLabel::Colour::DarkGrey }));

    {
        SuppressEvents guard(doc.suppressEvents());
        doc.SetMaxLetters(3);
        EXPECT_EQ(doc.words().CheckedCount(), 6) << "handlers do nothing while events are suppressed";
    }

    // A click on a placed word highlights it until the next generation.
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_TRUE(doc.ClickWord(doc.words().Find(u("loup"))));
    ASSERT_TRUE(doc.puzzle().WordHighlighted);
    EXPECT_EQ(doc.puzzle().WordEntries[doc.puzzle().HighlightedWord].gridText, u("LOUP"));
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_FALSE(doc.puzzle().WordHighlighted) << "a generation clears the highlight";
}

TEST(DocumentGenerate, GridTooSmallAnswerUpdatesTheSetting)
{
    Document doc(kFonts);
    AddWords(doc, { "chat", "chien", "loup", "lion", "crocodile" });
    doc.settings().puzzle.gridSize = 6;
    QSignalSpy spy(&doc.model, &SettingsModel::settingChanged);
    QString asked;
    const GenerationResult r = doc.Generate([&](const QString& q) {
        asked = q;
        return true;
    });
    ASSERT_TRUE(r.succeeded());
    EXPECT_TRUE(asked.contains(u("« crocodile »")));
    EXPECT_EQ(doc.settings().puzzle.gridSize, 9);
    EXPECT_GE(spy.count(), 1);

    Document few(kFonts);
    AddWords(few, { "chat", "chien", "loup", "lion" });
    EXPECT_EQ(few.Generate().outcome, GenerationOutcome::TooFewWords);
    EXPECT_FALSE(few.life.modified);
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
