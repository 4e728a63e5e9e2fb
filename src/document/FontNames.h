#pragma once

#include <QString>
#include <QStringList>

namespace lx {

// The separator row of the font lists.
inline constexpr const char* kFontListSeparator = "--------------------";

// The rows of the three font lists of the window: the fonts teachers use
// most, in a fixed order ("Arial", the default list font, then school fonts
// and OpenDyslexic, "Tahoma", "Times New Roman"...) where installed, the separator row, then
// every installed font in alphabetical order; no name twice.
QStringList FontListRows(const QStringList& installedNames);
// "Arial Narrow" when the list has it, else "Arial".
QString DefaultListFontName(const QStringList& installedNames);

// Selects a font by name in a font list: the index of the name (exact,
// case-insensitive), else of the fallback, else -1 (no selection).
int SelectFontByName(const QStringList& list, const QString& name, const QString& fallback);

} // namespace lx
