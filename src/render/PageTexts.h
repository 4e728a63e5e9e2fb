#pragma once

#include "document/DocumentSettings.h"
#include "puzzle/PuzzleState.h"

#include <QString>
#include <QStringList>

#include <array>

namespace lx {

class FontCatalog;

// The texts printed around the grid: the header line, the instruction and its
// direction sentence, the footer.

// The text unchanged when it already ends with the suffix, else text + suffix.
QString EnsureSuffix(const QString& text, const QString& suffix);
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

// The default instruction of a game type.
QString DefaultInstruction(GameType type);

// The digits of the checked direction boxes in increasing order ("0", "024"...).
QString DirectionKey(const std::array<bool, 6>& directions);
// The sentence that tells in which directions the words run, from " : ".
QString DirectionSentence(const QString& directionKey);
// What follows the instruction: the direction sentence of a word search and,
// with a hidden message, what the remaining letters form; empty otherwise.
QString InstructionSuffix(const DocumentSettings& settings);
// The instruction as printed: the teacher's text or the default one, with the suffix.
QString InstructionText(const DocumentSettings& settings);

// The one line at the foot of every worksheet.
QString FooterText();
// The font of the header line and of the footer: "Arial Narrow" when the
// font list has it, else "Arial".
QString DefaultFontName(const FontCatalog& fonts);

} // namespace lx
