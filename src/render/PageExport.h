#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPagedPaintDevice>
#include <QString>

namespace lx {

struct DocumentData;
struct PageLayout;

// The worksheet as it prints, on an A4 portrait sheet without margins, as a
// one-page PDF or as an image. Paper never shows the word highlight of the
// preview. When layout is given it receives what the rendering decided (the
// sizes it drew with, and whether something did not fit).

// Written to a file through a temporary file, so a failed write leaves a
// previous file intact; on failure errorText holds a French message. The PDF
// keeps text as text, fonts embedded; the PNG is the page at `dpi` dots per
// inch on white paper.
bool WritePagePdf(const DocumentData& data, const QString& path, QString* errorText = nullptr, PageLayout* layout = nullptr);
bool WritePagePng(const DocumentData& data, const QString& path, int dpi, QString* errorText = nullptr,
                  PageLayout* layout = nullptr);

// Several pages on one paged device (a printer, a PDF): the versions of a
// worksheet, each labelled "Version k/n" when there are several. Returns what
// each page's rendering decided; empty when the device cannot be painted. No
// page draws nothing at all: a printer gives out no blank sheet.
QList<PageLayout> DrawPages(QPagedPaintDevice& device, const QList<DocumentData>& pages);
// The pages as one PDF, written like WritePagePdf.
bool WritePagesPdf(const QList<DocumentData>& pages, const QString& path, QString* errorText = nullptr,
                   QList<PageLayout>* layouts = nullptr);

} // namespace lx
