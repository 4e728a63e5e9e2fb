// lexigrille-cli end to end: outputs compared with the expected files; worksheets made over a program
// folder of small level files; wrong commands refused in French.
#include "support/DocumentSupport.h"
#include "words/ContainedWords.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace lx::test {
namespace {

struct CliRun { int code = -1; QString err, out; }; // the exit code (-1: a crash) and the outputs

QString Input(const char* name) { return QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).filePath(u(name)); }

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir; // the outputs, and the tool's working folder
    QString dataDir;   // the program folder, if not the build's
    QString display;   // an X display to run on, as on a desktop; offscreen when empty

    QString Out(const char* name) const { return dir.filePath(u(name)); }
    // The teacher's folder of the runs: none unless a test makes it.
    QString UserDir() const { return dir.filePath(u("enseignant")); }
    CliRun Cli(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!dataDir.isEmpty())
            env.insert(u("LEXIGRILLE_DATA_DIR"), dataDir);
        env.insert(u("LEXIGRILLE_USER_DIR"), UserDir());
        if (!display.isEmpty()) {
            env.remove(u("QT_QPA_PLATFORM"));
            env.insert(u("DISPLAY"), display);
        }
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(LEXIGRILLE_CLI), args, QIODevice::ReadOnly | QIODevice::Text); // CR LF on Windows read as LF
        EXPECT_TRUE(p.waitForFinished(60000));
        return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()),
                 QString::fromUtf8(p.readAllStandardOutput()) };
    }
};

// new and make over a program folder of small level files, and a list file.
class CliWorksheets : public CliTest {
protected:
    QTemporaryDir program;

    void SetUp() override
    {
        const QByteArray words = EncodeWindows1252(u("A-  chat\r\nA-  chien\r\nA-  lapin\r\nA-  loup\r\nA-  lion\r\nA-  ours\r\nA-  âne\r\n"
                                                     "E-  école\r\nE-  cahier\r\nE-  crayon\r\n"));
        for (int level = 0; level < kLevelCount; ++level)
            WriteBytes(program.filePath(LevelFileName(level)), words);
        WriteBytes(Out("fruits.txt"), "pomme\r\npoire\r\nkiwi\r\ncerise\r\nfraise\r\nmelon\r\n");
        dataDir = program.path();
    }
};

