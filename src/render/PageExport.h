#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lx {

struct DocumentData;

// The worksheet as it prints, on an A4 portrait sheet without margins, as a
// one-page PDF or as an image. Paper never shows the word highlight of the
// preview.

// The PDF: text kept as text, fonts embedded. Empty on failure.
QByteArray RenderPagePdf(const DocumentData& data);
// The page at the given resolution (dots per inch), white paper.
QImage RenderPageImage(const DocumentData& data, int dpi);

// The same, written to a file (through a temporary file, so a failed write
// leaves a previous file intact). On failure errorText holds a French message.
bool WritePagePdf(const DocumentData& data, const QString& path, QString* errorText = nullptr);
bool WritePagePng(const DocumentData& data, const QString& path, int dpi, QString* errorText = nullptr);

} // namespace lx
