#include "render/PainterSurface.h"

#include "render/SymbolFont.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <cmath>

#include <algorithm>

namespace lx {

namespace {

constexpr double kMillimetresPerInch = 25.4;

QString FontKey(const SurfaceFont& f)
{
    return f.name + QLatin1Char('|') + QString::number(f.size, 'g', 10) + QLatin1Char('|')
        + QLatin1Char(f.bold ? '1' : '0') + QLatin1Char(f.italic ? '1' : '0') + QLatin1Char(f.underline ? '1' : '0');
}

// The device's page extent in millimetres.
QSizeF DeviceMillimetres(const QPaintDevice& device)
{
    return { device.width() * kMillimetresPerInch / device.logicalDpiX(),
             device.height() * kMillimetresPerInch / device.logicalDpiY() };
}

// The letters a cell may hold, and the share of an ordinary line box their
// ink takes (Liberation Sans: 933 of 1150). A line box more than a quarter
// taller than its letters need is set aside for a cell's letter.
const QString kCellLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZbdfhklgjpqy0123456789");
constexpr double kInkShare = 0.81;
constexpr double kTallLineBox = 1.25;
// The size fonts are measured at, in pixels: large enough for whole pixels
// to be fine, small enough for the font engine to keep its glyphs' metrics
// (at 1000 pixels a page took half as long again to lay out).
constexpr int kReferencePixels = 200;

} // namespace

PainterSurface::ResolvedFont PainterSurface::MakeResolved(const QFont& font, bool symbol)
{
    QFont large = font;
    large.setPixelSize(kReferencePixels);
    // In pixels, whatever the device: one for all the sizes of a font.
    const QString key = large.key();
    auto it = references_.find(key);
    if (it == references_.end()) {
        const QFontMetricsF metrics(large);
        it = references_.emplace(key, Reference { metrics, metrics.tightBoundingRect(kCellLetters), {} }).first;
    }
    ResolvedFont f { font, symbol, &it->second };
    f.scale = font.pointSizeF() * kMillimetresPerInch / 72.0 / unitMillimetres_ / kReferencePixels;
    const QFontMetricsF& metrics = f.reference->metrics;
    f.ascent = f.cellAscent = metrics.ascent() * f.scale;
    f.lineHeight = f.cellHeight = metrics.lineSpacing() * f.scale;
    const QRectF& ink = f.reference->ink;
    const double needed = ink.height() / kInkShare * f.scale;
    if (!symbol && ink.height() > 0 && f.cellHeight > kTallLineBox * needed) {
        // As in an ordinary font: the descenders' depth below the baseline,
        // the rest of the box above it.
        f.cellHeight = needed;
        f.cellAscent = needed - ink.bottom() * f.scale;
    }
    return f;
}

PainterSurface::PainterSurface(QPainter& painter, Paper paper, const FontCatalog& fonts)
    : painter_(painter)
    , fonts_(fonts)
    , paper_(true)
    , extent_(DeviceMillimetres(*painter.device()))
    , deviceRect_(0, 0, painter.device()->width(), painter.device()->height())
    , sx_(painter.device()->logicalDpiX() / kMillimetresPerInch)
    , sy_(painter.device()->logicalDpiY() / kMillimetresPerInch)
    , unitMillimetres_(1.0)
    , dpiX_(painter.device()->logicalDpiX())
{
    if (paper == PrintedSheet)
        FitSheetToPaper();
    painter_.save();
    painter_.setTransform(turn_);
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

// The sheet is laid out for A4. Paper turned in the print dialog gets the
// sheet turned with it, and other paper (Letter, A5) the whole sheet scaled
// to fit and centred, rather than a sheet whose footers and lower half fall
// off the paper.
void PainterSurface::FitSheetToPaper()
{
    QSizeF paper = extent_;
    const bool turned = paper.width() > paper.height();
    if (turned)
        paper.transpose();
    if (turned || std::abs(paper.width() - kA4Millimetres.width()) > 1.0 || std::abs(paper.height() - kA4Millimetres.height()) > 1.0) {
        const double k = std::min(paper.width() / kA4Millimetres.width(), paper.height() / kA4Millimetres.height());
        const double left = (paper.width() - k * kA4Millimetres.width()) / 2, top = (paper.height() - k * kA4Millimetres.height()) / 2;
        // Along the sheet's width and height, in device pixels per millimetre.
        const double px = turned ? sy_ : sx_, py = turned ? sx_ : sy_;
        extent_ = kA4Millimetres;
        deviceRect_ = QRectF(left * px, top * py, kA4Millimetres.width() * k * px, kA4Millimetres.height() * k * py);
        sx_ = px * k;
        sy_ = py * k;
        unitMillimetres_ = k;
        if (turned) // the sheet's top along the paper's right edge
            turn_ = QTransform().translate(painter_.device()->width(), 0).rotate(90);
    }
}

PainterSurface::PainterSurface(QPainter& painter, const QSizeF& pageExtent, const QRectF& deviceRect, double ratio,
                               const FontCatalog& fonts)
    : painter_(painter)
    , fonts_(fonts)
    , paper_(false)
    , extent_(pageExtent)
    , deviceRect_(deviceRect)
    , sx_(pageExtent.width() > 0 ? deviceRect.width() / pageExtent.width() : 1.0)
    , sy_(pageExtent.height() > 0 ? deviceRect.height() / pageExtent.height() : 1.0)
    , unitMillimetres_(ratio > 0 ? ratio : 1.0)
    , dpiX_(painter.device()->logicalDpiX())
{
    painter_.save();
    painter_.resetTransform();
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

PainterSurface::~PainterSurface()
{
    if (painter_.isActive())
        painter_.restore();
}

QFont PainterSurface::QtFont(const SurfaceFont& f)
{
    QFont font;
    if (QString::compare(f.name, SymbolFontName(), Qt::CaseInsensitive) == 0 || f.name == PictureFontName()) {
        font = MakeSymbolFont(f.size, f.bold, f.italic);
    } else {
        // Only names of the installed list are drawn as named; anything else
        // is drawn as Arial's twin rather than by a silent substitute.
        const QString name = fonts_.Contains(f.name) ? f.name : QStringLiteral("Arial");
        font = fonts_.MakeFont(name, f.size, f.bold, f.italic);
    }
    if (f.size <= 0)
        font.setPointSizeF(0.1);
    font.setUnderline(f.underline);
    // Unhinted outlines scale linearly.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const PainterSurface::ResolvedFont& PainterSurface::Resolve()
{
    // Most calls come in runs of one font (a grid's letters, a list's lines).
    if (last_ && font == lastFont_)
        return *last_;
    const QString key = FontKey(font);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        const QFont qfont = QtFont(font);
        const bool symbol = QString::compare(font.name, SymbolFontName(), Qt::CaseInsensitive) == 0;
        it = cache_.emplace(key, MakeResolved(qfont, symbol)).first;
    }
    lastFont_ = font;
    last_ = &it->second; // the map's elements stay where they are
    return it->second;
}

bool PainterSurface::HasCharacter(char32_t c)
{
    return Resolve().reference->metrics.inFontUcs4(c);
}

QString PainterSurface::Shown(const ResolvedFont& f, const QString& text)
{
    if (!f.symbol)
        return text;
    // Each stored code as its pictogram; one the font cannot draw is left out
    // rather than printed as a box.
    QString shown;
    for (QChar code : text) {
        const QString pictogram = SymbolPictogram(code);
        if (!pictogram.isEmpty() && f.reference->metrics.inFontUcs4(pictogram.toUcs4().value(0)))
            shown += pictogram;
    }
    return shown;
}

double PainterSurface::TextWidth(const QString& text)
{
    const ResolvedFont& f = Resolve();
    return f.reference->metrics.horizontalAdvance(Shown(f, text)) * f.scale;
}

double PainterSurface::TextHeight(const QString&)
{
    const ResolvedFont& f = Resolve();
    return font.compact ? f.cellHeight : f.lineHeight;
}

QRectF PainterSurface::InkBox(const QString& text)
{
    const ResolvedFont& f = Resolve();
    const QString shown = Shown(f, text);
    if (shown.isEmpty())
        return {};
    // Measured from the baseline, which lies one ascent below the top.
    // A page's pictograms come back at every redraw of the preview.
    auto [it, added] = f.reference->inks.try_emplace(shown);
    if (added)
        it->second = f.reference->metrics.tightBoundingRect(shown);
    const QRectF ink = it->second;
    const double ascent = font.compact ? f.cellAscent : f.ascent;
    return { ink.left() * f.scale, ascent + ink.top() * f.scale, ink.width() * f.scale, ink.height() * f.scale };
}

QPointF PainterSurface::Map(double x, double y) const
{
    return { deviceRect_.left() + x * sx_, deviceRect_.top() + y * sy_ };
}

void PainterSurface::ApplyPen()
{
    QPen pen(QColor::fromRgb(foreColor));
    pen.setWidthF(std::max(1, drawWidth));
    if (drawStyle == LineStyle::Dotted) {
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(Qt::SquareCap);
    }
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::DrawText(double x, double y, const QString& text)
{
    const ResolvedFont& f = Resolve();
    const QString shown = Shown(f, text);
    if (shown.isEmpty())
        return;
    painter_.setFont(f.font);
    painter_.setPen(QColor::fromRgb(foreColor));
    const QPointF at = Map(x, y);
    painter_.drawText(QPointF(at.x(), at.y() + (font.compact ? f.cellAscent : f.ascent) * sy_), shown);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2)
{
    ApplyPen();
    painter_.drawLine(Map(x1, y1), Map(x2, y2));
}

void PainterSurface::Box(double x1, double y1, double x2, double y2)
{
    ApplyPen();
    painter_.drawRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized());
}

void PainterSurface::Capsule(double x1, double y1, double x2, double y2, double radius)
{
    ApplyPen();
    // Laid out along the x axis from the first point, then turned and placed.
    const double length = std::hypot(x2 - x1, y2 - y1);
    QPainterPath path;
    path.addRoundedRect(QRectF(-radius, -radius, length + 2 * radius, 2 * radius), radius, radius);
    QTransform place;
    place.translate(deviceRect_.left(), deviceRect_.top());
    place.scale(sx_, sy_);
    place.translate(x1, y1);
    place.rotateRadians(std::atan2(y2 - y1, x2 - x1));
    painter_.drawPath(place.map(path));
}

double PainterSurface::ScaleX(double millimetres) const
{
    return millimetres * dpiX_ / kMillimetresPerInch;
}

void PainterSurface::Clear()
{
    painter_.fillRect(deviceRect_, Qt::white);
}

} // namespace lx
