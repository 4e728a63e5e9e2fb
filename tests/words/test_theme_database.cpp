// The theme database: loading the five level files, and the word list that
// the level boxes and the theme list build from them.
#include "document/Document.h"
#include "document/Text1252.h"
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

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// A level file as the program ships it: Windows-1252, CR LF.
void WriteLevel(const QString& folder, const QString& fileName, const QStringList& lines)
{
    WriteBytes(QDir(folder).filePath(fileName), EncodeWindows1252(lines.join(u("\r\n")) + u("\r\n")));
}

// A program folder with the five level files.
struct LevelFolder {
    QTemporaryDir dir;
    ThemeDatabase db;
    LevelLoadReport report;

    explicit LevelFolder(const std::array<QStringList, kLevelCount>& levels)
    {
        for (int l = 0; l < kLevelCount; ++l)
            WriteLevel(dir.path(), LevelFileName(l), levels[l]);
        report = db.Load(dir.path());
    }
};

// The document over a database, as the window sets it up.
struct Worksheet {
    Document doc { kFonts };
    int redraws = 0;

    explicit Worksheet(const ThemeDatabase& db)
    {
        doc.themeDatabase = &db;
        doc.redraw = [this] { ++redraws; };
    }
    QStringList Words() const { return doc.data.words.Words(); }
    QStringList Checked() const { return doc.data.words.CheckedWords(); }
    int Count(int theme) const { return doc.data.themes.wordCounts[theme]; }
};

const std::array<QStringList, kLevelCount> kSample = {
    QStringList {
        u("/ CP : les mots de la première année"),
        u("A-  chat"),
        u("aA  lait"),          // Alimentation first, Animaux second
        u("o-  rouge"),
        u(""),
        u("Ao  flamant rose"),  // Animaux and Couleurs
        u("A-  hippopotame"),   // 11 letters
        u("a-  pomme/poire"),   // a "/" further on is no comment
    },
    QStringList {
        u("A-  chat"),          // also in CP
        u("A-  loup"),
        u("F-  cerise"),
    },
    QStringList { u("m-  pluie") },
    QStringList {},
    QStringList { u("a-  chocolat") },
};

TEST(ThemeDatabaseLoad, ReadsEntriesInFileOrder)
{
    LevelFolder f(kSample);
    EXPECT_TRUE(f.report.missingFiles.isEmpty());
    EXPECT_TRUE(f.report.message.isEmpty());
    EXPECT_EQ(f.db.levelLines[0], (QStringList { u("A-  chat"), u("aA  lait"), u("o-  rouge"), u("Ao  flamant rose"),
                                                 u("A-  hippopotame"), u("a-  pomme/poire") }))
        << "the comment and the empty line are skipped, a later \"/\" is kept";
    EXPECT_EQ(f.db.levelLines[2], (QStringList { u("m-  pluie") }));
    EXPECT_TRUE(f.db.levelLines[3].isEmpty()) << "a file without entries gives an empty level";
    EXPECT_EQ(LevelEntryWord(f.db.levelLines[0][3]), u("flamant rose"));
}

TEST(ThemeDatabaseLoad, MissingFileMessageNamesTheFolderAndTheFile)
{
    QTemporaryDir dir;
    for (int l : { 0, 2, 3, 4 })
        WriteLevel(dir.path(), LevelFileName(l), { u("A-  chat") });
    ThemeDatabase db;
    const LevelLoadReport report = db.Load(dir.path());
    EXPECT_EQ(report.missingFiles, QStringList { u("DB 08-11 (CE1).txt") });
    EXPECT_EQ(report.message,
              u("Les fichiers suivants sont absents du dossier ") + QDir::toNativeSeparators(dir.path()) + QDir::separator()
                  + u(" : \n\n- DB 08-11 (CE1).txt\n\n"
                      "Cliquez sur OK pour télécharger l'archive d'origine à cette adresse : https://lexigrille.fr"));
    EXPECT_TRUE(db.levelLines[1].isEmpty());
    EXPECT_EQ(db.levelLines[0], QStringList { u("A-  chat") }) << "the other levels work";
    EXPECT_EQ(db.levelLines[4], QStringList { u("A-  chat") });
}

