#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPagedPaintDevice>
#include <QString>

namespace lx {

struct DocumentData;
struct PageLayout;
struct PrintPlan;

// The worksheet as it prints, on A4 portrait sheets without margins, as a PDF
// (one page, or two when the key does not fit the lower half) or as the image
// of its first page. Paper never shows the word highlight of the preview.
// When layout is given it receives what the first page's rendering decided
// (the sizes it drew with, and whether something did not fit); plan, the
// sheets given out.

// Written to a file through a temporary file, so a failed write leaves a
// previous file intact; on failure errorText holds a French message. The PDF
// keeps text as text, fonts embedded; the PNG is the page at `dpi` dots per
// inch on white paper.
bool WritePagePdf(const DocumentData& data, const QString& path, QString* errorText = nullptr, PageLayout* layout = nullptr,
                  PrintPlan* plan = nullptr);
bool WritePagePng(const DocumentData& data, const QString& path, int dpi, QString* errorText = nullptr,
                  PageLayout* layout = nullptr);

// The sheets of a worksheet, or of its versions (each half labelled
// "Version k/n" when there are several), on one paged device (a printer, a
// PDF), as PlanSheets lays them out. Returns what each sheet's rendering
// decided; empty when the device cannot be painted. No versions draw nothing
// at all: a printer gives out no blank sheet.
QList<PageLayout> DrawPages(QPagedPaintDevice& device, const QList<DocumentData>& versions, PrintPlan* plan = nullptr);
// The sheets the versions would print on, as paper measures them.
PrintPlan PlanForPaper(const QList<DocumentData>& versions);
// What the printed page decides about the document (whether the lower half is
// free, what does not fit), measured on paper without drawing.
PageLayout MeasurePaperPage(const DocumentData& data);
// The sheets as one PDF, written like WritePagePdf.
bool WritePagesPdf(const QList<DocumentData>& versions, const QString& path, QString* errorText = nullptr,
                   QList<PageLayout>* layouts = nullptr, PrintPlan* plan = nullptr);
// What the teacher is told of a PDF written: where it is, its pages, and
// whether to open it.
QString PdfWrittenOffer(const QString& path, int pages);

} // namespace lx
