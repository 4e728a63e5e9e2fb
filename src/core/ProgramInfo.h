#pragma once

#include <QString>
#include <QUrl>

namespace lx {

// The product's name, as every message box is titled.
QString ProductName();
QString ProgramVersion();
// Major and minor version ("0.1"), as the window title and the About box show it.
QString VersionText();
// The product name and the version text: "Lexigrille 0.1".
QString FullName();

// Where the maker can be reached: the web page (downloads, the original word
// files) and the e-mail address of the About box.
inline constexpr char kMakerWebPage[] = "https://lexigrille.fr";
inline constexpr char kMakerEmail[] = "contact@lexigrille.fr";
QUrl MakerWebPage();

// The program's folder: level files, word lists and the template. In order:
// the folder set by SetProgramFolder (tests); the folder named by the
// environment variable LEXIGRILLE_DATA_DIR when it is set; the "data" folder
// beside the executable (build tree); "../share/lexigrille" relative to the
// executable (installed program). Without any, the "data" folder beside the
// executable is named.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// The teacher's own folder, for what the program writes: documents, the
// template, word lists of their own. "Lexigrille" in the Documents folder, a
// place the teacher sees and backs up, created on first use; the environment
// variable LEXIGRILLE_USER_DIR names another one (tests). Empty when it
// cannot be created.
QString UserFolder();
// Where that folder is, or would be: for a message when it cannot be created.
QString UserFolderPath();
// Where the copy of unsaved work is kept: a folder of the program's own,
// out of the teacher's sight (AppLocalDataLocation), or LEXIGRILLE_WORK_COPY_DIR.
QString WorkCopyFolder();

} // namespace lx