// Documents opened then saved, generated with a seed, and their pages as images are compared with the files of
// tests/cli/expected (pixel for pixel). After an intended change, LEXIGRILLE_UPDATE_EXPECTED=1 writes the new files there.
TEST_F(CliTest, OutputsMatchTheExpectedFiles)
{
    const QDir expected(QStringLiteral(LEXIGRILLE_CLI_EXPECTED));
    const bool update = qEnvironmentVariableIntValue("LEXIGRILLE_UPDATE_EXPECTED") == 1;
    auto check = [&](const QString& name, const QStringList& args, bool image) {
        const QString out = Out("sortie") + u(".") + QFileInfo(name).suffix();
        const CliRun r = Cli(args + QStringList { u("-o"), out });
        ASSERT_EQ(r.code, 0) << name.toStdString() << ": " << r.err.toStdString();
        if (update) {
            QFile::remove(expected.filePath(name));
            ASSERT_TRUE(QFile::copy(out, expected.filePath(name)));
        }
        if (image) {
            const QImage want(expected.filePath(name));
            ASSERT_FALSE(want.isNull()) << name.toStdString();
            EXPECT_TRUE(QImage(out).convertToFormat(QImage::Format_RGB32) == want.convertToFormat(QImage::Format_RGB32)) << name.toStdString();
        } else {
            EXPECT_EQ(ReadAll(out), ReadAll(expected.filePath(name))) << name.toStdString();
        }
    };
    QFileInfoList inputs = QDir(QStringLiteral(LEXIGRILLE_CLI_DATA)).entryInfoList({ u("*.lxg") }, QDir::Files, QDir::Name);
    inputs += QDir(QStringLiteral(LEXIGRILLE_DOCUMENT_CORPUS)).entryInfoList({ u("*.lxg") }, QDir::Files, QDir::Name);
    for (const QFileInfo& input : inputs) {
        if (input.size() == 0) { // no document: refused as any, its exit code and nothing written as for a missing file
            EXPECT_EQ(Cli({ u("save"), input.absoluteFilePath(), u("-o"), Out("vide.lxg") }).err,
                      u("« ") + input.fileName() + u(" » n'est pas un document Lexigrille.\n"));
            continue;
        }
        check(input.completeBaseName() + u(".save.lxg"), { u("save"), input.absoluteFilePath() }, false);
        check(input.completeBaseName() + u(".png"), { u("render"), input.absoluteFilePath(), u("--dpi"), u("50") }, true);
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
    const QStringList animals = Words("--level cp --theme animaux --count 5 --size 8 --seed 4 --title") << u("Les animaux");
    for (const char* name : { "a.lxg", "b.lxg" })
        ASSERT_EQ(Cli(QStringList { u("new"), u("-o"), u(name) } + animals).code, 0);
    EXPECT_EQ(ReadAll(Out("a.lxg")), ReadAll(Out("b.lxg"))) << "the same seed draws the same words";
    const QString text = DecodeWindows1252(ReadAll(Out("a.lxg")));
    EXPECT_TRUE(text.contains(u("\r\nTitre=Les animaux\r\n")));
    EXPECT_EQ(text.count(u("\r\nListe")), 7) << "the seven animals, five of them checked";

    for (const char* png : { "c.png", "d.png" })
        ASSERT_EQ(Cli(Words("make --type mots-cases --seed 9 --dpi 40 -o") << u(png) << u("--words") << Out("fruits.txt")).code, 0);
    EXPECT_FALSE(QImage(Out("c.png")).isNull());
    EXPECT_TRUE(QImage(Out("c.png")) == QImage(Out("d.png")));
    // What the list lost is told, as the window tells it.
    WriteBytes(Out("longue.txt"), "pomme\r\npoire\r\nkiwi\r\ncerise\r\nfraise\r\nune phrase bien trop longue pour la grille\r\n");
    EXPECT_EQ(Cli(Words("new -o e.lxg --words") << Out("longue.txt")).err, u("Attention : l'entrée « une phrase bien trop longue pour la gri… » a été ignorée : elle a plus de 30 caractères.\n"));
    // One version per pupil, one a page.
    ASSERT_EQ(Cli(Words("new -o f.lxg --level CP --size 10")).code, 0);
    EXPECT_TRUE(Cli(Words("render f.lxg -o f.pdf --versions 4 --seed 2")).out.contains(u("4 versions enregistrées sur 4 feuilles :")));
    EXPECT_EQ(QString::fromLatin1(ReadAll(Out("f.pdf"))).count(QRegularExpression(u("/Type\\s*/Page(?!s)"))), 4);
    const CliRun png = Cli(Words("render f.lxg -o f.png --versions 4"));
    EXPECT_EQ(png.code, 1);
    EXPECT_TRUE(png.err.contains(u("Les versions s'écrivent dans un PDF"))) << png.err.toStdString();
    // A version whose hidden message leaves cells empty is named, as the window asks before printing.
    // A digit, which no grid takes, is said at once; so are fewer words than asked for.
    const CliRun made = Cli(Words("new -o m.lxg --level CP --theme animaux --count 6 --size 10 --message BravoCP1"));
    ASSERT_EQ(made.code, 0);
    EXPECT_TRUE(made.err.contains(u("« 1 » ne va pas dans la grille, qui n'a que les lettres de A à Z"))) << made.err.toStdString();
    EXPECT_EQ(Cli(Words("new -o n.lxg --level CP --theme animaux --count 9")).err,
              u("Attention : la fiche a 7 mots et non 9 : ces choix n'en donnent pas plus.\n"));
    const CliRun message = Cli(Words("render m.lxg -o m.pdf --versions 2 --seed 2"));
    EXPECT_TRUE(message.err.contains(u("Attention (version 2) : il manque ")) && message.err.endsWith(u(" dans le message secret.\n")))
        << message.err.toStdString();
    // One page whose message has more letters than free cells says so: its key prints letters the grid lacks.
    const CliRun cut = Cli(Words("make -o long.pdf --level CP --theme animaux --count 6 --size 10 --seed 2 --message")
                           << QString(90, u'a'));
    EXPECT_EQ(cut.code, 0);
    EXPECT_TRUE(cut.err.contains(QRegularExpression(u("Attention : il y a \\d+ lettres de trop dans le message secret.\n$"))))
        << cut.err.toStdString();
    // A level file missing from the program folder is named.
    QFile::remove(program.filePath(LevelFileName(0)));
    const CliRun missing = Cli(Words("new -o g.lxg --level CE1"));
    EXPECT_TRUE(missing.err.contains(u("Attention : fichier absent du dossier ")) && missing.err.contains(LevelFileName(0)))
        << missing.err.toStdString();
}

// render writes one A4 page ("/Type /Page", not "/Pages"), its fonts embedded and its text
// selectable, accents included; a page that overflows is written all the same, with a warning.
TEST_F(CliTest, RenderWritesOnePdfPageAndWarnsOfAnOverflow)
{
    const QString filled = QDir(QStringLiteral(LEXIGRILLE_CLI_EXPECTED)).filePath(u("mots-cases.gen1.lxg")); // with its grid
    CliRun r = Cli({ u("render"), filled, u("-o"), Out("page.pdf") });
    EXPECT_TRUE(r.code == 0 && r.err.isEmpty()) << r.err.toStdString();
    const QByteArray pdf = ReadAll(Out("page.pdf"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(u("/Type\\s*/Page(?!s)"))), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") && pdf.contains("/FontFile2") && pdf.contains("/ToUnicode"));
    // 80 words beside a 5 x 5 grid cannot fit even in 7 points.
    DocumentOf doc({}, 5);
    Reopen(doc, [](DocumentData& d) {
        for (int i = 0; i < 80; ++i)
            d.words.SetChecked(d.words.AddWordIfAbsent(u("hippopotame") + QString::number(i)).index, true);
    });
    ASSERT_TRUE(SaveFile(doc, Out("page.lxg")));
    r = Cli({ u("render"), Out("page.lxg"), u("-o"), Out("trop.png") });
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(QFile::exists(Out("trop.png")));
    EXPECT_EQ(r.err, u("Attention : la liste de mots dépasse de la page, même écrite en 7 points : retirez des mots.\n"));
    // A class's words without a theme: the warning names the option that narrows them.
    r = Cli(Words("make -o classe.pdf --type mots-cases --level CP"));
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.startsWith(u("Attention : ces ")) && r.err.endsWith(u(" : choisissez un thème (--theme).\n"))) << r.err.toStdString();
}

// new and make start from "Nouvelle fiche"'s template (the teacher's, else the program's); without a title of
// their own, the sheet is titled after its words; a worksheet that takes the whole page prints its key on a
// second page (the other lower halves and their notices: test_sheets).
TEST_F(CliWorksheets, TheTemplateTheTitleAndTheKeyOfAWholePage)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext (poppler-utils) reads the pages";
    WriteBytes(program.filePath(u("modèle.lxg")), "[LXGDocument]\r\nPrenomDate=1\r\n");
    const QStringList animals = Words("--level CP --theme animaux --seed 1 --size 8");
    ASSERT_EQ(Cli(QStringList { u("make"), u("-o"), u("a.pdf") } + animals).code, 0);
    QString text = PdfText(Out("a.pdf"));
    EXPECT_TRUE(text.contains(u("Prénom")) && text.contains(u("\nAnimaux\n"))) << text.toStdString();
    ASSERT_EQ(Cli(QStringList { u("make"), u("-o"), u("b.pdf"), u("--no-name-line") } + animals).code, 0);
    EXPECT_FALSE(PdfText(Out("b.pdf")).contains(u("Prénom")));
    // The teacher's own template wins over the program's.
    QDir().mkpath(UserDir());
    WriteBytes(QDir(UserDir()).filePath(u("modèle.lxg")), "[LXGDocument]\r\nPrenomDate=0\r\n");
    ASSERT_EQ(Cli(QStringList { u("make"), u("-o"), u("c.pdf"), u("--words"), Out("fruits.txt") }).code, 0);
    text = PdfText(Out("c.pdf"));
    EXPECT_FALSE(text.contains(u("Prénom")));
    EXPECT_TRUE(text.contains(u("\nFruits\n"))) << "the list's name as the title";
    // 18 cells at 14 points take the whole page.
    WriteBytes(Out("big.txt"), "chat\r\nchien\r\nlapin\r\nloup\r\nlion\r\nours\r\n");
    const CliRun r = Cli(Words("make -o big.pdf --size 18 --no-fit --seed 2 --lower solution --words") << Out("big.txt"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u("La solution sera imprimée sur une deuxième page.\n"));
    const QStringList pages = PdfText(Out("big.pdf")).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages[0].contains(u("Solution")));
    EXPECT_TRUE(pages[1].contains(u("Big (Solution)"))) << pages[1].toStdString();
}

