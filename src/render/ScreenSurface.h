#pragma once

#include "render/Surface.h"

#include <QSize>
#include <QSizeF>

namespace lx {

// How the preview shows the page inside the box the window gives it.
struct ScreenPage {
    QSizeF extent; // the page in page units: the sheet's size in millimetres
    QSize box;     // the preview box, narrowed or shortened to the page's proportions (pixels)
    double ratio = 0.0; // screen millimetres per page unit: the font ratio of the rendering
};

// Fits the A4 page into a preview box of boxPixels on a screen of the given
// resolution: the box keeps the page's proportions, one dimension shrinking
// to fit, and a box that already has them (to within a pixel) keeps its size.
ScreenPage PrepareScreenSurface(const QSize& boxPixels, double dpiX, double dpiY);

} // namespace lx
