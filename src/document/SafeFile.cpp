#include "document/SafeFile.h"

#include "core/ProgramInfo.h"
#include "core/TextEditing.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace lx {
namespace {

WriteResult Failure(int errorNumber, const QString& text)
{
    return WriteResult{ false, errorNumber, text };
}

// Why the file cannot be created, when the path itself tells: a missing folder
// or a folder in place of the file. errorNumber 0 when the path looks fine.
WriteResult DiagnosePath(const QString& path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return Failure(ENOENT, QStringLiteral("Dossier introuvable"));
    if (!folder.isDir())
        return Failure(ENOTDIR, QStringLiteral("Dossier introuvable"));
    if (target.isDir())
        return Failure(EISDIR, QStringLiteral("Le nom désigne un dossier et non un fichier"));
    return Failure(0, QString());
}

// The failure of a QSaveFile step, in the user's words.
WriteResult FromFileError(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return Failure(EACCES, QStringLiteral("Accès refusé"));
    case QFileDevice::OpenError:
        return Failure(EIO, QStringLiteral("Impossible de créer le fichier"));
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
    case QFileDevice::ResizeError:
    case QFileDevice::PositionError:
        return Failure(ENOSPC, QStringLiteral("Disque plein ou erreur d'écriture"));
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return Failure(EACCES, QStringLiteral("Impossible de remplacer l'ancien fichier"));
    case QFileDevice::ReadError:
    case QFileDevice::FatalError:
    case QFileDevice::AbortError:
    case QFileDevice::TimeOutError:
    case QFileDevice::UnspecifiedError:
    case QFileDevice::NoError:
        break;
    }
    return Failure(EIO, QStringLiteral("Erreur d'écriture"));
}

// Why the file could not be opened for writing. QSaveFile says little (a bare
// open error, or a write error for a read-only file), so the path is examined.
WriteResult OpenFailure(const QString& path, QFileDevice::FileError error)
{
    const WriteResult diagnosed = DiagnosePath(path);
    if (diagnosed.errorNumber != 0)
        return diagnosed;
    // Only asked once the write has failed: on some systems the permission
    // bits call a folder read-only although it takes new files.
    const QFileInfo target(path);
    if (!QFileInfo(target.absolutePath()).isWritable() || (target.exists() && !target.isWritable()))
        return Failure(EACCES, QStringLiteral("Accès refusé"));
    return FromFileError(error);
}

} // namespace

WriteResult WriteFileSafely(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return Failure(EINVAL, QStringLiteral("Aucun nom de fichier"));
    // Checked first: QSaveFile reports these cases as a bare open error.
    const WriteResult diagnosed = DiagnosePath(path);
    if (diagnosed.errorNumber != 0)
        return diagnosed;

    QSaveFile file(path);
    // Never write straight into the target, even where no temporary file can be made.
    file.setDirectWriteFallback(false);
    // Unbuffered: a buffered document of a few kilobytes reached the disk
    // only when the file was closed, and a full disk then went unreported:
    // an empty or cut file replaced the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return OpenFailure(path, file.error());
    // The temporary file holds every byte before it takes the target's place.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return FromFileError(error == QFileDevice::NoError ? QFileDevice::WriteError : error);
    }
    if (!file.commit())
        return FromFileError(file.error());
    return WriteResult{ true, 0, QString() };
}

QString SaveErrorMessage(const QString& path, const WriteResult& result, bool placeChosen)
{
    // What to do next, after what happened.
    const QString folder = QFileInfo(path).absolutePath();
    const QString elsewhere = placeChosen ? QStringLiteral(", ou choisissez un autre emplacement.") : QStringLiteral(", puis recommencez.");
    QString advice;
    if (result.errorNumber == ENOSPC)
        advice = QStringLiteral("Libérez de la place") + elsewhere;
    else if (!placeChosen || QDir(folder) == QDir(UserFolderPath()))
        advice = QStringLiteral("Vérifiez que vous pouvez écrire dans le dossier ") + Quoted(QDir::toNativeSeparators(folder)) + elsewhere;
    else
        advice = QStringLiteral("Choisissez un autre emplacement, par exemple le dossier « Lexigrille » de vos Documents.");
    return QStringLiteral("Impossible d'enregistrer\n") + path + QStringLiteral(" !\nErreur") + QString::number(result.errorNumber)
        + QStringLiteral(" : ") + result.errorText + QStringLiteral("\n") + advice;
}

} // namespace lx
