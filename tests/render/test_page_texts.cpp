// The texts around the grid: the header line, the direction sentences and the
// instruction.
#include "RenderTestSupport.h"

#include "render/PageTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace lx::test {
namespace {

struct HeaderCase {
    std::array<bool, 5> levels;
    int naming;
    int themeCount;
    QStringList themes;
    int words;
    const char* expected;
};

TEST(HeaderCaption, LevelsThemesAndWordCount)
{
    const QStringList two { u("Animaux"), u("Couleurs") };
    const HeaderCase cases[] = {
        { { false, true, true, false, false }, 0, 2, two, 14, "CE1, CE2 – Thèmes : Animaux / Couleurs (14 mots)" },
        { { false, true, true, false, false }, 1, 2, two, 14, "Niveaux 2, 3 – Thèmes : Animaux / Couleurs (14 mots)" },
        // No level: the caption starts with the themes, without a dash.
        { { false, false, false, false, false }, 0, 1, { u("Animaux") }, 5, "Thème : Animaux (5 mots)" },
        { { false, false, false, false, false }, 1, 2, two, 1, "Thèmes : Animaux / Couleurs (1 mot)" },
        { { true, true, true, true, true }, 1, 1, { u("Animaux") }, 0, "Niveaux 1 à 5 – Thème : Animaux" },
        { { true, true, true, true, true }, 0, 1, { u("Animaux") }, 0, "CP, CE1, CE2, CM1, CM2 – Thème : Animaux" },
        // One level with "Niveaux" is singular: CM1 is level 4.
        { { false, false, false, true, false }, 1, 1, { u("Animaux") }, 2, "Niveau 4 – Thème : Animaux (2 mots)" },
    };
    for (const HeaderCase& c : cases) {
        DocumentSettings s;
        s.levels = c.levels;
        s.levelNaming = c.naming;
        s.selectedThemeCount = c.themeCount;
        EXPECT_EQ(HeaderCaption(s, c.themes, QString(), c.words), u(c.expected));
        EXPECT_EQ(s.selectedThemeCount, c.themeCount);
    }
}

TEST(HeaderCaption, ExternalListShowsItsNameAndMarksTheCount)
{
    DocumentSettings s;
    s.levels = { false, true, true, false, false }; // dropped for an external list
    s.selectedThemeCount = 0;
    s.themeText = u("Fruits");
    EXPECT_EQ(HeaderCaption(s, {}, u("/home/maitresse/légumes.txt"), 1), u("Thème : Fruits (1 mot)"));
    EXPECT_EQ(s.selectedThemeCount, -1);

    // Without a theme text, the list file's name without folder and extension.
    s.themeText.clear();
    EXPECT_EQ(HeaderCaption(s, {}, u("/home/maitresse/légumes.v2.txt"), 3), u("Thème : légumes (3 mots)"));
    EXPECT_EQ(HeaderCaption(s, {}, u("C:\\Listes\\Fruits.txt"), 0), u("Thème : Fruits"));
    EXPECT_EQ(s.selectedThemeCount, -1);
}

TEST(Suffixes, EnsureAndRemove)
{
    EXPECT_EQ(EnsureSuffix(u("a, "), u(", ")), u("a, "));
    EXPECT_EQ(EnsureSuffix(u("a"), u(", ")), u("a, "));
    EXPECT_EQ(RemoveSuffix(u("a / b / "), u(" / ")), u("a / b"));
    EXPECT_EQ(RemoveSuffix(u("a / b"), u(" / ")), u("a / b"));
    EXPECT_EQ(RemoveSuffix(u(""), u(", ")), u(""));
}

TEST(Directions, KeyFollowsTheCheckedBoxes)
{
    EXPECT_EQ(DirectionKey({ true, false, false, false, false, false }), u("0"));
    EXPECT_EQ(DirectionKey({ true, false, true, false, true, false }), u("024"));
    EXPECT_EQ(DirectionKey({ true, true, true, true, true, true }), u("012345"));
}

TEST(Directions, SentenceOfEveryKey)
{
    const std::map<QString, const char*> sentences {
        { u("0"), " : ils sont écrits horizontalement." },
        { u("01"), " : ils sont écrits horizontalement, mais certains peuvent être écrits à l'envers." },
        { u("02"), " : ils peuvent être écrits horizontalement ou verticalement." },
        { u("03"), " : ils peuvent être écrits horizontalement ou verticalement, à l'endroit ou à l'envers." },
        { u("04"), " : ils peuvent être écrits horizontalement ou en diagonale." },
        { u("05"), " : ils peuvent être écrits horizontalement ou en diagonale, à l'endroit ou à l'envers." },
        { u("024"), " : ils peuvent être écrits horizontalement, verticalement ou en diagonale." },
        { u("0124"), " : ils peuvent être écrits dans n'importe quel sens, à l'endroit ou à l'envers." },
    };
    // Every key, with the sentence the table gives it.
    const std::map<QString, QString> keyToGroup {
        { u("0"), u("0") }, { u("01"), u("01") }, { u("02"), u("02") },
        { u("03"), u("03") }, { u("012"), u("03") }, { u("013"), u("03") }, { u("0123"), u("03") }, { u("023"), u("03") },
        { u("04"), u("04") },
        { u("05"), u("05") }, { u("014"), u("05") }, { u("015"), u("05") }, { u("0145"), u("05") }, { u("045"), u("05") },
        { u("024"), u("024") },
        { u("0124"), u("0124") }, { u("0125"), u("0124") }, { u("01234"), u("0124") }, { u("01235"), u("0124") },
        { u("01245"), u("0124") }, { u("012345"), u("0124") }, { u("0134"), u("0124") }, { u("0135"), u("0124") },
        { u("01345"), u("0124") }, { u("0234"), u("0124") }, { u("0235"), u("0124") }, { u("0245"), u("0124") },
        { u("02345"), u("0124") }, { u("025"), u("0124") }, { u("034"), u("0124") }, { u("0345"), u("0124") },
        { u("035"), u("0124") },
    };
    ASSERT_EQ(keyToGroup.size(), 32u); // box 0 and any of the 32 choices of boxes 1 to 5
    for (int mask = 0; mask < 32; ++mask) {
        std::array<bool, 6> boxes { true, false, false, false, false, false };
        for (int b = 1; b <= 5; ++b)
            boxes[b] = (mask >> (b - 1)) & 1;
        const QString key = DirectionKey(boxes);
        ASSERT_TRUE(keyToGroup.count(key)) << key.toStdString();
        EXPECT_EQ(DirectionSentence(key), u(sentences.at(keyToGroup.at(key)))) << key.toStdString();
    }
}

DocumentSettings WordSearchSettings()
{
    DocumentSettings s;
    s.puzzle.gameType = GameType::WordSearch;
    s.puzzle.directions = { true, false, false, false, false, false };
    s.puzzle.randomFill = true;
    return s;
}

TEST(Instruction, DefaultsAndSuffixes)
{
    DocumentSettings s = WordSearchSettings();
    EXPECT_EQ(InstructionText(s), u("Retrouve les mots de la liste : ils sont écrits horizontalement."));

    s.puzzle.randomFill = false;
    s.puzzle.shuffleMessage = true;
    EXPECT_EQ(InstructionText(s), u("Retrouve les mots de la liste : ils sont écrits horizontalement. Les lettres "
                                    "restantes, une fois dans l'ordre, forment un message secret."));
    s.puzzle.shuffleMessage = false;
    EXPECT_EQ(InstructionSuffix(s), u(" : ils sont écrits horizontalement. Les lettres restantes forment un message secret."));

    // The teacher's own text, trimmed, then one space before the suffix.
    s.puzzle.randomFill = true;
    s.instruction = u("  Trouve les animaux ");
    EXPECT_EQ(InstructionText(s), u("Trouve les animaux  : ils sont écrits horizontalement."));

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
