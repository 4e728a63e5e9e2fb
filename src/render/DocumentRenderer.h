#pragma once

#include "puzzle/PuzzleState.h"
#include "render/SpeltLetters.h"
#include "render/Surface.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lx {

struct DocumentData;
class PictureTable;

// Places one free-standing text with its top-left corner at (x, y); x = -1
// centres it on the page. A text that passes the right margin (7 units from
// the page's right edge) is broken once, at the rightmost space that lets its
// first part fit; the second line starts at the same x and is not broken
// again. A text without such a space runs past the margin. Empty text draws
// nothing.
void DrawTextAt(Surface& surface, const QString& text, double x, double y);
// The same for a title, an instruction or a message that must stay within
// the margins and its lines (1, or 2 when broken as above): set smaller, down
// to the font size `smallest`, then cut with "…" where it still does not fit,
// before `kept` (drawn whole after the text).
void DrawTextWithin(Surface& surface, const QString& text, double x, double y, int lines, double smallest,
                    const QString& kept = {});
// Whether DrawTextWithin draws the text whole (the surface's font unchanged).
bool TextFitsWithin(Surface& surface, const QString& text, double x, int lines, double smallest);

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
    // With "Images", each line's picture: a pictogram drawn in the picture
    // font, empty for a heading or a word the table has no picture for.
    // "À côté des mots" puts it before its word; "À la place des mots" draws
    // it instead of the word (a fill-in's, followed by a box for each letter).
    // All empty without pictures, and for coded words.
    QStringList DisplayPictures;
    double ColumnWidth = 0.0; // reserved width of one list column
    double ListX = 0.0;       // x of the first list column
    double ListTop = 0.0;
    double ColumnLimit = 0.0; // a column ends once the cursor has passed it

    // The sizes in points the grid and the list were drawn with: the
    // document's own, or the largest smaller ones (down to 7 points) that keep
    // them in their half of the page, above its footer and left of the right
    // margin. The document itself keeps its sizes.
    double GridFontSize = 0.0;
    double ListFontSize = 0.0;
    // Even the smallest size did not fit: the block was drawn at it all the
    // same, and OverflowText tells the teacher what passes its limits.
    bool Overflow = false;
    QString OverflowText;
};

// What one half of a sheet shows: a pupil's worksheet, or the teacher's key
// (the solution, titled so, without the name line), of one document. A blank
// lower half shows nothing but the fold line: the upper half keeps the size
// it has over a lower half, as the version alone on the last sheet of a run
// keeps the size of the versions two a sheet.
enum class HalfRole { Worksheet, Key, Blank };
struct HalfSheet {
    const DocumentData* data = nullptr;
    HalfRole role = HalfRole::Worksheet;
    QString versionLabel; // "Version 3/25" in the half's header; empty for one worksheet
};
// One printed sheet: its upper half, and its lower half when the fold line
// parts the sheet in two; without a lower half, the upper one may take the
// whole page.
struct SheetPlan {
    HalfSheet upper;
    std::optional<HalfSheet> lower;
};

// Draws the whole worksheet: header, title, instruction, grid and word list
// in the upper half; nothing, the solution or a second copy in the lower half;
// the footers. The same drawing serves the preview, the printer, PDF and
// image output; only the surface and the font ratio differ. The renderer only
// reads the document.
class DocumentRenderer {
public:
    // The pictures' font sizes, as multiples of the list's size: beside the
    // words and in their place.
    static constexpr double kPictureBeside = 1.5;
    static constexpr double kPictureInstead = 2.0;

    // Page positions that do not depend on the paper.
    static constexpr double kHeaderX = 7.0;
    static constexpr double kHeaderY = 5.0;
    static constexpr double kTitleY = 10.0;
    static constexpr double kInstructionY = 18.0;
    // The sizes a title (16 points) and an instruction (11) shrink to at most.
    static constexpr double kSmallestTitle = 11.0;
    static constexpr double kSmallestInstruction = 9.0;
    static constexpr double kLowerHalfLimit = 143.0; // a word-search grid must end above it
    static constexpr double kListBottom = 286.0;     // a list below the grid flows to a new column past it
    static constexpr double kFooterY = 291.0;
    static constexpr double kUpperFooterY = 143.0;
    static constexpr double kMinFontSize = 7.0; // the smallest size a block shrinks to
    static constexpr double kMaxFitSize = 28.0; // "Adapter à la page": the largest letters
    static constexpr double kMaxFitCell = 15.0; // and the largest cells
    // A list, and a grid the page sizes, stay this far above their footer.
    static constexpr double kFooterGap = 3.0;