TEST(ThemeDatabaseLoad, EveryMissingFileIsListedInLevelOrder)
{
    QTemporaryDir dir;
    ThemeDatabase db;
    db.levelLines[2] = QStringList { u("A-  vieux") };
    const LevelLoadReport report = db.Load(dir.path() + u("/"));
    EXPECT_EQ(report.missingFiles, (QStringList { u("DB 01-07 (CP).txt"), u("DB 08-11 (CE1).txt"), u("DB 12-15 (CE2).txt"),
                                                  u("DB 16-19 (CM1).txt"), u("DB 20-23 (CM2).txt") }));
    EXPECT_TRUE(report.message.contains(u("\n\n- DB 01-07 (CP).txt\n- DB 08-11 (CE1).txt\n- DB 12-15 (CE2).txt\n"
                                          "- DB 16-19 (CM1).txt\n- DB 20-23 (CM2).txt\n\nCliquez")));
    EXPECT_TRUE(report.message.contains(QDir::toNativeSeparators(dir.path()) + QDir::separator() + u(" : ")))
        << "one separator at the end of the folder, not two";
    EXPECT_FALSE(report.message.contains(u("// : ")));
    for (const QStringList& level : db.levelLines)
        EXPECT_TRUE(level.isEmpty());
}

TEST(ThemeDatabaseLoad, FileNamesMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    WriteLevel(dir.path(), u("db 01-07 (cp).TXT"), { u("A-  chat") });
    WriteLevel(dir.path(), u("DB 08-11 (ce1).txt"), { u("A-  loup") });
    for (int l : { 2, 3, 4 })
        WriteLevel(dir.path(), LevelFileName(l), {});
    ThemeDatabase db;
    const LevelLoadReport report = db.Load(dir.path());
    EXPECT_TRUE(report.missingFiles.isEmpty()) << report.message.toStdString();
    EXPECT_EQ(db.levelLines[0], QStringList { u("A-  chat") });
    EXPECT_EQ(db.levelLines[1], QStringList { u("A-  loup") });
}

TEST(ThemeDatabaseLoad, BrokenLinesAreSkippedAndTheRestLoads)
{
    QTemporaryDir dir;
    QByteArray bytes;
    bytes += "A-  chat\r\n";
    bytes += "A-\r\n";                          // shorter than five characters: no word
    bytes += "A-  \r\n";                        // four characters
    bytes += "A-     \r\n";                     // a word of spaces
    bytes += QByteArray("A-  ch\0at\r\n", 11);  // a NUL in the word
    bytes += QByteArray("A-  ") + QByteArray(200, 'x') + "\r\n"; // longer than any grid
    bytes += "A-  \xE9l\xE8ve\r\n";             // Windows-1252 accents
    bytes += "A-  loup\n";                      // a lone LF ends a line too
    bytes += "A-  ours";                        // no final line end
    WriteBytes(QDir(dir.path()).filePath(LevelFileName(0)), bytes);
    ThemeDatabase db;
    const LevelLoadReport report = db.Load(dir.path());
    EXPECT_EQ(db.levelLines[0], (QStringList { u("A-  chat"), u("A-  élève"), u("A-  loup"), u("A-  ours") }));
    EXPECT_EQ(report.brokenLines[0], 5);
}

TEST(ThemeDatabaseLoad, BinaryLevelFileGivesWhatItCan)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 97 + 13) % 256);
    bytes += "\r\nA-  castor\r\n";
    WriteBytes(QDir(dir.path()).filePath(LevelFileName(0)), bytes);
    ThemeDatabase db;
    db.Load(dir.path());
    ASSERT_FALSE(db.levelLines[0].isEmpty());
    EXPECT_EQ(db.levelLines[0].last(), u("A-  castor"));
    for (const QString& entry : db.levelLines[0]) {
        for (QChar c : LevelEntryWord(entry))
            EXPECT_TRUE(IsWordCharacter(c)) << "no control character reaches the word list";
    }
}

TEST(ThemeDatabaseLoad, RowsBeyondTheTableAreLeftOut)
{
    QStringList lines;
    for (int i = 0; i < kLevelRows + 10; ++i)
        lines << u("A-  mot") + QString::number(i);
    QTemporaryDir dir;
    WriteLevel(dir.path(), LevelFileName(3), lines);
    ThemeDatabase db;
    const LevelLoadReport report = db.Load(dir.path());
    ASSERT_EQ(db.levelLines[3].size(), kLevelRows);
    EXPECT_EQ(db.levelLines[3].last(), u("A-  mot5000"));
    EXPECT_EQ(report.droppedEntries[3], 10);
}

