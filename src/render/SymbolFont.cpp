#include "render/SymbolFont.h"

#include "puzzle/Engine.h"

namespace lx {

QString SymbolFontName()
{
    return QStringLiteral("Symbola");
}

const QList<SymbolCodePoint>& SymbolMap()
{
    // The pictogram of each symbol code, in the codes' stored order.
    static const char32_t pictograms[26] = {
        0x1F589, // pencil
        0x2702,  // scissors
        0x1F453, // glasses
        0x1F56D, // bell
        0x1F56E, // book
        0x1F57F, // telephone
        0x1F582, // envelope
        0x1F583, // stamped envelope
        0x1F590, // open hand
        0x263A,  // smiling face
        0x1F610, // neutral face
        0x2639,  // frowning face
        0x1F3F3, // white flag
        0x1F4A7, // droplet
        0x25C6,  // black diamond
        0x26AA,  // white circle
        0x25FB,  // white square
        0x2605,  // black star
        0x27E1,  // concave diamond
        0x272A,  // circled star
        0x2B98,  // left arrowhead
        0x2B9A,  // right arrowhead
        0x1F868, // left arrow
        0x1F86A, // right arrow
        0x1F869, // up arrow
        0x1F86B, // down arrow
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

QString SymbolPictograms(const QString& codes)
{
    QString out;
    for (QChar c : codes)
        out += SymbolPictogram(c);
    return out;
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
