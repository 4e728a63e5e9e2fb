#include "render/SymbolFont.h"

namespace lx {

QString SymbolFontName()
{
    return QStringLiteral("Symbola");
}

const QList<SymbolCodePoint>& SymbolMap()
{
    static const QList<SymbolCodePoint> map {
        { 0x21, 0x1F589 }, // pencil
        { 0x22, 0x2702 },  // scissors
        { 0x24, 0x1F453 }, // glasses
        { 0x25, 0x1F56D }, // bell
        { 0x26, 0x1F56E }, // book
        { 0x28, 0x1F57F }, // telephone
        { 0x2A, 0x1F582 }, // envelope
        { 0x2B, 0x1F583 }, // stamped envelope
        { 0x49, 0x1F590 }, // open hand
        { 0x4A, 0x263A },  // smiling face
        { 0x4B, 0x1F610 }, // neutral face
        { 0x4C, 0x2639 },  // frowning face
        { 0x4F, 0x1F3F3 }, // white flag
        { 0x53, 0x1F4A7 }, // droplet
        { 0x75, 0x25C6 },  // black diamond
        { 0xA1, 0x26AA },  // white circle
        { 0xA8, 0x25FB },  // white square
        { 0xAB, 0x2605 },  // black star
        { 0xB2, 0x27E1 },  // concave diamond
        { 0xB5, 0x272A },  // circled star
        { 0xD7, 0x2B98 },  // left arrowhead
        { 0xD8, 0x2B9A },  // right arrowhead
        { 0xDF, 0x1F868 }, // left arrow
        { 0xE0, 0x1F86A }, // right arrow
        { 0xE1, 0x1F869 }, // up arrow
        { 0xE2, 0x1F86B }, // down arrow
    };
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
