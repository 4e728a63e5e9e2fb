// Lexigrille: the window a teacher makes worksheets in.
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/FontCatalog.h"
#include "words/ThemeDatabase.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

int main(int argc, char** argv)
{
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
    lx::OpenFirstDocument(doc, QApplication::arguments().mid(1));
    window.FinishLoading();
    return QApplication::exec();
}
