// The five level files, and the word list that the level boxes and themes build from them.
#include "support/DocumentSupport.h"
#include "words/Themes.h"
#include "words/WordListParser.h"
#include "words/WordSelectionList.h"

#include <QRegularExpression>

namespace lx::test {
namespace {

enum Theme { kAlimentation = 2, kAnimaux = 3, kCouleurs = 6, kMeteo = 15 }; // codes a, A, o, m

// The level files of kSample as the program ships them: Windows-1252, CR LF.
const std::array<const char*, kLevelCount> kSample = {
    "/ CP : première année\r\n" // a comment long enough to pass for an entry
    "A-  chat\r\naA  lait\r\no-  rouge\r\n\r\n"
    "Ao  flamant rose\r\n" // Animaux and Couleurs
    "A-  hippopotame\r\n"  // 11 letters
    "a-  pomme/poire\r\n", // a "/" further on is no comment
    "A-  Chat\r\nA-  loup\r\nF-  cerise\r\n", // CP's chat in another case
    "m-  pluie\r\n",
    "",
    "a-  chocolat\r\n",
};

class ThemeDatabaseLoad : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ThemeDatabase db;
    LevelLoadReport report;
    Document doc { kFonts };
    int redraws = 0;

    void SetUp() override
    {
        for (int l = 0; l < kLevelCount; ++l)
            Write(LevelFileName(l), EncodeWindows1252(u(kSample[l])));
        report = db.Load(dir.path());
        doc.SetThemeDatabase(&db);
        QObject::connect(&doc, &Document::redrawRequested, [this] { ++redraws; });
    }
    void Write(const QString& name, const QByteArray& bytes) { WriteBytes(dir.filePath(name), bytes); }
    QStringList Words() const { return doc.data().words.Words(); }
    QStringList Checked() const { return doc.data().words.CheckedWords(); }
    int Count(int theme) const { return doc.data().themes.wordCounts[theme]; }
};

using RebuildWordList = ThemeDatabaseLoad;

TEST_F(ThemeDatabaseLoad, ReadsTheLevelsWhateverTheCaseOfTheirNamesAndNamesTheMissingOnes)
{
    EXPECT_TRUE(report.message.isEmpty());
    const QStringList cp { u("A-  chat"), u("aA  lait"), u("o-  rouge"), u("Ao  flamant rose"), u("A-  hippopotame"), u("a-  pomme/poire") };
    EXPECT_EQ(db.levelLines[0], cp) << "the comment and the empty line are skipped, a later \"/\" is kept";
    EXPECT_TRUE(db.levelLines[3].isEmpty());
    QDir folder(dir.path());
    ASSERT_TRUE(folder.remove(LevelFileName(1)));
    ASSERT_TRUE(folder.rename(LevelFileName(0), u("db 01-07 (cp).TXT")));
    report = db.Load(dir.path() + u("/"));
    EXPECT_EQ(report.missingFiles, QStringList { u("DB 08-11 (CE1).txt") });
    EXPECT_EQ(report.message, u("Le fichier suivant est absent du dossier ") + QDir::toNativeSeparators(dir.path())
                                  + QDir::separator() + u(" : \n\n- DB 08-11 (CE1).txt\n\n"
                                                          "Cliquez sur OK pour télécharger l'archive d'origine à cette adresse : https://lexigrille.fr"))
        << "one separator at the end of the folder, not two";
    EXPECT_TRUE(MissingLevelFilesMessage(dir.path(), { LevelFileName(1), LevelFileName(2) }).startsWith(u("Les fichiers suivants sont absents")));
    EXPECT_TRUE(db.levelLines[1].isEmpty()) << "the level loaded before is emptied";
    EXPECT_EQ(db.levelLines[0], cp);
    Document withoutDatabase({ u("Arial") });
    withoutDatabase.ClickLevel(2, true);
    EXPECT_EQ(withoutDatabase.data().words.Count(), 0);
}

TEST_F(ThemeDatabaseLoad, DamagedFilesLoadWhatTheyCan)
{
    Write(LevelFileName(0), QByteArray("A-  chat\r\nA-\r\nA-  \r\nA-     \r\n") // too short, a word of spaces
                                + QByteArray("A-  ch\0at\r\n", 11) + "A-  " + QByteArray(200, 'x') + "\r\n"
                                + "A-  \xE9l\xE8ve\r\nA-  loup\nA-  ours"); // 1252 accents, a lone LF, no final line end
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 97 + 13) % 256);
    Write(LevelFileName(1), binary + "\r\nA-  castor\r\n");
    QString rows;
    for (int i = 0; i < kLevelRows + 10; ++i)
        rows += u("A-  mot%1\r\n").arg(i);
    Write(LevelFileName(3), rows.toLatin1());
    report = db.Load(dir.path());
    EXPECT_EQ(db.levelLines[0], (QStringList { u("A-  chat"), u("A-  élève"), u("A-  loup"), u("A-  ours") }));
    EXPECT_EQ(report.brokenLines[0], 5);
    ASSERT_FALSE(db.levelLines[1].isEmpty());
    EXPECT_EQ(db.levelLines[1].last(), u("A-  castor"));
    for (const QString& entry : db.levelLines[1])
        for (QChar c : LevelEntryWord(entry))
            ASSERT_TRUE(IsWordCharacter(c)) << "no control character reaches the word list";
    ASSERT_EQ(db.levelLines[3].size(), kLevelRows) << "rows beyond the table are left out";
    EXPECT_EQ(report.droppedEntries[3], 10);
}

