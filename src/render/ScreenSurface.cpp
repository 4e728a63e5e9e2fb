#include "render/ScreenSurface.h"

#include <algorithm>
#include <cmath>

namespace lx {

namespace {
constexpr double kMillimetresPerInch = 25.4;
} // namespace

ScreenPage PrepareScreenSurface(const QSize& boxPixels, double dpiX, double dpiY)
{
    ScreenPage page;
    // Page units are the sheet's millimetres, as on paper, so that the
    // preview lays the page out exactly as it prints.
    page.extent = kA4Millimetres;
    page.box = boxPixels;
    if (boxPixels.width() <= 0 || boxPixels.height() <= 0 || dpiX <= 0 || dpiY <= 0)
        return page;

    const double pw = page.extent.width();
    const double ph = page.extent.height();
    const double widthMm = boxPixels.width() * kMillimetresPerInch / dpiX;
    const double heightMm = boxPixels.height() * kMillimetresPerInch / dpiY;
    const double rh = heightMm / ph;
    const double rw = widthMm / pw;
    if (rh < rw) {
        // Too wide: the box is narrowed.
        page.ratio = rh;
        const double exact = pw * rh * dpiX / kMillimetresPerInch;
        if (boxPixels.width() - exact >= 1.0)
            page.box.setWidth(std::max(1, int(std::lround(exact))));
    } else {
        // Too tall (or just right): the box is shortened.
        page.ratio = rw;
        const double exact = ph * rw * dpiY / kMillimetresPerInch;
        if (boxPixels.height() - exact >= 1.0)
            page.box.setHeight(std::max(1, int(std::lround(exact))));
    }
    return page;
}

} // namespace lx
