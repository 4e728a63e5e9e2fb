// The theme database: loading the five level files, and the word list that
// the level boxes and the theme list build from them.
#include "document/Document.h"
#include "core/Text1252.h"
#include "words/ThemeDatabase.h"
#include "words/WordListParser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Tahoma") };

constexpr int kAnimaux = 3;      // "A"
constexpr int kAlimentation = 2; // "a"
constexpr int kCouleurs = 6;     // "o"
constexpr int kMeteo = 15;       // "m"

void WriteBytes(const QString& folder, const QString& fileName, const QByteArray& bytes)
{
    QFile file(QDir(folder).filePath(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
    file.write(bytes);
}

// A level file as the program ships it: Windows-1252, CR LF.
void WriteLevel(const QString& folder, const QString& fileName, const QStringList& lines)
{
    WriteBytes(folder, fileName, EncodeWindows1252(lines.join(u("\r\n")) + u("\r\n")));
}

const std::array<QStringList, kLevelCount> kSample = {
    QStringList {
        u("/ CP : première année"), // a comment long enough to pass for an entry
        u("A-  chat"),
        u("aA  lait"),          // Alimentation first, Animaux second
        u("o-  rouge"),
        u(""),
        u("Ao  flamant rose"),  // Animaux and Couleurs
        u("A-  hippopotame"),   // 11 letters
        u("a-  pomme/poire"),   // a "/" further on is no comment
    },
    QStringList {
        u("A-  Chat"),          // CP's chat in another case
        u("A-  loup"),
        u("F-  cerise"),
    },
    QStringList { u("m-  pluie") },
    QStringList {},
    QStringList { u("a-  chocolat") },
};

// A program folder holding kSample, and the document over it as the window
// sets it up.
class Worksheet : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ThemeDatabase db;
    LevelLoadReport report;
    Document doc { kFonts };
    int redraws = 0;

    void SetUp() override
    {
        for (int l = 0; l < kLevelCount; ++l)
            WriteLevel(dir.path(), LevelFileName(l), kSample[l]);
        report = db.Load(dir.path());
        doc.themeDatabase = &db;
        QObject::connect(&doc, &Document::redrawRequested, [this] { ++redraws; });
    }
    QStringList Words() const { return doc.data.words.Words(); }
    QStringList Checked() const { return doc.data.words.CheckedWords(); }
    int Count(int theme) const { return doc.data.themes.wordCounts[theme]; }
};

using ThemeDatabaseLoad = Worksheet;
using RebuildWordList = Worksheet;
using LevelAndThemeClicks = Worksheet;

TEST_F(ThemeDatabaseLoad, ReadsTheLevelsAndNamesTheMissingFiles)
{
    EXPECT_TRUE(report.message.isEmpty());
    EXPECT_EQ(db.levelLines[0], (QStringList { u("A-  chat"), u("aA  lait"), u("o-  rouge"), u("Ao  flamant rose"),
                                               u("A-  hippopotame"), u("a-  pomme/poire") }))
        << "the comment and the empty line are skipped, a later \"/\" is kept";
    EXPECT_TRUE(db.levelLines[3].isEmpty()) << "a file without entries gives an empty level";
    const QStringList cp = db.levelLines[0];

    QDir folder(dir.path());
    ASSERT_TRUE(folder.remove(LevelFileName(1)));
    ASSERT_TRUE(folder.rename(LevelFileName(0), u("db 01-07 (cp).TXT")));
    report = db.Load(dir.path());
    EXPECT_EQ(report.missingFiles, QStringList { u("DB 08-11 (CE1).txt") });
    EXPECT_EQ(report.message,
              u("Les fichiers suivants sont absents du dossier ") + QDir::toNativeSeparators(dir.path()) + QDir::separator()
                  + u(" : \n\n- DB 08-11 (CE1).txt\n\n"
                      "Cliquez sur OK pour télécharger l'archive d'origine à cette adresse : https://lexigrille.fr"));
    EXPECT_TRUE(db.levelLines[1].isEmpty()) << "the level loaded before is emptied";
    EXPECT_EQ(db.levelLines[0], cp) << "the other levels work, whatever the case of their name";

    QTemporaryDir empty;
    report = db.Load(empty.path() + u("/"));
    EXPECT_EQ(report.missingFiles, (QStringList { u("DB 01-07 (CP).txt"), u("DB 08-11 (CE1).txt"), u("DB 12-15 (CE2).txt"),
                                                  u("DB 16-19 (CM1).txt"), u("DB 20-23 (CM2).txt") }));
    EXPECT_TRUE(report.message.contains(QDir::toNativeSeparators(empty.path()) + QDir::separator() + u(" : ")))
        << "one separator at the end of the folder, not two";
    EXPECT_TRUE(db.levelLines[0].isEmpty());

    Document withoutDatabase(kFonts);
    withoutDatabase.ClickLevel(2, true);
    EXPECT_EQ(withoutDatabase.data.words.Count(), 0) << "a document without a database lists no word";
}

TEST_F(ThemeDatabaseLoad, DamagedFilesLoadWhatTheyCan)
{
    QByteArray broken;
    broken += "A-  chat\r\n";
    broken += "A-\r\n";                          // shorter than five characters: no word
    broken += "A-  \r\n";                        // four characters
    broken += "A-     \r\n";                     // a word of spaces
    broken += QByteArray("A-  ch\0at\r\n", 11);  // a NUL in the word
    broken += QByteArray("A-  ") + QByteArray(200, 'x') + "\r\n"; // longer than any grid
    broken += "A-  \xE9l\xE8ve\r\n";             // Windows-1252 accents
    broken += "A-  loup\n";                      // a lone LF ends a line too
    broken += "A-  ours";                        // no final line end
    WriteBytes(dir.path(), LevelFileName(0), broken);

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 97 + 13) % 256);
    WriteBytes(dir.path(), LevelFileName(1), binary + "\r\nA-  castor\r\n");

    QStringList rows;
    for (int i = 0; i < kLevelRows + 10; ++i)
        rows << u("A-  mot") + QString::number(i);
    WriteLevel(dir.path(), LevelFileName(3), rows);

    report = db.Load(dir.path());
    EXPECT_EQ(db.levelLines[0], (QStringList { u("A-  chat"), u("A-  élève"), u("A-  loup"), u("A-  ours") }));
    EXPECT_EQ(report.brokenLines[0], 5);

    ASSERT_FALSE(db.levelLines[1].isEmpty());
    EXPECT_EQ(db.levelLines[1].last(), u("A-  castor"));
    for (const QString& entry : db.levelLines[1]) {
        for (QChar c : LevelEntryWord(entry))
            EXPECT_TRUE(IsWordCharacter(c)) << "no control character reaches the word list";
    }

    ASSERT_EQ(db.levelLines[3].size(), kLevelRows) << "rows beyond the table are left out";
    EXPECT_EQ(db.levelLines[3].last(), u("A-  mot5000"));
    EXPECT_EQ(report.droppedEntries[3], 10);
}