TEST_F(RebuildWordList, WordsOverMaxLettersAreListedUncheckedAndNotCounted)
{
    doc.SetMaxLetters(10);
    redraws = 0;
    doc.ClickLevel(0, true);
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("pomme/poire"), u("rouge") }));
    EXPECT_EQ(Checked(), (QStringList { u("chat"), u("lait"), u("pomme/poire"), u("rouge") }));
    EXPECT_EQ(doc.WordCounts().text, u("4/6"));
    EXPECT_EQ(doc.data().puzzle.SelectedWords.size(), 4) << "the generator's word lists follow";
    EXPECT_EQ(Count(kAnimaux), -1) << "no theme is counted without a theme checked";
    EXPECT_EQ(redraws, 1);
    doc.SetMaxLetters(5);
    doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(Checked(), QStringList { u("rouge") }) << "flamant rose is over the limit";
    EXPECT_EQ(Count(kCouleurs), 0) << "one word counted gives index 0";
}

TEST_F(RebuildWordList, ThemesFilterByEitherCodeEachWordListedOnceCountedForEachTheme)
{
    doc.ClickLevel(0, true);
    doc.CheckTheme(kAlimentation, true);
    EXPECT_EQ(Words(), (QStringList { u("lait"), u("pomme/poire") })) << "codes are case-sensitive: chat (A) is no food";
    EXPECT_FALSE(LevelEntryHasTheme(u("--A lait"), u'A')) << "positions 3 and 4 are not read";
    doc.CheckTheme(kAlimentation, false);
    doc.CheckTheme(kAnimaux, true);
    doc.CheckTheme(kCouleurs, true);
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("rouge") }))
        << "lait carries Animaux second; flamant rose is listed once";
    EXPECT_EQ(Count(kAnimaux), 3);
    EXPECT_EQ(Count(kCouleurs), 1) << "flamant rose counts for both themes";
    EXPECT_EQ(Count(kAlimentation), -1) << "an unchecked theme is not counted";
    EXPECT_EQ(doc.ThemeLabel(), u("2 thèmes"));
    // Two levels: CE1's Chat is CP's chat, spelt as the first level has it.
    doc.ClickLevel(1, true);
    doc.CheckTheme(kCouleurs, false);
    doc.CheckTheme(kMeteo, true); // pluie is in CE2 only
    EXPECT_EQ(Words(), (QStringList { u("chat"), u("flamant rose"), u("hippopotame"), u("lait"), u("loup") }));
    EXPECT_EQ(Count(kAnimaux), 5) << "six Animaux entries (chat in both levels) give index 5";
    EXPECT_EQ(doc.Generate().outcome, GenerationOutcome::ThemeWithoutWords) << "the counts reach the generator";
}

TEST_F(RebuildWordList, ModifiedMarkComparesWithTheSavedLevelsAndThemes)
{
    doc.ClickLevel(0, true);
    EXPECT_TRUE(doc.Modified());
    doc.MarkSaved(u("niveaux.lxg"));
    doc.ClickLevel(0, true);
    EXPECT_FALSE(doc.Modified()) << "checking a saved level again reports no difference";
    doc.CheckTheme(kMeteo, true);
    EXPECT_TRUE(doc.Modified());
    doc.SetModified(false, true);
    doc.CheckTheme(kMeteo, false);
    EXPECT_FALSE(doc.Modified()) << "unchecking the last theme gives back the saved theme string";
}

