// The texts around the grid: the header line, the direction sentences and the
// instruction.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace lx::test {
namespace {

TEST(HeaderCaption, LevelsThemesOrListAndWordCount)
{
    const std::array<bool, 5> none {}, all { true, true, true, true, true }, ce { false, true, true, false, false };
    const QStringList one { u("Animaux") }, two { u("Animaux"), u("Couleurs") };
    const struct {
        std::array<bool, 5> levels;
        int naming;
        int themeCount; // after the call too, but 0 becomes -1: the words come from an external list
        QStringList themes;
        const char* themeText;
        const char* listPath;
        int words;
        const char* expected;
    } cases[] = {
        { ce, 0, 2, two, "", "", 14, "CE1, CE2 – Thèmes : Animaux / Couleurs (14 mots)" },
        { ce, 1, 2, two, "", "", 14, "Niveaux 2, 3 – Thèmes : Animaux / Couleurs (14 mots)" },
        // No level: the caption starts with the themes, without a dash.
        { none, 0, 1, one, "", "", 5, "Thème : Animaux (5 mots)" },
        { none, 1, 2, two, "", "", 1, "Thèmes : Animaux / Couleurs (1 mot)" },
        { all, 1, 1, one, "", "", 0, "Niveaux 1 à 5 – Thème : Animaux" },
        { all, 0, 1, one, "", "", 0, "CP, CE1, CE2, CM1, CM2 – Thème : Animaux" },
        // One level with "Niveaux" is singular: CM1 is level 4.
        { { false, false, false, true, false }, 1, 1, one, "", "", 2, "Niveau 4 – Thème : Animaux (2 mots)" },
        // An external list drops the levels and shows the theme text, else the
        // list file's name without folder and extension.
        { ce, 0, 0, {}, "Fruits", "/home/maitresse/légumes.txt", 1, "Thème : Fruits (1 mot)" },
        { ce, 0, 0, {}, "", "/home/maitresse/légumes.v2.txt", 3, "Thème : légumes (3 mots)" },
        { ce, 0, 0, {}, "", "C:\\Listes\\Fruits.txt", 0, "Thème : Fruits" },
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

TEST(Directions, SentenceOfEveryKey)
{
    // Each sentence with every key that gets it.
    const std::map<const char*, QStringList> keysOf {
        { " : ils sont écrits horizontalement.", { u("0") } },
        { " : ils sont écrits horizontalement, mais certains peuvent être écrits à l'envers.", { u("01") } },
        { " : ils peuvent être écrits horizontalement ou verticalement.", { u("02") } },
        { " : ils peuvent être écrits horizontalement ou verticalement, à l'endroit ou à l'envers.",
          { u("03"), u("012"), u("013"), u("0123"), u("023") } },
        { " : ils peuvent être écrits horizontalement ou en diagonale.", { u("04") } },
        { " : ils peuvent être écrits horizontalement ou en diagonale, à l'endroit ou à l'envers.",
          { u("05"), u("014"), u("015"), u("0145"), u("045") } },
        { " : ils peuvent être écrits horizontalement, verticalement ou en diagonale.", { u("024") } },
        { " : ils peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers.",
          { u("0124"), u("0125"), u("01234"), u("01235"), u("01245"), u("012345"), u("0134"), u("0135"), u("01345"),
            u("0234"), u("0235"), u("0245"), u("02345"), u("025"), u("034"), u("0345"), u("035") } },
    };
    std::map<QString, QString> expected;
    for (const auto& [sentence, keys] : keysOf) {
        for (const QString& key : keys)
            expected[key] = u(sentence);
    }
    ASSERT_EQ(expected.size(), 32u); // box 0 and any of the 32 choices of boxes 1 to 5
    for (int mask = 0; mask < 32; ++mask) {
        std::array<bool, 6> boxes { true, false, false, false, false, false };
        for (int b = 1; b <= 5; ++b)
            boxes[b] = (mask >> (b - 1)) & 1;
        const QString key = DirectionKey(boxes);
        ASSERT_TRUE(expected.count(key)) << key.toStdString();
        EXPECT_EQ(DirectionSentence(key), expected.at(key)) << key.toStdString();
    }
}

TEST(Instruction, DefaultsAndSuffixes)
{
    DocumentSettings s;
    s.puzzle.gameType = GameType::WordSearch;
    s.puzzle.directions = { true, false, false, false, false, false };
    s.puzzle.randomFill = true;
    EXPECT_EQ(InstructionText(s), u("Retrouve les mots de la liste : ils sont écrits horizontalement."));

    s.puzzle.randomFill = false;
    s.puzzle.shuffleMessage = true;
    EXPECT_EQ(InstructionText(s), u("Retrouve les mots de la liste : ils sont écrits horizontalement. Les lettres "
                                    "restantes, une fois dans l'ordre, forment un message secret."));
    s.puzzle.shuffleMessage = false;
    EXPECT_EQ(InstructionSuffix(s), u(" : ils sont écrits horizontalement. Les lettres restantes forment un message secret."));

    // The teacher's own text, trimmed; the direction sentence carries it on
    // without its closing full stops; other marks stay.
    s.puzzle.randomFill = true;
    s.instruction = u("  Trouve les animaux ");
    EXPECT_EQ(InstructionText(s), u("Trouve les animaux : ils sont écrits horizontalement."));
    s.instruction = u("Cherche les mots. . ");
    EXPECT_EQ(InstructionText(s), u("Cherche les mots : ils sont écrits horizontalement."));
    s.instruction = u("Où sont-ils ?");
    EXPECT_EQ(InstructionText(s), u("Où sont-ils ? : ils sont écrits horizontalement."));
    s.instruction = u("Trouve les animaux");

    // Fill-in and coded words have no suffix: the teacher's text stands alone.
    s.puzzle.gameType = GameType::FillIn;
    EXPECT_EQ(InstructionSuffix(s), QString());
    EXPECT_EQ(InstructionText(s), u("Trouve les animaux"));
    s.instruction = u("   ");
    EXPECT_EQ(InstructionText(s), u("Écris chaque mot à sa place dans la grille. Une case ne peut contenir qu'une seule lettre."));
    s.puzzle.gameType = GameType::CodedWords;
    s.puzzle.randomFill = false; // the hidden message belongs to the word search only
    EXPECT_EQ(InstructionText(s), u("Associe chaque lettre à son code pour écrire les mots. Une lettre a toujours la même valeur."));
}

} // namespace
} // namespace lx::test
