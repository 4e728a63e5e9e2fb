// The main window driven as a teacher would, through the controls' names.
#include "app/PreviewWidget.h"

#include <QGroupBox>
#include <QMenu>
#include "app/WindowFixture.h"
#include "core/Text1252.h"
#include "core/TextEditing.h"
#include "document/DocumentFile.h"
#include "document/GridAdvice.h"
#include "words/PictureTable.h"

using namespace lx;
using namespace lx::test;

// The pixels that differ between two drawings of the preview.
static int ChangedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return changed;
}

class MainWindowTest : public test::WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init() { Open(); }
    void cleanup() { Close(); }

    void aWorksheetFromTheDatabase()
    {
        QCOMPARE(window->windowTitle(), u("Lexigrille 0.1 - Sans titre"));
        // Before any word, the click says where the words come from (what, its kind, the mark kept: DocumentGenerate's refusals).
        QTest::keyClick(window.get(), Qt::Key_F5);
        QCOMPARE(prompter.asked.size(), 1);
        prompter.asked.clear();
        Find<QCheckBox>(u("chkNiveauDB_0"))->click();
        Retype(Edit("txtTheme"), u("Revisions"));
        Find<QListWidget>(u("lstLectureThemes"))->item(3)->setCheckState(Qt::Checked); // Animaux
        QCOMPARE(Find<QLabel>(u("lblLectureThemes"))->text(), u("1 thème"));
        // The theme chosen names the words: the box is emptied and closed to typing.
        QVERIFY(Edit("txtTheme")->text().isEmpty() && !Edit("txtTheme")->isEnabled());
        QCOMPARE(Find<QListView>(u("lstLectureMots"))->model()->rowCount(), 7);
        QCOMPARE(Find<QLabel>(u("lblLectureMots"))->text(), u("7/7"));
        // "Tous" shows whether every word is ticked.
        QListView* words = Find<QListView>(u("lstLectureMots"));
        for (const Qt::CheckState tick : { Qt::Unchecked, Qt::Checked }) {
            words->model()->setData(words->model()->index(0, 0), tick, Qt::CheckStateRole);
            QCOMPARE(Find<QCheckBox>(u("chkLectureTous"))->isChecked(), tick == Qt::Checked);
        }
        Find<QSlider>(u("hscTaille"))->setValue(10);
        const QImage before = window->preview()->grab().toImage();
        QTest::keyClick(window.get(), Qt::Key_F5);
        QVERIFY2(!doc->puzzle().LetterGrid.at(0, 0).isEmpty(), qPrintable(prompter.asked.value(0).text));
        QVERIFY(window->windowTitle().endsWith(u("*")));
        QTRY_VERIFY(ChangedPixels(before, window->preview()->grab().toImage()) > 500);
        // A click on a placed word outlines it in the preview only.
        words->setCurrentIndex(words->model()->index(0, 0));
        QVERIFY(doc->puzzle().WordHighlighted);
        // A grid resized since it was made is said to be cut (GridAdvice's tests: when, and the words).
        Find<QSlider>(u("hscTaille"))->setValue(6);
        QTRY_COMPARE(Find<QLabel>(u("lblAvertissement"))->text(), WithoutBreaksInside(doc->GridWarningText()));
        QVERIFY(!Find<QLabel>(u("lblAvertissement"))->isHidden() && !doc->GridWarningText().isEmpty());
    }

    void theGameTypeShowsItsControlsAndRenamesTheTitle()
    {
        Retype(Edit("txtTitre"), u("Grille de Lexigrille du lundi"));
        const struct { int type; const char* title; bool size, uppercase, cells, columns; } rows[] = {
            { 2, "Grille de Mots codés du lundi", false, true, false, false },
            { 1, "Grille de Mots casés du lundi", false, true, false, true },
            { 0, "Grille de Lexigrille du lundi", true, true, true, true },
        };
        for (const auto& r : rows) {
            Find<QRadioButton>(u("optTypeJeu_") + QString::number(r.type))->click();
            QCOMPARE(Edit("txtTitre")->text(), u(r.title));
            QCOMPARE(Find<QSlider>(u("hscTaille"))->isVisible(), r.size);
            QCOMPARE(Find<QLabel>(u("lblTaille"))->isVisible(), r.size);
            QCOMPARE(Find<QCheckBox>(u("chkMajuscules"))->isVisible(), r.uppercase);
            QCOMPARE(Find<QCheckBox>(u("chkCases"))->isVisible(), r.cells);
            QCOMPARE(Find<QCheckBox>(u("chkSeparation"))->isVisible(), r.columns);
            for (const char* list : { "optImages", "cbxPoliceListe", "vscTailleListe", "chkGrasListe", "chkItaliqueListe" })
                QCOMPARE(Find<QWidget>(u(list))->isEnabled(), r.type != 2);
            for (int frame = 0; frame < 3; ++frame)
                QCOMPARE(Find<QWidget>(u("fraParametres_") + QString::number(frame))->isVisible(), frame == r.type);
        }
        // The size label follows the slider at once.
        Find<QSlider>(u("hscTaille"))->setValue(13);
        QCOMPARE(Find<QLabel>(u("lblTaille"))->text(), u("13×13"));
        // "De gauche à droite" cannot be cleared.
        Find<QCheckBox>(u("chkSens_0"))->click();
        QVERIFY(Find<QCheckBox>(u("chkSens_0"))->isChecked());
    }

    void aGenerationThatCannotFinishBlinksAndGivesTheWindowBack()
    {
        PrepareEndlessFillIn(400);
        QSignalSpy finished(window.get(), &MainWindow::generationFinished);
        bool disabledDuring = false;
        QTimer::singleShot(100, this, [&] {
            disabledDuring = !window->isEnabled();
            QTest::keyClick(window.get(), Qt::Key_F5); // ignored while a generation runs
        });
        Find<QPushButton>(u("cmdGenerer"))->click();
        QVERIFY(disabledDuring);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(prompter.asked.size(), 1);
        QCOMPARE(prompter.asked[0].kind, MessageKind::Warning); // its text: GridAdvice.ATimeOutSaysWhyAndWhatToTry
        QVERIFY(window->isEnabled());
        QCOMPARE(Find<QPushButton>(u("cmdGenerer"))->text(), u("Créer la grille"));
        // Under the preview, in red: the grid shown is unfinished (how many words it lacks: GridAdvice's tests).
        auto* warning = Find<QLabel>(u("lblAvertissement"));
        QVERIFY(!warning->isHidden());
        QVERIFY2(warning->text().startsWith(WithoutBreaksInside(u("La grille n'est pas terminée : "))), qPrintable(warning->text()));
        QWidget* frame = Find<QWidget>(u("shpFlash"));
        auto* flash = Find<QTimer>(u("tmrFlash"));
        const bool shown = frame->isVisible();
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible() != shown, 1500);
        // A game type change, a new worksheet and an opened one each stop the blinking.
        const std::function<void()> stops[] = {
            [&] { Find<QRadioButton>(u("optTypeJeu_0"))->click(); },
            [&] { QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier); },
            [&] { window->actions().Open(folder.filePath(u("ouvert.lxg"))); },
        };
        test::WriteBytes(folder.filePath(u("ouvert.lxg")), "[LXGDocument]\r\nTitre=Ouvert\r\n");
        // Each time-out explains itself, then the new worksheet and the opening ask about the changes.
        prompter.answers = { Answer::Ok, Answer::Ok, Answer::No, Answer::Ok, Answer::No };
        for (const auto& stop : stops) {
            PrepareEndlessFillIn(400);
            Find<QPushButton>(u("cmdGenerer"))->click();
            QVERIFY(flash->isActive());
            QVERIFY(!warning->isHidden());
            stop();
            QVERIFY(!flash->isActive());
            QVERIFY(!frame->isVisible());
            QVERIFY2(warning->isHidden(), qPrintable(warning->text()));
        }
        QCOMPARE(doc->settings().title, u("Ouvert"));
    }

    // Under the lists: what the words need of the grid, red when the size is smaller, and a word pupils
    // would also find inside another; under the message, the size of grid that would take it (what they say: GridAdvice's tests).
    void theAdviceIsShownBeforeTheClick()
    {
        auto* hint = Find<QLabel>(u("lblConseilTaille"));
        auto* hidden = Find<QLabel>(u("lblMotsCaches"));
        auto* advice = Find<QLabel>(u("lblConseilMessage"));
        doc->PasteWordList(u("noix\nnoix de coco\nchat\nlion\nours\n"));
        QVERIFY(hint->isVisible() && hidden->isVisible());
        // Shown without a line break after « or before », : ! ? (« adroit » was cut before its closing quote).
        QCOMPARE(hidden->text(), u("«\u00A0noix\u00A0» se lit aussi dans «\u00A0noix de coco\u00A0»."));
        QCOMPARE(hint->text(), WithoutBreaksInside(GridSizeHint(*doc).text));
        const int side = CheckedWordsNeed(*doc).side;
        Find<QSlider>(u("hscTaille"))->setValue(side);
        QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(96, 96, 96));
        Find<QSlider>(u("hscTaille"))->setValue(side - 1);
        QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        doc->PasteWordList(u("roc\ncorbeau\nchat\nlion\nours\n")); // ROC is read backwards in CORBEAU
        QVERIFY(!hidden->isVisible());
        Find<QCheckBox>(u("chkSens_1"))->click(); // a direction ticked renews the advice at once
        QVERIFY(hidden->isVisible());
        PasteAnimals();
        Find<QSlider>(u("hscTaille"))->setValue(18); // far more cells than the words and the message take
        // A message typed is a message wanted: « Aléatoires » gives way to « Définies » (it kept the message unused).
        auto* random = Find<QCheckBox>(u("chkAleatoire"));
        QTest::keyClicks(Edit("txtLettresRestantes"), u(" "));
        QVERIFY(random->isChecked());
        QTest::keyClicks(Edit("txtLettresRestantes"), QString(60, QLatin1Char('a')));
        QVERIFY(!random->isChecked() && random->text().startsWith(u("Définies")));
        QVERIFY(advice->isVisible());
        QCOMPARE(advice->text(), WithoutBreaksInside(doc->MessageSizeAdvice()));
        QTest::keyClicks(Edit("txtLettresRestantes"), u("2")); // the grid takes no digit: said first (DocumentMessage's tests)
        QVERIFY(advice->text().startsWith(WithoutBreaksInside(u("« 2 » ne va pas dans la grille"))));
        Edit("txtLettresRestantes")->selectAll();
        QTest::keyClick(Edit("txtLettresRestantes"), Qt::Key_Backspace);
        QVERIFY(!advice->isVisible());
        Find<QRadioButton>(u("optTypeJeu_2"))->click();
        QVERIFY(!hint->isVisible());
    }

    // A grid enlarged by the grid-too-small question shows its size even when the time runs out; the time spent on the
    // question is not the generation's; the next grid stops the blinking. (The time-out's own question, answered Oui or
    // Non: GridAdvice.TheSizeQuestionAndTheTimeOutProposeTheSizeTheLettersNeed.)
    void anEnlargedGridShowsItsSizeAfterATimeOut()
    {
        doc->PasteWordList(MadeUpWords(40, 10).join(u'\n'));
        Find<QSlider>(u("hscTaille"))->setValue(6);
        doc->Clock().SetLimitMs(100);
        bool timing = false;
        prompter.whileAsking = [&] { QTest::qWait(200), timing = timing || doc->Clock().Running(); };
        prompter.answers = { Answer::Yes, Answer::Ok };
        Find<QPushButton>(u("cmdGenerer"))->click();
        QCOMPARE(prompter.asked.size(), 2);
        QCOMPARE(prompter.asked[0].kind, MessageKind::Proposal);
        QCOMPARE(Find<QSlider>(u("hscTaille"))->value(), 18);
        QCOMPARE(Find<QLabel>(u("lblTaille"))->text(), u("18×18"));
        QVERIFY(Find<QTimer>(u("tmrFlash"))->isActive());
        doc->PasteWordList(u("hippopotame\nchat\nchien\nloup\nours\n"));
        Find<QSlider>(u("hscTaille"))->setValue(10);
        doc->Clock().SetLimitMs(60000);
        prompter.answers = { Answer::Yes };
        Find<QPushButton>(u("cmdGenerer"))->click();
        QVERIFY(!timing);
        QVERIFY(!Find<QTimer>(u("tmrFlash"))->isActive() && !Find<QWidget>(u("shpFlash"))->isVisible());
        QCOMPARE(doc->settings().puzzle.gridSize, 11);
    }

    // Tab goes round every control of the window, each stop a control with its name, then back to the title.
    void tabGoesRoundTheControls()
    {
        Find<QRadioButton>(u("optMoitieInf_2"))->click();
        Edit("txtTitre")->setFocus();
        QStringList stops;
        for (QWidget* w = Edit("txtTitre"); stops.size() < 100; w = QApplication::focusWidget()) {
            stops << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            if (QApplication::focusWidget() == Edit("txtTitre"))
                break;
        }
        QVERIFY2(!stops.contains(QString()), qPrintable(stops.join(u(", "))));
        for (const char* name : { "lstLectureThemes", "lstLectureMots", "optTypeJeu_0", "hscTaille", "optMoitieInf_2", "cmdGenerer", "cmdImprimer" })
            QVERIFY2(stops.contains(u(name)), qPrintable(stops.join(u(", "))));
        // Of a set of options, the one chosen (the arrows go to the others).
        QVERIFY2(!stops.contains(u("optMoitieInf_0")) && !stops.contains(u("optTypeJeu_1")), qPrintable(stops.join(u(", "))));
        Find<QRadioButton>(u("optMoitieInf_2"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget()->objectName(), u("optMoitieInf_1"));
        QVERIFY(Find<QRadioButton>(u("optMoitieInf_1"))->isChecked());
        // Alt and a letter reach every item of the menus: each marks a letter of its own.
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            QSet<QChar> keys;
            for (const QAction* item : menu->actions()) {
                const qsizetype at = item->text().indexOf(u'&');
                if (item->isSeparator() || item->objectName().isEmpty())
                    continue;
                QVERIFY2(at >= 0 && at + 1 < item->text().size() && item->text()[at + 1].isLetter(), qPrintable(item->text()));
                QVERIFY2(!keys.contains(item->text()[at + 1].toLower()), qPrintable(item->text()));
                keys.insert(item->text()[at + 1].toLower());
            }
        }
    }

    // On a school laptop's 1366 x 768 screen, less its taskbar and the window's title: « Créer la grille » in sight
    // without scrolling, a note under the pictures' choice shown (the word-wrapped notes made the controls take their
    // preferred height, and their lists 192 pixels each).
    void theMainButtonIsInSightOnASmallScreen()
    {
        PictureTable table;
        table.AddText(u("chat U+1F431\n"));
        PictureTable::Install(std::move(table));
        PasteAnimals();
        QTest::keyClick(Find<QComboBox>(u("optImages")), Qt::Key_Down);
        QVERIFY(Find<QLabel>(u("lblSansImage"))->isVisible());
        window->resize(1366, 680);
        QTRY_COMPARE(window->height(), 680);
        QApplication::processEvents();
        auto* create = Find<QPushButton>(u("cmdGenerer"));
        QCOMPARE(create->visibleRegion().boundingRect(), create->rect());
        QVERIFY(Find<QListView>(u("lstLectureMots"))->height() >= 100);
        // On a large one, the lists take the height, and the fill-in's box keeps to its contents.
        Find<QRadioButton>(u("optTypeJeu_1"))->click();
        window->resize(1600, 1000);
        QTRY_COMPARE(window->height(), 1000);
        QApplication::processEvents();
        QVERIFY(Find<QListView>(u("lstLectureMots"))->height() >= 250);
        auto* box = qobject_cast<QGroupBox*>(Find<QWidget>(u("fraParametres_1"))->parentWidget());
        QCOMPARE(box->height(), box->sizeHint().height());
    }

    void theTextBoxesKeys()
    {
        // Enter presses the button that has the focus, as Space does (before any word, the click says where they come from).
        Find<QPushButton>(u("cmdGenerer"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(prompter.asked.size(), 1);
        // Tab never stops at the hidden focus holder.
        Find<QPushButton>(u("cmdGenerer"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(u("cmdNouveau")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // a command gives it the keys
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(u("pctDummy")));
        QLineEdit* title = Edit("txtTitre");
        title->setFocus();
        QTest::keyClicks(title, "le petit chat");
        QTest::keyClick(title, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(title->text(), u("le petit "));
        QCOMPARE(doc->settings().title, u("le petit "));
        // The window's keys work from a box, Ctrl+E too, which a box takes for End on Linux (the PDF's question: printingAndClosing).
        prompter.asked.clear();
        QTest::keyClick(title, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(prompter.asked.size(), 1);
        // Enter goes on to the instruction, which the next key must not replace.
        Retype(Edit("txtConsigne"), u("Retrouve les mots."));
        for (const char* box : { "txtTitre", "txtLettresRestantes" }) {
            Edit(box)->setFocus();
            QTest::keyClick(Edit(box), Qt::Key_Return);
            QVERIFY(Edit("txtConsigne")->hasFocus());
            QVERIFY2(!Edit("txtConsigne")->hasSelectedText(), box);
        }
        QTest::keyClicks(Edit("txtTheme"), "a*b");
        QCOMPARE(Edit("txtTheme")->text(), u("ab"));
        QTest::keyClicks(Edit("txtLettresRestantes"), "bravo, toi");
        QCOMPARE(Edit("txtLettresRestantes")->text(), u("BRAVO TOI"));
        // A code box takes any text and shows what is not a valid code (a valid one: theCodeBoxesAndTheBoundsFollowTheMode).
        QLineEdit* code = Edit("txtLettre_0");
        QTest::keyClicks(code, "abc");
        QCOMPARE(code->text(), u("abc"));
        QVERIFY(code->font().bold());
        QCOMPARE(code->palette().color(QPalette::Text), QColor(255, 0, 0));
        Find<QRadioButton>(u("optValeurs_1"))->click();
        Edit("txtBornes_0")->end(false);
        QTest::keyClicks(Edit("txtBornes_0"), "1x2");
        QCOMPARE(Edit("txtBornes_0")->text(), u("1012")); // digits only (pasted text: anyTextIsTakenAndKeptAcrossGameTypes)
    }

    // On a dark desktop the text stays light: a code box put right again used to turn black on its dark ground, and the
    // notes' dark grey was hard to read.
    void aDarkDesktopKeepsTheTextReadable()
    {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(45, 45, 45));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        Find<QRadioButton>(u("optTypeJeu_2"))->click();
        QLineEdit* code = Edit("txtLettre_0");
        Retype(code, u("x"));
        Retype(code, u("7"));
        PasteAnimals();
        const QColor typed = code->palette().color(QPalette::Text), note = Find<QLabel>(u("lblLectureMots"))->palette().color(QPalette::WindowText);
        QApplication::setPalette(light);
        QCOMPARE(typed, QColor(230, 230, 230));
        QCOMPARE(note, QColor(156, 156, 156));
    }

    void anyTextIsTakenAndKeptAcrossGameTypes()
    {
        const QString huge = QString(10000, QLatin1Char('w')) + u(" é€œ fin");
        Find<QRadioButton>(u("optValeurs_1"))->click();
        for (const char* name : { "txtTitre", "txtConsigne", "txtLettresRestantes", "txtBornes_1", "txtLettre_3" }) {
            Edit(name)->setFocus();
            Edit(name)->selectAll();
            Edit(name)->insert(huge);
        }
        for (int type : { 1, 2, 0 })
            Find<QRadioButton>(u("optTypeJeu_") + QString::number(type))->click();
        QCOMPARE(doc->settings().instruction, huge);
        QCOMPARE(doc->settings().puzzle.message, huge);
        QCOMPARE(Edit("txtConsigne")->text(), huge);
        QCOMPARE(Edit("txtBornes_1")->text(), QString()); // a bound keeps its digits only
        Edit("txtBornes_1")->insert(u("99999999999")); // no 16-bit number: marked
        QVERIFY(Edit("txtBornes_1")->font().bold());
        window->preview()->DrawPage(QSize(400, 560), 1.0); // draws without a crash
    }

    // What the document file cannot hold is refused where it is typed, once,
    // by name; narrow spaces and the non-breaking hyphen are kept as they look.
    void charactersADocumentCannotHoldAreRefused()
    {
        const struct { const char* box; Setting id; } boxes[] = {
            { "txtTitre", Setting::Title }, { "txtConsigne", Setting::Instruction },
            { "txtTheme", Setting::ThemeText }, { "txtLettresRestantes", Setting::HiddenMessage },
        };
        for (const auto& b : boxes) {
            QLineEdit* box = Edit(b.box);
            box->setFocus();
            Retype(box, u("ABC"));
            prompter.asked.clear();
            for (const QString& typed : { u("✏️"), u("ő") })
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, typed, Qt::NoModifier);
            QCOMPARE(box->text(), u("ABC"));
            QCOMPARE(doc->Get(b.id).toString(), u("ABC"));
            QCOMPARE(prompter.asked.size(), 2);
            QCOMPARE(prompter.asked[0].text, u("Le caractère « ✏ » (U+270F) ne peut pas être enregistré dans un document "
                                               "Lexigrille : il n'a pas été ajouté."));
            // The message box writes in capitals.
            const bool capitals = b.id == Setting::HiddenMessage;
            QVERIFY(prompter.asked[1].text.contains(capitals ? u("« Ő » (U+0150)") : u("« ő » (U+0151)")));
            box->selectAll();
            box->insert(u("E\u0301TE\u0301\u202F! 2\u20111 \uFB02")); // accents apart from their letters and ligatures, as PDFs give them
            const QString kept = u("ÉTÉ\u00A0! 2-1 fl");
            QCOMPARE(doc->Get(b.id).toString(), kept);
            QCOMPARE(box->text(), kept);
        }
    }

    void picturesBesideTheWordsAndTheWordsWithout()
    {
        PictureTable table;
        table.AddText(u("chat U+1F431\nchien U+1F436\nlion U+1F981\n"));
        PictureTable::Install(std::move(table));
        PasteAnimals();
        auto* images = Find<QComboBox>(u("optImages"));
        auto* missing = Find<QLabel>(u("lblSansImage"));
        QCOMPARE(images->count(), 3);
        QVERIFY(!missing->isVisible());
        images->setFocus();
        QTest::keyClick(images, Qt::Key_Down);
        QCOMPARE(doc->settings().pictures, 1);
        QVERIFY(missing->isVisible());
        QCOMPARE(missing->text(), WithoutBreaksInside(doc->MissingPicturesText()));
        doc->SetWordChecked(doc->words().Find(u("ours")), false);
        QCOMPARE(missing->text(), WithoutBreaksInside(doc->MissingPicturesText()));
        // Coded words have no list: the choice waits, and nothing is said.
        Find<QRadioButton>(u("optTypeJeu_2"))->click();
        QVERIFY(!missing->isVisible());
        // A document that has them shows its choice, and its own words without one.
        Find<QRadioButton>(u("optTypeJeu_0"))->click();
        DocumentReadResult read { doc->data(), {}, true, {}, {} };
        read.data.settings.pictures = 2;
        read.data.words.SetChecked(read.data.words.Find(u("ours")), true);
        doc->Replace(std::move(read), {});
        QCOMPARE(images->currentIndex(), 2);
        QCOMPARE(missing->text(), WithoutBreaksInside(doc->MissingPicturesText()));
    }

    void printingAndClosing()
    {
        PasteAnimals();
        Retype(Edit("txtTitre"), u("Les animaux"));
        QString pdf = folder.filePath(u("page.pdf")), job;
        int dialogs = 0;
        window->printDialog = [&](QPrinter& printer) {
            ++dialogs;
            job = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return dialogs > 1; // the first dialog is cancelled
        };
        // A grid not made yet asks first (a PDF too); No prints nothing.
        const std::function<void()> commands[] = { [&] { window->cmdImprimer_Click(); }, [&] { window->ExportPdf(); } };
        for (const auto& command : commands) {
            prompter.asked.clear();
            command();
            QCOMPARE(prompter.asked.size(), 1);
            QVERIFY(prompter.asked[0].text.startsWith(u("La grille n'a pas encore été créée")));
        }
        QCOMPARE(dialogs, 0);
        QVERIFY(prompter.dialogs.isEmpty());
        QTest::keyClick(window.get(), Qt::Key_F5);
        window->cmdImprimer_Click();
        QVERIFY(!QFile::exists(pdf));
        window->cmdImprimer_Click(); // what it prints: WindowCommandsTest::aPrintIsThePageOfThePdf
        QVERIFY(QFile::exists(pdf));
        // A print that cannot start is told; its job, and the PDF it proposes, take a name a file can take.
        doc->Change(Setting::Title, u("CP/CE1 : révisions"));
        const QString printed = std::exchange(pdf, folder.filePath(u("absent/page.pdf")));
        window->cmdImprimer_Click();
        QCOMPARE(job, u("CP CE1 révisions"));
        QCOMPARE(prompter.asked.last().kind, MessageKind::Error);
        QVERIFY2(prompter.asked.last().text.startsWith(u("Le fichier « page.pdf » n'a pas pu être écrit")), qPrintable(prompter.asked.last().text));
        pdf = printed;
        doc->Change(Setting::Title, u("Les animaux"));
        // Versions that cannot be made are told, and nothing is printed, not even a blank sheet. (Versions
        // printed: WindowCommandsTest::nothingReplacesTheDocumentWhileVersionsAreMade; their sheets: SheetPlan's.)
        doc->Change(Setting::GridSize, 8);
        Find<QSpinBox>(u("vscVersions"))->setValue(3);
        QFile::remove(pdf);
        doc->PasteWordList(u("anticonstitutionnellement\nchat\nchien\nloup\nours\n"));
        window->cmdImprimer_Click();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(prompter.asked.last().text.startsWith(u("La version 1 n'a pas pu être créée")));
        PasteAnimals();
        // A hidden message that does not fit asks first; No prints nothing.
        Find<QCheckBox>(u("chkAleatoire"))->click();
        window->cmdImprimer_Click();
        QCOMPARE(dialogs, 4);
        QCOMPARE(prompter.asked.last().kind, MessageKind::Question);
        // Closing with Cancel keeps the window (and the work: DocumentCommands.TheSaveQuestionBeforeNewOpenAndClosing).
        prompter.answers = { Answer::Cancel };
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
    }

    // A damaged document opens from its menu with a warning; a "&" of a file name shows as it is.
    // (What is not a document, what the warning says: DocumentFile's tests.)
    void theMenusOfDocumentsAndLists()
    {
        test::WriteBytes(folder.filePath(u("Abîmé.lxg")), "[LXGDocument]\r\nTitre=Abîmé\r\nPoliceGrille=Arial\r\n");
        window->FillOpenMenu();
        Find<QAction>(u("mnuOuvrirTitre"));
        Find<QAction>(u("mnuOuvrirItem_0"))->trigger();
        QCOMPARE(doc->settings().title, u("Abîmé"));
        QCOMPARE(window->windowTitle(), doc->WindowTitle());
        QCOMPARE(prompter.asked.last().kind, MessageKind::Warning);
        test::WriteBytes(folder.filePath(u("Fruits & légumes.txt")), "pomme\r\npoire\r\nkiwi\r\n");
        window->FillListsMenu();
        QCOMPARE(Find<QAction>(u("mnuImporterTitre"))->text(), u("1 liste disponible"));
        QAction* list = Find<QAction>(u("mnuImporterFichierItem_0"));
        QCOMPARE(list->text(), u("Fruits && légumes"));
        QCOMPARE(list->iconText(), u("Fruits & légumes"));
        list->trigger();
        QCOMPARE(Find<QListView>(u("lstLectureMots"))->model()->rowCount(), 3);
        QCOMPARE(Find<QLabel>(u("lblLectureThemes"))->text(), doc->ThemeLabel());
        QVERIFY(!Find<QListWidget>(u("lstLectureThemes"))->isEnabled());
        QCOMPARE(Edit("txtTheme")->text(), u("Fruits & légumes"));
        // Another list, from anywhere: WordPad's are offered too.
        const QString other = folder.filePath(u("Hiver.rtf"));
        test::WriteBytes(other, "{\\rtf1\\ansi neige\\par luge\\par}");
        prompter.paths = { other };
        Find<QAction>(u("mnuImporterAutre"))->trigger();
        QCOMPARE(prompter.dialogs.last().filter, u("Listes de mots (*.txt *.rtf *.csv *.doc *.docx *.odt *.xls *.xlsx *.ods);;Tous les fichiers (*)"));
        QCOMPARE(doc->words().Words(), (QStringList { u("luge"), u("neige") }));
    }

    void theFirstDocumentOfALaunch()
    {
        const QString path = folder.filePath(u("Mes fiches.LXG"));
        test::WriteBytes(path, EncodeWindows1252(u("[LXGDocument]\r\nTitre=Les fruits\r\n")));
        window->Launch({ u("\"") + path + u("\"") });
        QCOMPARE(doc->settings().title, u("Les fruits"));
        QCOMPARE(window->windowTitle(), u("Lexigrille 0.1 - Mes fiches.LXG"));
        window->Launch({ folder.filePath(u("liste.txt")) });
        QCOMPARE(doc->settings().title, QString()); // no such file: a new one
        // A document saved without its extension opens; a file that is none is said to be none, over a new one.
        QFile::copy(path, folder.filePath(u("fiche de Marie")));
        window->Launch({ folder.filePath(u("fiche de Marie")) });
        QCOMPARE(doc->settings().title, u("Les fruits"));
        window->Launch({ test::WriteBytes(folder.filePath(u("notes.txt")), "chat\r\n") });
        QCOMPARE(std::pair(doc->settings().title, prompter.asked.last().text), std::pair(QString(), u("« notes.txt » n'est pas un document Lexigrille.")));
        window->Launch({ folder.filePath(u("absent.lxg")) });
        QCOMPARE(prompter.asked.last().kind, MessageKind::Error);
        // The work a crash left is offered over the page of the document the launch opened, drawn.
        window->actions().SetFolders({ folder.path(), folder.path(), folder.filePath(u("copie")) });
        Retype(Edit("txtTitre"), u("Travail perdu"));
        window->actions().KeepWorkCopy();
        QSignalSpy drawn(window->preview(), &PreviewWidget::pageLaidOut);
        QString behind;
        prompter.answers = { Answer::Yes };
        prompter.whileAsking = [&] { behind = drawn.isEmpty() ? u("(rien)") : doc->settings().title; };
        window->Launch({ path });
        QCOMPARE(prompter.asked.last().kind, MessageKind::Recovery);
        QCOMPARE(behind, u("Les fruits"));
        QCOMPARE(doc->settings().title, u("Travail perdu"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