// Every setting of the window from the command line, as the document keeps it.
TEST_F(CliWorksheets, EveryWindowSettingFromTheCommandLine)
{
    const struct { QStringList args; const char* line; } cases[] = {
        { Words("--directions droite,bas,diagonale-inverse"), "Valeurs=101001," },
        { { u("--directions"), u("tous"), u("--message"), u("Bravo, les amis"), u("--shuffle-message") }, "Valeurs=111111,BRAVO, LES AMIS" },
        { Words("--lowercase --visible-cells --no-column-rules --size 9 --lower vide"), "Paramètres=9,0,0,1,0," },
        { Words("--type mots-codes --codes range:10-40 --lower copie"), ",2,2,1,-1,1,0,0,15,10,40" },
        { Words("--type mots-codes --codes range:40-10"), ",1,0,0,15,10,40" }, // put in order, as the window does
        { Words("--type mots-codes --codes symbols --revealed 4"), "LettresDonnées=4" },
        { Words("--type mots-cases --reveal e"), "Valeurs=1,E\r\n" }, // kept for the first generation
        { QStringList { u("--type"), u("mots-cases"), u("--reveal"), u("É") }, "Valeurs=1,E\r\n" }, // the grid has no accents
        { Words("--grid-font Tahoma,16 --list-font arial,14"), "PoliceGrille=Tahoma,16,0,0\r\nPoliceListe=Arial,14,0,0" },
        { Words("--pictures instead"), "Images=2" },
        { Words("--level CE1 --theme ecol"), "Thèmes=E" }, // the start of "École"
    };
    for (const auto& c : cases) {
        QStringList args = Words("new -o x.lxg");
        if (!c.args.contains(u("--level")))
            args << u("--level") << u("CP");
        const CliRun r = Cli(args + c.args);
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QString text = DecodeWindows1252(ReadAll(Out("x.lxg")));
        EXPECT_TRUE(text.contains(u(c.line))) << c.line << "\n" << text.left(600).toStdString();
    }
}

