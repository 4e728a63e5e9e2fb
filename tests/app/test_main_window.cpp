#include "app/MainWindow.h"

#include <QPushButton>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheGenerateButton()
    {
        lx::MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.objectName(), QStringLiteral("frmMain"));
        auto* button = w.findChild<QPushButton*>(QStringLiteral("cmdGenerer"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Créer la grille"));
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Lexigrille")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
