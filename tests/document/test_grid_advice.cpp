// What the teacher is told about the words and the grid: the size they need, a word read inside another, a
// hidden message too short, and after a generation that ran out of time, why and which size to try.
#include "document/GridAdvice.h"
#include "puzzle/MessageFit.h"
#include "render/DocumentRenderer.h"
#include "render/RecordingSurface.h"
#include "support/DocumentSupport.h"
#include "words/Themes.h"

#include <QSignalSpy>

namespace lx::test {
namespace {

QString Side(int side) { return QStringLiteral("%1×%1").arg(side); }

TEST(GridAdvice, TheSizeHintFollowsTheWordsTheSizeAndTheGame)
{
    const QStringList twelve = Words("chat chien lapin cheval vache mouton poule canard oie dindon cochon chevre");
    const int side = CheckedWordsNeed(DocumentOf(twelve)).side;
    ASSERT_GT(side, 6);
    const QString counts = u("12 mots, 63 lettres : ");
    const struct { QStringList words; int size; GameType type; QString text; bool tooSmall; } cases[] {
        { twelve, side, GameType::WordSearch, counts + QStringLiteral("grille de %1 au moins.").arg(Side(side)), false },
        { twelve, 6, GameType::WordSearch, counts + QStringLiteral("grille de %1 au moins.").arg(Side(side)), true },
        { MadeUpWords(40, 10), 18, GameType::WordSearch, u("40 mots, 400 lettres : trop pour la plus grande grille (18×18), retirez des mots."), true },
        { twelve, 6, GameType::FillIn, counts + u("ils tiennent dans le cadre."), false },
        { Words("kiwi pomme lutin bras dahu"), 6, GameType::FillIn,
          u("5 mots, 22 lettres : « pomme » n'a aucune lettre commune avec les autres mots."), true },
        // In cells: « pomme de terre » takes 12, as the generation counts it.
        { QStringList { u("pomme de terre") } + Words("chou radis navet poireau"), 12, GameType::WordSearch,
          u("5 mots, 33 lettres : grille de 12×12 au moins."), false },
        { twelve, 6, GameType::CodedWords, {}, false },
        { Words("chat chien loup lion"), 6, GameType::WordSearch, {}, false },
    };
    for (const auto& c : cases) {
        DocumentOf doc(c.words, c.size);
        doc.Change(Setting::GameType, int(c.type));
        const SizeHint hint = GridSizeHint(doc);
        EXPECT_EQ(hint.text, c.text);
        EXPECT_EQ(hint.tooSmall, c.tooSmall) << c.text.toStdString();
    }
}

TEST(GridAdvice, ATimeOutSaysWhyAndWhatToTry)
{
    const struct { QStringList words; int size; bool allDirections; GameType type; const char* text; } cases[] {
        { MadeUpWords(35, 10), 18, false, GameType::WordSearch,
          "Ces 35 mots (350 lettres) ne tiennent pas avec ces sens, même dans la plus grande grille (18×18) : "
          "retirez des mots ou cochez d'autres sens." },
        { MadeUpWords(40, 10), 12, true, GameType::WordSearch,
          "Ces 40 mots (400 lettres) ne tiennent pas avec ces sens, même dans la plus grande grille (18×18) : retirez des mots." },
        { MadeUpWords(34, 5), 12, false, GameType::FillIn, // 170 letters: the frame is expected to hold them
          "Le temps de calcul est dépassé avant que ces 34 mots soient tous placés dans le cadre : "
          "créez la grille à nouveau (un autre essai peut réussir), ou retirez des mots." },
        { MadeUpWords(34, 8), 12, false, GameType::FillIn, // 272 letters: too many
          "Ces 34 mots ne se croisent pas assez pour tenir dans le cadre : retirez des mots." },
    };
    for (const auto& c : cases) {
        DocumentOf doc(c.words, c.size);
        for (int d = 1; d < 6; ++d)
            doc.Change(Setting(int(Setting::Direction0) + d), c.allDirections);
        doc.Change(Setting::GameType, int(c.type));
        const TimeOutAdvice advice = AdviceAfterTimeOut(doc);
        EXPECT_EQ(advice.text, u(c.text));
        EXPECT_EQ(advice.side, 0);
    }
}

// Eight words of six letters cannot go in 6 x 6 across only (the longest word would): the grid-too-small
// question proposes the size the letters need. Oui takes it, and the size box follows; Non tries 6 x 6 all the
// same, the time runs out, and the explanation proposes that size again; Oui makes the grid there.
TEST(GridAdvice, TheSizeQuestionAndTheTimeOutProposeTheSizeTheLettersNeed)
{
    for (const auto& [sizeAnswer, answer] : { std::pair(true, Answer::No), std::pair(false, Answer::Yes), std::pair(false, Answer::No) }) {
        DocumentOf doc(Words("cheval mouton lapins canard renard poulet chevre agneau"), 6);
        doc.Change(Setting::Direction2, false); // across only
        const int side = CheckedWordsNeed(doc).side;
        QStringList sizeQuestions;
        doc.SetGenerationHooks({ {}, [&](const QString& q) { sizeQuestions << q; return sizeAnswer; } });
        doc.Clock().SetLimitMs(100);
        QSignalSpy sizeBox(&doc, &Document::settingChanged);
        Grid<QString> drawn; // the grid of the page last drawn
        QObject::connect(&doc, &Document::redrawRequested, [&] { drawn = doc.puzzle().LetterGrid; });
        ScriptedPrompter prompter;
        prompter.answers = { answer };
        const GenerationResult r = GenerateAsking(doc, prompter);
        ASSERT_EQ(sizeQuestions.size(), 1);
        EXPECT_EQ(sizeQuestions[0], QStringLiteral("La grille de 6×6 est trop petite pour ces 8 mots (48 lettres) !\n"
                                                   "Voulez-vous passer à une grille de %1 ?").arg(Side(side)));
        ASSERT_EQ(prompter.asked.size(), sizeAnswer ? 0 : 1);
        if (!sizeAnswer) {
            EXPECT_EQ(prompter.asked[0].kind, MessageKind::Proposal);
            EXPECT_EQ(prompter.asked[0].text, QStringLiteral("Ces 8 mots (48 lettres) ne tiennent pas dans une grille de 6×6 avec ces sens. "
                                                             "Voulez-vous essayer une grille de %1 ?").arg(Side(side)));
        }
        if (sizeAnswer || answer == Answer::Yes) {
            EXPECT_EQ(r.outcome, GenerationOutcome::Generated);
            EXPECT_EQ(doc.settings().puzzle.gridSize, side);
            EXPECT_GE(sizeBox.count(), 1);
            EXPECT_TRUE(r.gridSizeChanged);
            EXPECT_EQ(doc.puzzle().WordEntries.size(), 8);
            EXPECT_EQ(doc.PrintQuestion(), QString());
        } else {
            EXPECT_EQ(r.outcome, GenerationOutcome::TimedOut);
            EXPECT_EQ(doc.settings().puzzle.gridSize, 6);
            EXPECT_EQ(GenerationReport(r).status, CommandResult::Status::Cancelled) << "the blinking frame says the rest";
            EXPECT_FALSE(doc.puzzle().LetterGrid == Grid<QString>()) << "the words placed before the time ran out";
            EXPECT_TRUE(drawn == doc.puzzle().LetterGrid) << "the page shown is the one a print would give";
            // Printed as it is, the grid would have holes and list words it does not hold.
            // It says how many words are missing, and the first five, which the preview shows too.
            const QList<WordEntry>& entries = doc.puzzle().WordEntries;
            QStringList absent;
            for (const QString& w : doc.words().CheckedWords())
                if (std::none_of(entries.cbegin(), entries.cend(), [&w](const WordEntry& e) { return e.gridText == w.toUpper(); }))
                    absent << w;
            ASSERT_TRUE(absent.size() >= 1 && absent.size() <= 7) << absent.size();
            const QString missing = absent.size() == 1 ? u("1 mot sur 8 n'y est pas placé") : u("%1 mots sur 8 n'y sont pas placés").arg(absent.size());
            const QString names = absent.mid(0, 5).join(u(", ")) + (absent.size() > 5 ? u("…") : QString());
            EXPECT_EQ(doc.GridWarningText(), u("La grille n'est pas terminée : ") + missing + u(" (") + names + u(")."));
            EXPECT_EQ(doc.PrintQuestion(), doc.GridWarningText() + u(" Cliquez sur « Créer la grille » pour la recommencer, ou "
                                                                         "retirez des mots.\r\nVoulez-vous imprimer quand même ?"));
            EXPECT_EQ(doc.PrintQuestion(3), QString()) << "versions make grids of their own";
            // Saved and opened again, the grid is still unfinished.
            EXPECT_EQ(SavedAndReopened(doc)->PrintQuestion(), doc.PrintQuestion());
        }
    }
}

// A generator that finished as the time ran out (at its last draws, or its other threads at the end of their
// search) made a whole grid: it is not saved as unfinished.
TEST(GridAdvice, AGridFinishedAsTheTimeRunsOutIsWhole)
{
    DocumentOf doc(Words("chat chien lapin cheval vache"));
    doc.Change(Setting::GameType, int(GameType::CodedWords));
    doc.Clock().SetLimitMs(0); // passed at the first draw of a code already taken
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_EQ(doc.GridWarningText(), QString());
    EXPECT_FALSE(DocumentText(doc.data()).contains(u("GrilleInachev"))) << "saved as finished";
}

// Letters that even the largest grid will most likely not hold: the size question says so before its Oui.
TEST(GridAdvice, TheSizeQuestionSaysWhenEvenTheLargestGridIsTooSmall)
{
    DocumentOf doc(MadeUpWords(50, 8), 12);
    ASSERT_FALSE(CheckedWordsNeed(doc).fits);
    QString question;
    doc.SetGenerationHooks({ {}, [&](const QString& q) { question = q; return false; } });
    doc.Clock().SetLimitMs(50);
    doc.Generate();
    EXPECT_EQ(question, u("La grille de 12×12 est trop petite pour ces 50 mots (400 lettres) !\nMême la plus grande grille ne "
                          "suffira sans doute pas : retirez des mots ou cochez d'autres sens.\nVoulez-vous essayer quand même "
                          "une grille de 18×18 ?"));
    // Too small for the longest word as well: the same doubt, with the counts.
    doc.Change(Setting::GridSize, 6);
    doc.Generate();
    EXPECT_EQ(question, u("La grille est trop petite pour le mot « %1 » !\nMême la plus grande grille ne suffira sans doute pas "
                          "pour ces 50 mots (400 lettres) : retirez des mots ou cochez d'autres sens.\nVoulez-vous ajuster "
                          "la taille automatiquement ?").arg(doc.words().Words().first()));
}

// The size a sheet made at once takes: one that holds the message exactly, else the first that holds it whole
// with cells left empty, never one that cuts it (the key printed letters the grid lacked).
TEST(GridAdvice, TheProposedSizeNeverCutsTheMessage)
{
    DocumentOf doc(Words("chat chien lapin cheval vache mouton"));
    const WordCells cells = CountWordCells(doc.GridForms(), WordsCanCross(doc.settings().puzzle.directions));
    int between = 0; // message lengths that no size takes exactly
    for (int letters = 1; letters <= 200; ++letters) {
        doc.Change(Setting::HiddenMessage, QString(letters, u'a'));
        const int side = ProposedGridSize(doc);
        const QList<int> exact = GridSidesForMessage(cells, letters);
        if (!exact.isEmpty()) {
            EXPECT_EQ(side, exact.first()) << letters;
            continue;
        }
        bool someSizeHoldsIt = false;
        for (int s = kMinGridSide; s <= kMaxGridSide; ++s)
            someSizeHoldsIt = someSizeHoldsIt || CellsLeftEmpty(cells, letters, s) > 0;
        if (!someSizeHoldsIt)
            continue; // too long for every size: the words' size, and the page says the letters too many
        ++between;
        EXPECT_GT(CellsLeftEmpty(cells, letters, side), 0) << letters << " letters, " << side << " cells a side";
    }
    EXPECT_GT(between, 0);
}

// A message typed before any grid lays its letters in the empty cells, which make no grid: printing still asks.
TEST(GridAdvice, AMessageWithoutWordsIsNoGrid)
{
    DocumentOf doc(Words("cheval mouton lapins canard renard"), 10);
    doc.Change(Setting::HiddenMessage, u("BRAVO"));
    ASSERT_TRUE(doc.puzzle().LetterGrid.any([](const QString& cell) { return !cell.isEmpty(); }));
    EXPECT_TRUE(doc.PrintQuestion().startsWith(u("La grille n'a pas encore été créée"))) << qPrintable(doc.PrintQuestion());
    ASSERT_TRUE(doc.Generate().succeeded());
    EXPECT_FALSE(doc.PrintQuestion().startsWith(u("La grille n'a pas encore été créée")));
}

// A size moved after the grid was made draws it cut, or with cells without letters: the preview says so, and
// printing asks first.
TEST(GridAdvice, AGridResizedSinceItWasMadeAsksBeforePrinting)
{
    const QString resized = u("La taille de la grille a changé depuis sa création : des mots dépassent du cadre ou des "
                              "cases sont vides. Cliquez sur « Créer la grille » pour la recommencer.");
    for (const int size : { 5, 12 }) {
        DocumentOf doc(Words("cheval mouton lapins canard renard"), 10);
        doc.Change(Setting::GridSize, size + 1);
        EXPECT_EQ(doc.GridWarningText(), QString()) << "no grid made yet";
        doc.Change(Setting::GridSize, 10);
        ASSERT_TRUE(doc.Generate().succeeded());
        EXPECT_EQ(std::pair(doc.PrintQuestion(), doc.GridWarningText()), std::pair(QString(), QString()));
        doc.Change(Setting::GridSize, size);
        EXPECT_EQ(doc.GridWarningText(), resized) << size;
        EXPECT_EQ(doc.PrintQuestion(), resized + u("\r\nVoulez-vous imprimer quand même ?")) << size;
        doc.Change(Setting::GridSize, 10);
        EXPECT_EQ(std::pair(doc.PrintQuestion(), doc.GridWarningText()), std::pair(QString(), QString())) << "back to its size";
    }
}

// The sentences; which words lie inside which: test_word_forms. A word read backwards inside another is found
// only by pupils told that words may be written backwards (directions 1, 3 and 5), or told nothing of the directions:
// a pupil then looks both ways.
TEST(GridAdvice, WordsReadInsideAnotherAreNamed)
{
    const struct { const char* words; GameType type; const char* directions; const char* warning; bool shown = true; } cases[] {
        { "noix|noix de coco|chat|lion|ours", GameType::WordSearch, "100000", "« noix » se lit aussi dans « noix de coco »." },
        { "roc|corbeau|chat|lion|ours", GameType::WordSearch, "110000", "« roc » se lit aussi dans « corbeau », à l'envers." },
        { "roc|corbeau|chat|lion|ours", GameType::WordSearch, "101001", "« roc » se lit aussi dans « corbeau », à l'envers." },
        { "roc|corbeau|chat|lion|ours", GameType::WordSearch, "101010", "" },
        { "âne|renard|noix|noix de coco|ours", GameType::WordSearch, "101000", "« noix » se lit aussi dans « noix de coco »." },
        { "cote|côte|côté|mur|mûr", GameType::WordSearch, "100000", // words of one grid form: four pairs
          "« cote » se lit aussi dans « côte ». « cote » se lit aussi dans « côté ». « côte » se lit aussi dans « côté ». (et 1 autre)" },
        { "noix|noix de coco|chat|lion|ours", GameType::FillIn, "100000", "" },
        { "roc|corbeau|chat|lion|ours", GameType::WordSearch, "100000", "« roc » se lit aussi dans « corbeau », à l'envers.", false },
    };
    for (const auto& c : cases) {
        DocumentOf doc(u(c.words).split(u'|'), 12);
        doc.Change(Setting::GameType, int(c.type));
        for (int k = 5; k >= 0; --k) // the first box last: one box always stays ticked
            doc.Change(Setting(int(Setting::Direction0) + k), c.directions[k] == '1');
        doc.Change(Setting::ShowDirections, c.shown);
        EXPECT_EQ(ContainedWordsWarning(doc), u(c.warning)) << c.words << " " << c.directions << (c.shown ? "" : ", not shown");
    }
}

// Six words of 31 letters leave at least 69 free cells in 10 x 10: a message of 20 letters leaves 49 of them
// empty, whatever the layout; one of 71 letters can fill them, and nothing is asked.
TEST(GridAdvice, AShortMessageIsCreatedOnlyWhenTheTeacherSaysSo)
{
    const struct { int letters; Answer answer; int empty; GenerationOutcome outcome; } cases[] = {
        { 20, Answer::No, 49, GenerationOutcome::Declined }, { 20, Answer::Yes, 49, GenerationOutcome::Generated },
        { 71, Answer::No, 0, GenerationOutcome::Generated },
    };
    for (const auto& c : cases) {
        DocumentOf doc(Words("chat chien lapin cheval vache mouton"), 10);
        doc.Change(Setting::RandomFill, false);
        doc.Change(Setting::HiddenMessage, QString(c.letters, QLatin1Char('A')));
        EXPECT_EQ(CellsLeftEmpty(doc), c.empty);
        ScriptedPrompter prompter;
        prompter.answers = { c.answer };
        EXPECT_EQ(GenerateAsking(doc, prompter).outcome, c.outcome) << c.letters;
        EXPECT_EQ(prompter.asked.size(), c.empty ? 1 : 0);
        EXPECT_EQ(prompter.asked.value(0).text, c.empty ? u("Le message est trop court : il restera au moins 49 cases vides. Créer quand même ?") : QString());
    }
}

// A class ticked without a theme proposes every word of the class: what the teacher has to do is tick a theme.
TEST(GridAdvice, AClassWithoutAThemeIsToldToTickOne)
{
    const int animals = ThemeIndexOfName(u("Animaux"));
    for (const GameType type : { GameType::WordSearch, GameType::FillIn }) {
        Document doc(kFonts);
        ScriptedPrompter prompter;
        ASSERT_EQ(ApplyShippedRecipe(doc, prompter, 1, animals, 0, 1), QString());
        doc.Change(Setting::GameType, int(type));
        EXPECT_FALSE(GridSizeHint(doc).text.contains(u("thème")));
        doc.CheckTheme(animals, false);
        const SizeNeed need = CheckedWordsNeed(doc);
        ASSERT_TRUE(need.words > 500 && need.words < 1000 && need.letters > 1000 && need.letters < 10000);
        // Written as French writes numbers: « 5 857 lettres ».
        const QString counts = QStringLiteral("%1 mots, %2\u202F%3 lettres : ").arg(need.words).arg(need.letters / 1000).arg(need.letters % 1000, 3, 10, QLatin1Char('0'));
        const bool search = type == GameType::WordSearch;
        EXPECT_EQ(GridSizeHint(doc).text, counts + (search ? u("trop pour la plus grande grille (18×18).") : u("trop pour le cadre."))
                                              + u(" Cochez un thème."));
        EXPECT_TRUE(AdviceAfterTimeOut(doc).text.endsWith(u(" : cochez un thème."))) << AdviceAfterTimeOut(doc).text.toStdString();
        EXPECT_EQ(ContainedWordsWarning(doc), QString()) << "hundreds of pairs among the words of a class";
        RecordingSurface page; // the notice under the preview
        EXPECT_EQ(DocumentRenderer(doc.data(), u("Arial"), u("pied")).Measure(page, 1.0).OverflowText,
                  u("La liste de mots dépasse de la page, même écrite en 7 points : cochez un thème."));
    }
}

// What "lexigrille-cli make --level L --theme T --count 12" does without a size, for every class and theme of
// the shipped database: the proposed size, a larger one after a time-out, and a grid in the end.
TEST(GridAdvice, TwelveWordsOfEveryClassAndThemeMakeAGrid)
{
    int enlarged = 0;
    for (int level = 0; level < kLevelCount; ++level) {
        for (int theme = 0; theme < kThemeCount; ++theme) {
            Document doc(kFonts);
            ScriptedPrompter yes;
            yes.answers = QList<Answer>(4, Answer::Yes);
            ASSERT_EQ(ApplyShippedRecipe(doc, yes, level, theme, 12, 7), QString());
            const int proposed = doc.settings().puzzle.gridSize;
            EXPECT_EQ(proposed, std::clamp(CheckedWordsNeed(doc).side, 5, 18));
            const GenerationResult r = GenerateAsking(doc, yes);
            EXPECT_TRUE(r.succeeded()) << level << " " << ThemeName(theme).toStdString() << ": " << r.message.toStdString();
            enlarged += doc.settings().puzzle.gridSize > proposed ? 1 : 0;
        }
    }
    EXPECT_LE(enlarged, kLevelCount * kThemeCount / 10) << "the proposed size is mostly enough";
}

} // namespace
} // namespace lx::test
