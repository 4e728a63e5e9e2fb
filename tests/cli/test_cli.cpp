// lexigrille-cli end to end: hand-written documents of the three game types are
// generated, read back and saved again; the exit codes tell what happened.
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "support/TextSupport.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::ReadAll;
using test::u;

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun Cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(LEXIGRILLE_CLI), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
             QString::fromUtf8(p.readAllStandardError()) };
}

QString Input(const char* name)
{
    return QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).filePath(u(name));
}

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Out(const char* name) const { return dir.filePath(u(name)); }
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
            for (const WordEntry& e : z.WordEntries)
                EXPECT_TRUE(e.direction == 0 || e.direction == 2) << e.gridText.toStdString();
            EXPECT_GT(z.RevealChoices.size(), 5);
            break;
        case GameType::CodedWords: {
            QSet<int> codes;
            int present = 0;
            for (int k = 0; k < 26; ++k) {
                if (z.LetterCodes[k] == 0)
                    continue;
                ++present;
                EXPECT_TRUE(z.LetterCodes[k] >= 5 && z.LetterCodes[k] <= 40) << z.LetterCodes[k];
                codes.insert(z.LetterCodes[k]);
            }
            EXPECT_EQ(codes.size(), present) << "distinct codes";
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

TEST_F(CliTest, ExitCodesAndMessages)
{
    test::WriteBytes(Out("long.lxg"), "[LXGDocument]\r\nMotsS\xe9lectionn\xe9s=11111\r\nParam\xe8tres=5,1,1,0,1,1,0,-1,1,0,0,15,10,99\r\n"
                                      "Liste0=anticonstitutionnellement\r\nListe1=chat\r\nListe2=chien\r\nListe3=loup\r\nListe4=ours\r\n");
    const struct {
        QStringList args;
        int code;
        const char* message; // in the error output
    } cases[] = {
        { { u("generate"), Input("quatre-mots.lxg"), u("-o"), Out("x.lxg") }, 2, "cinq mots" },
        { { u("generate"), Input("sans-croisement.lxg"), u("-o"), Out("x.lxg"), u("--seed"), u("1") }, 3, "temps" },
        { { u("generate"), Out("long.lxg"), u("-o"), Out("x.lxg") }, 2, "« anticonstitutionnellement »" },
        { { u("generate"), Out("absent.lxg"), u("-o"), Out("x.lxg") }, 1, "introuvable" },
        { { u("generate"), Input("lexigrille.lxg") }, 1, "Commande incorrecte" }, // no output named
        { { u("dessine"), Input("lexigrille.lxg"), u("-o"), Out("x.lxg") }, 1, "Commande inconnue" },
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(u(" ")).toStdString();
        EXPECT_TRUE(r.err.contains(u(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(Out("x.lxg"))) << "nothing written";
    }
    CliRun r = Cli({ u("--help") });
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(u("generate")));
    r = Cli({ u("--version") });
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(u("Lexigrille ")));
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

} // namespace
} // namespace lx