    // With the installed font list's default font and the program's footer.
    explicit DocumentRenderer(const DocumentData& data);
    DocumentRenderer(const DocumentData& data, QString defaultFontName, QString footerText);

    // Draws the page of the document alone, its lower half as its settings
    // say when there is room for it; ratio scales every font size (1 on
    // paper, screen millimetres per page unit on the preview).
    PageLayout RenderDocument(Surface& surface, double ratio);
    // Draws a sheet whose halves may show other documents (versions of this
    // one: the same words and settings) or their keys.
    PageLayout RenderSheet(Surface& surface, double ratio, const SheetPlan& sheet);
    // What the page would decide, without drawing: whether the worksheet
    // leaves the lower half free, and the sizes it takes.
    PageLayout Measure(Surface& surface, double ratio);

    QString defaultFontName;
    QString footerText;
    // Where the words' pictures come from (the installed table unless set).
    const PictureTable* pictures = nullptr;

private:
    enum class GridMode { Puzzle, Solution };
    enum class Half { Upper, Lower };

    // Where a list goes: its first column's x, its top, the limit a column
    // ends past, and the half's bottom limit that no line may cross.
    struct ListPlace {
        double x = 0.0;
        double top = 0.0;
        double limit = 0.0;
        double bottom = 0.0;
    };
    // The list's lines placed into columns, before anything is drawn.
    struct ListFlow {
        ListPlace place;
        QList<double> lineX;
        QList<double> lineY;
        // A heading drawn again at the top of a column where its group goes on.
        struct Repeat { int before; int heading; double x, y; };
        QList<Repeat> repeats;
        QList<double> separators; // x of each rule between two columns
        double separatorBottom = 0.0;
        double columnWidth = 0.0;
        bool fits = true; // every line within the bottom limit and the right margin
        int columns = 1;
        bool uneven = false; // in columns, but not filled evenly: they had no room for it
    };
    // The list measured in one font size.
    struct ListMeasure {
        double size = 0.0;
        QList<double> widths;
        double lineHeight = 0.0;
        double headingHeight = 0.0; // of the underlined heading font
        double wordHeight = 0.0;    // of a word's line: lineHeight, or more with pictures
        double widest = 0.0;
        double columnWidth = 0.0;
    };
    // One line of the list besides its text.
    struct ListLine {
        bool heading = false; // a fill-in's "7 lettres"
        QString word;         // the word as written, without the fill-in's indent
        QString picture;      // its pictogram; empty for none
        int letters = 0;      // its letter count
    };
    // Where things go in a word's line of a list with pictures, at one size:
    // the fill-in's indent, the slot the pictures are centred in, a gap, then
    // the word (beside) or the letter boxes (instead).
    struct PictureRoom {
        double size = 0.0;          // of the pictures' font, in points
        double indent = 0.0;
        double slot = 0.0;
        double gap = 0.0;
        double box = 0.0;           // side of a letter box
        double height = 0.0;        // of the line
        double pictureHeight = 0.0; // of the pictures' font
        double ink = 0.0;           // the tallest picture's ink: each is drawn as tall
        double textHeight = 0.0;
    };
    // The grid's cells that hold something, from the corner (0, 0).
    struct GridCells {
        int columns = 0;
        int rows = 0;
    };

