// The document as the window drives it: reset, settings, the word list's follow-ups, the modified mark; drawing
// the page never changes the document.
#include "document/WordHighlight.h"
#include "render/DocumentRenderer.h"
#include "render/PageTexts.h"
#include "render/RecordingSurface.h"
#include "support/DocumentSupport.h"

#include <QSignalSpy>

namespace lx::test {
namespace {

TEST(DocumentReset, GivesTheNewDocumentWhateverCameBefore)
{
    const QString fresh = DocumentText(Document(kFonts).data());
    Document doc(kFonts);
    doc.Change(Setting::Title, u("Ancien"));
    doc.Change(Setting::Direction3, true);
    doc.SetLetterCodeText(4, u("7"));
    AddWords(doc, { "chat", "loup" });
    Reopen(doc, [](DocumentData& d) {
        d.puzzle.LetterGrid.at(2, 2) = u("X");
        d.puzzle.SymbolAlphabet = u("shuffled");
        d.themes.selected[3] = true;
    }, u("vieux.lxg"));
    doc.SetModified(true, true);

    doc.Reset();
    EXPECT_EQ(DocumentText(doc.data()), fresh);
    EXPECT_EQ(doc.puzzle().SymbolAlphabet, PuzzleEngine::SymbolCharacters());
    EXPECT_EQ(doc.ThemeLabel(), u("Aucun thème"));
    EXPECT_EQ(doc.WordCounts().text, u("0/0"));
    EXPECT_EQ(doc.WindowTitle(), u("Lexigrille 0.1 - Sans titre"));
    EXPECT_EQ(Document({ u("arial"), u("DejaVu Sans") }).settings().titleFontName, u("arial")) << "Arial for a missing font, as listed";
}

TEST(SettingsModel, ClampsRefusesNotifiesAndSuppressionNests)
{
    DocumentSettings settings;
    SettingsModel model(settings);
    QSignalSpy spy(&model, &SettingsModel::settingChanged);
    const std::tuple<Setting, QVariant, bool, QVariant> cases[] = { // set, accepted, stored
        { Setting::GridSize, 40, true, 18 }, { Setting::MaxLetters, 1, true, 3 }, { Setting::GridFontSize, 99, true, 20 },
        { Setting::Direction0, false, true, true }, // left to right can never be cleared
        { Setting::GridSize, QVariant(u("douze")), false, 18 }, { Setting::GameType, 2, true, 2 },
    };
    for (const auto& [id, value, accepted, stored] : cases) {
        EXPECT_EQ(model.Set(id, value), accepted) << int(id);
        EXPECT_EQ(model.Get(id), stored) << int(id);
    }
    EXPECT_EQ(spy.count(), 5) << "every accepted change is told";
    {
        SuppressEvents outer(model);
        { SuppressEvents inner(model); }
        EXPECT_TRUE(model.Suppressed());
    }
    EXPECT_FALSE(model.Suppressed());
}

TEST(DocumentWords, ChecksDiscardThePuzzleMarkTheDocumentAndClicksHighlight)
{
    Document doc(kFonts);
    int redraws = 0;
    QObject::connect(&doc, &Document::redrawRequested, [&] { ++redraws; });
    QSignalSpy marks(&doc, &Document::modifiedChanged);
    AddWords(doc, { "chat", "chien", "loup", "lion", "ours", "tigre" });
    doc.MarkSaved(u("mots.lxg"));
    ASSERT_TRUE(doc.Generate().succeeded());
    doc.SetModified(false, false);
    EXPECT_TRUE(doc.Modified()) << "the generation marks the document, and only a forced call clears the mark";
    doc.MarkSaved(u("mots.lxg"));
    EXPECT_EQ(marks.count(), 4);

    const int lion = doc.words().Find(u("lion"));
    doc.SetWordChecked(lion, false);
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 0).isEmpty()) << "the puzzle is gone until the next generation";
    EXPECT_EQ(doc.WordCounts(), (WordCountLabel { u("5/6"), WordCountLabel::Colour::Red }));
    EXPECT_TRUE(doc.Modified());
    EXPECT_GT(redraws, 0);
    doc.SetModified(false, true);
    doc.SetWordChecked(lion, true);
    EXPECT_FALSE(doc.Modified()) << "back to the saved checks: no modification";

