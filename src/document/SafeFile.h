#pragma once

#include <QByteArray>
#include <QString>

namespace lx {

// The outcome of writing a file: on failure, an error number and a French
// description for the message box.
struct WriteResult {
    bool ok = false;
    int errorNumber = 0;
    QString errorText;
};

// Writes the bytes to the path without ever destroying the previous file: the
// data goes to a temporary file in the same folder, which is flushed and then
// renamed over the target. On failure the old file is left intact and no
// temporary file remains.
WriteResult WriteFileSafely(const QString& path, const QByteArray& bytes);

// The message of a failed save: "Impossible d'enregistrer", the path, " !",
// then "Erreur" with the error number and its description, then what to do:
// another place only where the teacher chose it (not the template's), and
// the Documents' « Lexigrille » folder only when the path is not already there.
QString SaveErrorMessage(const QString& path, const WriteResult& result, bool placeChosen = true);

} // namespace lx
