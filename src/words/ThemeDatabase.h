#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The built-in word stock: five level files, one per class of French primary
// school, in the program's folder. Each entry carries one or two theme codes
// (Themes.h) and a word. They are read once at start-up; the document rebuilds
// its candidate words from them (Document::RebuildWordList).
namespace lx {

inline constexpr int kLevelCount = 5;
// Rows 0 to 5000 of each level: entries further down a level file are left
// out (and counted in the load report), which keeps a rebuild of the word
// list quick whatever the files hold.
inline constexpr int kLevelRows = 5001;
// A level file is read up to this size; a few thousand entries take a small
// fraction of it.
inline constexpr qsizetype kMaxLevelFileBytes = 4 * 1024 * 1024;


// "CP", "CE1", "CE2", "CM1", "CM2".
QString LevelCaption(int level);
// The level of a caption, in any case ("cm1" gives 3); -1 for none.
int LevelIndexOf(const QString& caption);
// "DB 01-07 (CP).txt"... "DB 20-23 (CM2).txt".
QString LevelFileName(int level);

// The word of a level entry: everything from its fifth character on, as it
// stands. Characters 1 and 2 are theme codes, 3 and 4 are not read.
QString LevelEntryWord(const QString& entry);
// Whether the entry belongs to the theme of that code (first or second code;
// codes are compared exactly).
bool LevelEntryHasTheme(const QString& entry, QChar code);

// The entries of one level file's text, in file order. Lines end with CR LF
// (a lone LF or CR is taken as a line end too). An empty line and a line
// whose first character is "/" are skipped. A line that holds no usable word
// is skipped and counted as broken: shorter than five characters, a word of
// spaces only, a word with control characters or characters the code page
// lacks, or a word longer than any grid takes. At most kLevelRows entries are
// kept; the others are counted as dropped.
struct LevelText {
    QStringList entries;
    int brokenLines = 0;
    int droppedEntries = 0;
};
LevelText ParseLevelText(const QString& text);

// What start-up loading found.
struct LevelLoadReport {
    QStringList missingFiles;                  // file names, in level order
    std::array<int, kLevelCount> brokenLines {};
    std::array<int, kLevelCount> droppedEntries {};
    std::array<bool, kLevelCount> unreadable {}; // present but not readable as text
    // The start-up message when files are missing (empty otherwise); OK opens
    // kMakerWebPage.
    QString message;
};

// The message listing the missing level files of the folder.
QString MissingLevelFilesMessage(const QString& folder, const QStringList& missingFiles);

class ThemeDatabase {
public:
    // Per level (0 CP to 4 CM2), its entries in file order; a level whose
    // file is missing stays empty.
    std::array<QStringList, kLevelCount> levelLines;

    // Fills levelLines from the level files of the folder (names matched
    // without regard to case).
    LevelLoadReport Load(const QString& folder);
};

} // namespace lx