    doc.SetMaxLetters(4); // chat lion loup ours
    {
        const SuppressEvents guard = doc.Suppress();
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
    EXPECT_FALSE(doc.puzzle().WordHighlighted);
    // An import inside a suppression guard leaves the events suppressed.
    redraws = 0;
    {
        const SuppressEvents guard = doc.Suppress();
        EXPECT_TRUE(doc.PasteWordList(u("chat\nchien\nloup\n")).imported);
        EXPECT_FALSE(doc.PasteWordList(QString()).imported);
        doc.SetMaxLetters(3);
        EXPECT_EQ(doc.words().CheckedCount(), 3) << "still suppressed after the imports";
    }
    EXPECT_EQ(redraws, 0);
}

// Every value the file keeps marks the document modified when the teacher changes it (bold and italic, bounds, a
// code box, the revealed letter and the letters' limit used not to): bold stands for every plain setting.
TEST(DocumentChanges, EverySavedValueMarksTheDocument)
{
    const std::function<void(Document&)> changes[] = {
        [](Document& d) { d.Change(Setting::GridBold, true); }, [](Document& d) { d.Change(Setting::ShuffleList, true); },
        [](Document& d) { d.Change(Setting::RangeTo, u("40")); }, [](Document& d) { d.SetLetterCodeText(2, u("5")); },
        [](Document& d) { d.SetMaxLetters(9); }, [](Document& d) { d.Change(Setting::GameType, 2); },
        [](Document& d) {
            AddWords(d, { "chat", "chien", "loup", "lion", "ours" });
            d.Change(Setting::GameType, 1);
            ASSERT_TRUE(d.Generate().succeeded());
            d.MarkSaved(u("essai.lxg"));
            d.ChooseRevealLetter(2);
        },
    };
    int n = 0;
    for (const auto& change : changes) {
        Document doc(kFonts);
        change(doc);
        EXPECT_TRUE(doc.Modified()) << n;
        ++n;
    }
}

// A refusal is reported as an error; too few words change nothing, not even the mark, and say where the words
// come from. (The grid-too-small question that goes through the hook: GridAdvice.)
TEST(DocumentGenerate, RefusalsAreReportedAndTooFewWordsChangeNothing)
{
    DocumentOf doc({ "chat", "chien", "loup", "lion", "ours" });
    // The words come from the themes, and none is selected.
    Reopen(doc, [](DocumentData& d) { d.settings.selectedThemeCount = 0; }, u("themes.lxg"));
    const GenerationResult refused = doc.Generate();
    EXPECT_EQ(refused.outcome, GenerationOutcome::NoThemeSelected);
    const CommandResult report = GenerationReport(refused);
    EXPECT_TRUE(report.status == CommandResult::Status::Failed && report.kind == MessageKind::Error);
    EXPECT_EQ(report.message, u("Vous n'avez sélectionné aucun thème !"));

    const struct { QStringList listed; int checked; const char* message; } fewer[] = {
        { {}, 0, "Choisissez d'abord les mots : cochez une classe et un thème, ou importez une liste de mots. "
                 "Il faut au moins cinq mots pour créer la grille." },
        { Words("chat chien loup"), 3, "La liste n'a que 3 mots : il faut au moins cinq mots pour créer la grille. "
                                       "Cochez d'autres thèmes ou classes, ou importez une liste plus longue." },
        { Words("chat"), 1, "La liste n'a qu'un mot : il faut au moins cinq mots pour créer la grille. "
                            "Cochez d'autres thèmes ou classes, ou importez une liste plus longue." },
        { Words("chat chien loup lion ours"), 0, "Cochez au moins cinq mots pour créer la grille." },
        { Words("chat chien loup lion ours"), 1, "Cochez au moins cinq mots pour créer la grille : 1 mot coché pour l'instant." },
        { Words("chat chien loup lion ours"), 4, "Cochez au moins cinq mots pour créer la grille : 4 mots cochés pour l'instant." },
    };
    for (const auto& [listed, checked, message] : fewer) {
        Document few(kFonts);
        few.ParseWordListText(listed.join(u'\n'));
        for (int i = checked; i < listed.size(); ++i)
            few.SetWordChecked(i, false);
        few.MarkSaved(u("peu.lxg"));
        QSignalSpy changes(&few, &Document::puzzleChanged);
        const GenerationResult r = few.Generate();
        EXPECT_EQ(r.outcome, GenerationOutcome::TooFewWords);
        const CommandResult shown = GenerationReport(r);
        EXPECT_TRUE(shown.status == CommandResult::Status::Failed && shown.kind == MessageKind::Information) << checked;
        EXPECT_EQ(shown.message, u(message));
        EXPECT_FALSE(few.Modified());
        EXPECT_EQ(changes.count(), 0);
    }
}

// The sizes are named beside the letter balance only when no layout can take the message at the chosen size:
// six words of 31 letters sharing 4 cells at most leave 69 to 73 free cells in 10 x 10, 18 to 22 in 7 x 7.
TEST(DocumentMessage, SizeAdviceWhenNoLayoutTakesTheMessage)
{
    const struct { int letters; bool randomFill; GameType type; const char* advice; } cases[] {
        { 71, false, GameType::WordSearch, "" }, { 20, false, GameType::WordSearch, "Ce message tiendrait dans une grille de 7×7." },
        { 0, false, GameType::WordSearch, "" }, { 20, true, GameType::WordSearch, "" }, { 20, false, GameType::FillIn, "" },
    };
    for (const auto& c : cases) {
        DocumentOf doc({ "chat", "chien", "lapin", "cheval", "vache", "mouton" });
        doc.Change(Setting::Direction2, true); // across and down: words cross
        doc.Change(Setting::HiddenMessage, QString(c.letters, QLatin1Char('A')) + u(" !"));
        doc.Change(Setting::RandomFill, c.randomFill);
        doc.Change(Setting::GameType, int(c.type));
        EXPECT_EQ(doc.MessageSizeAdvice(), u(c.advice)) << c.letters;
    }
    // A grid on the page that takes the message already needs no advice.
    DocumentOf doc({ "chat", "chien", "lapin", "cheval", "vache", "mouton" });
    doc.Change(Setting::RandomFill, false);
    doc.Change(Setting::HiddenMessage, QString(20, QLatin1Char('A')));
    for (const bool exact : { true, false }) {
        Reopen(doc, [exact](DocumentData& d) {
            for (int k = 0; k < 100; ++k)
                d.puzzle.LetterGrid.at(k % 10, k / 10) = k < 20 && (k > 0 || exact) ? u("a") : u("W");
        });
        EXPECT_EQ(doc.MessageSizeAdvice().isEmpty(), exact);
    }
}

// The key prints the message as typed: what the grid cannot take (digits, letters beyond A to Z) is said before.
TEST(DocumentMessage, WhatTheGridCannotTakeIsSaid)
{
    const struct { const char* message; bool randomFill; GameType type; const char* said; } cases[] = {
        { "BRAVO LES CM2 ! 2", false, GameType::WordSearch, "« 2 » ne va pas dans la grille, qui n'a que les lettres de A à Z : "
                                                            "écrivez les nombres en toutes lettres." },
        { "SEÑOR ET STRAßE", false, GameType::WordSearch, "« Ñ » et « ß » ne vont pas dans la grille, qui n'a que les lettres de A à Z." },
        { "À L'ANNÉE PROCHAINE, CŒUR !", false, GameType::WordSearch, "" },
        { "CM2", true, GameType::WordSearch, "" }, { "CM2", false, GameType::FillIn, "" }, // no message used
    };
    for (const auto& c : cases) {
        DocumentOf doc({ "chat", "chien", "lapin", "cheval", "vache" });
        doc.Change(Setting::HiddenMessage, u(c.message));
        doc.Change(Setting::RandomFill, c.randomFill);
        doc.Change(Setting::GameType, int(c.type));
        EXPECT_EQ(doc.MessageLeftOutText(), u(c.said)) << c.message;
    }
}

// A message typed before the grid is made is laid in its rows at once; a size chosen after lays it in the new rows
// (it kept the old width: a preview of 8 columns lost the letters laid at columns 8 to 11).
TEST(DocumentMessage, ALaidMessageFollowsTheGridSize)
{
    DocumentOf doc({ "chat", "chien", "lapin", "cheval", "vache" });
    doc.Change(Setting::GridSize, 12);
    doc.Change(Setting::HiddenMessage, u("Joyeux Noël à tous"));
    doc.Change(Setting::GridSize, 8);
    QString rows;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 12; ++x)
            rows += doc.puzzle().LetterGrid.at(x, y).isEmpty() ? u("_") : doc.puzzle().LetterGrid.at(x, y);
    EXPECT_EQ(rows, u("joyeuxno____elatous_________________"));
    EXPECT_EQ(doc.puzzle().EmptyCellCount, 64);
}

