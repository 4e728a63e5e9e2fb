#pragma once

#include <QSize>
#include <QSizeF>

namespace lx {

// The A4 sheet, in millimetres: the page when no printer tells another.
inline const QSizeF kA4Millimetres { 210.0, 297.0 };

// How the preview shows the page inside the box the window gives it.
struct ScreenPage {
    QSizeF extent; // the page in page units: the paper's size in millimetres
    QSize box;     // the preview box, narrowed or shortened to the page's proportions (pixels)
    double ratio = 0.0; // screen millimetres per page unit: the font ratio of the rendering
};

// Fits the page into a preview box of boxPixels on a screen of the given
// resolution: the box keeps the page's proportions, one dimension shrinking
// to fit, and a box that already has them (to within a pixel) keeps its size.
// pageMillimetres is the printer's page (A4 when no printer is installed).
ScreenPage PrepareScreenSurface(const QSize& boxPixels, double dpiX, double dpiY,
                                const QSizeF& pageMillimetres = kA4Millimetres);

} // namespace lx