    void Prepare(Surface& surface, double ratio);
    void DrawHalfTexts(const HalfSheet& half, double top);
    void TellCutTexts(); // a title or an instruction cut short: the teacher is told what to shorten
    void DrawHeader(double y, bool nameLine, const QString& versionLabel);
    // Measure, then draw: the sizes that keep the grid and the list in place.
    void FitPage();
    void FitArrangement(const GridCells& cells);
    bool GrowPage(const GridCells& cells);
    GridCells UsedCells() const;
    double CellAt(double size);
    double CodeFontSize(double size) const;
    SurfaceFont CodeFont(double size) const;
    double RowTop(int row, double cell) const;
    double GridHeight(int rows, double cell) const;
    int StackShift(const PuzzleState& z, int second) const;
    bool MayRearrange(const GridCells& cells) const;
    // second: where the words' second column starts (SecondColumn), or 0.
    QList<double> RowLefts(const PuzzleState& z, int row, int last, int second) const;
    // The letter a cell shows: upper case, or as its words spell it.
    QString GridLetter(const QString& cell, int column, int row) const;
    bool LowerHalfDrawn(double gridExtent) const;
    // clearance: how far above its footer the grid must end.
    bool GridFits(double size, const GridCells& cells, double clearance = 0.0);
    ListMeasure MeasureList(double size);
    PictureRoom MeasurePictureRoom(double size);
    // The pictures' sizes a list may take, as multiples of its letters'
    // size, largest first: the mode's own, then smaller ones down to 1.
    QList<double> PictureScales() const;
    double PictureLineWidth(const ListLine& line, const PictureRoom& room);
    void DrawPictureLine(const ListLine& line, double x, double y, const PictureRoom& room, bool key);
    void PrintInBox(const QString& letter, double left, double top, double side);
    bool PicturesOnly() const;
    bool ListBeside(double gridExtent) const;
    ListPlace UpperListPlace(double gridExtent, double lineHeight) const;
    ListPlace LowerListPlace(double gridExtent) const;
    double ListLeft(double gridExtent) const;
    // cap: the most lines a column holds (0: as many as its room takes).
    ListFlow Flow(const ListPlace& place, const ListMeasure& m, int cap = 0, bool groups = false) const;
    ListFlow BalancedFlow(const ListPlace& place, const ListMeasure& m) const;
    bool ListFits(double gridExtent, const ListMeasure& m, bool evenly = false);
    static ListMeasure Scaled(const ListMeasure& m, double size, double factor);
    void DrawGrid(Half half, GridMode mode);
    void DrawCodedWords(double top, GridMode mode);
    void DrawWordFrames(double top);
    void DrawWordFrame(const WordEntry& e, int length, double top);
    void DrawHighlight();
    void BuildDisplayList();
    void DrawUpperList(bool key);
    void DrawLowerList(bool key);
    void DrawFlow(const ListFlow& flow, bool key);
    void DrawLowerHalf(const HalfSheet& half);
    void DrawFooter(double y);
    void SetListFont(double size);
    void SetFont(const QString& name, double points, bool bold, bool italic, bool underline = false);
    // The grid's font for the letters in its cells, plain or in the grid's styles.
    void SetCellFont(double points, bool styled);
    void PrintInCell(const QString& s, double left, double cellTop, double inset);
    void PrintPictogram(const QString& symbol, double left, double cellTop, double band);
    double Padding() const;
    double CellLeft(int column) const;

    // The document of the half being drawn (the upper one while fitting).
    const DocumentData& D() const { return *d_; }

    const DocumentData& data_;
    const DocumentData* d_ = &data_;
    // The lower half drawn: none, or a key or a worksheet of lowerData_.
    std::optional<HalfRole> lowerRole_;
    const DocumentData* lowerData_ = &data_;
    HalfRole upperRole_ = HalfRole::Worksheet;
    bool halfRoom_ = true; // coded words: their grid fits in half a page
    // The columns of cells the list stands beside: the grid's whole square,
    // or with "Adapter à la page" the fill-in's used columns, so that the
    // list does not leave the empty part of the 20 columns between them.
    int listColumns_ = 0;
    // With "Adapter à la page", a fill-in worksheet alone on its page may
    // take its list under the grid (rows used: gridRows_) when that gives it
    // larger cells than the list beside it.
    bool listBelow_ = false;
    int gridRows_ = 0;
    // Likewise coded words may go on in one column, the second column's words
    // under the first's (StackShift: the rows they move down by).
    bool stackCoded_ = false;
    std::optional<SpeltLetters> spelt_; // a lower-case grid's letters, as its words spell them
    Surface* s_ = nullptr;
    double ratio_ = 1.0;
    PageLayout layout_;
    QString reference_;  // the word whose width sets the list's column width
    QList<ListLine> lines_; // beside layout_.DisplayList
    // The list's pictures: 0 none (also when no word has one), 1 beside the
    // words, 2 in their place.
    int pictureMode_ = 0;
    double pictureScale_ = 0.0; // the pictures' size as a multiple of the list's
    // The coded words' pictograms: their size as a multiple of the numbers'.
    static constexpr double kPictogramScale = 1.3;
    double codeScale_ = kPictogramScale;
    ListFlow upperFlow_; // the lists as the page fitting placed them
    ListFlow lowerFlow_;
};

} // namespace lx