TEST(ThemeDatabase, LevelsAndCodes)
{
    EXPECT_EQ(LevelCaption(0), u("CP"));
    EXPECT_EQ(LevelCaption(4), u("CM2"));
    EXPECT_EQ(LevelFileName(2), u("DB 12-15 (CE2).txt"));
    EXPECT_EQ(LevelFileName(5), QString());
    EXPECT_TRUE(LevelEntryHasTheme(u("aA  lait"), u'A'));
    EXPECT_TRUE(LevelEntryHasTheme(u("aA  lait"), u'a'));
    EXPECT_FALSE(LevelEntryHasTheme(u("a-  lait"), u'A')) << "codes are case-sensitive";
    EXPECT_FALSE(LevelEntryHasTheme(u("--A lait"), u'A')) << "positions 3 and 4 are not read";
}

// ---------------------------------------------------------------------------
// Rebuilding the word list

TEST(RebuildWordList, NoLevelCheckedGivesAnEmptyList)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.CheckTheme(kAnimaux, true);
    EXPECT_TRUE(w.Words().isEmpty());
    EXPECT_EQ(w.doc.wordCountLabel.text, u("0/0"));
    EXPECT_EQ(w.Count(kAnimaux), -1);
}

TEST(RebuildWordList, OneLevelWithoutThemeListsEveryEntry)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.SetMaxLetters(10);
    w.redraws = 0;
    w.doc.ClickLevel(0, true);
    EXPECT_EQ(w.Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("pomme/poire"), u("rouge") }));
    EXPECT_EQ(w.Checked(), (QStringList { u("chat"), u("lait"), u("pomme/poire"), u("rouge") }))
        << "words over the max-letters limit are listed unchecked (flamant rose has 11 letters)";
    EXPECT_EQ(w.doc.wordCountLabel.text, u("4/6"));
    EXPECT_EQ(w.doc.data.puzzle.SelectedWords.size(), 4) << "the generator's word lists follow";
    for (int t = 0; t < kThemeCount; ++t)
        EXPECT_EQ(w.Count(t), -1) << "no theme is counted without a theme checked";
    EXPECT_EQ(w.redraws, 1);
}

TEST(RebuildWordList, ThemesFilterByEitherCodeAndCountEachTheme)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.CheckTheme(kAnimaux, true);
    EXPECT_EQ(w.Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait") }))
        << "lait carries Animaux as its second code";
    EXPECT_EQ(w.Count(kAnimaux), 3);

    w.doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(w.Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("rouge") }))
        << "flamant rose (Animaux and Couleurs) is listed once";
    EXPECT_EQ(w.Count(kAnimaux), 3);
    EXPECT_EQ(w.Count(kCouleurs), 1) << "flamant rose counts for both themes";
    EXPECT_EQ(w.Count(kAlimentation), -1) << "an unchecked theme is not counted";
    EXPECT_EQ(w.doc.themeLabel, u("2 thèmes"));
}

TEST(RebuildWordList, ThemeCodesAreCaseSensitive)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.CheckTheme(kAlimentation, true);
    EXPECT_EQ(w.Words(), (QStringList { u("lait"), u("pomme/poire") })) << "chat (A) is no food";
    EXPECT_EQ(w.Count(kAlimentation), 1);
    EXPECT_EQ(w.Count(kAnimaux), -1);
}

TEST(RebuildWordList, ThemeWithoutWordsCountsMinusOne)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.ClickLevel(1, true);
    w.doc.CheckTheme(kAnimaux, true);
    w.doc.CheckTheme(kMeteo, true); // pluie is in CE2 only
    EXPECT_EQ(w.Count(kMeteo), -1);
    EXPECT_EQ(w.Count(kAnimaux), 5);
    ASSERT_EQ(w.Checked().size(), 5);

    const GenerationResult r = w.doc.Generate();
    EXPECT_EQ(r.outcome, GenerationOutcome::ThemeWithoutWords);
    EXPECT_EQ(r.message, u("Il n'y a aucun mot pour le thème « Météo » !"));
}