// ---------------------------------------------------------------------------
// Rebuilding the word list

TEST_F(RebuildWordList, WordsOverMaxLettersAreListedUncheckedAndNotCounted)
{
    doc.SetMaxLetters(10);
    redraws = 0;
    doc.ClickLevel(0, true);
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("pomme/poire"), u("rouge") }));
    EXPECT_EQ(Checked(), (QStringList { u("chat"), u("lait"), u("pomme/poire"), u("rouge") }))
        << "words over the max-letters limit are listed unchecked (flamant rose has 11 letters)";
    EXPECT_EQ(doc.WordCounts().text, u("4/6"));
    EXPECT_EQ(doc.data.puzzle.SelectedWords.size(), 4) << "the generator's word lists follow";
    for (int t = 0; t < kThemeCount; ++t)
        EXPECT_EQ(Count(t), -1) << "no theme is counted without a theme checked";
    EXPECT_EQ(redraws, 1);

    doc.SetMaxLetters(5);
    doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(Words(), (QStringList { u("flamant rose"), u("rouge") }));
    EXPECT_EQ(Checked(), QStringList { u("rouge") });
    EXPECT_EQ(Count(kCouleurs), 0) << "one word counted gives 0; flamant rose is over the limit";
}

TEST_F(RebuildWordList, ThemesFilterByEitherCodeAndCountEachTheme)
{
    doc.ClickLevel(0, true);
    doc.CheckTheme(kAlimentation, true);
    EXPECT_EQ(Words(), (QStringList { u("lait"), u("pomme/poire") })) << "codes are case-sensitive: chat (A) is no food";
    EXPECT_EQ(Count(kAlimentation), 1);
    EXPECT_EQ(Count(kAnimaux), -1);
    EXPECT_FALSE(LevelEntryHasTheme(u("--A lait"), u'A')) << "positions 3 and 4 are not read";
    doc.CheckTheme(kAlimentation, false);

    doc.CheckTheme(kAnimaux, true);
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait") }))
        << "lait carries Animaux as its second code";

    doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("rouge") }))
        << "flamant rose (Animaux and Couleurs) is listed once";
    EXPECT_EQ(Count(kAnimaux), 3);
    EXPECT_EQ(Count(kCouleurs), 1) << "flamant rose counts for both themes";
    EXPECT_EQ(Count(kAlimentation), -1) << "an unchecked theme is not counted";
    EXPECT_EQ(doc.ThemeLabel(), u("2 thèmes"));
}