// A class ticked after a list was imported or pasted gives the class's words, and the header names the class. The
// theme box names the words while no theme of the database is chosen; a theme chosen names them instead, and a name
// typed before goes (neither the page nor the file would show it). Drawing the page changes none of it.
// The caption of the page's header, as the document gives it.
QString Header(const Document& doc)
{
    return HeaderCaption(doc.settings(), doc.themes().SelectedNames(), doc.data().importedListName, doc.words().CheckedCount());
}

TEST(DocumentWords, AClassReplacesAListAndAThemeTheNameTyped)
{
    ThemeDatabase db;
    for (const char* w : { "chat", "chien", "lapin", "cheval", "vache" })
        db.levelLines[0] << u("A-  ") + u(w);
    QTemporaryDir dir;
    const QString fruits = WriteBytes(dir.filePath(u("Fruits.txt")), "pomme\r\npoire\r\nkiwi\r\n");
    for (const bool pasted : { false, true }) {
        Document doc(kFonts);
        doc.SetThemeDatabase(&db);
        ASSERT_TRUE(pasted ? doc.PasteWordList(u("Les fruits de saison\npomme\npoire\nkiwi\n")).imported : doc.ImportWordListFile(fruits).imported);
        doc.ClickLevel(0, true);
        EXPECT_EQ(doc.settings().selectedThemeCount, -1) << "the class's words count as an external list's from the click on";
        EXPECT_EQ(doc.settings().themeText, QString());
        EXPECT_EQ(Header(doc), u("CP (5 mots)"));
        doc.Change(Setting::ThemeText, u("Révisions"));
        EXPECT_TRUE(doc.ThemeTextEditable());
        doc.CheckTheme(3, true); // Animaux
        EXPECT_FALSE(doc.ThemeTextEditable());
        EXPECT_EQ(doc.settings().themeText, QString());
        EXPECT_EQ(Header(doc), u("CP – Thème : Animaux (5 mots)"));
        EXPECT_EQ(SavedAndReopened(doc)->settings().themeText, doc.settings().themeText);
        ASSERT_TRUE(doc.Generate().succeeded());
        const QString drawn = DocumentText(doc.data());
        for (int i = 0; i < 2; ++i) { // twice: the first drawing leaves nothing that changes the second
            RecordingSurface surface;
            DocumentRenderer(doc.data(), u("Arial"), u("pied")).RenderDocument(surface, 1.0);
        }
        EXPECT_EQ(DocumentText(doc.data()), drawn) << "drawing the page leaves the document as it was";
        doc.CheckTheme(3, false);
        EXPECT_TRUE(doc.ThemeTextEditable());
    }
}

