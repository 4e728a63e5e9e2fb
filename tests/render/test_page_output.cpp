// lexigrille-cli render end to end: documents of the three game types, in each
// lower-half mode, become a one-page A4 PDF and a PNG at the asked resolution.
#include "RenderTestSupport.h"

#include "document/FontCatalog.h"

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
    QString err;
};

CliRun RunProgram(const QString& program, const QStringList& args, QString* out = nullptr)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput());
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()) };
}

CliRun Cli(const QStringList& args)
{
    return RunProgram(QStringLiteral(LEXIGRILLE_CLI), args);
}

// Dark pixels in the rows between two heights of the page, in millimetres.
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

class RenderCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Out(const char* name) const { return dir.filePath(u(name)); }

    // A generated document of the input, saved with the given lower half.
    QString Generated(const char* input, int lowerHalf)
    {
        Document doc(FontCatalog::Installed().Names());
        doc.LoadDocument(QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).filePath(u(input)));
        doc.engine.SetFixedSeed(7);
        const GenerationResult g = doc.Generate();
        EXPECT_TRUE(g.succeeded()) << g.message.toStdString();
        doc.settings().lowerHalf = lowerHalf;
        const QString path = dir.filePath(QString::fromLatin1(input).replace(u(".lxg"), QStringLiteral("-%1.lxg").arg(lowerHalf)));
        EXPECT_TRUE(doc.SaveDocument(path).saved);
        return path;
    }
};

TEST_F(RenderCommand, EveryGameTypeAndLowerHalfToPngAndPdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(u("pdftotext"));
    for (const char* input : { "lexigrille.lxg", "mots-cases.lxg", "mots-codes.lxg" }) {
        for (int lowerHalf : { 0, 1, 2 }) {
            SCOPED_TRACE(std::string(input) + " lower half " + std::to_string(lowerHalf));
            const QString doc = Generated(input, lowerHalf);
            CliRun r = Cli({ u("render"), doc, u("-o"), Out("page.png") });
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            r = Cli({ u("render"), doc, u("-o"), Out("page.pdf") });
            ASSERT_EQ(r.code, 0) << r.err.toStdString();

            // The image: A4 at 150 dots per inch, ink above the fold, and below
            // it only when the lower half holds something.
            const QImage image(Out("page.png"));
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(1240, 1754));
            EXPECT_NEAR(image.dotsPerMeterX(), 150 / 0.0254, 1.0);
            EXPECT_GT(InkBetween(image, 0, 140), 5000);
            if (lowerHalf == 0) {
                EXPECT_EQ(InkBetween(image, 150, 288), 0);
            } else {
                EXPECT_GT(InkBetween(image, 150, 288), 5000);
            }
            EXPECT_GT(InkBetween(image, 290, 297), 100); // the footer

            // The PDF: one A4 page ("/Type /Page", not "/Type /Pages"), its
            // fonts embedded and its text mapped to Unicode.
            QFile file(Out("page.pdf"));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(u("/Type\\s*/Page(?![s])"))), 1);
            EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595"));
            EXPECT_TRUE(bytes.contains("842"));
            EXPECT_TRUE(bytes.contains("/FontFile2"));
            EXPECT_TRUE(bytes.contains("/ToUnicode"));
            if (QByteArray(input) == "mots-cases.lxg" && lowerHalf == 1 && !pdftotext.isEmpty()) {
                QString text; // the text can be selected, accents included
                ASSERT_EQ(RunProgram(pdftotext, { u("-enc"), u("UTF-8"), Out("page.pdf"), u("-") }, &text).code, 0);
                EXPECT_TRUE(text.contains(u("Mots casés de la ferme (Solution)"))) << text.toStdString();
                EXPECT_TRUE(text.contains(u("LETTRES")));
                EXPECT_TRUE(text.contains(u("CHÈVRE")));
            }
        }
    }
}

TEST_F(RenderCommand, ResolutionOptionAndWrongUses)
{
    const QString doc = Generated("mots-cases.lxg", 1);
    const CliRun r = Cli({ u("render"), doc, u("-o"), Out("page.png"), u("--dpi"), u("100") });
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(Out("page.png")).size(), QSize(827, 1169));

    const QStringList wrong[] = {
        { u("render"), doc, u("-o"), Out("page.jpg") },
        { u("render"), doc, u("-o"), Out("page.png"), u("--dpi"), u("abc") },
        { u("render"), doc, u("-o"), Out("page.png"), u("--dpi"), u("5000") },
        { u("render"), doc },
        { u("generate"), doc, u("-o"), Out("x.lxg"), u("--dpi"), u("150") },
        { u("render"), doc, u("-o"), Out("pas/de/dossier/page.pdf") },
    };
    for (const QStringList& args : wrong)
        EXPECT_EQ(Cli(args).code, 1) << args.join(u' ').toStdString();
    EXPECT_FALSE(QFile::exists(Out("page.jpg")));
    const CliRun missing = Cli({ u("render"), Out("absent.lxg"), u("-o"), Out("page.pdf") });
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(u("introuvable")));
}

} // namespace
} // namespace lx::test
