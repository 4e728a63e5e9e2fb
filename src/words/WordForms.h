#pragma once

#include "core/Text1252.h" // IsWindows1252

#include <QString>

// The forms of a word. A teacher types "l'école" or "arc-en-ciel"; the grid needs
// "LECOLE" and "ARCENCIEL", and the max-letters filter needs a letter count that
// ignores the separators. These functions hold no state and never fail.
namespace lx {

// The longest word a grid takes, in characters of its display form.
inline constexpr int kMaxDisplayLength = 30;

// The word with every separator of the removal set deleted (hyphens, dashes,
// apostrophes, spaces and the punctuation listed in WordForms.cpp).
QString StripPunctuation(const QString& word);

// Upper case, separators removed, French accented capitals folded to plain ones,
// Œ written O then E and Æ written A then E ("cœur" gives COEUR), as pupils
// write them. This is what is written into the grid cells, one character per cell.
QString ToGridForm(const QString& word);

// The grid form restricted to the 26 letters A to Z (used for hidden messages).
QString LettersOnly(const QString& text);

// Number of letters once the separators are removed, Œ and Æ counting two
// ("cœur" has 5): the length of the grid form.
int LetterCount(const QString& word);

// Upper-cases one text character by character, the way the word forms need it:
// a character keeps its length (ß stays ß) and never leaves Windows-1252
// (µ stays µ instead of becoming a Greek capital).
QString UpperCase1252(const QString& text);


// Index 0..25 of an upper-case letter A..Z, or -1.
inline int LetterIndex(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? int(u - u'A') : -1;
}

} // namespace lx
