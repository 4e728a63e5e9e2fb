// Lexigrille: the window a teacher makes worksheets in.
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/UpdateCheck.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "render/FontCatalog.h"
#include "words/ThemeDatabase.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(lx::ProductName());
    QApplication::setOrganizationName(lx::ProductName());
    QApplication::setApplicationVersion(lx::ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("lexigrille"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own buttons and dialogs in French ("Oui", "Non", "Annuler").
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QStringList arguments = QApplication::arguments().mid(1);
    // "--mesure-demarrage": how long the start takes, up to the first drawing
    // of the window. A measuring run is no teacher's launch: it neither
    // yields to a running Lexigrille nor keeps later launches out.
    const bool measureStart = arguments.removeAll(QStringLiteral("--mesure-demarrage")) > 0;

    // One Lexigrille at a time: a second launch hands its document to the
    // running one (paths made absolute: its folder may differ) and ends.
    lx::SingleInstance instance;
    if (!measureStart && !instance.Claim()) {
        QStringList forwarded;
        for (const QString& argument : arguments)
            if (!lx::StripQuotes(argument).isEmpty())
                forwarded << QFileInfo(lx::StripQuotes(argument)).absoluteFilePath();
        switch (instance.Forward(forwarded)) {
        case lx::SingleInstance::Handover::Handed:
            return 0;
        case lx::SingleInstance::Handover::NoInstance:
            if (instance.TakeOver())
                break;
            [[fallthrough]];
        case lx::SingleInstance::Handover::Unanswered:
            // Never a launch that ends without a word.
            QMessageBox::warning(nullptr, lx::ProductName(),
                                 QStringLiteral("Lexigrille est déjà ouvert, mais ne répond pas. Attendez un instant puis "
                                                "recommencez ; s'il ne répond toujours pas, redémarrez l'ordinateur."));
            return 1;
        }
    }

    lx::ThemeDatabase database;
    const lx::LevelLoadReport levels = database.Load(lx::ProgramFolder());
    lx::Document doc(lx::FontCatalog::Installed().Names());
    doc.SetThemeDatabase(&database);

    lx::DocumentFolders folders = lx::DocumentFolders::Default();
    if (measureStart)
        folders.workCopy.clear(); // a measuring run neither keeps nor offers unsaved work
    lx::MainWindow window(doc, std::move(folders));
    window.actions().LoadWordFilter();
    QObject::connect(&instance, &lx::SingleInstance::launched, &window, &lx::MainWindow::OpenFromOtherLaunch);
    window.show();
    if (!levels.message.isEmpty()
        && window.actions().prompter().Ask(lx::MessageKind::MissingFiles, levels.message) == lx::Answer::Ok)
        QDesktopServices::openUrl(lx::MakerWebPage());
    window.Launch(arguments);
    if (measureStart) {
        window.repaint();
        QTextStream(stdout) << "Démarrage : " << sinceStart.elapsed() << " ms\n";
        return 0;
    }
    // Whether a newer version exists, asked in the background once the
    // window is there: only a failure or a newer version is told.
    window.updates().Start(false);
    return QApplication::exec();
}
