#include "core/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QFileInfo>

namespace lx {

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProductName()
{
    return QStringLiteral("Lexigrille");
}

QString ProgramVersion()
{
    return QStringLiteral(LEXIGRILLE_VERSION);
}

QString VersionText()
{
    const QStringList parts = ProgramVersion().split(QLatin1Char('.'));
    return parts.value(0) + QLatin1Char('.') + parts.value(1, QStringLiteral("0"));
}

QUrl MakerWebPage()
{
    return QUrl(QString::fromLatin1(kMakerWebPage));
}

QString FullName()
{
    return ProductName() + QLatin1Char(' ') + VersionText();
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    // A folder named on purpose (tests, a user's own copy) wins over the guesses.
    const QString env = qEnvironmentVariable("LEXIGRILLE_DATA_DIR");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    // The build tree keeps "data" beside the executable; an installed program
    // (prefix/bin) finds it in prefix/share/lexigrille.
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString beside = exeDir.filePath(QStringLiteral("data"));
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = QDir::cleanPath(exeDir.filePath(QStringLiteral("../share/lexigrille")));
    if (QFileInfo(installed).isDir())
        return installed;
    // Neither exists: name the folder beside the executable, so that messages
    // about missing files point somewhere sensible.
    return beside;
}

void SetProgramFolder(const QString& folder)
{
    overrideFolder() = folder;
}

QString UserFolderPath()
{
    QString folder = qEnvironmentVariable("LEXIGRILLE_USER_DIR");
    if (folder.isEmpty()) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents.isEmpty())
            return {};
        folder = QDir(documents).filePath(ProductName());
    }
    return QDir(folder).absolutePath();
}

QString UserFolder()
{
    const QString folder = UserFolderPath();
    return !folder.isEmpty() && QDir().mkpath(folder) ? folder : QString();
}

QString WorkCopyFolder()
{
    const QString folder = qEnvironmentVariable("LEXIGRILLE_WORK_COPY_DIR");
    if (!folder.isEmpty())
        return QDir(folder).absolutePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("travail"));
}

} // namespace lx
