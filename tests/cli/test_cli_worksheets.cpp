// lexigrille-cli new and make end to end, over a program folder of small
// level files: a worksheet from a few choices, the same seed giving the same
// file, and every wrong choice refused with a French message, nothing written.
#include "core/Text1252.h"
#include "words/ThemeDatabase.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx {
namespace {

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

class CliWorksheets : public ::testing::Test {
protected:
    QTemporaryDir program;
    QTemporaryDir out;

    void SetUp() override
    {
        for (int level = 0; level < kLevelCount; ++level) {
            QFile f(program.filePath(LevelFileName(level)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(EncodeWindows1252(u("A-  chat\r\nA-  chien\r\nA-  lapin\r\nA-  loup\r\nA-  lion\r\nA-  ours\r\n"
                                        "A-  âne\r\nE-  école\r\nE-  cahier\r\nE-  crayon\r\n")));
        }
        QFile list(out.filePath(u("fruits.txt")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("pomme\r\npoire\r\nkiwi\r\ncerise\r\nfraise\r\nmelon\r\n");
    }

    // Runs the tool; returns its exit code, stderr in *error.
    int Run(const QStringList& args, QString* error = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u("LEXIGRILLE_DATA_DIR"), program.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(out.path());
        p.start(QStringLiteral(LEXIGRILLE_CLI), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (error)
            *error = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
    QByteArray Read(const char* name)
    {
        QFile f(out.filePath(u(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(CliWorksheets, NewAndMakeFromTheDatabaseOrAList)
{
    const QStringList animals { u("--level"), u("cp"), u("--theme"), u("animaux"), u("--count"), u("5"), u("--size"),
                                u("8"), u("--seed"), u("4"), u("--title"), u("Les animaux") };
    ASSERT_EQ(Run(QStringList { u("new"), u("-o"), u("a.lxg") } + animals), 0);
    ASSERT_EQ(Run(QStringList { u("new"), u("-o"), u("b.lxg") } + animals), 0);
    EXPECT_EQ(Read("a.lxg"), Read("b.lxg")) << "the same seed draws the same words";
    const QString text = DecodeWindows1252(Read("a.lxg"));
    EXPECT_TRUE(text.contains(u("\r\nTitre=Les animaux\r\n")));
    EXPECT_TRUE(text.contains(u("\r\nMotsSélectionnés=")));
    EXPECT_EQ(text.count(u("\r\nListe")), 7) << "the seven animals, five of them checked";

    ASSERT_EQ(Run({ u("make"), u("-o"), u("c.png"), u("--type"), u("mots-cases"), u("--words"), out.filePath(u("fruits.txt")),
                    u("--seed"), u("9"), u("--dpi"), u("40") }),
              0);
    ASSERT_EQ(Run({ u("make"), u("-o"), u("d.png"), u("--type"), u("mots-cases"), u("--words"), out.filePath(u("fruits.txt")),
                    u("--seed"), u("9"), u("--dpi"), u("40") }),
              0);
    EXPECT_FALSE(QImage(out.filePath(u("c.png"))).isNull());
    EXPECT_TRUE(QImage(out.filePath(u("c.png"))) == QImage(out.filePath(u("d.png"))));
    ASSERT_EQ(Run({ u("make"), u("-o"), u("e.pdf"), u("--level"), u("CE1"), u("--lower"), u("copie"), u("--size"), u("10") }), 0);
    EXPECT_TRUE(Read("e.pdf").startsWith("%PDF"));

    // One version per pupil, one a page.
    ASSERT_EQ(Run({ u("new"), u("-o"), u("f.lxg"), u("--level"), u("CP"), u("--size"), u("10") }), 0);
    ASSERT_EQ(Run({ u("render"), u("f.lxg"), u("-o"), u("f.pdf"), u("--versions"), u("4"), u("--seed"), u("2") }), 0);
    EXPECT_EQ(QString::fromLatin1(Read("f.pdf")).count(QRegularExpression(u("/Type\\s*/Page(?!s)"))), 4);
    QString error;
    EXPECT_EQ(Run({ u("render"), u("f.lxg"), u("-o"), u("f.png"), u("--versions"), u("4") }, &error), 1);
    EXPECT_TRUE(error.contains(u("Les versions s'écrivent dans un PDF"))) << error.toStdString();
}

TEST_F(CliWorksheets, WrongChoicesAreRefusedAndNothingIsWritten)
{
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        { { u("--level"), u("CX") }, "Classe inconnue : « CX ». Classes possibles : CP, CE1, CE2, CM1, CM2." },
        { { u("--level"), u("CP"), u("--theme"), u("Dinosaures") }, "Thème inconnu : « Dinosaures ». Thèmes possibles : « Activités, métiers »" },
        { { u("--level"), u("CP"), u("--type"), u("sudoku") }, "Type de jeu inconnu : « sudoku »" },
        { { u("--level"), u("CP"), u("--size"), u("40") }, "L'option --size attend un nombre entier de 5 à 18" },
        { { u("--level"), u("CP"), u("--count"), u("beaucoup") }, "L'option --count attend un nombre entier" },
        { { u("--level"), u("CP"), u("--lower"), u("moitié") }, "Moitié inférieure inconnue" },
        { { u("--words"), u("absente.txt") }, "La liste « absente.txt » est introuvable." },
        { { u("--words"), u("fruits.txt"), u("--level"), u("CP") }, "pas des deux" },
        { {}, "Choisissez les mots" },
        { { u("--level"), u("CP"), u("--couleur"), u("rouge") }, "Option inconnue : --couleur." },
        { { u("--level"), u("CM2"), u("--theme"), u("Météo") }, "Aucun mot ne correspond à ces choix." },
    };
    for (const char* command : { "new", "make" }) {
        for (const Case& c : cases) {
            const QString file = QString::fromLatin1(command) == u("new") ? u("x.lxg") : u("x.pdf");
            QString error;
            EXPECT_EQ(Run(QStringList { u(command), u("-o"), file } + c.args, &error), 1) << c.message;
            EXPECT_TRUE(error.contains(u(c.message))) << error.toStdString();
            EXPECT_FALSE(QFile::exists(out.filePath(file))) << c.message;
        }
    }
}

} // namespace
} // namespace lx
