// lexigrille-cli render end to end: documents of the three game types, in each
// lower-half mode, become a one-page A4 PDF and a PNG at the asked resolution.
#include "RenderTestSupport.h"

#include "document/FontCatalog.h"
#include "render/PageExport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

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

// Dark pixels in the rows [top, bottom) of the image (millimetres from the top).
int InkBetween(const QImage& image, double topMm, double bottomMm)
{
    const double perMm = image.height() / 297.0;
    int ink = 0;
    for (int y = int(topMm * perMm); y < int(bottomMm * perMm) && y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(line[x]) < 160 ? 1 : 0;
    }
    return ink;
}

// The page objects of a PDF: "/Type /Page", not "/Type /Pages".
int PdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return int(QString::fromLatin1(pdf).count(page));
}

class RenderCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Out(const QString& name) const { return dir.filePath(name); }

    // A generated document of the input, saved with the given lower half.
    QString Generated(const char* input, int lowerHalf)
    {
        Document doc(FontCatalog::Installed().Names());
        doc.LoadDocument(Input(input));
        doc.engine.SetFixedSeed(7);
        const GenerationResult g = doc.Generate([](const QString&) { return true; });
        EXPECT_TRUE(g.succeeded()) << g.message.toStdString();
        doc.settings().lowerHalf = lowerHalf;
        const QString path = Out(QString::fromLatin1(input).replace(u(".lxg"), QStringLiteral("-%1.lxg").arg(lowerHalf)));
        EXPECT_TRUE(doc.SaveDocument(path).saved);
        return path;
    }
};

TEST_F(RenderCommand, EveryGameTypeAndLowerHalfToPngAndPdf)
{
    for (const char* input : { "lexigrille.lxg", "mots-cases.lxg", "mots-codes.lxg" }) {
        for (int lowerHalf : { 0, 1, 2 }) {
            SCOPED_TRACE(std::string(input) + " lower half " + std::to_string(lowerHalf));
            const QString doc = Generated(input, lowerHalf);
            const QString png = Out(u("page.png"));
            const QString pdf = Out(u("page.pdf"));
            CliRun r = Cli({ u("render"), doc, u("-o"), png });
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            r = Cli({ u("render"), doc, u("-o"), pdf });
            ASSERT_EQ(r.code, 0) << r.err.toStdString();

            // The image: A4 at 150 dots per inch, ink above the fold, and below
            // it only when the lower half holds something.
            QImage image(png);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(1240, 1754));
            EXPECT_NEAR(image.dotsPerMeterX(), 150 / 0.0254, 1.0);
            EXPECT_GT(InkBetween(image, 0, 140), 5000);
            const int lowerInk = InkBetween(image, 150, 288);
            if (lowerHalf == 0) {
                EXPECT_EQ(lowerInk, 0);
            } else {
                EXPECT_GT(lowerInk, 5000);
            }
            EXPECT_GT(InkBetween(image, 290, 297), 100); // the footer

            // The PDF: one A4 page, its fonts embedded and its text mapped to Unicode.
            const QByteArray bytes = ReadAll(pdf);
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            EXPECT_EQ(PdfPageCount(bytes), 1);
            EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595"));
            EXPECT_TRUE(bytes.contains("842"));
            EXPECT_TRUE(bytes.contains("/FontFile2"));
            EXPECT_TRUE(bytes.contains("/ToUnicode"));
        }
    }
}

TEST_F(RenderCommand, ResolutionOfTheImage)
{
    const QString doc = Generated("mots-cases.lxg", 1);
    const CliRun r = Cli({ u("render"), doc, u("-o"), Out(u("page.png")), u("--dpi"), u("100") });
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QImage image(Out(u("page.png")));
    EXPECT_EQ(image.size(), QSize(827, 1169));
}

TEST_F(RenderCommand, WrongUsesExitWithOne)
{
    const QString doc = Generated("lexigrille.lxg", 1);
    EXPECT_EQ(Cli({ u("render"), doc, u("-o"), Out(u("page.jpg")) }).code, 1);
    EXPECT_EQ(Cli({ u("render"), doc, u("-o"), Out(u("page.png")), u("--dpi"), u("abc") }).code, 1);
    EXPECT_EQ(Cli({ u("render"), doc, u("-o"), Out(u("page.png")), u("--dpi"), u("5000") }).code, 1);
    EXPECT_EQ(Cli({ u("render"), doc }).code, 1);
    EXPECT_EQ(Cli({ u("generate"), doc, u("-o"), Out(u("x.lxg")), u("--dpi"), u("150") }).code, 1);
    const CliRun missing = Cli({ u("render"), Out(u("absent.lxg")), u("-o"), Out(u("page.pdf")) });
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(u("introuvable")));
    EXPECT_EQ(Cli({ u("render"), doc, u("-o"), Out(u("pas/de/dossier/page.pdf")) }).code, 1);
    EXPECT_FALSE(QFile::exists(Out(u("page.jpg"))));
}

TEST_F(RenderCommand, PdfTextIsSelectable)
{
    const QString pdftotext = QStandardPaths::findExecutable(u("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString doc = Generated("mots-cases.lxg", 1);
    ASSERT_EQ(Cli({ u("render"), doc, u("-o"), Out(u("page.pdf")) }).code, 0);
    QProcess p;
    p.start(pdftotext, { u("-enc"), u("UTF-8"), Out(u("page.pdf")), u("-") });
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(u("Mots casés de la ferme (Solution)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(u("LETTRES")));
    EXPECT_TRUE(text.contains(u("CHÈVRE")));
}

TEST(PageExport, PrintingClearsTheHighlight)
{
    DocumentData d = MakeData(GameType::WordSearch);
    AddWords(d, { u("chat"), u("lapin") });
    PlaceWord(d, u("CHAT"), 0, 0, 0);
    PlaceWord(d, u("LAPIN"), 0, 1, 0);
    d.words.current = 0;
    d.puzzle.WordHighlighted = true;
    d.puzzle.HighlightedWord = 0;
    const QImage image = RenderPageImage(d, 72);
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(d.words.current, -1);
    EXPECT_FALSE(d.puzzle.WordHighlighted);
    EXPECT_EQ(d.puzzle.HighlightedWord, -1);
}

} // namespace
} // namespace lx::test
