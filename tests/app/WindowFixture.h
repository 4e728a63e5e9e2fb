#pragma once

// Base of the window tests: a program folder of five small level files (animals A,
// colours o), a new document, a scripted prompter and the real window over them.
#include "app/MainWindow.h"
#include "document/Document.h"
#include "render/FontCatalog.h"
#include "support/ScriptedPrompter.h"
#include "support/TextSupport.h"
#include "words/ThemeDatabase.h"

#include <QSettings>
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
        if (!QSettings().contains(QStringLiteral("fenetre/geometrie")))
            window->resize(1366, 768);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Show(window->actions().OpenFirst({}));
        window->FinishLoading();
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
};

} // namespace lx::test
