#include "app/PreviewWidget.h"

#include "render/PageExport.h"
#include "render/PainterSurface.h"
#include "render/ScreenSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace lx {

namespace {
constexpr int kMargin = 8; // room around the page, for its shadow
} // namespace

PreviewWidget::PreviewWidget(const DocumentData& data, QWidget* parent)
    : QWidget(parent)
    , data_(data)
{
    setObjectName(QStringLiteral("pctDocument"));
    setMinimumSize(200, 280);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Aperçu de la fiche"));
}

void PreviewWidget::Redraw()
{
    // What the page decides is the printed page's, measured once per change:
    // the preview's size, which the notices under it change, has no say in
    // it, so that showing a notice cannot lay the page out again.
    Q_EMIT pageLaidOut(MeasurePaperPage(data_));
    Repaint();
}

void PreviewWidget::Repaint()
{
    const QSize room = size() - QSize(2 * kMargin, 2 * kMargin);
    if (room.width() <= 0 || room.height() <= 0)
        return;
    page_ = DrawPage(room, devicePixelRatioF());
    const QSize shown = (QSizeF(page_.size()) / page_.devicePixelRatio()).toSize();
    pageRect_ = QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    update();
}

QImage PreviewWidget::DrawPage(const QSize& logicalSize, double ratio)
{
    // The page is fitted in device pixels at the device's density, so that
    // fonts are measured and drawn at full resolution.
    const QSize pixels = (QSizeF(logicalSize) * ratio).toSize();
    const double dpiX = logicalDpiX() * ratio;
    const double dpiY = logicalDpiY() * ratio;
    const ScreenPage page = PrepareScreenSurface(pixels, dpiX, dpiY);
    QImage image(page.box, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(int(dpiX / 0.0254));
    image.setDotsPerMeterY(int(dpiY / 0.0254));
    {
        QPainter painter(&image);
        PainterSurface surface(painter, page.extent, QRectF(QPointF(0, 0), QSizeF(page.box)), page.ratio);
        surface.Clear();
        DocumentRenderer(data_).RenderDocument(surface, page.ratio);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

void PreviewWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Repaint();
}

void PreviewWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT enlargeRequested();
}

void PreviewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (page_.isNull())
        return;
    painter.fillRect(pageRect_.translated(3, 3), QColor(0, 0, 0, 60));
    painter.drawImage(pageRect_.topLeft(), page_);
}

} // namespace lx
