// The window's commands as a teacher reaches them: the message boxes' buttons, printing and "Exporter en PDF",
// dropped files, the font lists, and what the window does with events that arrive while it is busy.
#include "app/BusyState.h"
#include "app/PreviewWidget.h"
#include "app/WidgetPrompter.h"
#include "app/WindowFixture.h"
#include "core/TextEditing.h"
#include "document/DocumentFile.h"
#include "render/PageExport.h"
#include "render/PageTexts.h"
#include "render/SheetPlan.h"

#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QMimeData>
#include <QProgressDialog>
#include <QToolButton>

using namespace lx;
using namespace lx::test;

// Every word of a PDF with its box, in millimetres.
struct PdfWord { QString text; double x = 0.0, y = 0.0, right = 0.0, bottom = 0.0; };
static QList<PdfWord> WordsOf(const QString& pdf)
{
    static const QRegularExpression word(u("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(Poppler("pdftotext", { u("-bbox"), pdf, u("-") }))) {
        const auto mm = [&m](int k) { return m.captured(k).toDouble() * 25.4 / 72; };
        words.append({ m.captured(5), mm(1), mm(2), mm(3), mm(4) });
    }
    return words;
}

class WindowCommandsTest : public test::WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init() { Open(); }
    void cleanup() { Close(); }

    // Each kind of box: its buttons, the default and what Enter and Escape answer.
    void theMessageBoxesButtons()
    {
        using B = QMessageBox::StandardButton;
        const struct { MessageKind kind; QFlags<B> buttons; B byDefault; Answer enter, escape; QMessageBox::Icon icon; } kinds[] = {
            { MessageKind::Error, B::Ok, B::Ok, Answer::Ok, Answer::Ok, QMessageBox::Critical },
            { MessageKind::Information, B::Ok, B::Ok, Answer::Ok, Answer::Ok, QMessageBox::Information },
            { MessageKind::Warning, B::Ok, B::Ok, Answer::Ok, Answer::Ok, QMessageBox::Warning },
            { MessageKind::Question, B::Yes | B::No, B::No, Answer::No, Answer::No, QMessageBox::Warning },
            { MessageKind::Proposal, B::Yes | B::No, B::Yes, Answer::Yes, Answer::No, QMessageBox::Warning },
            { MessageKind::SaveQuestion, B::Yes | B::No | B::Cancel, B::Yes, Answer::Yes, Answer::Cancel, QMessageBox::Warning },
            { MessageKind::Offer, B::Yes | B::No, B::No, Answer::No, Answer::No, QMessageBox::Information },
            { MessageKind::SaveError, B::Retry | B::Cancel, B::Retry, Answer::Retry, Answer::Cancel, QMessageBox::Critical },
            { MessageKind::MissingFiles, B::Ok | B::Cancel, B::Cancel, Answer::Cancel, Answer::Cancel, QMessageBox::Critical },
            // Escape does not answer that the work is to be thrown away: the box stays, and Enter takes it back.
            { MessageKind::Recovery, B::Yes | B::No, B::Yes, Answer::Yes, Answer::Yes, QMessageBox::Information },
        };
        WidgetPrompter real(window.get());
        for (const auto& k : kinds) {
            for (const bool enter : { false, true }) {
                // What the box shows, read before it is answered (a failed check must not leave it open).
                QString title, text;
                QMessageBox::StandardButtons buttons;
                QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
                QMessageBox::Icon icon = QMessageBox::NoIcon;
                QTimer::singleShot(0, this, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        std::tie(title, text, buttons, icon) = std::tuple(box->windowTitle(), box->text(), box->standardButtons(), box->icon());
                        byDefault = box->standardButton(box->defaultButton());
                        QTest::keyClick(box, enter ? Qt::Key_Return : Qt::Key_Escape);
                        if (QApplication::activeModalWidget() == box) {
                            QVERIFY(box->close() == false); // nor does its window's close button
                            QTest::keyClick(box, Qt::Key_Return);
                        }
                    }
                });
                const Answer answer = real.Ask(k.kind, u("Ouvrir « a b » ? 8:30"));
                QCOMPARE(title, u("Lexigrille"));
                QCOMPARE(buttons, k.buttons);
                QCOMPARE(icon, k.icon);
                QCOMPARE(byDefault, k.byDefault);
                QCOMPARE(text, u("Ouvrir «\u00A0a b\u00A0»\u00A0? 8:30")); // no line breaks inside quotes, before a sign
                QCOMPARE(answer, enter ? k.enter : k.escape);
            }
        }
    }

    // A print lands where the PDF export puts everything, whatever the printer's margins. Paper turned in the dialog
    // gets the sheet turned with it; other paper (Letter) the whole sheet, shrunk to fit and centred.
    void aPrintIsThePageOfThePdf()
    {
        if (!HavePoppler())
            QSKIP("pdftotext (poppler-utils) reads where the words landed");
        PasteAnimals();
        doc->Change(Setting::Title, u("Les animaux"));
        QTest::keyClick(window.get(), Qt::Key_F5);
        const QString printed = folder.filePath(u("imprime.pdf")), exported = folder.filePath(u("exporte.pdf"));
        QVERIFY(WritePagePdf(doc->data(), exported));
        const QList<PdfWord> b = WordsOf(exported);
        // Both footers, the upper half's and the page's, among them.
        const QString footer = FooterText().section(QLatin1Char(' '), -1);
        QCOMPARE(std::count_if(b.begin(), b.end(), [&](const PdfWord& w) { return w.text == footer; }), 2);
        const double letter = 279.4 / 297;
        // The printed box of a word of the sheet: shrunk by k, centred; on paper turned, the sheet turned with it.
        const struct { QPageSize::PageSizeId paper; QPageLayout::Orientation turn; double k, left, top; } papers[] = {
            { QPageSize::A4, QPageLayout::Portrait, 1.0, 0.0, 0.0 },
            { QPageSize::Letter, QPageLayout::Portrait, letter, (215.9 - 210 * letter) / 2, 0.0 },
            { QPageSize::A4, QPageLayout::Landscape, 1.0, 0.0, 0.0 },
            { QPageSize::Letter, QPageLayout::Landscape, letter, (215.9 - 210 * letter) / 2, 0.0 },
        };
        for (const auto& p : papers) {
            PrintTo(printed, QMarginsF(10, 12, 10, 12), QPageSize(p.paper), p.turn);
            window->cmdImprimer_Click();
            const QList<PdfWord> a = WordsOf(printed);
            QCOMPARE(a.size(), b.size());
            const double long_ = QPageSize(p.paper).size(QPageSize::Millimeter).height();
            for (const PdfWord& w : b) {
                const double x = p.left + p.k * w.x, y = p.top + p.k * w.y, bottom = p.top + p.k * w.bottom;
                const QPointF at = p.turn == QPageLayout::Portrait ? QPointF(x, y) : QPointF(long_ - bottom, x);
                QVERIFY2(std::any_of(a.begin(), a.end(), [&](const PdfWord& v) {
                             return v.text == w.text && std::abs(v.x - at.x()) < 0.5 && std::abs(v.y - at.y()) < 0.5;
                         }), qPrintable(w.text));
            }
        }
    }

    // A double click on the preview (or Ctrl+F2) shows the page in a window as tall as the screen gives, the sheet's
    // shape; Escape or another double click closes it.
    void theLargePreview()
    {
        PasteAnimals();
        QTest::keyClick(window.get(), Qt::Key_F5);
        auto* preview = Find<PreviewWidget>(u("pctDocument"));
        for (const bool escape : { false, true }) {
            bool seen = false;
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == u("frmApercu"));
                seen = true;
                const QRect room = window->screen()->availableGeometry();
                QCOMPARE(dialog->height(), room.height() * 9 / 10);
                QVERIFY(std::abs(dialog->width() * 297.0 / dialog->height() - 210.0) < 2.0);
                auto* large = dialog->findChild<PreviewWidget*>(u("pctApercu"));
                QVERIFY(large && large->grab().toImage().pixelColor(large->width() / 2, large->height() / 3) != preview->palette().color(QPalette::Mid));
                if (escape)
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    QTest::mouseDClick(large, Qt::LeftButton);
            });
            if (escape)
                QTest::mouseDClick(preview, Qt::LeftButton);
            else
                QTest::keyClick(window.get(), Qt::Key_F2, Qt::ControlModifier);
            QVERIFY(seen);
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    void exportingAPdf()
    {
        PasteAnimals();
        doc->Change(Setting::ThemeText, u("CP/CE1"));
        QTest::keyClick(window.get(), Qt::Key_F5);
        const QString pdf = folder.filePath(u("fiche.pdf"));
        QList<QUrl> opened;
        window->openUrl = [&](const QUrl& url) { opened.append(url); return true; };
        prompter.paths = { pdf, pdf };
        prompter.answers = { Answer::No, Answer::Yes };
        for (int k = 0; k < 2; ++k)
            QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(prompter.dialogs.last().proposedName, u("Lexigrille - CP CE1.pdf"));
        QCOMPARE(prompter.dialogs.last().folder, folder.path());
        QVERIFY(test::ReadAll(pdf).startsWith("%PDF"));
        // Said where it went, and opened if the teacher wishes.
        QCOMPARE(prompter.asked.last().text, u("Le fichier PDF « fiche.pdf » est enregistré dans le dossier « ")
                                                 + QDir::toNativeSeparators(folder.path()) + u(" » (1 page).\nVoulez-vous l'ouvrir ?"));
        QCOMPARE(opened, QList<QUrl>({ QUrl::fromLocalFile(pdf) }));
        // A desktop without a PDF reader: said, and where the file is (a Oui did nothing).
        window->openUrl = [](const QUrl&) { return false; };
        prompter.paths = { pdf };
        prompter.answers = { Answer::Yes };
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(prompter.asked.last().kind, MessageKind::Error);
        QCOMPARE(prompter.asked.last().text, u("Aucun programme n'a pu ouvrir « fiche.pdf » : installez un lecteur de PDF, ou ouvrez "
                                               "le fichier depuis le dossier « ") + QDir::toNativeSeparators(folder.path()) + u(" »."));
        // Cancelled: nothing written.
        QFile::remove(pdf);
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!QFile::exists(pdf));
        // A name with a dot of its own is given « .pdf » all the same.
        prompter.paths = { folder.filePath(u("Séance 3.2")) };
        prompter.answers = { Answer::No };
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(test::ReadAll(folder.filePath(u("Séance 3.2.pdf"))).startsWith("%PDF"));
        // A worksheet that takes the whole page: said under the preview (its two-page PDF: CliWorksheets' whole-page test).
        auto* notice = Find<QLabel>(u("lblDeuxiemePage"));
        QVERIFY(!notice->isVisible());
        doc->Change(Setting::GridSize, 18);
        doc->Change(Setting::GridFontSize, 14);
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), WithoutBreaksInside(LowerHalfNotice(1, false)));
        doc->Change(Setting::LowerHalf, 0);
        QTRY_VERIFY(!notice->isVisible());
        // The notices follow the printed page, not the preview's size, which they change: a resized preview is
        // drawn again, never laid out again (a page on the edge of fitting redrew itself until the stack ran out).
        doc->Change(Setting::LowerHalf, 1);
        QTRY_VERIFY(notice->isVisible());
        QSignalSpy laidOut(window->preview(), &PreviewWidget::pageLaidOut);
        window->resize(window->width() - 60, window->height() - 40);
        QTest::qWait(50);
        QCOMPARE(laidOut.count(), 0);
        QVERIFY(notice->isVisible());
    }

    // Ctrl+V takes the clipboard's words; copied from a word processor, its title stays out and is named.
    void pastedLists()
    {
        auto* copied = new QMimeData;
        copied->setText(u("Les fruits\r\npomme\r\npoire\r\n"));
        copied->setHtml(u("<html><body><h1>Les fruits</h1><p>pomme</p><p>poire</p></body></html>"));
        QGuiApplication::clipboard()->setMimeData(copied);
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(doc->words().Words(), (QStringList { u("poire"), u("pomme") }));
        QCOMPARE(prompter.asked.size(), 1);
        QGuiApplication::clipboard()->setText(u("chat chien"));
        window->FillListsMenu();
        Find<QAction>(u("mnuImporterColler"))->trigger();
        QCOMPARE(doc->words().Words(), (QStringList { u("chat"), u("chien") }));
    }

    void droppedFiles()
    {
        test::WriteBytes(folder.filePath(u("ferme.lxg")), "[LXGDocument]\r\nTitre=La ferme\r\n");
        test::WriteBytes(folder.filePath(u("Fruits.CSV")), "pomme\r\npoire\r\nkiwi\r\n");
        test::WriteBytes(folder.filePath(u("image.png")), "\x89PNG");
        const auto drop = [&](const QString& name) {
            QMimeData mime;
            mime.setUrls({ QUrl::fromLocalFile(folder.filePath(name)) });
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &enter);
            const bool accepted = enter.isAccepted();
            QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &dropped);
            return accepted;
        };
        QVERIFY(drop(u("ferme.lxg")));
        QCOMPARE(doc->settings().title, u("La ferme"));
        QVERIFY(drop(u("Fruits.CSV"))); // not only .txt: every kind of list the import reads
        QCOMPARE(doc->words().Words(), (QStringList { u("kiwi"), u("poire"), u("pomme") }));
        QVERIFY(!drop(u("image.png")));
        // While a grid is being made, the window takes no drop.
        test::WriteBytes(folder.filePath(u("verger.lxg")), "[LXGDocument]\r\nTitre=Le verger\r\n");
        bool busyAtDrop = false, acceptedMeanwhile = true;
        PrepareEndlessFillIn(600);
        QTimer::singleShot(150, this, [&] {
            busyAtDrop = window->busy().Busy();
            acceptedMeanwhile = drop(u("verger.lxg"));
        });
        Find<QPushButton>(u("cmdGenerer"))->click();
        QVERIFY(busyAtDrop);
        QVERIFY(!acceptedMeanwhile);
        QTest::qWait(50);
        QCOMPARE(doc->settings().title, u("La ferme"));
    }

    void theTitleFontList()
    {
        auto* button = Find<QToolButton>(u("cmdPolice_0"));
        auto* list = Find<QListWidget>(u("lstPoliceTitre"));
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentItem()->text(), doc->settings().titleFontName);
        const int arial = list->row(list->findItems(u("Arial"), Qt::MatchExactly).value(0));
        QVERIFY(arial >= 0);
        list->setCurrentRow(arial);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(doc->settings().titleFontName, u("Arial"));
        QCOMPARE(Edit("txtTitre")->font().family(), u("Arial"));
        // Escape leaves the font as it was; the separator row is no font.
        QTest::mousePress(button, Qt::LeftButton);
        list->setCurrentRow(list->row(list->findItems(u("--------------------"), Qt::MatchExactly).value(0)));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->currentItem()).center());
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QCOMPARE(doc->settings().titleFontName, u("Arial"));
        // One click on a font chooses it and closes the list.
        QTest::mousePress(button, Qt::LeftButton);
        list->scrollToItem(list->item(arial + 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(arial + 1)).center());
        QVERIFY(!list->isVisible());
        QCOMPARE(doc->settings().titleFontName, list->item(arial + 1)->text());
        // The grid's and the list's boxes: the row above the separator is chosen, the separator is not.
        for (const char* name : { "cbxPoliceGrille", "cbxPoliceListe" }) {
            auto* box = Find<QComboBox>(u(name));
            const int separator = box->findText(u("--------------------"));
            QVERIFY(separator >= 2);
            box->setCurrentIndex(separator - 2);
            QTest::keyClick(box, Qt::Key_Down);
            QTest::keyClick(box, Qt::Key_Down);
            const QString font = box->itemText(separator - 1);
            QCOMPARE(box->currentText(), font);
            QCOMPARE(std::string(name) == "cbxPoliceGrille" ? doc->settings().gridFontName : doc->settings().listFontName, font);
        }
    }

    // The marks of the 26 code boxes follow the value mode and the bounds; bounds too close
    // disable "Créer la grille", which says why, and another mode gives it back.
    void theCodeBoxesAndTheBoundsFollowTheMode()
    {
        auto* reason = Find<QLabel>(u("lblRaisonGenerer"));
        auto* generate = Find<QPushButton>(u("cmdGenerer"));
        QVERIFY(!reason->isVisible());
        Find<QRadioButton>(u("optTypeJeu_2"))->click();
        Find<QRadioButton>(u("optValeurs_1"))->click(); // codes from 10 to 99
        QLineEdit* code = Edit("txtLettre_0");
        Retype(code, u("7"));
        QVERIFY(code->font().bold()); // below the lower bound
        Find<QRadioButton>(u("optValeurs_0"))->click(); // 1 to 26: 7 is a code
        QVERIFY(!code->font().bold());
        Find<QRadioButton>(u("optValeurs_1"))->click();
        QVERIFY(code->font().bold());
        Retype(Edit("txtBornes_1"), u("20"));
        QVERIFY(!generate->isEnabled() && reason->isVisible());
        QCOMPARE(reason->text(), WithoutBreaksInside(doc->GenerateDisabledReason()));
        QTest::keyClicks(Edit("txtBornes_1"), "0");
        QVERIFY(generate->isEnabled() && !reason->isVisible());
        Retype(Edit("txtBornes_0"), u("5"));
        Retype(Edit("txtBornes_1"), u("40"));
        QVERIFY(!code->font().bold());
        Retype(Edit("txtBornes_1"), u("9"));
        QVERIFY(!generate->isEnabled());
        Find<QRadioButton>(u("optValeurs_0"))->click();
        QVERIFY(generate->isEnabled());
    }

    // The window comes back where the teacher left it, its dialogs in the last folder used.
    void theWindowRemembersItsPlaceAndFolder()
    {
        QDir(folder.path()).mkpath(u("fiches"));
        const QString file = folder.filePath(u("fiches/ferme.lxg"));
        test::WriteBytes(file, "[LXGDocument]\r\nTitre=La ferme\r\n");
        prompter.paths = { file };
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(doc->settings().title, u("La ferme"));
        if (QGuiApplication::screens().size() < 2)
            QSKIP("one screen only, smaller than the window"); // Wine's offscreen platform
        // On the main screen, or on a classroom's second one.
        for (const QRect left : { QRect(40, 50, 1100, 720), QRect(2000, 40, 1100, 720) }) {
            window->setGeometry(left);
            QVERIFY(window->close());
            Close();
            Open();
            QCOMPARE(window->geometry(), left);
        }
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(prompter.dialogs.last().folder, folder.filePath(u("fiches")));
    }

    // The revealed-letter list always has a current item: a click cannot clear it.
    void theRevealedLetterListKeepsItsChoice()
    {
        PasteAnimals();
        Find<QRadioButton>(u("optTypeJeu_1"))->click();
        QTest::keyClick(window.get(), Qt::Key_F5);
        auto* letters = Find<QListWidget>(u("lstLettres"));
        letters->setCurrentRow(2);
        const QString chosen = letters->item(2)->text();
        QCOMPARE(doc->settings().puzzle.revealChoice, chosen);
        QTest::mouseClick(letters->viewport(), Qt::LeftButton, Qt::ControlModifier, letters->visualItemRect(letters->item(2)).center());
        letters->setCurrentRow(-1);
        QCOMPARE(doc->settings().puzzle.revealChoice, chosen);
        QCOMPARE(letters->currentRow(), 2);
    }

    // Work not yet saved is copied every half minute, and when the desktop session ends; the copy goes once the work
    // is saved, or given up on closing.
    void unsavedWorkIsCopiedUntilSavedOrGivenUp()
    {
        const QString copies = folder.filePath(u("copie"));
        window->actions().SetFolders({ folder.path(), folder.path(), copies });
        const auto count = [&] { return QDir(copies).entryList(QDir::Files).size(); };
        auto* timer = Find<QTimer>(u("tmrCopieTravail"));
        QVERIFY(timer->isActive() && timer->interval() == 30000);
        PasteAnimals();
        QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(count(), 2);
        prompter.paths = { folder.filePath(u("fiche.lxg")) };
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!doc->Modified());
        QCOMPARE(count(), 0);
        doc->Change(Setting::Title, u("Encore"));
        window->SessionEnding(); // the teacher logs out: no half minute to wait
        QCOMPARE(count(), 2);
        prompter.answers = { Answer::No };
        QVERIFY(window->close());
        QCOMPARE(count(), 0);
    }

    // While versions are made, the window takes no command: Ctrl+N, Ctrl+O and closing wait; the pages are all of one worksheet.
    void nothingReplacesTheDocumentWhileVersionsAreMade()
    {
        PasteAnimals();
        doc->Change(Setting::Title, u("Fiche A"));
        QTest::keyClick(window.get(), Qt::Key_F5);
        const QString pdf = folder.filePath(u("versions.pdf"));
        PrintTo(pdf);
        Find<QSpinBox>(u("vscVersions"))->setValue(6);
        test::WriteBytes(folder.filePath(u("b.lxg")), "[LXGDocument]\r\nTitre=Fiche B\r\n");
        bool busy = false;
        // The first turn of the event loop comes with the first version made.
        QTimer::singleShot(0, this, [&] {
            busy = window->busy().Busy();
            // The teacher can still give up.
            auto* progress = window->findChild<QProgressDialog*>();
            QVERIFY(progress && progress->isEnabled());
            QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
            QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
            window->OpenFromOtherLaunch({ folder.filePath(u("b.lxg")) });
            QVERIFY(!window->close());
        });
        prompter.answers = { Answer::No };
        window->cmdImprimer_Click();
        QVERIFY(busy);
        QCOMPARE(prompter.dialogs.size(), 0); // no open dialog was shown
        if (HavePoppler()) {
            const QString text = Poppler("pdftotext", { pdf, u("-") });
            QCOMPARE(text.count(u("Fiche A")), 12);
            QVERIFY(!text.contains(u("Fiche B")));
        }
        // Then the second launch's document opens.
        QTRY_COMPARE(doc->settings().title, u("Fiche B"));
    }

    // The same worksheet prints the same versions again, reopened too: the keys printed later match the sheets
    // handed out.
    void versionsPrintAgainAsTheyWere()
    {
        if (!HavePoppler())
            QSKIP("pdftotext (poppler-utils) reads the pages");
        PasteAnimals();
        QTest::keyClick(window.get(), Qt::Key_F5);
        const auto printed = [&] {
            const QString pdf = folder.filePath(u("versions.pdf"));
            QFile::remove(pdf);
            PrintTo(pdf);
            Find<QSpinBox>(u("vscVersions"))->setValue(3);
            window->cmdImprimer_Click();
            return Poppler("pdftotext", { pdf, u("-") });
        };
        const QString first = printed();
        QVERIFY(first.contains(u("Version 3/3")));
        QCOMPARE(printed(), first);
        test::WriteBytes(folder.filePath(u("fiche.lxg")), DocumentFileBytes(doc->data()));
        prompter.answers = { Answer::No };
        window->OpenFromOtherLaunch({ folder.filePath(u("fiche.lxg")) });
        QTRY_COMPARE(window->windowTitle(), u("Lexigrille 0.1 - fiche.lxg"));
        QCOMPARE(printed(), first);
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "test_window_commands.moc"
