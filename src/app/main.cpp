// Lexigrille: the window a teacher makes worksheets in.
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/FontCatalog.h"
#include "words/ThemeDatabase.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTextStream>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(lx::ProductName());
    QApplication::setApplicationVersion(lx::ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("lexigrille"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own buttons and dialogs in French ("Oui", "Non", "Annuler").
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    lx::ThemeDatabase database;
    const lx::LevelLoadReport levels = database.Load(lx::ProgramFolder());
    lx::Document doc(lx::FontCatalog::Installed().Names());
    doc.themeDatabase = &database;
    doc.folders = lx::DocumentFolders::Default();

    lx::MainWindow window(doc);
    window.show();
    if (!levels.message.isEmpty()
        && doc.prompter().Ask(lx::MessageKind::MissingFiles, levels.message) == lx::Answer::Ok)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(lx::kMakerWebPage)));
    QStringList arguments = QApplication::arguments().mid(1);
    // "--mesure-demarrage": how long the start takes, up to the first drawing of the window.
    const bool measureStart = arguments.removeAll(QStringLiteral("--mesure-demarrage")) > 0;
    lx::OpenFirstDocument(doc, arguments);
    window.FinishLoading();
    if (measureStart) {
        window.repaint();
        QTextStream(stdout) << "Démarrage : " << sinceStart.elapsed() << " ms\n";
        return 0;
    }
    return QApplication::exec();
}
