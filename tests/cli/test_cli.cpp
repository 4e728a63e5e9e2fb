// lexigrille-cli end to end: documents generated, read back and saved again;
// worksheets made over a program folder of small level files; wrong commands
// refused in French; outputs compared with the expected files.
#include "core/Text1252.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "puzzle/FillInCheck.h"
#include "support/TextSupport.h"
#include "words/ContainedWords.h"
#include "words/ThemeDatabase.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::ReadAll;
using test::u;

struct CliRun { int code = -1; QString err; }; // the exit code (-1: a crash) and the error output

QString Input(const char* name)
{
    return QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).filePath(u(name));
}

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir; // the outputs, and the tool's working folder
    QString dataDir;   // the program folder, if not the build's

    QString Out(const char* name) const { return dir.filePath(u(name)); }
    CliRun Cli(const QStringList& args) const
    {
        QProcess p;
        if (!dataDir.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u("LEXIGRILLE_DATA_DIR"), dataDir);
            p.setProcessEnvironment(env);
        }
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(LEXIGRILLE_CLI), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()) };
    }
};

// new and make over a program folder of small level files, and a list file.
class CliWorksheets : public CliTest {
protected:
    QTemporaryDir program;

    void SetUp() override
    {
        for (int level = 0; level < kLevelCount; ++level)
            test::WriteBytes(program.filePath(LevelFileName(level)),
                             EncodeWindows1252(u("A-  chat\r\nA-  chien\r\nA-  lapin\r\nA-  loup\r\nA-  lion\r\nA-  ours\r\n"
                                                 "A-  âne\r\nE-  école\r\nE-  cahier\r\nE-  crayon\r\n")));
        test::WriteBytes(Out("fruits.txt"), "pomme\r\npoire\r\nkiwi\r\ncerise\r\nfraise\r\nmelon\r\n");
        dataDir = program.path();
    }
};

// Each game type generated with a seed and read back: every placed word reads
// along its entry, and the puzzle keeps the promises of its type.
TEST_F(CliTest, GeneratedPuzzlesReadBackAndSaveUnchanged)
{
    for (const char* input : { "lexigrille.lxg", "mots-cases.lxg", "mots-codes.lxg" }) {
        SCOPED_TRACE(input);
        const CliRun r = Cli({ u("generate"), Input(input), u("-o"), Out("sortie.lxg"), u("--seed"), u("7") });
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        Document doc({ u("Arial"), u("Arial Narrow"), u("Tahoma") });
        doc.LoadDocument(Out("sortie.lxg"));
        EXPECT_EQ(DocumentFileBytes(doc.data), ReadAll(Out("sortie.lxg"))) << "open then save changes nothing";
        const PuzzleState& z = doc.puzzle();
        QString free; // the filler letters, in reading order
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 31; ++x)
                free += z.LetterGrid.at(x, y).isLower() ? z.LetterGrid.at(x, y) : QString();
        switch (doc.settings().puzzle.gameType) {
        case GameType::WordSearch:
            ASSERT_EQ(z.WordEntries.size(), 13) << "veau is not checked";
            EXPECT_TRUE(u("bravotuastouttrouve").startsWith(free) || free.startsWith(u("bravotuastouttrouve"))) << free.toStdString();
            break;
        case GameType::FillIn:
            ASSERT_EQ(z.WordEntries.size(), 14);
            EXPECT_EQ(FillInFaults(z), QStringList());
            EXPECT_GT(z.RevealChoices.size(), 5);
            break;
        case GameType::CodedWords: {
            QSet<int> codes { 0 }; // 0: a letter absent from the grid
            int present = 0;
            for (int code : z.LetterCodes) {
                EXPECT_TRUE(code == 0 || (code >= 5 && code <= 40)) << code;
                present += code ? 1 : 0;
                codes.insert(code);
            }
            EXPECT_EQ(codes.size(), present + 1) << "distinct codes";
            // Below the letter table of row 0, every letter cell carries its letter's code.
            int letters = 0, cells = 0;
            for (const QString& w : doc.words().CheckedWords())
                letters += int(ToGridForm(w).size());
            for (int y = 2; y < 31; ++y) {
                for (int x = 0; x < 31; ++x) {
                    const QString c = z.LetterGrid.at(x, y);
                    cells += c.isEmpty() ? 0 : 1;
                    EXPECT_TRUE(c.isEmpty() || z.CodeGrid.at(x, y) == z.LetterCodes[LetterIndex(c[0].toUpper())]) << x << "," << y;
                }
            }
            EXPECT_EQ(cells, letters);
            continue;
        }
        }
        for (const WordEntry& e : z.WordEntries) {
            const DirectionStep st = kDirectionSteps[e.direction];
            QString read;
            for (int k = 0; k < e.gridText.size(); ++k)
                read += z.LetterGrid.at(e.x + k * st.dx, e.y + k * st.dy).toUpper();
            EXPECT_EQ(read, e.gridText);
        }
    }
}

