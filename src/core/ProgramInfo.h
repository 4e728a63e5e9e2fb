#pragma once

#include <QString>

namespace lx {

// The product's name, as every message box is titled.
QString ProductName();
QString ProgramVersion();
// Major and minor version ("0.1"), as the window title and the About box show it.
QString VersionText();
// The product name and the version text: "Lexigrille 0.1".
QString FullName();

// The program's folder: level files, word lists and the template. It is the
// "data" folder beside the executable, or the folder named by the environment
// variable LEXIGRILLE_DATA_DIR, or the one set by SetProgramFolder (tests).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

} // namespace lx
