#pragma once

// Base of the window tests: a program folder of five small level files (animals A,
// colours o), a new document, a scripted prompter and the real window over them.
#include "app/MainWindow.h"
#include "document/Document.h"
#include "render/FontCatalog.h"
#include "support/ScriptedPrompter.h"
#include "support/TextSupport.h"
#include "words/ThemeDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace lx::test {

class WindowTest : public QObject {
protected:
    QTemporaryDir folder;
    ThemeDatabase database;
    std::unique_ptr<Document> doc;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;

    // For the test's init(): the window shown on a new document, the level files loaded.
    void Open()
    {
        // The window's remembered size and folder go to a test place.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("LexigrilleTest"));
        for (int level = 0; level < kLevelCount; ++level)
            WriteBytes(folder.filePath(LevelFileName(level)), "/ essai\r\nA-  chat\r\nA-  chien\r\nA-  lapin\r\nA-  ours\r\n"
                                                               "A-  loup\r\nA-  lion\r\no-  rouge\r\no-  vert\r\nAo  canari\r\n");
        database.Load(folder.path());
        doc = std::make_unique<Document>(FontCatalog::Installed().Names());
        doc->SetThemeDatabase(&database);
        prompter = {};
        window = std::make_unique<MainWindow>(*doc, DocumentFolders { folder.path(), folder.path() }, &prompter);
        // A school's screen; on a test screen smaller than the window (Wine's), it starts maximised.
        if (!QSettings().contains(QStringLiteral("fenetre/geometrie")) || window->isMaximized()) {
            window->setWindowState(Qt::WindowNoState);
            window->resize(1366, 768);
        }
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Launch({});
    }
    void Close() { window.reset(); doc.reset(); } // the window before the document it shows

    // A control by its name; a missing one ends the test program.
    template <typename W>
    W* Find(const QString& name) const
    {
        if (W* w = window->findChild<W*>(name))
            return w;
        qFatal("no control named %s", qPrintable(name));
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(u(name)); }
    // Types over the whole text of a box.
    static void Retype(QLineEdit* box, const QString& text) { box->selectAll(), QTest::keyClicks(box, text); }

    // Five animals, or five words that share one letter once each (two of them
    // cross on it, no third can join): a fill-in of them runs until its
    // (shortened) limit.
    void PasteAnimals() { doc->PasteWordList(u("chat\nchien\nloup\nlion\nours\n")); }
    void PrepareEndlessFillIn(int limitMs)
    {
        doc->PasteWordList(u("abcz\r\ndefz\r\nghiz\r\njklz\r\nmnoz\r\n"));
        Find<QRadioButton>(u("optTypeJeu_1"))->click();
        doc->Clock().SetLimitMs(limitMs);
    }
    // The print dialog's printer: a PDF at `path`.
    void PrintTo(const QString& path, QMarginsF margins = {}, const QPageSize& paper = QPageSize(QPageSize::A4),
                 QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        window->printDialog = [=](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(paper);
            printer.setPageOrientation(orientation);
            if (!margins.isNull())
                printer.setPageMargins(margins, QPageLayout::Millimeter);
            return true;
        };
    }
};

} // namespace lx::test
