#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace lx {

// The folder of fonts the program brings with it, "polices" in the program
// folder. The Windows installer puts there the fonts the pages need that
// Windows lacks (Symbola for the pictograms, Liberation Sans Narrow for the
// word list, Liberation Sans where there is no Arial); a Debian installation
// has none and takes the system's packages.
QString ProgramFontFolder();

// Registers each font file of the folder (.ttf, .otf) for this run, unless
// `installed` says its family is on the machine already (the system's own
// copy wins, and a system Arial keeps drawing "Arial" rather than its metric
// twin). Returns the application font ids of the files kept (see
// QFontDatabase::applicationFontFamilies). Needs a QGuiApplication.
QList<int> RegisterProgramFonts(const QString& folder, const std::function<bool(const QString& family)>& installed);

} // namespace lx
