#pragma once

#include "puzzle/PuzzleState.h"

#include <QString>
#include <QStringList>

// The words that a word-search grid must never show by chance: vulgar words,
// insults, the body-part words a pupil giggles at. They ship as a plain text
// file of the program folder, which a teacher may extend; the engine gets them
// through PuzzleEngine::SetUnfitWords.
namespace lx {

// The file, relative to the program folder. It lies in a subfolder so that the
// lists menu (the .txt files of the program folder itself) never offers it.
inline constexpr char kUnfitWordsFile[] = "filtres/mots-exclus.txt";

// The words of the file's text: one a line (CR LF, LF or CR), trimmed; empty
// lines and lines that begin with "/" (comments) are skipped.
QStringList ParseUnfitWords(const QString& text);

// Reads and parses the file at path (Windows-1252, or UTF-8 from a modern
// editor); an empty list when it is missing or unreadable.
QStringList LoadUnfitWords(const QString& path);

// The unfit words (grid forms) a pupil can read in a word search's grid, in
// any of the eight directions, but for those inside a word of the list
// (CUL in CALCUL): each once, in alphabetical order.
QStringList UnfitWordsInGrid(const PuzzleState& state, const QStringList& unfitForms);
// What the teacher is told of them: that the grid should be made again.
QString UnfitWordsWarning(const QStringList& words);

} // namespace lx