// "Mélanger" shuffles the message's letters in the grid at once, as the instruction then says; unticked, they are
// in order again.
TEST(DocumentMessage, ShufflingTheMessageShowsAtOnce)
{
    DocumentOf doc({ "chat", "chien", "lapin", "cheval", "vache", "mouton" });
    doc.Change(Setting::RandomFill, false);
    doc.Change(Setting::HiddenMessage, u("Bravo les enfants vous avez tout trouve"));
    const auto message = [&doc] {
        QString letters;
        for (int k = 0; k < 100; ++k)
            letters += doc.puzzle().LetterGrid.at(k % 10, k / 10);
        return letters;
    };
    const QString inOrder = message();
    ASSERT_TRUE(inOrder.startsWith(u("bravolesenfants")));
    QSignalSpy redraws(&doc, &Document::redrawRequested);
    doc.Change(Setting::ShuffleList, true);
    QString shuffled = message(), sorted = inOrder;
    EXPECT_NE(shuffled, inOrder);
    std::sort(shuffled.begin(), shuffled.end()), std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(shuffled, sorted);
    EXPECT_EQ(redraws.count(), 1);
    doc.Change(Setting::ShuffleList, false);
    EXPECT_EQ(message(), inOrder);
}

// A puzzle is drawn only as the game it was made for: switching the game shows the one made for the new game
// while the words stay the same, else an empty grid.
// A list pasted after a file's drops the file's name: the header and the title bar named a list that was gone. A file's name
// heads the page as it reopens, and keeps the hyphens of a name written with spaces (« UTF-8 »).
TEST(DocumentWords, TheHeaderNamesTheListShownAndReopensAsItWas)
{
    QTemporaryDir dir;
    const QString list = WriteBytes(dir.filePath(u("Liste UTF-8 du jour.txt")), "pomme\r\npoire\r\nkiwi\r\n");
    for (const bool pasted : { false, true }) {
        Document doc(kFonts);
        ASSERT_TRUE(doc.ImportWordListFile(list).imported);
        doc.Change(Setting::ThemeText, QString()); // the file names the sheet
        EXPECT_EQ(Header(doc), u("Thème : Liste UTF-8 du jour (3 mots)"));
        EXPECT_TRUE(doc.WindowTitle().endsWith(u(" - Liste UTF-8 du jour.txt*"))) << doc.WindowTitle().toStdString();
        if (pasted) {
            ASSERT_TRUE(doc.PasteWordList(u("chat\nchien\nlapin\nloup\n")).imported);
            EXPECT_EQ(Header(doc), u("4 mots"));
            EXPECT_TRUE(doc.WindowTitle().endsWith(u(" - Sans titre*"))) << "the title bar named the list too";
        }
        EXPECT_EQ(Header(*SavedAndReopened(doc)), Header(doc));
    }
}

