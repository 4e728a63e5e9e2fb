// The document file: the example document reads back into its state and is
// written again byte for byte; every absent-value rule and the mended faults.
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/DocumentValues.h"
#include "core/Text1252.h"
#include "puzzle/PuzzleTestSupport.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace lx {
namespace {

using test::u;

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Courier New"), u("Tahoma"), u("Times New Roman") };

QString Row(const QString& start)
{
    return start + QString(31 - start.size(), QLatin1Char('_'));
}

// The example word search: chat, loup and chien, the first two selected and
// placed on a 5 x 5 grid, theme "Animaux", level CP.
QStringList ExampleLines(bool sortedCandidates)
{
    QStringList l { u("[LXGDocument]"), u("PoliceGrille=Arial,12,1,0"), u("PoliceListe=Arial Narrow,12,0,0"),
                    u("PoliceTitre=Tahoma"), u("Titre=Les animaux"), u("Consigne=Retrouve les mots dans la grille."),
                    u("Niveaux=10000"), u("Thèmes=A"),
                    sortedCandidates ? u("MotsSélectionnés=101") : u("MotsSélectionnés=110"),
                    u("NombreMots=1"), u("Mot0=0,0,0,CHAT"), u("Mot1=4,0,2,LOUP"),
                    u("Paramètres=5,1,1,0,1,0,0,1,1,0,0,15,10,99"), u("Valeurs=101000,") };
    const QStringList rows { u("CHATL"), u("abcdO"), u("efghU"), u("ijklP"), u("mnopq") };
    for (int y = 0; y < 31; ++y)
        l << u("Grille") + QString::number(y) + u("=") + Row(y < 5 ? rows[y] : QString());
    if (sortedCandidates)
        l << u("Liste0=chat") << u("Liste1=chien") << u("Liste2=loup");
    else
        l << u("Liste0=chat") << u("Liste1=loup") << u("Liste2=chien");
    return l;
}

QByteArray FileBytes(const QStringList& lines)
{
    return EncodeWindows1252(lines.join(u("\r\n")) + u("\r\n\r\n"));
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class DocumentFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Document doc { kFonts };
    QString Path(const QString& name) const { return dir.filePath(name); }

    void LoadBytes(const QString& name, const QByteArray& bytes)
    {
        Write(Path(name), bytes);
        doc.LoadDocument(Path(name));
    }
    void Load(const QStringList& lines, const QString& name = u("essai.lxg")) { LoadBytes(name, FileBytes(lines)); }
    // Saves the document, then opens the file in a new one.
    std::unique_ptr<Document> SavedAndReadBack(const QString& name)
    {
        EXPECT_TRUE(doc.SaveDocument(Path(name)).saved);
        auto back = std::make_unique<Document>(kFonts);
        back->LoadDocument(Path(name));
        return back;
    }
    QString Value(const QString& key) const
    {
        for (const QString& line : DocumentText(doc.data).split(u("\r\n"))) {
            if (line.startsWith(key + u("=")))
                return line.mid(key.size() + 1);
        }
        return u("<absent>");
    }
};

TEST_F(DocumentFile, ExampleReadsBackAndIsWrittenAgainByteForByte)
{
    Load(ExampleLines(false), u("Les animaux.lxg"));
    const DocumentSettings& s = doc.settings();
    EXPECT_EQ(s.gridFontName, u("Arial"));
    EXPECT_TRUE(s.gridBold);
    EXPECT_EQ(s.listFontName, u("Arial Narrow"));
    EXPECT_EQ(s.titleFontName, u("Tahoma"));
    EXPECT_EQ(s.title, u("Les animaux"));
    EXPECT_EQ(s.instruction, u("Retrouve les mots dans la grille."));
    EXPECT_EQ(s.LevelString(), u("10000"));
    EXPECT_TRUE(doc.themes().selected[3]) << "Animaux";
    EXPECT_EQ(doc.themes().SelectedCount(), 1);
    EXPECT_EQ(doc.ThemeLabel(), u("1 thème"));
    EXPECT_EQ(s.puzzle.gridSize, 5);
    EXPECT_EQ(s.lowerHalf, 1);
    EXPECT_EQ(s.puzzle.gameType, GameType::WordSearch);
    EXPECT_EQ(s.DirectionString(), u("101000"));
    EXPECT_EQ(s.puzzle.message, QString());
    EXPECT_EQ(doc.words().Words(), (QStringList { u("chat"), u("chien"), u("loup") }));
    EXPECT_EQ(doc.words().BuildSelectionSignature(), u("101"));
    const PuzzleState& z = doc.puzzle();
    ASSERT_EQ(z.WordEntries.size(), 2);
    EXPECT_EQ(z.WordEntries[1], (WordEntry { 4, 0, 2, u("LOUP") }));
    EXPECT_EQ(z.LetterGrid.at(4, 3), u("P"));
    EXPECT_EQ(z.LetterGrid.at(0, 1), u("a")) << "filler letters stay lower case";
    EXPECT_TRUE(z.LetterGrid.at(5, 0).isEmpty());
    EXPECT_EQ(z.WordCount, 2);
    EXPECT_EQ(z.GridSize, 5);
    EXPECT_EQ(doc.life.documentName, u("Les animaux.lxg"));
    EXPECT_FALSE(doc.life.modified);
    EXPECT_EQ(doc.life.WindowTitle(), u("Lexigrille 0.1 - Les animaux.lxg"));

    const SaveResult r = doc.SaveDocument(Path(u("copie")));
    ASSERT_TRUE(r.saved) << r.errorMessage.toStdString();
    EXPECT_EQ(r.path, Path(u("copie.lxg")));
    const QByteArray written = ReadAll(Path(u("copie.lxg")));
    EXPECT_EQ(written, FileBytes(ExampleLines(true)));
    EXPECT_TRUE(written.endsWith("Liste2=loup\r\n\r\n"));
    EXPECT_TRUE(written.contains("Th\xe8mes=A\r\n")) << "Windows-1252 on disk";
    EXPECT_EQ(doc.life.documentName, u("copie.lxg"));
}

TEST_F(DocumentFile, NoValueIsCut)
{
    QStringList lines { u("[LXGDocument]"), u("Titre=") + QString(400, QLatin1Char('t')) };
    QString flags;
    for (int i = 0; i < 300; ++i) {
        flags += i % 3 ? u("1") : u("0");
        lines << u("Liste%1=mot%2").arg(i).arg(i, 3, 10, QLatin1Char('0'));
    }
    lines << u("MotsSélectionnés=") + flags << u("Paramètres=12,1,1,0,1,0,0,-1,0,0,0,15,10,99")
          << u("Valeurs=100000,") + QString(300, QLatin1Char('m'));
    Load(lines);
    EXPECT_EQ(doc.settings().title.size(), 400);
    EXPECT_EQ(doc.words().Count(), 300);
    EXPECT_EQ(doc.words().CheckedCount(), 200);
    EXPECT_EQ(doc.words().BuildSelectionSignature(), flags) << "the words are already in list order";
    EXPECT_EQ(doc.settings().puzzle.message.size(), 300);
}

TEST_F(DocumentFile, HiddenMessageWithCommasSurvives)
{
    doc.settings().puzzle.message = u("Bravo, les amis, à demain !");
    doc.settings().puzzle.directions = { true, true, false, false, true, false };
    const auto back = SavedAndReadBack(u("message.lxg"));
    EXPECT_EQ(back->settings().puzzle.message, u("Bravo, les amis, à demain !"));
    EXPECT_EQ(back->settings().DirectionString(), u("110010"));
}

TEST_F(DocumentFile, ExternalListNameSurvives)
{
    doc.settings().selectedThemeCount = -1;
    doc.settings().themeText = u("Animaux");
    for (const char* w : { "chat", "chien", "loup", "lion", "ours" })
        doc.words().SetChecked(doc.words().AddWordIfAbsent(u(w)).index, true);
    const auto back = SavedAndReadBack(u("liste.lxg"));
    EXPECT_EQ(Value(u("Thèmes")), u("*Animaux"));
    EXPECT_EQ(back->settings().themeText, u("Animaux"));
    EXPECT_EQ(back->themes().SelectedCount(), 0);
    EXPECT_EQ(back->ThemeLabel(), u("Liste externe"));
    EXPECT_FALSE(back->themes().enabled);
    EXPECT_EQ(back->words().CheckedCount(), 5);
}

TEST_F(DocumentFile, SavingNeverDestroysThePreviousFile)
{
    const QString target = Path(u("garde.lxg"));
    Write(target, "ancien contenu");
    // A target that cannot be replaced: a folder stands where the file would go.
    QDir(dir.path()).mkpath(u("dossier.lxg"));
    const SaveResult bad = doc.SaveDocument(Path(u("dossier.lxg")));
    EXPECT_FALSE(bad.saved);
    EXPECT_TRUE(bad.errorMessage.startsWith(u("Impossible d'enregistrer\n") + Path(u("dossier.lxg")) + u(" !\nErreur")))
        << bad.errorMessage.toStdString();
    const SaveResult missingFolder = doc.SaveDocument(Path(u("absent/x.lxg")));
    EXPECT_FALSE(missingFolder.saved);
    EXPECT_EQ(ReadAll(target), QByteArray("ancien contenu"));
    ASSERT_TRUE(doc.SaveDocument(target).saved);
    EXPECT_TRUE(ReadAll(target).startsWith("[LXGDocument]\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList { u("garde.lxg") })) << "no temporary file left";
}

TEST_F(DocumentFile, TemplateSaveLeavesTheOpenWorksheetAlone)
{
    Load(ExampleLines(false), u("Les animaux.lxg"));
    doc.settings().puzzle.message = u("secret");
    doc.SetModified(true, true);
    test::ScriptedPrompter prompter;
    prompter.answers = { Answer::No, Answer::Yes };
    doc.SetPrompter(&prompter);
    const QString path = Path(u("modèle"));
    SaveResult r = doc.SaveDocument(path);
    EXPECT_TRUE(r.declined);
    EXPECT_FALSE(QFile::exists(path + u(".lxg")));
    EXPECT_EQ(prompter.asked.value(0).text, u("Voulez-vous vraiment définir ce document comme modèle par défaut ?"));

    r = doc.SaveDocument(path);
    ASSERT_TRUE(r.saved);
    // The open worksheet keeps its words, puzzle, name and mark.
    EXPECT_EQ(doc.words().Count(), 3);
    EXPECT_EQ(doc.puzzle().LetterGrid.at(0, 0), u("C"));
    EXPECT_EQ(doc.life.documentName, u("Les animaux.lxg"));
    EXPECT_TRUE(doc.life.modified);
    EXPECT_EQ(doc.settings().puzzle.message, u("secret"));

    // The template holds the settings without the worksheet's content.
    Document tpl(kFonts);
    tpl.LoadDocument(path + u(".lxg"));
    EXPECT_EQ(tpl.life.documentName, QString()) << "the template opens untitled";
    EXPECT_EQ(tpl.settings().title, u("Les animaux"));
    EXPECT_TRUE(tpl.settings().gridBold);
    EXPECT_EQ(tpl.words().Count(), 0);
    EXPECT_EQ(tpl.settings().LevelString(), u("00000"));
    EXPECT_EQ(tpl.themes().SelectedCount(), 0);
    EXPECT_EQ(tpl.settings().DirectionString(), u("100000"));
    EXPECT_EQ(tpl.settings().puzzle.message, QString());
    EXPECT_TRUE(tpl.puzzle().LetterGrid.at(0, 0).isEmpty());

    // Asked again, the question warns that the template will be replaced.
    doc.SaveDocument(path);
    EXPECT_EQ(prompter.asked.last().text, u("Attention : le modèle existant sera remplacé !\nVoulez-vous vraiment définir ce document comme modèle par défaut ?"));
}

TEST_F(DocumentFile, AbsentValues)
{
    Load({ u("[LXGDocument]") });
    EXPECT_EQ(doc.settings().title, u("Lexigrille")) << "a document without a title gets the product name";
    EXPECT_EQ(doc.settings().gridFontName, u("Arial"));
    EXPECT_EQ(doc.settings().listFontName, u("Arial Narrow"));
    EXPECT_EQ(doc.settings().titleFontName, u("Tahoma"));
    EXPECT_EQ(doc.settings().puzzle.gridSize, 5);
    EXPECT_EQ(doc.settings().lowerHalf, 1) << "a document without parameters opens as a new document does";
    EXPECT_EQ(doc.settings().DirectionString(), u("100000"));
    EXPECT_EQ(doc.words().Count(), 0);
    EXPECT_EQ(doc.puzzle().WordEntries.size(), 1);

    Load({ u("[LXGDocument]"), u("Paramètres=9,0,0,1,2") });
    EXPECT_EQ(doc.settings().puzzle.gridSize, 9);
    EXPECT_FALSE(doc.settings().uppercase);
    EXPECT_TRUE(doc.settings().visibleCells);
    EXPECT_EQ(doc.settings().lowerHalf, 2);
    EXPECT_EQ(doc.settings().puzzle.gameType, GameType::WordSearch);
    EXPECT_EQ(doc.settings().puzzle.valueMode, 0);

    // Blank bounds read as missing, like the fields after the fifth above.
    for (const QString& parameters : { u("Paramètres=9,0,0,1,2"), u("Paramètres=6,1,1,0,1,2,1,0,1,0,0,15,   ,  ") }) {
        Load({ u("[LXGDocument]"), parameters });
        EXPECT_EQ(doc.settings().maxLetters, 15);
        EXPECT_EQ(doc.settings().puzzle.lowerBound, u("10"));
        EXPECT_EQ(doc.settings().puzzle.upperBound, u("99"));
    }
    EXPECT_EQ(Value(u("Paramètres")), u("6,1,1,0,1,2,1,0,1,0,0,15,10,99"));

    // An empty title is written, and read back empty.
    doc.settings().title.clear();
    EXPECT_EQ(SavedAndReadBack(u("vide.lxg"))->settings().title, QString());
}

TEST_F(DocumentFile, OutOfRangeNumbersTakeTheNearerBound)
{
    QStringList lines { u("[LXGDocument]"), u("PoliceGrille=Comic Sans MS,40,7,x"), u("PoliceTitre=inconnue"),
                        u("Paramètres=99,1,1,0,-4,7,1,30,5,5,5,1,1,2"), u("MotsSélectionnés=1111111111111111111x"),
                        u("NombreMots=9000"), u("Valeurs=0,abc") };
    for (int i = 0; i < 20; ++i)
        lines << u("Liste%1=mot%2").arg(i).arg(QChar(u'a' + i));
    Load(lines);
    const DocumentSettings& s = doc.settings();
    EXPECT_EQ(s.gridFontName, u("Arial")) << "a font that is not installed selects the fallback";
    EXPECT_EQ(s.gridFontSize, 12);
    EXPECT_FALSE(s.gridBold);
    EXPECT_EQ(s.titleFontName, u("Tahoma"));
    EXPECT_EQ(s.puzzle.gridSize, 18);
    EXPECT_EQ(s.lowerHalf, 0);
    EXPECT_EQ(s.puzzle.gameType, GameType::CodedWords);
    EXPECT_EQ(s.selectedThemeCount, 0) << "recounted from the theme list";
    EXPECT_TRUE(s.puzzle.randomFill);
    EXPECT_FALSE(s.puzzle.shuffleMessage);
    EXPECT_EQ(s.levelNaming, 1);
    EXPECT_EQ(s.maxLetters, 15) << "out of range: the fallback, not the bound";
    EXPECT_EQ(doc.puzzle().WordEntries.size(), 20) << "N is cut to the flags";
    EXPECT_EQ(doc.words().CheckedCount(), 19) << "a flag that is not a digit reads as not selected";
    // Coded words with another count than 26 values: 1 to 26 in alphabetical order.
    EXPECT_EQ(doc.puzzle().LetterCodes[0], 1);
    EXPECT_EQ(doc.puzzle().LetterCodes[25], 26);
    EXPECT_EQ(s.puzzle.letterCodeTexts[25], u("26"));
}

TEST_F(DocumentFile, FillInAndCodedValues)
{
    Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,1,0,0,1,0,0,15,10,99"), u("Valeurs=2,eaz1e?B"),
           u("Grille0=Mai_") });
    QStringList choices;
    for (const auto& c : std::as_const(doc.puzzle().RevealChoices))
        choices << c.text;
    EXPECT_EQ(choices, (QStringList { u("(?)"), u("E"), u("A"), u("Z"), u("B") }));
    EXPECT_EQ(doc.settings().puzzle.revealChoice, u("A"));
    EXPECT_EQ(Value(u("Valeurs")), u("2,EAZB"));

    QStringList codes;
    for (int k = 0; k < 26; ++k)
        codes << QString::number(k == 3 ? 0 : 30 - k);
    Load({ u("[LXGDocument]"), u("Paramètres=5,1,1,0,1,2,2,0,1,0,0,15,10,99"), u("Valeurs=") + codes.join(u(",")),
           u("Grille0=Bad4é-") });
    const PuzzleState& z = doc.puzzle();
    EXPECT_FALSE(z.CodesAreNumbers) << "symbols";
    EXPECT_EQ(z.LetterCodes[1], 29);
    EXPECT_EQ(doc.settings().puzzle.letterCodeTexts[3], QString()) << "a code below 1 shows as an empty box";
    EXPECT_EQ(z.LetterGrid.at(0, 0), u("B"));
    EXPECT_EQ(z.CodeGrid.at(0, 0), 29);
    EXPECT_EQ(z.LetterGrid.at(1, 0), u("a"));
    EXPECT_EQ(z.CodeGrid.at(1, 0), 30);
    EXPECT_EQ(z.LetterGrid.at(3, 0), u("4")) << "a digit of a word is kept";
    EXPECT_TRUE(z.LetterGrid.at(4, 0).isEmpty()) << "é cannot come from a puzzle";
    EXPECT_TRUE(z.LetterGrid.at(5, 0).isEmpty());
    EXPECT_EQ(z.SymbolAlphabet, PuzzleEngine::SymbolCharacters());
    EXPECT_EQ(Value(u("Valeurs")), codes.join(u(",")));
}

TEST_F(DocumentFile, MissingFileIsReportedForeignFilesOpenAsResetDocuments)
{
    doc.settings().title = u("En cours");
    const LoadResult missing = doc.LoadDocument(Path(u("absent.lxg")));
    EXPECT_FALSE(missing.loaded);
    EXPECT_TRUE(missing.errorMessage.startsWith(u("Le fichier « "))) << missing.errorMessage.toStdString();
    EXPECT_EQ(doc.settings().title, u("En cours")) << "the open document is left as it was";

    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk.append(char((i * 7919) & 0xFF));
    LoadBytes(u("binaire.lxg"), junk);
    EXPECT_EQ(doc.words().Count(), 0);
    EXPECT_EQ(doc.settings().puzzle.gridSize, 5);
    EXPECT_EQ(ReadAll(Path(u("binaire.lxg"))), junk) << "the file is left untouched";

    // A huge file opens as a new document too, and is left alone.
    LoadBytes(u("enorme.lxg"), QByteArray(20 * 1024 * 1024, 'x'));
    EXPECT_EQ(doc.settings().title, u("Lexigrille"));
    EXPECT_EQ(QFileInfo(Path(u("enorme.lxg"))).size(), 20 * 1024 * 1024);

    // A document cut short keeps what it holds.
    QByteArray cut = FileBytes(ExampleLines(false));
    cut.truncate(cut.indexOf("Grille2="));
    LoadBytes(u("coupe.lxg"), cut);
    EXPECT_EQ(doc.settings().title, u("Les animaux"));
    EXPECT_EQ(doc.puzzle().LetterGrid.at(0, 1), u("a"));
    EXPECT_TRUE(doc.puzzle().LetterGrid.at(0, 2).isEmpty());
    EXPECT_EQ(doc.words().Count(), 0) << "the candidates came after the cut";

    // A document saved by a modern editor in UTF-8 still opens its words.
    LoadBytes(u("utf8.lxg"), u("[LXGDocument]\nTitre=Les élèves\nMotsSélectionnés=1\nListe0=éléphant\n").toUtf8());
    EXPECT_EQ(doc.settings().title, u("Les élèves"));
    EXPECT_EQ(doc.words().Words(), QStringList { u("éléphant") });
    // With a byte order mark in front of the section too.
    LoadBytes(u("bom.lxg"), "\xEF\xBB\xBF" + u("[LXGDocument]\r\nTitre=Les élèves\r\n").toUtf8());
    EXPECT_EQ(doc.settings().title, u("Les élèves"));
}

TEST_F(DocumentFile, QuotesAndBlanks)
{
    // A quoted value read from a file loses its quotes and its outer blanks...
    Load({ u("[LXGDocument]"), u("Titre=\"Les animaux\""), u("Consigne=  Entoure les mots.  ") });
    EXPECT_EQ(doc.settings().title, u("Les animaux"));
    EXPECT_EQ(doc.settings().instruction, u("Entoure les mots."));

    // ...while typed quotes and blanks survive saving.
    doc.settings().title = u("\"Les animaux\"");
    doc.settings().instruction = u("'Lis.'");
    doc.settings().selectedThemeCount = -1;
    doc.words().SetChecked(doc.words().AddWordIfAbsent(u("\"chat\"")).index, true);
    doc.words().AddWordIfAbsent(u("loup\t"));
    doc.UpdateWordCounts();
    const auto back = SavedAndReadBack(u("guillemets.lxg"));
    EXPECT_EQ(Value(u("Titre")), u("\"\"Les animaux\"\""));
    EXPECT_EQ(back->settings().title, u("\"Les animaux\""));
    EXPECT_EQ(back->settings().instruction, u("'Lis.'"));
    EXPECT_EQ(back->words().Words(), (QStringList { u("\"chat\""), u("loup\t") }));
    EXPECT_EQ(DocumentText(back->data), DocumentText(doc.data));
}

TEST_F(DocumentFile, WordEntriesFollowTheCandidatesRead)
{
    // More entries than candidates (duplicates, missing words): the copy
    // written at the next save reads back the same.
    Load({ u("[LXGDocument]"), u("MotsSélectionnés=111"), u("Liste0=chat"), u("Liste1=loup"), u("Liste2=chat"),
           u("NombreMots=2"), u("Mot0=0,0,0,CHAT"), u("Mot1=0,1,0,LOUP"), u("Mot2=0,2,0,CHAT") });
    EXPECT_EQ(doc.puzzle().WordEntries.size(), 2);
    auto expectSameOnceReadBack = [&] {
        const QString text = DocumentText(doc.data);
        Write(Path(u("again.lxg")), EncodeWindows1252(text + u("\r\n")));
        Document back(kFonts);
        back.LoadDocument(Path(u("again.lxg")));
        EXPECT_EQ(DocumentText(back.data), text);
    };
    expectSameOnceReadBack();
    Load({ u("[LXGDocument]"), u("MotsSélectionnés=11"), u("NombreMots=4") });
    expectSameOnceReadBack();

    // A one-word puzzle stores no entry.
    Load({ u("[LXGDocument]"), u("MotsSélectionnés=1"), u("NombreMots=0"), u("Liste0=chat"), u("Mot0=1,1,1,CHAT") });
    EXPECT_EQ(doc.puzzle().WordCount, 1);
    ASSERT_EQ(doc.puzzle().WordEntries.size(), 1);
    EXPECT_EQ(doc.puzzle().WordEntries[0], WordEntry {});
    EXPECT_EQ(Value(u("NombreMots")), u("0"));
    EXPECT_EQ(Value(u("Mot0")), u("<absent>"));
}

TEST(DocumentPaths, ExtensionAndName)
{
    EXPECT_EQ(EnsureDocumentExtension(u("fiche")), u("fiche.lxg"));
    EXPECT_EQ(EnsureDocumentExtension(u("fiche.LXG")), u("fiche.LXG"));
    EXPECT_EQ(DocumentFileName(u("/a/b/Les animaux.lxg"), false), u("Les animaux"));
}

} // namespace
} // namespace lx