TEST(RebuildWordList, WordsOverTheLimitAreNotCountedForTheirTheme)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.SetMaxLetters(5);
    w.doc.ClickLevel(0, true);
    w.doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(w.Words(), (QStringList { u("flamant rose"), u("rouge") }));
    EXPECT_EQ(w.Checked(), QStringList { u("rouge") });
    EXPECT_EQ(w.Count(kCouleurs), 0) << "one word counted gives 0; flamant rose is over the limit";
}

TEST(RebuildWordList, WordOfTwoLevelsIsListedOnceAndCountedTwice)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.ClickLevel(1, true);
    EXPECT_EQ(w.Words().count(u("chat")), 1);
    EXPECT_EQ(w.Words().size(), 8);

    w.doc.CheckTheme(kAnimaux, true);
    EXPECT_EQ(w.Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("loup") }));
    EXPECT_EQ(w.Count(kAnimaux), 5) << "six Animaux entries (chat in both levels) give index 5";
}

TEST(RebuildWordList, TheSameWordInAnotherCaseIsNotAddedAgain)
{
    std::array<QStringList, kLevelCount> levels = kSample;
    levels[1] = QStringList { u("A-  Chat"), u("A-  chaton") };
    LevelFolder f(levels);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.ClickLevel(1, true);
    EXPECT_TRUE(w.Words().contains(u("chat"))) << "the first level's spelling stays";
    EXPECT_FALSE(w.Words().contains(u("Chat")));
    EXPECT_TRUE(w.Words().contains(u("chaton")));
    EXPECT_EQ(w.Words().size(), 7);
}

TEST(RebuildWordList, AllFiveLevelsWithoutThemeListEveryWordOnce)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    for (int l = 0; l < kLevelCount; ++l)
        w.doc.ClickLevel(l, true);
    EXPECT_EQ(w.Words().size(), 10);
    EXPECT_EQ(w.doc.settings().LevelString(), u("11111"));
    for (int l = kLevelCount - 1; l >= 0; --l)
        w.doc.ClickLevel(l, false);
    EXPECT_TRUE(w.Words().isEmpty());
}

TEST(RebuildWordList, WithoutDatabaseLevelsAreEmpty)
{
    Document doc(kFonts);
    doc.ClickLevel(2, true);
    EXPECT_EQ(doc.data.words.Count(), 0);
    EXPECT_EQ(doc.settings().LevelString(), u("00100"));
}

// ---------------------------------------------------------------------------
// The handlers and the modified mark

TEST(LevelClick, ReportsTheLevelStringToTheModifiedMark)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    ASSERT_FALSE(w.doc.life.modified);
    w.doc.ClickLevel(2, true);
    EXPECT_TRUE(w.doc.life.modified);
    EXPECT_TRUE(w.doc.life.WindowTitle().endsWith(u("*")));

    // Back to the saved levels: the mark stays until the next save.
    w.doc.ClickLevel(2, false);
    EXPECT_TRUE(w.doc.life.modified);

    // Saved levels 00100: checking CE2 again reports no difference.
    w.doc.ClickLevel(2, true);
    w.doc.TakeSnapshot();
    ASSERT_FALSE(w.doc.life.modified);
    w.doc.ClickLevel(2, true);
    EXPECT_FALSE(w.doc.life.modified);
}

TEST(LevelClick, DoesNothingElseWhileEventsAreSuppressed)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.suppressEvents() = true;
    w.doc.ClickLevel(0, true);
    w.doc.suppressEvents() = false;
    EXPECT_TRUE(w.doc.settings().levels[0]) << "the box keeps its value";
    EXPECT_EQ(w.doc.data.words.Count(), 0) << "no rebuild";
    EXPECT_FALSE(w.doc.life.modified);
    EXPECT_EQ(w.redraws, 0);
}

TEST(LevelClick, ViewsAreToldOfTheNewValue)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    QList<Setting> changed;
    QObject::connect(&w.doc.model, &SettingsModel::settingChanged, [&](Setting s) { changed << s; });
    w.doc.ClickLevel(4, true);
    EXPECT_TRUE(changed.contains(Setting::Level4));
    changed.clear();
    w.doc.UncheckAllLevels();
    EXPECT_EQ(w.doc.settings().LevelString(), u("00000"));
    EXPECT_EQ(changed, (QList<Setting> { Setting::Level0, Setting::Level1, Setting::Level2, Setting::Level3, Setting::Level4 }));
    EXPECT_EQ(w.Words().size(), 1) << "unchecking the boxes runs no click: the list stays until the next rebuild";
}

