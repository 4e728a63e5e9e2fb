#include "render/SymbolFont.h"

#include "puzzle/Engine.h"

namespace lx {

QString SymbolFontName()
{
    return QStringLiteral("Symbola");
}

const QList<SymbolCodePoint>& SymbolMap()
{
    // The pictogram of each symbol code, in the codes' stored order: 26
    // everyday things a child tells apart at print size, none a face or a
    // sign, no two alike (no arrows or stars of one shape).
    static const char32_t pictograms[26] = {
        0x270E,  // pencil
        0x2702,  // scissors (also the fold line's)
        0x1F453, // glasses
        0x1F514, // bell
        0x1F4D6, // open book
        0x260E,  // telephone
        0x2709,  // envelope
        0x2602,  // umbrella
        0x1F590, // open hand
        0x2600,  // sun
        0x2601,  // cloud
        0x2744,  // snowflake
        0x1F3F3, // white flag
        0x2615,  // cup
        0x2665,  // heart
        0x2663,  // club
        0x2693,  // anchor
        0x2605,  // star
        0x263D,  // moon
        0x1F511, // key
        0x1F3E0, // house
        0x1F34E, // apple
        0x1F41F, // fish
        0x26BD,  // ball
        0x1F6B2, // bicycle
        0x26F5,  // sailboat
    };
    static const QList<SymbolCodePoint> map = [] {
        QList<SymbolCodePoint> m;
        const QString codes = PuzzleEngine::SymbolCharacters();
        for (int i = 0; i < codes.size(); ++i)
            m.append({ codes[i].unicode(), pictograms[i] });
        return m;
    }();
    return map;
}

QString SymbolPictogram(QChar code)
{
    for (const SymbolCodePoint& s : SymbolMap()) {
        if (s.code == code.unicode()) {
            const char32_t u = s.unicode;
            return QString::fromUcs4(&u, 1);
        }
    }
    return {};
}

QFont MakeSymbolFont(double pointSize, bool bold, bool italic)
{
    QFont font(SymbolFontName());
    font.setStyleStrategy(QFont::NoFontMerging);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace lx
