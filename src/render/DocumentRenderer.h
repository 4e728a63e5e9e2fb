#pragma once

#include "render/Surface.h"

#include <QString>
#include <QStringList>

namespace lx {

struct DocumentData;

// Places one free-standing text with its top-left corner at (x, y); x = -1
// centres it on the page. A text that passes the right margin (7 units from
// the page's right edge) is broken once, at the rightmost space that lets its
// first part fit; the second line starts at the same x and is not broken
// again. A text without such a space runs past the margin. Empty text draws
// nothing.
void DrawTextAt(Surface& surface, const QString& text, double x, double y);

// Pen width w: on paper w times 0.3 mm, on screen w pixels.
void SetPenWidth(Surface& surface, double w, bool isPrinter);

// The fold line between the two halves: the scissors at its left end, then a
// dotted line across the page at y.
void DrawCutLine(Surface& surface, double ratio, double y);

// What a rendering decided about the page, in page units. The page is drawn
// from the document alone; these values come back for whoever needs them (the
// window enables the lower-half options from LowerHalfAvailable).
struct PageLayout {
    double CellSize = 0.0;   // side of a grid cell
    double GridExtent = 0.0; // CellSize times the grid size
    double CutLineY = 0.0;   // the fold line
    double LowerGridY = 0.0; // top of the grid in the lower half
    double RightLimit = 0.0; // the right margin texts wrap against
    // The lower half is free for a solution or a copy.
    bool LowerHalfAvailable = true;
    bool IsPrinter = false;

    // The lines of the word list: the words, and for a fill-in grid the
    // headings ("7 lettres") before each group of words of one letter count,
    // whose word lines start with two spaces.
    QStringList DisplayList;
    double ColumnWidth = 0.0; // reserved width of one list column
    double ListX = 0.0;       // x of the first list column
    double ListTop = 0.0;
    double ColumnLimit = 0.0; // a column ends once the cursor has passed it
};

// Draws the whole worksheet: header, title, instruction, grid and word list
// in the upper half; nothing, the solution or a second copy in the lower half;
// the footers. The same drawing serves the preview, the printer, PDF and
// image output; only the surface and the font ratio differ. The renderer only
// reads the document.
class DocumentRenderer {
public:
    // Page positions that do not depend on the paper.
    static constexpr double kHeaderX = 7.0;
    static constexpr double kHeaderY = 5.0;
    static constexpr double kTitleY = 10.0;
    static constexpr double kInstructionY = 18.0;
    static constexpr double kLowerHalfLimit = 143.0; // a word-search grid must end above it
    static constexpr double kListBottom = 286.0;     // a list below the grid flows to a new column past it
    static constexpr double kFooterY = 291.0;
    static constexpr double kUpperFooterY = 143.0;

    // With the installed font list's default font and the program's footer.
    explicit DocumentRenderer(const DocumentData& data);
    DocumentRenderer(const DocumentData& data, QString defaultFontName, QString footerText);

    // Draws the page; ratio scales every font size (1 on paper, screen
    // millimetres per page unit on the preview).
    PageLayout RenderDocument(Surface& surface, double ratio);

    QString defaultFontName;
    QString footerText;

private:
    enum class GridMode { Puzzle, Solution };
    enum class Half { Upper, Lower };

    void DrawHeader(double y);
    void DrawGrid(Half half, GridMode mode);
    void DrawSolutionStrokes();
    void DrawHighlight();
    void BuildDisplayList();
    void DrawUpperList();
    void DrawLowerList();
    void FlowList();
    void DrawLowerHalf();
    void SetListFont();
    void SetFont(const QString& name, double points, bool bold, bool italic, bool underline = false);
    void PrintCentred(const QString& s, int column, int row, double base, double th);
    double Padding() const;
    double CellLeft(int column) const;

    const DocumentData& data_;
    Surface* s_ = nullptr;
    double ratio_ = 1.0;
    PageLayout layout_;
};

} // namespace lx