TEST(ThemeCheck, LabelAndModifiedMark)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.TakeSnapshot();
    EXPECT_EQ(w.doc.themeLabel, u("Aucun thème"));

    w.doc.CheckTheme(kMeteo, true);
    EXPECT_EQ(w.doc.themeLabel, u("1 thème"));
    EXPECT_EQ(w.doc.settings().selectedThemeCount, 1);
    EXPECT_TRUE(w.doc.life.modified);
    EXPECT_TRUE(w.Words().isEmpty()) << "no Météo word in CP";
    EXPECT_EQ(w.Count(kMeteo), -1);

    w.doc.CheckTheme(kMeteo, false);
    EXPECT_EQ(w.doc.themeLabel, u("Aucun thème"));
    EXPECT_EQ(w.doc.settings().selectedThemeCount, 0);
    EXPECT_EQ(w.Words().size(), 6);

    // Unchecking the last theme gives back the saved theme string: no report.
    w.doc.TakeSnapshot();
    w.doc.CheckTheme(kMeteo, true);
    w.doc.life.SetModified(false, true);
    w.doc.CheckTheme(kMeteo, false);
    EXPECT_FALSE(w.doc.life.modified);
}

TEST(ThemeCheck, ReportsEvenWhileEventsAreSuppressed)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.ClickLevel(0, true);
    w.doc.TakeSnapshot();
    w.doc.suppressEvents() = true;
    w.doc.CheckTheme(kAnimaux, true);
    w.doc.suppressEvents() = false;
    EXPECT_TRUE(w.doc.life.modified) << "the theme string differs from the saved one";
    EXPECT_EQ(w.Words().size(), 6) << "but nothing is rebuilt";
    EXPECT_EQ(w.doc.themeLabel, u("Aucun thème"));
}

TEST(ThemeCheck, ADisabledThemeListTakesNoCheck)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    w.doc.data.themes.enabled = false;
    w.doc.CheckTheme(kAnimaux, true);
    EXPECT_FALSE(w.doc.data.themes.selected[kAnimaux]);
    w.doc.data.themes.enabled = true;
    w.doc.CheckTheme(-1, true);
    w.doc.CheckTheme(kThemeCount, true);
    EXPECT_EQ(w.doc.data.themes.SelectedCount(), 0);
}

TEST(LevelClick, LeavesExternalListMode)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    ASSERT_TRUE(w.doc.ParseWordListText(u("girafe\r\nzèbre\r\nokapi\r\n")).imported);
    ASSERT_EQ(w.doc.settings().selectedThemeCount, -1);
    ASSERT_FALSE(w.doc.data.themes.enabled);
    w.doc.CheckTheme(kAnimaux, true);
    EXPECT_EQ(w.Words().size(), 3) << "the theme list is disabled";

    w.doc.ClickLevel(1, true);
    EXPECT_EQ(w.doc.settings().selectedThemeCount, 0);
    EXPECT_TRUE(w.doc.data.themes.enabled);
    EXPECT_EQ(w.doc.themeLabel, u("Aucun thème"));
    EXPECT_EQ(w.Words(), (QStringList { u("cerise"), u("chat"), u("loup") }));
}

TEST(RebuildWordList, ExternalListOnlyRefreshesTheCounts)
{
    LevelFolder f(kSample);
    Worksheet w(f.db);
    ASSERT_TRUE(w.doc.ParseWordListText(u("girafe zèbre okapi")).imported);
    w.doc.settings().levels[0] = true;
    w.doc.data.words.SetChecked(0, false);
    w.doc.RebuildWordList();
    EXPECT_EQ(w.Words(), (QStringList { u("girafe"), u("okapi"), u("zèbre") }));
    EXPECT_EQ(w.doc.wordCountLabel.text, u("2/3"));
    EXPECT_FALSE(w.doc.suppressEvents());
}

} // namespace
} // namespace lx
