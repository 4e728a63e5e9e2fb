// lexigrille-cli end to end: hand-written documents of the three game types are
// generated, saved and read back; the exit codes tell what happened.
#include "document/Document.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
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

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

const QStringList kFonts { u("Arial"), u("Arial Narrow"), u("Tahoma") };

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Out(const char* name) const { return dir.filePath(u(name)); }

    // Generates with a seed and reads the result back.
    void GenerateAndLoad(const char* input, Document& doc)
    {
        const CliRun r = Cli({ u("generate"), Input(input), u("-o"), Out("sortie.lxg"), u("--seed"), u("7") });
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        doc.LoadDocument(Out("sortie.lxg"));
    }
};

void ExpectEntriesReadBack(const PuzzleState& z)
{
    for (const WordEntry& e : z.WordEntries) {
        ASSERT_FALSE(e.gridText.isEmpty());
        const DirectionStep st = kDirectionSteps[e.direction];
        QString read;
        for (int k = 0; k < e.gridText.size(); ++k)
            read += z.LetterGrid.at(e.x + k * st.dx, e.y + k * st.dy).toUpper();
        EXPECT_EQ(read, e.gridText);
    }
}

TEST_F(CliTest, WordSearchWithHiddenMessage)
{
    Document doc(kFonts);
    GenerateAndLoad("lexigrille.lxg", doc);
    const PuzzleState& z = doc.puzzle();
    EXPECT_EQ(doc.settings().title, u("Les animaux de la ferme"));
    EXPECT_EQ(doc.settings().puzzle.message, u("Bravo, tu as tout trouvé !"));
    EXPECT_EQ(doc.settings().themeText, u("Animaux de la ferme"));
    ASSERT_EQ(z.WordEntries.size(), 13) << "veau is not checked";
    ExpectEntriesReadBack(z);
    // The free cells read the message in order.
    QString free;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (!z.LetterGrid.at(x, y).isEmpty() && z.LetterGrid.at(x, y)[0].isLower())
                free += z.LetterGrid.at(x, y);
    EXPECT_TRUE(u("bravotuastouttrouve").startsWith(free) || free.startsWith(u("bravotuastouttrouve"))) << free.toStdString();
}

TEST_F(CliTest, FillIn)
{
    Document doc(kFonts);
    GenerateAndLoad("mots-cases.lxg", doc);
    const PuzzleState& z = doc.puzzle();
    ASSERT_EQ(z.WordEntries.size(), 14);
    ExpectEntriesReadBack(z);
    for (const WordEntry& e : z.WordEntries)
        EXPECT_TRUE(e.direction == 0 || e.direction == 2);
    EXPECT_GT(z.RevealChoices.size(), 5);
    EXPECT_EQ(doc.settings().puzzle.revealChoice, u("(?)"));
}

TEST_F(CliTest, CodedWordsWithinTheBounds)
{
    Document doc(kFonts);
    GenerateAndLoad("mots-codes.lxg", doc);
    const PuzzleState& z = doc.puzzle();
    QSet<int> codes;
    int present = 0;
    for (int k = 0; k < 26; ++k) {
        if (z.LetterCodes[k] == 0)
            continue;
        ++present;
        EXPECT_GE(z.LetterCodes[k], 5);
        EXPECT_LE(z.LetterCodes[k], 40);
        codes.insert(z.LetterCodes[k]);
    }
    EXPECT_EQ(codes.size(), present) << "distinct codes";
    // Every letter cell carries its letter's code, read back from the file.
    int cells = 0;
    for (int y = 2; y < 31; ++y)
        for (int x = 0; x < 31; ++x) {
            const QString c = z.LetterGrid.at(x, y);
            if (c.isEmpty())
                continue;
            ++cells;
            EXPECT_EQ(z.CodeGrid.at(x, y), z.LetterCodes[LetterIndex(c[0].toUpper())]);
        }
    int letters = 0;
    for (const QString& w : doc.words().CheckedWords())
        letters += int(ToGridForm(w).size());
    EXPECT_EQ(cells, letters);
}

TEST_F(CliTest, SameSeedSameFileAndSaveRoundTrips)
{
    for (const char* input : { "lexigrille.lxg", "mots-cases.lxg", "mots-codes.lxg" }) {
        ASSERT_EQ(Cli({ u("generate"), Input(input), u("-o"), Out("a.lxg"), u("--seed"), u("42") }).code, 0) << input;
        ASSERT_EQ(Cli({ u("generate"), Input(input), u("-o"), Out("b.lxg"), u("--seed"), u("42") }).code, 0) << input;
        EXPECT_EQ(ReadAll(Out("a.lxg")), ReadAll(Out("b.lxg"))) << input;
        const CliRun r = Cli({ u("save"), Out("a.lxg"), u("-o"), Out("c") });
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(ReadAll(Out("a.lxg")), ReadAll(Out("c.lxg"))) << "open then save as changes nothing: " << input;
    }
}

TEST_F(CliTest, ExitCodes)
{
    CliRun r = Cli({ u("generate"), Input("quatre-mots.lxg"), u("-o"), Out("x.lxg") });
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(u("cinq mots"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(Out("x.lxg"))) << "nothing written";

    r = Cli({ u("generate"), Input("sans-croisement.lxg"), u("-o"), Out("x.lxg"), u("--seed"), u("1") });
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.contains(u("temps"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(Out("x.lxg")));

    r = Cli({ u("generate"), Out("absent.lxg"), u("-o"), Out("x.lxg") });
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(u("introuvable"))) << r.err.toStdString();

    r = Cli({ u("generate"), Input("lexigrille.lxg") });
    EXPECT_EQ(r.code, 1) << "no output named";
    r = Cli({ u("dessine"), Input("lexigrille.lxg"), u("-o"), Out("x.lxg") });
    EXPECT_EQ(r.code, 1);

    r = Cli({ u("--help") });
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

TEST_F(CliTest, TooLongWordIsRefusedWithItsMessage)
{
    QFile f(Out("long.lxg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[LXGDocument]\r\nMotsS\xe9lectionn\xe9s=11111\r\nParam\xe8tres=5,1,1,0,1,1,0,-1,1,0,0,15,10,99\r\n"
            "Liste0=anticonstitutionnellement\r\nListe1=chat\r\nListe2=chien\r\nListe3=loup\r\nListe4=ours\r\n\r\n");
    f.close();
    const CliRun r = Cli({ u("generate"), Out("long.lxg"), u("-o"), Out("x.lxg") });
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(u("« anticonstitutionnellement »"))) << r.err.toStdString();
}

} // namespace
} // namespace lx