// make says which options its game does not use; new keeps them quietly, for another game.
TEST_F(CliWorksheets, MakeSaysWhichOptionsItsGameDoesNotUse)
{
    const struct { const char* args; const char* warning; } cases[] = {
        { "--type mots-codes --pictures beside --list-font Arial,14 --codes symbols",
          "Attention : ces options ne servent pas aux mots codés : --pictures, --list-font.\n" },
        { "--type mots-cases --size 9 --reveal e --no-column-rules", "Attention : cette option ne sert pas aux mots casés : --size.\n" },
        { "--directions toutes --codes symbols --revealed 3", "Attention : ces options ne servent pas à Lexigrille : --codes, --revealed.\n" },
        { "--type mots-cases --reveal e --lowercase --grid-font Arial,14", "" },
    };
    for (const auto& c : cases) {
        const QStringList args = Words(c.args) << u("--words") << Out("fruits.txt");
        const CliRun made = Cli(Words("make -o m.pdf --seed 3") + args);
        EXPECT_EQ(made.code, 0) << made.err.toStdString();
        EXPECT_EQ(made.err, u(c.warning)) << c.args;
        const CliRun kept = Cli(Words("new -o m.lxg") + args);
        EXPECT_EQ(kept.err, QString()) << c.args;
    }
    // A letter no word holds cannot be revealed: both say so (it used to change to another without a word).
    for (const char* command : { "make -o m.pdf", "new -o m.lxg" }) {
        EXPECT_EQ(Cli(Words(command) + Words("--type mots-cases --reveal z --words") << Out("fruits.txt")).err,
                  u("Attention : aucun mot ne contient la lettre Z : la lettre révélée sera tirée au hasard.\n"));
    }
}

