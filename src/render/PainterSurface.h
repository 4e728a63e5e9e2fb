#pragma once

#include "render/FontCatalog.h"
#include "render/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

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
    // A paper surface. Whole device: the painter's device is the page and
    // page units are exact millimetres. Printed sheet: the device is a
    // printer's paper, which holds the A4 sheet; on A4 it is the whole page,
    // on paper turned the sheet is turned with it, and on other paper it is
    // scaled to fit and centred, to be rendered with PaperRatio().
    enum Paper { WholeDevice, PrintedSheet };
    explicit PainterSurface(QPainter& painter, Paper paper = WholeDevice, const FontCatalog& fonts = FontCatalog::Installed());
    // A screen surface: pageExtent page units spread over deviceRect (in
    // device pixels), a unit being `ratio` millimetres of the screen (the
    // ratio the page is rendered with).
    PainterSurface(QPainter& painter, const QSizeF& pageExtent, const QRectF& deviceRect, double ratio,
                   const FontCatalog& fonts = FontCatalog::Installed());
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    double ScaleWidth() const override { return extent_.width(); }
    double ScaleHeight() const override { return extent_.height(); }
    bool IsPrinter() const override { return paper_; }
    // The font ratio a page on this paper is rendered with: 1 on A4.
    double PaperRatio() const { return paper_ ? unitMillimetres_ : 1.0; }
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    QRectF InkBox(const QString& text) override;
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
    // Text is measured on the font at a large size, whatever the size drawn:
    // a screen's font of 9.3 pixels is drawn and measured as one of 9, and
    // the preview must lay the page out as the paper does.
    struct Reference {
        QFontMetricsF metrics;
        QRectF ink; // of the letters a cell may hold
        mutable std::unordered_map<QString, QRectF> inks; // of the texts InkBox measured
    };
    struct ResolvedFont {
        QFont font;
        bool symbol = false;
        const Reference* reference = nullptr;
        double scale = 1.0; // page units per pixel of the reference
        // In page units: the line box of a text, and of a letter in a cell (SurfaceFont::compact).
        double ascent = 0.0;
        double lineHeight = 0.0;
        double cellAscent = 0.0;
        double cellHeight = 0.0;
    };
    ResolvedFont MakeResolved(const QFont& font, bool symbol);
    const ResolvedFont& Resolve();
    static QString Shown(const ResolvedFont& f, const QString& text);
    QPointF Map(double x, double y) const;
    void FitSheetToPaper();
    void ApplyPen();

    QPainter& painter_;
    const FontCatalog& fonts_;
    bool paper_;
    QSizeF extent_;     // page units
    QRectF deviceRect_; // where the page lies on the device, in pixels
    double sx_;         // device pixels per page unit
    double sy_;
    double unitMillimetres_; // the size of a page unit, for the fonts' sizes
    double dpiX_;
    QTransform turn_; // paper turned: the sheet turned with it
    std::unordered_map<QString, Reference> references_; // by font, whatever its size
    std::unordered_map<QString, ResolvedFont> cache_;
    SurfaceFont lastFont_;
    const ResolvedFont* last_ = nullptr;
};

} // namespace lx
