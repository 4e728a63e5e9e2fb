#pragma once

#include "render/Surface.h"

#include <QList>

#include <functional>

namespace lx {

// One drawing operation with the surface state it was drawn in.
struct RecordedOp {
    enum class Kind { Text, Line, Box, Capsule, Clear };
    Kind kind = Kind::Text;
    // Text: the top-left corner in (x1, y1). Line and box: the two points.
    // Capsule: the ends of its segment, and its radius.
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    QString text;
    SurfaceFont font;
    QRgb color = kBlack;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    double radius = 0.0;
};

// A surface that draws nothing and records every operation, so that a page
// can be checked operation by operation. Text is measured by a simple model
// (or by functions the caller gives): a character is widthPerPoint times the
// font size wide, a line heightPerPoint times the size high.
class RecordingSurface : public Surface {
public:
    using Measure = std::function<double(const SurfaceFont&, const QString&)>;

    RecordingSurface(double scaleWidth = 210.0, double scaleHeight = 297.0, bool printer = true, double dpi = 600.0)
        : width_(scaleWidth)
        , height_(scaleHeight)
        , printer_(printer)
        , dpi_(dpi)
    {
    }

    double widthPerPoint = 0.2;
    double heightPerPoint = 0.4;
    // When set, these replace the model (the ink's, the line box).
    Measure measureWidth;
    Measure measureHeight;
    std::function<QRectF(const SurfaceFont&, const QString&)> measureInk;

    QList<RecordedOp> ops;

    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    bool IsPrinter() const override { return printer_; }
    double TextWidth(const QString& text) override { return WidthIn(font, text); }
    double TextHeight(const QString& text) override { return HeightIn(font, text); }
    QRectF InkBox(const QString& text) override { return measureInk ? measureInk(font, text) : Surface::InkBox(text); }
    void Line(double x1, double y1, double x2, double y2) override { Record(RecordedOp::Kind::Line, x1, y1, x2, y2, {}); }
    void Box(double x1, double y1, double x2, double y2) override { Record(RecordedOp::Kind::Box, x1, y1, x2, y2, {}); }
    void Capsule(double x1, double y1, double x2, double y2, double radius) override
    {
        Record(RecordedOp::Kind::Capsule, x1, y1, x2, y2, {});
        ops.last().radius = radius;
    }
    double ScaleX(double millimetres) const override { return millimetres * dpi_ / 25.4; }
    void Clear() override { Record(RecordedOp::Kind::Clear, 0, 0, 0, 0, {}); }

    // The measures of a text in a given font.
    double WidthIn(const SurfaceFont& f, const QString& text) const
    {
        return measureWidth ? measureWidth(f, text) : widthPerPoint * f.size * double(text.size());
    }
    double HeightIn(const SurfaceFont& f, const QString& text) const
    {
        return measureHeight ? measureHeight(f, text) : heightPerPoint * f.size;
    }

protected:
    void DrawText(double x, double y, const QString& text) override { Record(RecordedOp::Kind::Text, x, y, x, y, text); }

private:
    void Record(RecordedOp::Kind kind, double x1, double y1, double x2, double y2, const QString& text)
    {
        ops.append(RecordedOp { kind, x1, y1, x2, y2, text, font, foreColor, drawWidth, drawStyle });
    }

    double width_;
    double height_;
    bool printer_;
    double dpi_;
};

} // namespace lx
