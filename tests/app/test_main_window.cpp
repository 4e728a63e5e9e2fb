// The main window driven as a teacher would, through the controls' names:
// a worksheet made from the word database, the game type's controls, a
// generation that cannot finish, the text boxes' keys and bad input.
#include "app/PreviewWidget.h"
#include "app/WindowFixture.h"
#include "core/Text1252.h"

#include <QtTest>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QPrinter>
#include <QTemporaryDir>

using namespace lx;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// A program folder of five small level files: animals (A) and colours (o).
void WriteLevelFiles(const QString& folder)
{
    const char* lines = "/ essai\r\nA-  chat\r\nA-  chien\r\nA-  lapin\r\nA-  ours\r\nA-  loup\r\nA-  lion\r\n"
                        "o-  rouge\r\no-  vert\r\nAo  canari\r\n";
    for (int level = 0; level < kLevelCount; ++level) {
        QFile f(QDir(folder).filePath(LevelFileName(level)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(lines);
    }
}

// The pixels that differ between two drawings of the preview.
int ChangedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return changed;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    test::WindowFixture f;
    std::unique_ptr<Document>& doc = f.doc;
    test::ScriptedPrompter& prompter = f.prompter;
    std::unique_ptr<MainWindow>& window = f.window;
    QTemporaryDir& folder = f.folder;

    template <typename W>
    W* Find(const QString& name) { return f.Find<W>(name); }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(U(name)); }

private Q_SLOTS:
    void init()
    {
        WriteLevelFiles(folder.path());
        f.Open();
    }
    void cleanup() { f.Close(); }

    void aWorksheetFromTheDatabase()
    {
        QCOMPARE(window->windowTitle(), U("Lexigrille 0.1 - Sans titre"));
        Find<QCheckBox>(U("chkNiveauDB_0"))->click();
        QListWidget* themes = Find<QListWidget>(U("lstLectureThemes"));
        themes->item(3)->setCheckState(Qt::Checked); // Animaux
        QCOMPARE(Find<QLabel>(U("lblLectureThemes"))->text(), U("1 thème"));
        QCOMPARE(Find<QListView>(U("lstLectureMots"))->model()->rowCount(), 7);
        QCOMPARE(Find<QLabel>(U("lblLectureMots"))->text(), U("7/7"));
        Find<QSlider>(U("hscTaille"))->setValue(10);
        PreviewWidget* preview = window->preview();
        const QImage before = preview->grab().toImage();

        QTest::keyClick(window.get(), Qt::Key_F5);
        QVERIFY2(!doc->puzzle().LetterGrid.at(0, 0).isEmpty(), qPrintable(prompter.asked.value(0).text));
        QVERIFY(window->windowTitle().endsWith(U("*")));
        QTRY_VERIFY(ChangedPixels(before, preview->grab().toImage()) > 500);

        // A click on a placed word outlines it in the preview only.
        QListView* words = Find<QListView>(U("lstLectureMots"));
        words->setCurrentIndex(words->model()->index(0, 0));
        QVERIFY(doc->puzzle().WordHighlighted);
    }

    void theGameTypeShowsItsControlsAndRenamesTheTitle()
    {
        Edit("txtTitre")->setText(QString());
        QTest::keyClicks(Edit("txtTitre"), "Grille de Lexigrille du lundi");
        struct Row {
            int type;
            const char* title;
            bool size, uppercase, cells, columns;
        };
        const Row rows[] = {
            { 2, "Grille de Mots codés du lundi", false, false, false, false },
            { 1, "Grille de Mots casés du lundi", false, true, false, true },
            { 0, "Grille de Lexigrille du lundi", true, true, true, true },
        };
        for (const Row& r : rows) {
            Find<QRadioButton>(U("optTypeJeu_") + QString::number(r.type))->click();
            QCOMPARE(Edit("txtTitre")->text(), U(r.title));
            QCOMPARE(Find<QSlider>(U("hscTaille"))->isVisible(), r.size);
            QCOMPARE(Find<QLabel>(U("lblTaille"))->isVisible(), r.size);
            QCOMPARE(Find<QCheckBox>(U("chkMajuscules"))->isVisible(), r.uppercase);
            QCOMPARE(Find<QCheckBox>(U("chkCases"))->isVisible(), r.cells);
            QCOMPARE(Find<QCheckBox>(U("chkSeparation"))->isVisible(), r.columns);
            for (int frame = 0; frame < 3; ++frame)
                QCOMPARE(Find<QWidget>(U("fraParametres_") + QString::number(frame))->isVisible(), frame == r.type);
        }
        // The size label follows the slider at once, and marks the document.
        Find<QSlider>(U("hscTaille"))->setValue(13);
        QCOMPARE(Find<QLabel>(U("lblTaille"))->text(), U("13×13"));
        QVERIFY(doc->life.modified);
        // "De gauche à droite" cannot be cleared.
        Find<QCheckBox>(U("chkSens_0"))->click();
        QVERIFY(Find<QCheckBox>(U("chkSens_0"))->isChecked());
    }

    void aGenerationThatCannotFinishBlinksAndGivesTheWindowBack()
    {
        // Two words without a common letter never cross in a fill-in grid.
        doc->PasteWordList(U("abc\r\ndef\r\nghi\r\njkl\r\nmno\r\n"));
        Find<QRadioButton>(U("optTypeJeu_1"))->click();
        doc->engine.Clock().SetLimitMs(400);
        QSignalSpy finished(window.get(), &MainWindow::generationFinished);
        bool disabledDuring = false;
        QTimer::singleShot(100, this, [&] {
            disabledDuring = !window->isEnabled();
            QTest::keyClick(window.get(), Qt::Key_F5); // ignored while a generation runs
        });
        Find<QPushButton>(U("cmdGenerer"))->click();
        QVERIFY(disabledDuring);
        QCOMPARE(finished.count(), 1);
        QVERIFY(window->isEnabled());
        QCOMPARE(Find<QPushButton>(U("cmdGenerer"))->text(), U("Créer la grille"));
        QWidget* frame = Find<QWidget>(U("shpFlash"));
        const bool shown = frame->isVisible();
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible() != shown, 1500);
        Find<QRadioButton>(U("optTypeJeu_0"))->click();
        QVERIFY2(!frame->isVisible(), "a game type change stops the blinking");
    }

    void theTextBoxesKeys()
    {
        QLineEdit* title = Edit("txtTitre");
        title->setFocus();
        QTest::keyClicks(title, "le petit chat");
        QTest::keyClick(title, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(title->text(), U("le petit "));
        QTest::keyClick(title, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(title->text(), U("le "));
        QCOMPARE(doc->settings().title, U("le "));
        QTest::keyClick(title, Qt::Key_Return);
        QVERIFY(Edit("txtConsigne")->hasFocus());

        QTest::keyClicks(Edit("txtTheme"), "a*b");
        QCOMPARE(Edit("txtTheme")->text(), U("ab"));
        QTest::keyClicks(Edit("txtLettresRestantes"), "bravo, toi");
        QCOMPARE(Edit("txtLettresRestantes")->text(), U("BRAVO TOI"));
        // A code box takes any text and shows what is not a valid code.
        QLineEdit* code = Edit("txtLettre_0");
        QTest::keyClicks(code, "abc");
        QCOMPARE(code->text(), U("abc"));
        QVERIFY(code->font().bold());
        QCOMPARE(code->palette().color(QPalette::Text), QColor(255, 0, 0));
        code->selectAll();
        QTest::keyClicks(code, "7");
        QVERIFY(!code->font().bold());
        Find<QRadioButton>(U("optValeurs_1"))->click();
        Edit("txtBornes_0")->end(false);
        QTest::keyClicks(Edit("txtBornes_0"), "1x2");
        QCOMPARE(Edit("txtBornes_0")->text(), U("1012")); // the bound box keeps digits only
    }

    void anyTextIsTakenAndKeptAcrossGameTypes()
    {
        const QString huge = QString(10000, QLatin1Char('w')) + U(" é😀 fin");
        Find<QRadioButton>(U("optValeurs_1"))->click();
        for (const char* name : { "txtTitre", "txtConsigne", "txtLettresRestantes", "txtBornes_1", "txtLettre_3" }) {
            Edit(name)->setFocus();
            Edit(name)->selectAll();
            Edit(name)->insert(huge);
        }
        for (int type : { 1, 2, 0 })
            Find<QRadioButton>(U("optTypeJeu_") + QString::number(type))->click();
        QCOMPARE(doc->settings().instruction, huge);
        QCOMPARE(doc->settings().puzzle.message, huge);
        QCOMPARE(Edit("txtConsigne")->text(), huge);
        QVERIFY(Edit("txtBornes_1")->font().bold());
        window->preview()->DrawPage(QSize(400, 560), 1.0); // draws without a crash
    }

    void aHiddenMessageTooLongForTheGridSaysWhichSizeTakesIt()
    {
        doc->PasteWordList(U("chat\nchien\nloup\nlion\nours\n"));
        if (doc->settings().puzzle.randomFill)
            Find<QCheckBox>(U("chkAleatoire"))->click();
        auto* advice = Find<QLabel>(U("lblConseilMessage"));
        QTest::keyClicks(Edit("txtLettresRestantes"), QString(60, QLatin1Char('a')));
        QVERIFY(advice->isVisible());
        QVERIFY2(advice->text().startsWith(U("Ce message tiendrait dans une grille de ")), qPrintable(advice->text()));
        Edit("txtLettresRestantes")->selectAll();
        QTest::keyClick(Edit("txtLettresRestantes"), Qt::Key_Backspace);
        QVERIFY(!advice->isVisible());
    }

    void printingAndClosing()
    {
        doc->PasteWordList(U("chat\nchien\nloup\nlion\nours\n"));
        Edit("txtTitre")->setText(QString());
        QTest::keyClicks(Edit("txtTitre"), "Les animaux");
        const QString pdf = folder.filePath(U("page.pdf"));
        int dialogs = 0;
        window->printDialog = [&](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return dialogs > 1; // the first dialog is cancelled
        };
        window->cmdImprimer_Click();
        QVERIFY(!QFile::exists(pdf));
        window->cmdImprimer_Click();
        QProcess text;
        text.start(U("pdftotext"), { pdf, U("-") });
        QVERIFY(text.waitForFinished());
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(U("Les animaux")));
        QProcess info;
        info.start(U("pdfinfo"), { pdf });
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(U("Pages:\\s+1\\n"))));

        // A hidden message that does not fit asks first; No prints nothing.
        Find<QCheckBox>(U("chkAleatoire"))->click();
        QVERIFY(doc->puzzle().BalanceLabel.explanation.startsWith(U("Il manque")) || doc->puzzle().BalanceLabel.explanation == U("Il n'y a aucune lettre"));
        window->cmdImprimer_Click();
        QCOMPARE(dialogs, 2);
        QCOMPARE(prompter.asked.last().kind, MessageKind::Question);

        // Closing with Cancel keeps the window and the work.
        prompter.answers = { Answer::Cancel };
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(doc->settings().title, U("Les animaux"));
    }

    void theMenusOfDocumentsAndLists()
    {
        QFile f(folder.filePath(U("ferme.lxg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[LXGDocument]\r\nTitre=La ferme\r\n");
        f.close();
        window->FillOpenMenu();
        Find<QAction>(U("mnuOuvrirTitre"));
        Find<QAction>(U("mnuOuvrirItem_0"))->trigger();
        QCOMPARE(doc->settings().title, U("La ferme"));
        QVERIFY(window->windowTitle().endsWith(U("ferme.lxg")));

        QFile list(folder.filePath(U("Fruits.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("pomme\r\npoire\r\nkiwi\r\n");
        list.close();
        window->FillListsMenu();
        QCOMPARE(Find<QAction>(U("mnuImporterTitre"))->text(), U("1 liste disponible"));
        Find<QAction>(U("mnuImporterFichierItem_0"))->trigger();
        QCOMPARE(Find<QListView>(U("lstLectureMots"))->model()->rowCount(), 3);
        QCOMPARE(Find<QLabel>(U("lblLectureThemes"))->text(), U("Liste externe"));
        QVERIFY(!Find<QListWidget>(U("lstLectureThemes"))->isEnabled());
        QCOMPARE(Edit("txtTheme")->text(), U("Fruits"));
    }

    void theFirstDocumentOfALaunch()
    {
        const QString path = folder.filePath(U("Mes fiches.LXG"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(EncodeWindows1252(U("[LXGDocument]\r\nTitre=Les fruits\r\n")));
        f.close();
        OpenFirstDocument(*doc, { U("\"") + path + U("\"") });
        QCOMPARE(doc->settings().title, U("Les fruits"));
        QCOMPARE(window->windowTitle(), U("Lexigrille 0.1 - Mes fiches.LXG"));
        OpenFirstDocument(*doc, { folder.filePath(U("liste.txt")) });
        QCOMPARE(doc->settings().title, QString()); // not a document: a new one
        OpenFirstDocument(*doc, { folder.filePath(U("absent.lxg")) });
        QCOMPARE(prompter.asked.last().kind, MessageKind::Error);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
