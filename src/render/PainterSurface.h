#pragma once

#include "render/FontCatalog.h"
#include "render/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>

#include <unordered_map>

class QPainter;

namespace lx {

// A surface over a QPainter, whatever it paints on: the preview widget, a
// QImage, a QPdfWriter or a QPrinter.
//
// Fonts come from the installed font list, each name drawn by the metric twin
// the list promised ("Arial" by Liberation Sans...); a name missing from the
// list is drawn as "Arial", never by whatever fontconfig would pick. Text in
// the symbol font goes through the symbol map to Symbola; text in the picture
// font (the pictures of words) is drawn by Symbola as it is.
class PainterSurface : public Surface {
public:
    // A paper surface: the painter's whole device is the page and page units
    // are exact millimetres.
    explicit PainterSurface(QPainter& painter, const FontCatalog& fonts = FontCatalog::Installed());
    // A screen surface: pageExtent page units spread over deviceRect (in device pixels).
    PainterSurface(QPainter& painter, const QSizeF& pageExtent, const QRectF& deviceRect,
                   const FontCatalog& fonts = FontCatalog::Installed());
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    double ScaleWidth() const override { return extent_.width(); }
    double ScaleHeight() const override { return extent_.height(); }
    bool IsPrinter() const override { return paper_; }
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void Capsule(double x1, double y1, double x2, double y2, double radius) override;
    double ScaleX(double millimetres) const override;
    bool HasCharacter(char32_t c) override;
    void Clear() override;

    // The Qt font that draws a surface font (tests, the preview).
    QFont QtFont(const SurfaceFont& font);

protected:
    void DrawText(double x, double y, const QString& text) override;

private:
    struct ResolvedFont {
        QFont font;
        QFontMetricsF metrics;
        bool symbol = false;
        // The line box of a letter in a cell (SurfaceFont::compact), in pixels.
        double cellAscent = 0.0;
        double cellHeight = 0.0;
    };
    static ResolvedFont MakeResolved(const QFont& font, const QPaintDevice* device, bool symbol);
    const ResolvedFont& Resolve();
    static QString Shown(const ResolvedFont& f, const QString& text);
    QPointF Map(double x, double y) const;
    void ApplyPen();

    QPainter& painter_;
    const FontCatalog& fonts_;
    bool paper_;
    QSizeF extent_;     // page units
    QRectF deviceRect_; // where the page lies on the device, in pixels
    double sx_;         // device pixels per page unit
    double sy_;
    double dpiX_;
    std::unordered_map<QString, ResolvedFont> cache_;
    SurfaceFont lastFont_;
    const ResolvedFont* last_ = nullptr;
};

} // namespace lx
