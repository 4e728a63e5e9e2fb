// The texts around the grid: the header line, the direction sentences and the
// instruction.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"

namespace lx::test {
namespace {

TEST(PageTexts, HeaderCaption)
{
    const std::array<bool, 5> none {}, all { true, true, true, true, true }, ce { false, true, true, false, false };
    const QStringList one { u("Animaux") }, two { u("Animaux"), u("Couleurs") };
    // A theme count below 1: the words come from an external list.
    const struct { std::array<bool, 5> levels; int naming, themeCount; QStringList themes; const char *themeText, *listPath; int words;
                   const char* expected; } cases[] = {
        { ce, 0, 2, two, "", "", 14, "CE1, CE2 – Thèmes : Animaux / Couleurs (14 mots)" },
        { ce, 1, 2, two, "", "", 14, "Niveaux 2, 3 – Thèmes : Animaux / Couleurs (14 mots)" },
        { none, 1, 2, two, "", "", 1, "Thèmes : Animaux / Couleurs (1 mot)" }, // no leading dash
        { all, 1, 1, one, "", "", 0, "Niveaux 1 à 5 – Thème : Animaux" },
        { { false, false, false, true, false }, 1, 1, one, "", "", 2, "Niveau 4 – Thème : Animaux (2 mots)" },
        // An external list drops the levels and shows the theme text, else the
        // list file's name without folder and extension.
        { ce, 0, 0, {}, "Fruits", "/home/maitresse/légumes.txt", 1, "Thème : Fruits (1 mot)" },
        { ce, 0, -1, {}, "", "/home/maitresse/légumes.v2.txt", 3, "Thème : légumes (3 mots)" },
    };
    for (const auto& c : cases) {
        DocumentSettings s;
        s.levels = c.levels;
        s.levelNaming = c.naming;
        s.selectedThemeCount = c.themeCount;
        s.themeText = u(c.themeText);
        EXPECT_EQ(HeaderCaption(s, c.themes, u(c.listPath), c.words), u(c.expected));
    }
}

TEST(PageTexts, DirectionSentence)
{
    // Vertical (2, 3), diagonal (4, 5) and reversed (1, 3, 5) boxes choose the sentence.
    const std::pair<std::array<bool, 6>, const char*> cases[] = {
        { { 1, 0, 0, 0, 0, 0 }, "sont écrits horizontalement." },
        { { 1, 1, 0, 0, 0, 0 }, "sont écrits horizontalement, mais certains peuvent être écrits à l'envers." },
        { { 1, 0, 1, 0, 0, 0 }, "peuvent être écrits horizontalement ou verticalement." },
        { { 1, 0, 0, 1, 0, 0 }, "peuvent être écrits horizontalement ou verticalement, à l'endroit ou à l'envers." },
        { { 1, 0, 0, 0, 1, 0 }, "peuvent être écrits horizontalement ou en diagonale." },
        { { 1, 1, 0, 0, 1, 0 }, "peuvent être écrits horizontalement ou en diagonale, à l'endroit ou à l'envers." },
        { { 1, 0, 1, 0, 1, 0 }, "peuvent être écrits horizontalement, verticalement ou en diagonale." },
        { { 1, 0, 1, 0, 0, 1 }, "peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers." },
        { { 1, 1, 1, 1, 1, 1 }, "peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers." },
    };
    for (const auto& [boxes, sentence] : cases)
        EXPECT_EQ(DirectionSentence(DirectionKey(boxes)), u(" : ils ") + u(sentence)) << DirectionKey(boxes).toStdString();
    EXPECT_EQ(DirectionKey({ 1, 0, 1, 0, 1, 1 }), u("0245"));
}

TEST(PageTexts, Instruction)
{
    const char* const fillIn = "Écris chaque mot à sa place dans la grille. Une case ne peut contenir qu'une seule lettre.";
    const struct { GameType type; const char* own; bool randomFill, shuffle; const char* expected; } cases[] = {
        { GameType::WordSearch, "", true, false, "Retrouve les mots de la liste : ils sont écrits horizontalement." },
        { GameType::WordSearch, " ", false, true, "Retrouve les mots de la liste : ils sont écrits horizontalement. Les "
                                                  "lettres restantes, une fois dans l'ordre, forment un message secret." },
        { GameType::WordSearch, "Trouve-les", false, false,
          "Trouve-les : ils sont écrits horizontalement. Les lettres restantes forment un message secret." },
        // The direction sentence carries the teacher's sentence on: its closing
        // full stops and blanks go (not "Cherche les mots.  : ils..."), other marks stay.
        { GameType::WordSearch, " Cherche les mots. . ", true, false, "Cherche les mots : ils sont écrits horizontalement." },
        { GameType::WordSearch, "Où sont-ils ?", true, false, "Où sont-ils ? : ils sont écrits horizontalement." },
        { GameType::WordSearch, "...", true, false, "Retrouve les mots de la liste : ils sont écrits horizontalement." },
        // Fill-in and coded words have no suffix: the teacher's text stands as typed.
        { GameType::FillIn, " Écris les mots. ", true, false, "Écris les mots." },
        { GameType::FillIn, "", true, false, fillIn },
        { GameType::CodedWords, "", false, false,
          "Associe chaque lettre à son code pour écrire les mots. Une lettre a toujours la même valeur." },
    };
    for (const auto& c : cases) {
        DocumentSettings s;
        s.puzzle.gameType = c.type;
        s.puzzle.directions = { true, false, false, false, false, false };
        s.puzzle.randomFill = c.randomFill;
        s.puzzle.shuffleMessage = c.shuffle;
        s.instruction = u(c.own);
        EXPECT_EQ(InstructionText(s), u(c.expected));
    }
}

} // namespace
} // namespace lx::test