// The tool's outputs do not change unnoticed: documents opened then saved,
// generated with a seed, and their pages as images are compared with the files
// of tests/cli/expected (pixel for pixel for the images). After an intended
// change, LEXIGRILLE_UPDATE_EXPECTED=1 writes the new files there.
TEST_F(CliTest, OutputsMatchTheExpectedFiles)
{
    const QDir expected(QStringLiteral(LEXIGRILLE_CLI_EXPECTED));
    const bool update = qEnvironmentVariableIntValue("LEXIGRILLE_UPDATE_EXPECTED") == 1;
    auto check = [&](const QString& name, const QStringList& args, bool image) {
        const CliRun r = Cli(args + QStringList { u("-o"), Out("sortie") + u(".") + QFileInfo(name).suffix() });
        ASSERT_EQ(r.code, 0) << name.toStdString() << ": " << r.err.toStdString();
        const QString out = Out("sortie") + u(".") + QFileInfo(name).suffix();
        if (update) {
            QFile::remove(expected.filePath(name));
            ASSERT_TRUE(QFile::copy(out, expected.filePath(name)));
        }
        if (image) {
            const QImage want(expected.filePath(name));
            ASSERT_FALSE(want.isNull()) << name.toStdString();
            EXPECT_TRUE(QImage(out).convertToFormat(QImage::Format_RGB32) == want.convertToFormat(QImage::Format_RGB32))
                << name.toStdString();
        } else {
            EXPECT_EQ(ReadAll(out), ReadAll(expected.filePath(name))) << name.toStdString();
        }
    };
    QFileInfoList inputs = QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).entryInfoList({ u("*.lxg") }, QDir::Files, QDir::Name);
    inputs += QDir(QStringLiteral(LEXIGRILLE_DOCUMENT_CORPUS)).entryInfoList({ u("*.lxg") }, QDir::Files, QDir::Name);
    for (const QFileInfo& input : inputs) {
        const QString name = input.completeBaseName();
        check(name + u(".save.lxg"), { u("save"), input.absoluteFilePath() }, false);
        check(name + u(".png"), { u("render"), input.absoluteFilePath(), u("--dpi"), u("50") }, true);
    }
    for (const char* input : { "lexigrille", "mots-cases", "mots-codes" }) {
        for (const char* seed : { "1", "2" }) {
            const QString name = u(input) + u(".gen") + u(seed);
            check(name + u(".lxg"), { u("generate"), Input(input) + u(".lxg"), u("--seed"), u(seed) }, false);
            check(name + u(".png"), { u("render"), expected.filePath(name + u(".lxg")), u("--dpi"), u("50") }, true);
        }
    }
}

TEST_F(CliWorksheets, NewAndMakeFromTheDatabaseOrAList)
{
    const QStringList animals { u("--level"), u("cp"), u("--theme"), u("animaux"), u("--count"), u("5"), u("--size"),
                                u("8"), u("--seed"), u("4"), u("--title"), u("Les animaux") };
    for (const char* name : { "a.lxg", "b.lxg" })
        ASSERT_EQ(Cli(QStringList { u("new"), u("-o"), u(name) } + animals).code, 0);
    EXPECT_EQ(ReadAll(Out("a.lxg")), ReadAll(Out("b.lxg"))) << "the same seed draws the same words";
    const QString text = DecodeWindows1252(ReadAll(Out("a.lxg")));
    EXPECT_TRUE(text.contains(u("\r\nTitre=Les animaux\r\n")));
    EXPECT_TRUE(text.contains(u("\r\nMotsSélectionnés=")));
    EXPECT_EQ(text.count(u("\r\nListe")), 7) << "the seven animals, five of them checked";

    for (const char* png : { "c.png", "d.png" })
        ASSERT_EQ(Cli({ u("make"), u("-o"), u(png), u("--type"), u("mots-cases"), u("--words"), Out("fruits.txt"), u("--seed"),
                        u("9"), u("--dpi"), u("40") }).code, 0);
    EXPECT_FALSE(QImage(Out("c.png")).isNull());
    EXPECT_TRUE(QImage(Out("c.png")) == QImage(Out("d.png")));
    ASSERT_EQ(Cli({ u("make"), u("-o"), u("e.pdf"), u("--level"), u("CE1"), u("--lower"), u("copie"), u("--size"), u("10") }).code, 0);
    EXPECT_TRUE(ReadAll(Out("e.pdf")).startsWith("%PDF"));

    // One version per pupil, one a page.
    ASSERT_EQ(Cli({ u("new"), u("-o"), u("f.lxg"), u("--level"), u("CP"), u("--size"), u("10") }).code, 0);
    ASSERT_EQ(Cli({ u("render"), u("f.lxg"), u("-o"), u("f.pdf"), u("--versions"), u("4"), u("--seed"), u("2") }).code, 0);
    EXPECT_EQ(QString::fromLatin1(ReadAll(Out("f.pdf"))).count(QRegularExpression(u("/Type\\s*/Page(?!s)"))), 4);
    const CliRun png = Cli({ u("render"), u("f.lxg"), u("-o"), u("f.png"), u("--versions"), u("4") });
    EXPECT_EQ(png.code, 1);
    EXPECT_TRUE(png.err.contains(u("Les versions s'écrivent dans un PDF"))) << png.err.toStdString();

    // A level file missing from the program folder is named.
    QFile::remove(program.filePath(LevelFileName(0)));
    const CliRun missing = Cli({ u("new"), u("-o"), u("g.lxg"), u("--level"), u("CE1") });
    EXPECT_TRUE(missing.err.contains(u("Attention : fichiers absents du dossier ")) && missing.err.contains(LevelFileName(0)))
        << missing.err.toStdString();
}