TEST_F(RebuildWordList, AnExternalListDisablesTheThemesUntilALevelClick)
{
    doc.ClickLevel(4, true);
    EXPECT_EQ(Words(), QStringList { u("chocolat") }) << "the last level is read too";
    QList<Setting> changed;
    QObject::connect(&doc, &Document::settingChanged, [&](Setting s) { changed << s; });
    ASSERT_TRUE(doc.ParseWordListText(u("girafe\r\nzèbre\r\nokapi\r\n")).imported);
    EXPECT_TRUE(changed.contains(Setting::Level4)) << "the level boxes are told";
    doc.CheckTheme(kAnimaux, true);
    EXPECT_FALSE(doc.data().themes.selected[kAnimaux]) << "the theme list is disabled";
    EXPECT_EQ(Words(), (QStringList { u("girafe"), u("okapi"), u("zèbre") }));
    doc.ClickLevel(1, true);
    EXPECT_TRUE(doc.data().themes.enabled);
    EXPECT_EQ(doc.ThemeLabel(), u("Aucun thème"));
    EXPECT_EQ(Words(), (QStringList { u("cerise"), u("Chat"), u("loup") }));
}

// A theme named as a teacher types it: its start, without accents or case; its digits count.
TEST(ThemeNames, TypedNamesMeanTheThemesTheyStart)
{
    const std::pair<const char*, const char*> cases[] = {
        { "verbes 1", "Verbes (1er groupe)" }, { "VERBES (3", "Verbes (3e groupe)" },
        { "verbes", "Verbes (1er groupe)|Verbes (2e groupe)|Verbes (3e groupe)" }, { "ecole", "École" },
        { "ar", "Arbres, arbustes" }, { "1", "" }, { "-", "" },
        // No name starts so: a later word of the name may.
        { "metiers", "Activités, métiers" }, { "groupe", "Verbes (1er groupe)|Verbes (2e groupe)|Verbes (3e groupe)" },
    };
    for (const auto& [typed, meant] : cases) {
        QStringList names;
        for (int t : ThemesStartingWith(u(typed)))
            names << ThemeName(t);
        EXPECT_EQ(names.join(u'|'), u(meant)) << typed;
    }
    EXPECT_EQ(ThemeName(ThemeIndexOfName(u("espace repérage"))), u("Espace (repérage)"));
}

TEST(WordSelectionList, SortedWithoutDuplicatesIgnoringCase)
{
    WordSelectionList list;
    for (const char* w : { "loup", "Chat", "âne", "zèbre", "chien", "éléphant", "ours" })
        EXPECT_TRUE(list.AddWordIfAbsent(u(w)).added) << w;
    EXPECT_EQ(list.Words(), (QStringList { u("âne"), u("Chat"), u("chien"), u("éléphant"), u("loup"), u("ours"), u("zèbre") }));
    list.SetChecked(1, true);
    const auto again = list.AddWordIfAbsent(u("CHAT"));
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.index, 1);
    EXPECT_EQ(list.Find(u("chat")), 1);
    EXPECT_EQ(list.Find(u("ane")), -1) << "accents are part of the word";
    EXPECT_EQ(list.AddWordIfAbsent(u("castor")).index, 1);
    EXPECT_EQ(list.BuildSelectionSignature(), u("00100000")) << "a new word is unchecked; checks move with their words";
    // Many words in both cases: the search never lets a duplicate in.
    WordSelectionList many;
    for (int i = 0; i < 3000; ++i)
        many.AddWordIfAbsent(u(i % 2 ? "MOT%1" : "mot%1").arg((i * 7919) % 2000, 4, 10, QLatin1Char('0')));
    ASSERT_EQ(many.Count(), 2000);
    for (int i = 1; i < many.Count(); ++i)
        ASSERT_LT(many.Word(i - 1).toLower(), many.Word(i).toLower());
}

TEST(WordSelectionList, MaxLettersOverridesChecksAndTheCountLabelGroupsDigits)
{
    WordSelectionList list; // âne chat ours papillon "pomme de terre"
    for (const char* w : { "pomme de terre", "chat", "ours", "papillon", "âne" })
        list.AddWordIfAbsent(u(w));
    for (const auto& [max, signature] : { std::pair { 3, "10000" }, { 11, "11110" }, { 12, "11111" } }) {
        list.ApplyMaxLetters(max);
        EXPECT_EQ(list.BuildSelectionSignature(), u(signature)) << "pomme de terre has 12 letters; max " << max;
    }
    list.SetChecked(2, false);
    EXPECT_EQ(list.CheckedWords(), (QStringList { u("âne"), u("chat"), u("papillon"), u("pomme de terre") }));
    list.ApplyMaxLetters(15);
    EXPECT_EQ(list.CheckedCount(), 5) << "the slider overrides checks made by hand";
    const QString big = MakeWordCountLabel(1234, 12345).text;
    EXPECT_EQ(QString(big).remove(QRegularExpression(u("[^0-9/]"))), u("1234/12345"));
    EXPECT_EQ(big.size(), 12) << "digit groups are separated: " << big.toStdString();
}

} // namespace
} // namespace lx::test