// --pictures draws the pictures of the program folder's table and of the teacher's own, and names the words left
// without one (the same words whether beside or instead of the words: test_word_pictures).
TEST_F(CliWorksheets, PicturesFromBothTablesAndTheWordsWithout)
{
    WriteBytes(QDir(program.path()).filePath(u("images.txt")), "pomme U+1F34E\r\npoire U+1F350\r\ncerise U+1F352\r\n");
    ASSERT_TRUE(QDir().mkpath(UserDir()));
    WriteBytes(QDir(UserDir()).filePath(u("images.txt")), "fraise U+1F353\r\n");
    const CliRun r = Cli(Words("make -o p.pdf --seed 2 --pictures beside --words") << Out("fruits.txt"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u("2 mots sans image : kiwi, melon\n"));
    // A draw for a list of pictures takes the words that have one first: five of six words, one without.
    for (const char* seed : { "1", "2", "3", "4", "5" }) {
        const CliRun drawn = Cli(Words("make -o p.pdf --count 5 --pictures instead --words") << Out("fruits.txt") << u("--seed") << u(seed));
        EXPECT_TRUE(drawn.err.startsWith(u("1 mot sans image : "))) << seed << ": " << drawn.err.toStdString();
    }
}

// The unfit words a teacher adds in their own folder are kept out of the filler, as in the window: two filler letters
// side by side in one grid are never so again once listed.
TEST_F(CliWorksheets, TheTeachersUnfitWordsAreKeptOut)
{
    ASSERT_EQ(Cli(Words("new -o a.lxg --level CP --size 10")).code, 0);
    const auto fillerRows = [&] {
        EXPECT_EQ(Cli(Words("generate a.lxg -o b.lxg --seed 3")).code, 0);
        QStringList rows = QString::fromLatin1(ReadAll(Out("b.lxg"))).split(u("\r\n")).filter(QRegularExpression(u("^Grille\\d=")));
        for (QString& row : rows)
            row = row.mid(row.indexOf(u'=') + 1, 10).replace(QRegularExpression(u("[^a-z]")), u("."));
        return rows.join(u("|"));
    };
    const QString before = fillerRows();
    const QRegularExpressionMatch pair = QRegularExpression(u("[a-z]{2}")).match(before);
    ASSERT_TRUE(pair.hasMatch()) << before.toStdString();
    ASSERT_TRUE(QDir().mkpath(QDir(UserDir()).filePath(u("filtres"))));
    WriteBytes(QDir(UserDir()).filePath(u("filtres/mots-exclus.txt")), pair.captured().toLatin1() + "\r\n");
    const QString after = fillerRows();
    std::u16string back = pair.captured().toStdU16String();
    std::reverse(back.begin(), back.end());
    EXPECT_FALSE(after.contains(pair.captured()) || after.contains(QString::fromStdU16String(back))) << after.toStdString();
    // A hidden message's letters cannot be drawn again: the unfit word they spell is named when the grid is made, and
    // again when the saved sheet is drawn.
    WriteBytes(QDir(UserDir()).filePath(u("filtres/mots-exclus.txt")), "zz\r\n");
    ASSERT_EQ(Cli(Words("new -o m.lxg --level CP --size 8 --message") << QString(40, u'z')).code, 0);
    for (const QStringList& args : { Words("generate m.lxg -o n.lxg --seed 1"), Words("render n.lxg -o n.png") }) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.err.contains(u("Attention : la grille laisse lire « ZZ », un mot qu'un élève ne doit pas y trouver."))) << r.err.toStdString();
    }
}

