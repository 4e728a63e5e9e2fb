#include "render/PageExport.h"

#include "core/Plural.h"
#include "core/ProgramInfo.h"
#include "document/DocumentData.h"
#include "document/SafeFile.h"
#include "render/DocumentRenderer.h"
#include "render/PainterSurface.h"
#include "render/ScreenSurface.h"
#include "render/SheetPlan.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace lx {

namespace {

constexpr double kMillimetresPerInch = 25.4;

bool Write(const QString& path, const QByteArray& bytes, QString* errorText)
{
    const WriteResult r = WriteFileSafely(path, bytes);
    if (!r.ok && errorText)
        *errorText = SaveErrorMessage(path, r);
    return r.ok;
}

// A PDF of A4 portrait pages without margins, in memory.
QByteArray PdfOf(const QList<DocumentData>& pages, QList<PageLayout>* layouts, PrintPlan* plan)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (pages.isEmpty() || !buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(pages.constFirst().settings.title);
        writer.setCreator(FullName());
        const QList<PageLayout> drawn = DrawPages(writer, pages, plan);
        if (drawn.isEmpty())
            return {};
        if (layouts)
            *layouts = drawn;
    }
    buffer.close();
    return bytes;
}

// The page at the given resolution, white paper.
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
    {
        PainterSurface surface(painter); // gives the painter back as it found it
        const PageLayout drawn = DocumentRenderer(data).RenderDocument(surface, 1.0);
        if (layout)
            *layout = drawn;
    }
    painter.end();
    return image;
}

} // namespace

// Runs `measure` on a surface over an A4 page of a PDF in memory: paper's
// own font metrics, nothing drawn.
template <typename Result, typename Measure>
Result OnPaper(Measure measure)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    Result result;
    {
        PainterSurface surface(painter);
        result = measure(surface);
    }
    painter.end();
    return result;
}

PrintPlan PlanForPaper(const QList<DocumentData>& versions)
{
    return OnPaper<PrintPlan>([&versions](PainterSurface& surface) { return PlanSheets(versions, surface); });
}

PageLayout MeasurePaperPage(const DocumentData& data)
{
    return OnPaper<PageLayout>([&data](PainterSurface& surface) { return DocumentRenderer(data).Measure(surface, 1.0); });
}

QList<PageLayout> DrawPages(QPagedPaintDevice& device, const QList<DocumentData>& versions, PrintPlan* planOut)
{
    QList<PageLayout> layouts;
    QPainter painter;
    // No page is nothing on the device: a printer would give out a blank sheet.
    if (versions.isEmpty() || !painter.begin(&device))
        return layouts;
    PrintPlan plan;
    {
        PainterSurface surface(painter, PainterSurface::PrintedSheet); // gives the painter back as it found it
        plan = PlanSheets(versions, surface, surface.PaperRatio());
        for (int k = 0; k < plan.sheets.size(); ++k) {
            if (k > 0)
                device.newPage();
            const SheetPlan& sheet = plan.sheets[k];
            layouts.append(DocumentRenderer(*sheet.upper.data).RenderSheet(surface, surface.PaperRatio(), sheet));
        }
    }
    if (!painter.end())
        layouts.clear();
    if (planOut)
        *planOut = plan;
    return layouts;
}

bool WritePagesPdf(const QList<DocumentData>& pages, const QString& path, QString* errorText, QList<PageLayout>* layouts,
                   PrintPlan* plan)
{
    const QByteArray pdf = PdfOf(pages, layouts, plan);
    if (pdf.isEmpty()) {
        if (errorText)
            *errorText = QStringLiteral("Impossible de créer le document PDF.");
        return false;
    }
    return Write(path, pdf, errorText);
}

bool WritePagePdf(const DocumentData& data, const QString& path, QString* errorText, PageLayout* layout, PrintPlan* plan)
{
    QList<PageLayout> layouts;
    const bool written = WritePagesPdf({ data }, path, errorText, &layouts, plan);
    if (layout && !layouts.isEmpty())
        *layout = layouts.constFirst();
    return written;
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

QString PdfWrittenOffer(const QString& path, int pages)
{
    const QFileInfo file(path);
    return QStringLiteral("Le fichier PDF « %1 » est enregistré dans le dossier « %2 » (%3).\nVoulez-vous l'ouvrir ?")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()), PluralLabel(pages, QStringLiteral("page"), true));
}

} // namespace lx
