#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace lx {

// The 27 themes of the word database, in the fixed order of the theme list,
// each with its one-letter code. Codes are compared exactly: "A" (Animaux) and
// "a" (Alimentation, cuisine) are different themes.
inline constexpr int kThemeCount = 27;
QString ThemeCodes(); // "édaArCoERlFLIMimuNnOPTt123V"
QString ThemeName(int index);
// Index of a theme code, -1 when the character is no theme code.
int ThemeIndexOfCode(QChar code);
// Index of a theme named as a teacher types it: case, accents, spaces and
// punctuation do not matter ("ecole" and "Activites metiers" are found); -1
// when no theme has that name.
int ThemeIndexOfName(const QString& name);
// The themes whose names start with the text, without regard to accents, case
// or punctuation ("nature" gives "Nature, environnement"), in list order.
QList<int> ThemesStartingWith(const QString& start);

// The theme list: which themes are selected, whether the list is enabled
// (it is not while an external word list fills the selection), its current
// item, and per theme the index of the last entry counted by the last rebuild
// of the word list (-1 when none was counted).
struct ThemeList {
    std::array<bool, kThemeCount> selected {};
    bool enabled = true;
    int current = -1;
    std::array<int, kThemeCount> wordCounts {};

    int SelectedCount() const;
    // The codes of the selected themes, in list order.
    QString SelectedCodes() const;
    // The names of the selected themes, in list order.
    QStringList SelectedNames() const;
    void ClearSelection();
};

// The caption of the themes label for a number of selected themes:
// "Aucun thème", "1 thème", "3 thèmes".
QString ThemeLabelText(int selectedCount);

} // namespace lx