TEST(DocumentGameType, APuzzleIsNeverShownAsAnotherGames)
{
    DocumentOf doc({ "chat", "chien", "loup", "lion", "ours", "tigre" });
    ASSERT_TRUE(doc.Generate().succeeded());
    const PuzzleState search = doc.puzzle();
    doc.Change(Setting::GameType, int(GameType::FillIn));
    EXPECT_TRUE(doc.puzzle().LetterGrid == PuzzleState().LetterGrid) << "no word-search letter in the fill-in grid";
    EXPECT_EQ(doc.puzzle().gameType, GameType::FillIn);
    ASSERT_TRUE(doc.Generate().succeeded());
    const PuzzleState fillIn = doc.puzzle();
    doc.Change(Setting::GameType, int(GameType::WordSearch));
    EXPECT_TRUE(doc.puzzle().LetterGrid == search.LetterGrid);
    EXPECT_EQ(doc.puzzle().WordEntries, search.WordEntries);
    doc.Change(Setting::GameType, int(GameType::FillIn));
    EXPECT_TRUE(doc.puzzle().LetterGrid == fillIn.LetterGrid);
    // Other words: what was made of the old ones is gone.
    doc.SetWordChecked(doc.words().Find(u("tigre")), false);
    doc.Change(Setting::GameType, int(GameType::WordSearch));
    EXPECT_TRUE(doc.puzzle().LetterGrid == PuzzleState().LetterGrid);
}

// A fill-in grid is laid to suit the room its page gives it (the turning itself: test_fill_in): wider than tall
// over a solution or a copy, taller than wide when the worksheet has the whole page.
TEST(DocumentGenerate, AFillInGridSuitsTheHalfOrTheWholePage)
{
    for (int lowerHalf : { 0, 1, 2 }) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            DocumentOf doc(Words("papillon maison jardin soleil bateau lapin pomme tomate orange cerise"));
            doc.Change(Setting::GameType, int(GameType::FillIn));
            doc.Change(Setting::LowerHalf, lowerHalf);
            doc.SetFixedSeed(seed);
            ASSERT_TRUE(doc.Generate().succeeded());
            const auto suits = [&doc](int half) {
                int rows = 0, columns = 0;
                for (const WordEntry& e : doc.puzzle().WordEntries) {
                    const bool down = e.direction == 2;
                    rows = std::max(rows, e.y + (down ? int(e.gridText.size()) : 1));
                    columns = std::max(columns, e.x + (down ? 1 : int(e.gridText.size())));
                }
                return half == 0 ? rows >= columns : rows <= columns;
            };
            EXPECT_TRUE(suits(lowerHalf)) << lowerHalf << ", seed " << seed;
            // A grid already made is turned when the room changes, and turned back with it.
            const PuzzleState made = doc.puzzle();
            doc.Change(Setting::LowerHalf, lowerHalf == 0 ? 2 : 0);
            EXPECT_TRUE(suits(lowerHalf == 0 ? 2 : 0)) << lowerHalf << ", seed " << seed;
            doc.Change(Setting::LowerHalf, lowerHalf);
            EXPECT_TRUE(doc.puzzle().LetterGrid == made.LetterGrid && doc.puzzle().WordEntries == made.WordEntries);
        }
    }
}

