#include "render/Surface.h"

namespace lx {

void Surface::Print(const QString& text, bool endLine)
{
    DrawText(currentX, currentY, text);
    if (endLine) {
        currentY += TextHeight(QStringLiteral("Hy"));
        currentX = 0.0;
    } else {
        currentX += TextWidth(text);
    }
}

} // namespace lx