// Wrong commands and choices: their exit code, a French message, nothing written.
// A draw of --count words never takes a word that can be read inside another
// one drawn: of these ten words, six at most go together, and each draw finds them.
TEST_F(CliWorksheets, DrawnWordsNeverHideOneAnother)
{
    test::WriteBytes(Out("cachés.txt"), EncodeWindows1252(u("noix\r\nnoix de coco\r\nalto\r\ncontralto\r\nété\r\n"
                                                           "pomme de terre\r\nroc\r\ncorbeau\r\nchat\r\nlion\r\n")));
    for (const char* seed : { "1", "2", "3", "4", "5", "6" }) {
        ASSERT_EQ(Cli({ u("new"), u("-o"), u("n.lxg"), u("--words"), Out("cachés.txt"), u("--count"), u("6"), u("--seed"), u(seed) }).code, 0);
        Document doc({ u("Arial"), u("Arial Narrow"), u("Tahoma") });
        doc.LoadDocument(Out("n.lxg"));
        const QStringList drawn = doc.words().CheckedWords();
        EXPECT_EQ(drawn.size(), 6) << seed;
        EXPECT_TRUE(ContainedWords(drawn).isEmpty()) << seed << ": " << drawn.join(u(", ")).toStdString();
    }
}

TEST_F(CliWorksheets, WrongCommandsAreRefusedAndNothingIsWritten)
{
    test::WriteBytes(Out("long.lxg"), "[LXGDocument]\r\nMotsS\xe9lectionn\xe9s=11111\r\nParam\xe8tres=5,1,1,0,1,1,0,-1,1,0,0,15,10,99\r\n"
                                      "Liste0=anticonstitutionnellement\r\nListe1=chat\r\nListe2=chien\r\nListe3=loup\r\nListe4=ours\r\n");
    struct Case {
        QStringList args;
        int code;
        const char* message;
    };
    std::vector<Case> cases = {
        { { u("generate"), Input("quatre-mots.lxg"), u("-o"), Out("x.lxg") }, 2, "cinq mots" },
        { { u("generate"), Input("sans-croisement.lxg"), u("-o"), Out("x.lxg"), u("--seed"), u("1") }, 3, "temps" },
        { { u("generate"), Out("long.lxg"), u("-o"), Out("x.lxg") }, 2, "« anticonstitutionnellement »" },
        { { u("generate"), Out("absent.lxg"), u("-o"), Out("x.lxg") }, 1, "introuvable" },
        { { u("generate"), Input("lexigrille.lxg") }, 1, "Commande incorrecte" }, // no output named
        { { u("dessine"), Input("lexigrille.lxg"), u("-o"), Out("x.lxg") }, 1, "Commande inconnue" },
    };
    const Case choices[] = { // of new and make
        { { u("--level"), u("CX") }, 1, "Classe inconnue : « CX ». Classes possibles : CP, CE1, CE2, CM1, CM2." },
        { { u("--level"), u("CP"), u("--theme"), u("Dinosaures") }, 1, "Thème inconnu : « Dinosaures ». Thèmes possibles : « Activités, métiers »" },
        { { u("--level"), u("CP"), u("--type"), u("sudoku") }, 1, "Type de jeu inconnu : « sudoku »" },
        { { u("--level"), u("CP"), u("--size"), u("40") }, 1, "L'option --size attend un nombre entier de 5 à 18" },
        { { u("--level"), u("CP"), u("--count"), u("beaucoup") }, 1, "L'option --count attend un nombre entier" },
        { { u("--level"), u("CP"), u("--lower"), u("moitié") }, 1, "Moitié inférieure inconnue" },
        { { u("--words"), u("absente.txt") }, 1, "La liste « absente.txt » est introuvable." },
        { { u("--words"), u("fruits.txt"), u("--level"), u("CP") }, 1, "pas des deux" },
        { {}, 1, "Choisissez les mots" },
        { { u("--level"), u("CP"), u("--couleur"), u("rouge") }, 1, "Option inconnue : --couleur." },
        { { u("--level"), u("CM2"), u("--theme"), u("Météo") }, 1, "Aucun mot ne correspond à ces choix." },
    };
    for (const Case& c : choices) {
        cases.push_back({ QStringList { u("new"), u("-o"), u("x.lxg") } + c.args, c.code, c.message });
        cases.push_back({ QStringList { u("make"), u("-o"), u("x.pdf") } + c.args, c.code, c.message });
    }
    for (const Case& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(u(" ")).toStdString();
        EXPECT_TRUE(r.err.contains(u(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(Out("x.lxg")) || QFile::exists(Out("x.pdf"))) << "nothing written";
    }
}

} // namespace
} // namespace lx
