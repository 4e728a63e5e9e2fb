#include "render/PageExport.h"

#include "core/ProgramInfo.h"
#include "document/DocumentData.h"
#include "document/SafeFile.h"
#include "render/DocumentRenderer.h"
#include "render/PainterSurface.h"
#include "render/ScreenSurface.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace lx {

namespace {

constexpr double kMillimetresPerInch = 25.4;

void Render(const DocumentData& data, QPainter& painter, PageLayout* layout)
{
    PainterSurface surface(painter);
    DocumentRenderer renderer(data);
    const PageLayout drawn = renderer.RenderDocument(surface, 1.0);
    if (layout)
        *layout = drawn;
}

bool Write(const QString& path, const QByteArray& bytes, QString* errorText)
{
    const WriteResult r = WriteFileSafely(path, bytes);
    if (!r.ok && errorText)
        *errorText = SaveErrorMessage(path, r);
    return r.ok;
}

} // namespace

QByteArray RenderPagePdf(const DocumentData& data, PageLayout* layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(data.settings.title);
        writer.setCreator(FullName());
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        Render(data, painter, layout);
        if (!painter.end())
            return {};
    }
    buffer.close();
    return bytes;
}

QImage RenderPageImage(const DocumentData& data, int dpi, PageLayout* layout)
{
    const int width = int(std::lround(kA4Millimetres.width() / kMillimetresPerInch * dpi));
    const int height = int(std::lround(kA4Millimetres.height() / kMillimetresPerInch * dpi));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMetre = int(std::lround(dpi / kMillimetresPerInch * 1000.0));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(data, painter, layout);
    painter.end();
    return image;
}

bool WritePagePdf(const DocumentData& data, const QString& path, QString* errorText, PageLayout* layout)
{
    const QByteArray pdf = RenderPagePdf(data, layout);
    if (pdf.isEmpty()) {
        if (errorText)
            *errorText = QStringLiteral("Impossible de créer le document PDF.");
        return false;
    }
    return Write(path, pdf, errorText);
}

bool WritePagePng(const DocumentData& data, const QString& path, int dpi, QString* errorText, PageLayout* layout)
{
    const QImage image = RenderPageImage(data, dpi, layout);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        if (errorText)
            *errorText = QStringLiteral("Impossible de créer l'image de la page.");
        return false;
    }
    return Write(path, bytes, errorText);
}

} // namespace lx