TEST_F(RebuildWordList, WordOfTwoLevelsIsListedOnceAndAThemeWithoutWordsCountsMinusOne)
{
    doc.ClickLevel(0, true);
    doc.ClickLevel(1, true);
    EXPECT_EQ(Words().size(), 8) << "CE1's Chat is CP's chat";
    EXPECT_TRUE(Words().contains(u("chat"))) << "the first level's spelling stays";
    EXPECT_FALSE(Words().contains(u("Chat")));

    doc.CheckTheme(kAnimaux, true);
    doc.CheckTheme(kMeteo, true); // pluie is in CE2 only
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("loup") }));
    EXPECT_EQ(Count(kAnimaux), 5) << "six Animaux entries (chat in both levels) give index 5";
    EXPECT_EQ(Count(kMeteo), -1);
    ASSERT_EQ(Checked().size(), 5);
    const GenerationResult r = doc.Generate();
    EXPECT_EQ(r.outcome, GenerationOutcome::ThemeWithoutWords);
    EXPECT_EQ(r.message, u("Il n'y a aucun mot pour le thème « Météo » !"));
}

// ---------------------------------------------------------------------------
// The handlers and the modified mark

TEST_F(LevelAndThemeClicks, ModifiedMarkComparesWithTheSavedLevelsAndThemes)
{
    doc.ClickLevel(0, true);
    EXPECT_TRUE(doc.life.WindowTitle().endsWith(u("*")));
    doc.TakeSnapshot();
    ASSERT_FALSE(doc.life.modified);
    doc.ClickLevel(0, true);
    EXPECT_FALSE(doc.life.modified) << "checking a saved level again reports no difference";

    doc.CheckTheme(kMeteo, true);
    EXPECT_TRUE(doc.life.modified);
    EXPECT_EQ(doc.ThemeLabel(), u("1 thème"));
    doc.life.SetModified(false, true);
    doc.CheckTheme(kMeteo, false);
    EXPECT_FALSE(doc.life.modified) << "unchecking the last theme gives back the saved theme string";
    EXPECT_EQ(doc.ThemeLabel(), u("Aucun thème"));
    EXPECT_EQ(Words().size(), 6);
}

TEST_F(LevelAndThemeClicks, AnExternalListDisablesTheThemesUntilALevelClick)
{
    doc.ClickLevel(4, true);
    EXPECT_EQ(Words(), QStringList { u("chocolat") }) << "the last level is read too";
    QList<Setting> changed;
    QObject::connect(&doc.model, &SettingsModel::settingChanged, [&](Setting s) { changed << s; });
    ASSERT_TRUE(doc.ParseWordListText(u("girafe\r\nzèbre\r\nokapi\r\n")).imported);
    for (Setting level : { Setting::Level0, Setting::Level1, Setting::Level2, Setting::Level3, Setting::Level4 })
        EXPECT_TRUE(changed.contains(level)) << "the level boxes are told";
    doc.CheckTheme(kAnimaux, true);
    EXPECT_FALSE(doc.data.themes.selected[kAnimaux]) << "the theme list is disabled";
    EXPECT_EQ(Words(), (QStringList { u("girafe"), u("okapi"), u("zèbre") }));

    doc.ClickLevel(1, true);
    EXPECT_EQ(doc.settings().selectedThemeCount, 0);
    EXPECT_TRUE(doc.data.themes.enabled);
    EXPECT_EQ(doc.ThemeLabel(), u("Aucun thème"));
    EXPECT_EQ(Words(), (QStringList { u("cerise"), u("Chat"), u("loup") }));
    doc.CheckTheme(-1, true);
    doc.CheckTheme(kThemeCount, true);
    EXPECT_EQ(doc.data.themes.SelectedCount(), 0);
}

} // namespace
} // namespace lx
