#pragma once

#include "render/DocumentRenderer.h"

#include <QImage>
#include <QWidget>

namespace lx {

struct DocumentData;

// The page as it will print, drawn through the worksheet renderer inside the
// room the window gives it: the page keeps the A4 sheet's proportions, centred,
// and is drawn at the screen's pixel density, so that it stays sharp on
// high-resolution screens. The drawing is kept until the page changes.
class PreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWidget(const DocumentData& data, QWidget* parent = nullptr);

    // The page changed: the printed page's layout is told (pageLaidOut) and
    // the page drawn again now; painting only shows the drawing.
    void Redraw();
    // The drawing itself, at the given size in pixels and pixel ratio (the
    // paint event's, and the benchmark's).
    QImage DrawPage(const QSize& logicalSize, double devicePixelRatio);

Q_SIGNALS:
    // What the printed page decides (the window enables the lower-half
    // options and shows what does not fit).
    void pageLaidOut(const lx::PageLayout& layout);
    // A double click: the teacher wants the page larger.
    void enlargeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Draws the page again at the widget's size (the page or the size changed).
    void Repaint();

    const DocumentData& data_;
    QImage page_;
    QRect pageRect_; // where the page lies in the widget
};

} // namespace lx