// Ten short coded words go side by side over a solution or a copy, where one column would need small cells to keep
// above the fold; with the whole page, one column has room enough.
TEST(DocumentGenerate, ShortCodedWordsGoSideBySideInHalfAPage)
{
    for (int lowerHalf : { 0, 1, 2 }) {
        DocumentOf doc(Words("tortue culotte abricot peluche chêne jambe pot lèvre cerise lapin"));
        doc.Change(Setting::GameType, int(GameType::CodedWords));
        doc.Change(Setting::LowerHalf, lowerHalf);
        ASSERT_TRUE(doc.Generate().succeeded());
        EXPECT_EQ(doc.puzzle().RowsPerColumn, lowerHalf == 0 ? 0 : 5) << lowerHalf;
        EXPECT_EQ(doc.puzzle().CodeGrid.at(13, 2) != 0, lowerHalf != 0) << "the second column at 13";
    }
}

// Saved, reopened and saved again after each kind of edit, a document gives the same bytes (a fill-in with
// pictures instead of its words: test_picture_list).
TEST(DocumentFileRoundTrip, EveryKindOfEditReopensAsSaved)
{
    QTemporaryDir dir;
    const std::function<void(Document&)> edits[] = {
        [](Document& d) { d.Change(Setting::Title, u("Les « animaux » ; été !")); },
        [](Document& d) { d.Change(Setting::Title, u(" Les animaux ")), d.Change(Setting::Instruction, u("   ")), d.Change(Setting::ThemeText, u("  ")); },
        [](Document& d) { d.Change(Setting::GameType, 1); ASSERT_TRUE(d.Generate().succeeded()); d.ChooseRevealLetter(3); },
        [](Document& d) { d.Change(Setting::GameType, 1); ASSERT_TRUE(d.Generate().succeeded()); d.ChooseRevealLetter(-1); }, // no change
        [](Document& d) { d.Change(Setting::GameType, 1); }, // a new fill-in, saved before its first grid
        [](Document& d) { d.Change(Setting::GameType, 1); d.ChooseRevealLetterText(u("e")); }, // before the first grid
        [](Document& d) { d.Change(Setting::GameType, 1); ASSERT_TRUE(d.Generate().succeeded()); d.ChooseRevealLetterText(u("z")); },
        [](Document& d) { d.Change(Setting::GameType, 1); ASSERT_TRUE(d.Generate().succeeded()); d.Change(Setting::GameType, 0); },
        [](Document& d) { d.Change(Setting::GameType, 2); ASSERT_TRUE(d.Generate().succeeded()); d.SetLetterCodeText(0, u("x")); },
        [](Document& d) { d.Change(Setting::GameType, 2); d.Change(Setting::ValueMode, 1); d.Change(Setting::RangeFrom, u("40")); d.LeaveBounds(); },
        [](Document& d) { d.Change(Setting::GameType, 2); d.Change(Setting::RangeTo, u("Bravo, 1 ٢ ! 2")); }, // pasted: "12"
        [](Document& d) { d.Change(Setting::GameType, 2); d.Change(Setting::RangeTo, u("Bravo")); }, // emptied: reopens as 99
        [](Document& d) { d.Change(Setting::RandomFill, false); d.Change(Setting::HiddenMessage, u("BRAVO")); ASSERT_TRUE(d.Generate().succeeded()); },
        [](Document& d) { ASSERT_TRUE(d.Generate().succeeded()); d.SetWordChecked(0, false); },
        [](Document& d) { d.SetMaxLetters(4); d.SelectAllWords(true); },
        [](Document& d) { d.SelectAllWords(false); }, // no word checked: no puzzle
        [](Document& d) { d.Change(Setting::Direction5, true); d.Change(Setting::LowerHalf, 2); d.Change(Setting::GridSize, 14); },
        [](Document& d) { d.Change(Setting::Pictures, 1); },
    };
    int n = 0;
    for (const auto& edit : edits) {
        SCOPED_TRACE(n);
        DocumentOf doc({ "chat", "chien", "loup", "lion", "ours", "tigre" });
        edit(doc);
        const QString first = dir.filePath(QStringLiteral("%1a.lxg").arg(n)), second = dir.filePath(QStringLiteral("%1b.lxg").arg(n));
        ASSERT_TRUE(SaveFile(doc, first));
        Document back(kFonts);
        ASSERT_TRUE(LoadFile(back, first) && SaveFile(back, second));
        EXPECT_EQ(ReadAll(second), ReadAll(first));
        EXPECT_EQ(back.settings().pictures, doc.settings().pictures);
        ++n;
    }
}

