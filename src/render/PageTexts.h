#pragma once

#include "document/DocumentData.h"
#include "document/DocumentSettings.h"
#include "puzzle/PuzzleState.h"

#include <QString>
#include <QStringList>

#include <array>

namespace lx {

class FontCatalog;
class Surface;

// The texts printed around the grid: the header line, the instruction and its
// direction sentence, the footer.

// The text without its final suffix when it ends with it, else unchanged.
QString RemoveSuffix(const QString& text, const QString& suffix);

// The header line: school levels, themes and word count, for example
// "CE1, CE2 – Thèmes : Animaux / Couleurs (14 mots)". Words from an external
// list show its name instead: "Thème : Fruits (1 mot)"; a theme count below 1
// means that the words come from an external list.
// selectedThemes: the names of the selected themes in list order;
// importedListPath: the word-list file the words came from, when the theme
// box is empty.
QString HeaderCaption(const DocumentSettings& settings, const QStringList& selectedThemes, const QString& importedListPath,
                      int checkedWords);

// The default instruction of a game type (coded words: of numbers or of
// pictures; a list: of words, or of pictures only).
QString DefaultInstruction(GameType type, bool symbols = false, bool pictures = false);

// The digits of the checked direction boxes in increasing order ("0", "024"...).
QString DirectionKey(const std::array<bool, 6>& directions);
// The sentence that tells in which directions the words run, from " : ".
QString DirectionSentence(const QString& directionKey);
// The instruction as printed: the teacher's text or the default one, then for
// a word search the direction sentence (unless the teacher leaves it out) and,
// with a hidden message, what the remaining letters form. The direction
// sentence carries on an instruction after " : ", or follows it as a sentence
// of its own when the instruction ends with ".", "!", "?" or "…". `symbols`:
// the coded words drawn have pictures for codes, not numbers; `pictures`: the
// list shows a picture in place of every word.
QString InstructionText(const DocumentSettings& settings, bool symbols = false, bool pictures = false);
// The instruction of the page drawn: of the codes drawn, and of the directions
// chosen and those of the words placed (a grid made before a direction box was
// unticked still holds words that way).
QString InstructionText(const DocumentData& data, bool pictures = false);
// The title of a key: "Les animaux (Solution)", or "Solution" without a title.
QString KeyTitle(const QString& title);
// The hidden message as a key prints it: what the pupil can read in the grid.
// Digits, which no cell holds, are left out; a message longer than the free
// cells is cut after the last letter placed, with "…".
QString HiddenMessageText(const PuzzleState& puzzle);
// The line where a pupil writes their name and the date.
QString NameLineText();

// A text as French typography prints it: a no-break space before ":", the
// narrow space (narrowSpace) before ";", "!", "?" and "»" and after "«",
// typographic apostrophes. A line never breaks at those spaces. The text
// stored is never changed: only what is printed.
QString FrenchTypography(const QString& text, QChar narrowSpace);
// The same with the surface's current font: the narrow no-break space where
// the font has it, else the no-break space.
QString Typeset(const QString& text, Surface& surface);
// The text shortened with "…" to fit the width in the current font.
QString ElidedToWidth(Surface& surface, const QString& text, double width);

// The one line at the foot of every worksheet.
QString FooterText();
// The font of the header line and of the footer: "Arial Narrow" when the
// font list has it, else "Arial".
QString DefaultFontName(const FontCatalog& fonts);

} // namespace lx
