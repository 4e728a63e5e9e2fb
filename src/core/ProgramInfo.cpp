#include "core/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

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

QString FullName()
{
    return ProductName() + QLatin1Char(' ') + VersionText();
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString env = qEnvironmentVariable("LEXIGRILLE_DATA_DIR");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data"));
}

void SetProgramFolder(const QString& folder)
{
    overrideFolder() = folder;
}

} // namespace lx
