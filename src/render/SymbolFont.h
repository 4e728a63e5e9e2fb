#pragma once

#include <QChar>
#include <QFont>
#include <QList>
#include <QString>

namespace lx {

// The symbols of the coded words and the scissors of the fold line are kept as
// the character codes of a Windows symbol font (0x22 is the scissors). They are
// drawn as Unicode pictograms of Symbola, each code through a fixed map, so
// that the stored codes never change and no other font is mixed in.

// The font name that the renderer sets for symbol text; surfaces draw text in
// this font through the map.
QString SymbolFontName();

// The scissors drawn at the start of the fold line.
inline constexpr char16_t kScissorsCode = 0x22;

struct SymbolCodePoint {
    char16_t code;     // the stored symbol code
    char32_t unicode;  // its pictogram
};
// The 26 symbol codes of the coded words, in their stored order, with their pictograms.
const QList<SymbolCodePoint>& SymbolMap();

// The pictogram of one stored code; empty for a code outside the map (such a
// code draws nothing rather than a box or a question mark).
QString SymbolPictogram(QChar code);

// Symbola at the given size, selected without font merging.
QFont MakeSymbolFont(double pointSize, bool bold = false, bool italic = false);

} // namespace lx