// On a desktop Qt runs on X11, where it takes « --title » for a window's title: the tool's options reach the tool.
TEST_F(CliWorksheets, OptionsReachTheToolOnADesktop)
{
    const QString xvfb = QStandardPaths::findExecutable(u("Xvfb"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QProcess server; // writes the number of the free display it chose, once it takes clients
    server.start(xvfb, Words("-displayfd 1 -nolisten tcp -screen 0 640x480x24"));
    ASSERT_TRUE(server.waitForReadyRead(20000));
    display = u(":") + QString::fromLatin1(server.readLine()).trimmed();
    const CliRun r = Cli(Words("new -o t.lxg --title") << u("Les fruits de l'automne") << u("--words") << Out("fruits.txt"));
    server.kill();
    server.waitForFinished();
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(DecodeWindows1252(ReadAll(Out("t.lxg"))).contains(u("\r\nTitre=Les fruits de l'automne\r\n")));
}

// A draw of --count words never takes a word read inside another one drawn: of these ten words, six at most go
// together, and each draw finds them.
TEST_F(CliWorksheets, DrawnWordsNeverHideOneAnother)
{
    WriteBytes(Out("cachés.txt"), EncodeWindows1252(u("noix\r\nnoix de coco\r\nalto\r\ncontralto\r\nété\r\n"
                                                           "pomme de terre\r\nroc\r\ncorbeau\r\nchat\r\nlion\r\n")));
    for (const char* seed : { "1", "2", "3", "4", "5", "6" }) {
        ASSERT_EQ(Cli(Words("new -o n.lxg --count 6 --words") << Out("cachés.txt") << u("--seed") << u(seed)).code, 0);
        Document doc(kFonts);
        ASSERT_TRUE(LoadFile(doc, Out("n.lxg")));
        const QStringList drawn = doc.words().CheckedWords();
        EXPECT_EQ(drawn.size(), 6) << seed;
        EXPECT_TRUE(ContainedWords(drawn).isEmpty()) << seed << ": " << drawn.join(u(", ")).toStdString();
    }
}

// Wrong commands and choices: their exit code, a French message, nothing written.
TEST_F(CliWorksheets, WrongCommandsAreRefusedAndNothingIsWritten)
{
    struct Case { QStringList args; int code; const char* message; };
    WriteBytes(Out("apart.txt"), "kiwi\r\npomme\r\nlutin\r\nbras\r\ndahu\r\n");
    WriteBytes(program.filePath(u("Noël.txt")), "sapin\r\nneige\r\n");
    std::vector<Case> cases = {
        // Too few words: make names its options, a document's generation the boxes of the window it comes from.
        { Words("make -o x.pdf --level CP --count 3"), 2, "Choisissez au moins cinq mots pour créer la grille : 3 mots choisis pour" },
        { Words("make -o x.pdf --level CP --theme ecole"), 2, "Choisissez d'autres thèmes (--theme) ou classes (--level), ou une liste plus" },
        { { u("generate"), Input("quatre-mots.lxg"), u("-o"), Out("x.lxg") }, 2, "Cochez au moins cinq mots pour créer la grille : 4 mots cochés" },
        { { u("generate"), Input("sans-croisement.lxg"), u("-o"), Out("x.lxg"), u("--seed"), u("1") }, 3,
          "Attention : le temps de calcul est dépassé avant que ces 5 mots soient tous placés dans le cadre : créez la grille à nouveau" },
        { Words("make -o x.pdf --type mots-cases --words") << Out("apart.txt"), 2,
          "Ces mots ne peuvent pas former une seule grille : « pomme » n'a aucune lettre commune avec les autres mots." },
        { { u("generate"), Out("absent.lxg"), u("-o"), Out("x.lxg") }, 1, "introuvable" },
        { { u("generate"), Input("lexigrille.lxg") }, 1, "Commande incorrecte : indiquez un document et un fichier de sortie (-o)." }, // no output named
        { { u("dessine"), Input("lexigrille.lxg"), u("-o"), Out("x.lxg") }, 1, "Commande inconnue : « dessine »." },
    };
    const Case choices[] = { // of new and make
        { Words("--level CX"), 1, "Classe inconnue : « CX ». Classes possibles : CP, CE1, CE2, CM1, CM2." },
        { Words("--level CP --theme Dinosaures"), 1, "Thème inconnu : « Dinosaures ». Thèmes possibles : « Activités, métiers »" },
        { Words("--level CE1 --theme noel"), 1, "». La liste de mots « Noël » se choisit avec --words \"" }, // a ready list's name
        { Words("--level CP --type sudoku"), 1, "Type de jeu inconnu : « sudoku »" },
        { Words("--level CP --size 40"), 1, "L'option --size attend un nombre entier de 5 à 18" },
        { Words("--level CP --count beaucoup"), 1, "L'option --count attend un nombre entier" },
        { Words("--level CP --lower moitié"), 1, "Moitié inférieure inconnue" },
        { Words("--words absente.txt"), 1, "La liste « absente.txt » est introuvable." },
        { Words("--words fruits.txt --level CP"), 1, "pas des deux" },
        { Words("--words ."), 1, "« . » est un dossier : donnez le fichier de la liste" },
        { {}, 1, "Choisissez les mots" },
        { Words("--level CP --couleur rouge"), 1, "Commande incorrecte : l'option --couleur est inconnue." },
        { Words("--level CM2 --theme Météo"), 1, "Aucun mot ne correspond à ces choix." },
        // What a document file cannot hold is named, never written as "?".
        { { u("--level"), u("CP"), u("--title"), u("Les animaux ✏️ ő") }, 1,
          "L'option --title contient les caractères « ✏ » (U+270F) et « ő » (U+0151), qu'un document Lexigrille ne peut pas enregistrer." },
        { { u("--level"), u("CP"), u("--instruction"), u("Trouve 🐱") }, 1, "L'option --instruction contient le caractère « 🐱 » (U+1F431)" },
        { { u("--level"), u("CP"), u("--theme"), u("Animaux 🐱") }, 1, "L'option --theme contient le caractère « 🐱 »" },
        { Words("--level CP --theme a"), 1, "Thème ambigu : « a » peut désigner « Activités, métiers »" },
        { { u("--level"), u("CP"), u("--directions"), u(" , ") }, 1, "L'option --directions attend au moins un sens : droite, bas," },
        { Words("--level CP --directions droite,travers"), 1,
          "Sens inconnu : « travers ». Sens possibles : droite, bas, diagonale, gauche, haut, diagonale-inverse, ou tous." },
        { Words("--level CP --codes range:10-20"), 1, "Les valeurs de 10 à 20 ne suffisent pas : il en faut au moins 26 (range:10-35" },
        { Words("--level CP --codes range:0-25"), 1, "de 0 à 25 ne suffisent pas : les codes commencent à 1 et il en faut au moins 26 (range:1-26" },
        { Words("--level CP --codes lettres"), 1, "Codes inconnus : « lettres ». Choix possibles : numbers, range:A-B" },
        { Words("--level CP --reveal 7"), 1, "L'option --reveal attend une lettre de A à Z : « 7 »." },
        { Words("--level CP --revealed 30"), 1, "L'option --revealed attend un nombre entier de 0 à 26" },
        { { u("--level"), u("CP"), u("--grid-font"), u("Police imaginaire,12") }, 1, "Police inconnue : « Police imaginaire ». Polices possibles : Arial" },
        { Words("--level CP --list-font Arial,40"), 1, "L'option --list-font attend « POLICE,TAILLE », la taille de 7 à 20" },
        { Words("--level CP --pictures partout"), 1, "Choix d'images inconnu : « partout ». Choix possibles : beside, instead." },
        { Words("--level CP --shuffle-message"), 1, "L'option --shuffle-message mélange le message de --message" },
        { Words("--level CP --message !!!"), 1, "ne contient aucune lettre" },
    };
    for (const Case& c : choices) {
        cases.push_back({ Words("new -o x.lxg") + c.args, c.code, c.message });
        cases.push_back({ Words("make -o x.pdf") + c.args, c.code, c.message });
    }
    for (const Case& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(u(" ")).toStdString();
        EXPECT_TRUE(r.err.contains(u(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(Out("x.lxg")) || QFile::exists(Out("x.pdf"))) << "nothing written";
    }
    // A wrong value is said alone, not above the whole usage.
    const CliRun versions = Cli({ u("render"), Input("lexigrille.lxg"), u("-o"), Out("x.pdf"), u("--versions"), u("41") });
    EXPECT_EQ(std::pair(versions.code, versions.err), std::pair(1, u("L'option --versions attend un nombre entier de 1 à 40 : « 41 ».\n")));
}

} // namespace
} // namespace lx::test