TEST(WordHighlight, OfAClickedWord)
{
    WordSelectionList list;
    for (const char* w : { "chat", "l'âne", "loup", "ours" })
        list.SetChecked(list.AddWordIfAbsent(u(w)).index, w != std::string("chat"));
    PuzzleState p;
    p.WordEntries = { { 0, 0, 0, u("LOUP") }, { 0, 1, 0, u("LANE") }, { 0, 2, 0, u("CHAT") }, {} };
    const std::tuple<const char*, int, HighlightDecision> cases[] = { // clicked word, word count, decision
        { "l'âne", 4, { true, 1, true } }, { "ours", 4, { true, -1, true } }, // found by its grid form; not placed: nothing outlined
        { "chat", 4, { true, -1, false } }, { "", 4, { false, -1, false } }, // unchecked: only a redraw; no current word
        { "loup", 1, { false, -1, false } }, // with one word the click does nothing
    };
    for (const auto& [word, count, expected] : cases) {
        list.current = list.Find(u(word));
        p.WordCount = count;
        const HighlightDecision d = DecideHighlight(list, p);
        EXPECT_EQ(std::tie(d.redraw, d.highlighted, d.changed), std::tie(expected.redraw, expected.highlighted, expected.changed)) << word;
    }
}

TEST(DocumentNaming, ProposedFileNameAndTheExternalListName)
{
    Document doc(kFonts); // a new word search proposes "Lexigrille": the save dialog's test checks it
    doc.Change(Setting::GameType, int(GameType::FillIn));
    Reopen(doc, [](DocumentData& d) { d.themes.selected[3] = d.themes.selected[6] = true; });
    EXPECT_EQ(doc.ProposedFileName(), u("Mots casés - Animaux, Couleurs"));
    // What a file name cannot hold becomes a space.
    const std::pair<const char*, const char*> names[] = {
        { "Ma liste", "Mots casés - Ma liste" }, { "CP/CE1", "Mots casés - CP CE1" },
        { "a\\b:c*d?\"e\"<f>|g", "Mots casés - a b c d e f g" }, { "fin?", "Mots casés - fin" },
    };
    for (const auto& [theme, name] : names) {
        doc.Change(Setting::ThemeText, u(theme));
        EXPECT_EQ(doc.ProposedFileName(), u(name)) << theme;
    }

    // The snapshot's theme string names an external list without its extension.
    doc.Reset();
    // (The name the header prints, so that the page reopens as it was.)
    const std::pair<const char*, const char*> steps[] = { { "", "*Animaux" }, { "La ferme", "*La ferme" } };
    for (const auto& [themeText, snapshot] : steps) {
        Reopen(doc, [themeText](DocumentData& d) {
            d.importedListName = u("animaux.de.la.ferme.txt");
            d.settings.themeText = u(themeText);
        });
        EXPECT_EQ(doc.Snapshot().themeString, u(snapshot));
    }
    Reopen(doc, [](DocumentData& d) { d.themes.selected[10] = true; });
    EXPECT_EQ(doc.Snapshot().themeString, u("F"));
}

} // namespace
} // namespace lx::test
