#pragma once

#include "document/Document.h"
#include "render/DocumentRenderer.h"
#include "render/RecordingSurface.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx::test {

QString u(const char* text);

// Font names that tell the page's fonts apart in the recording.
inline const QString kGridFont = QStringLiteral("Courier New");
inline const QString kListFont = QStringLiteral("Arial Narrow");
inline const QString kTitleFont = QStringLiteral("Tahoma");
inline const QString kDefaultFont = QStringLiteral("Arial");
inline const QString kFooter = QStringLiteral("Pied de page");

// Measures of the recording model for the 12-point grid and list fonts.
constexpr double kLine = 0.4 * 12;         // line height
constexpr double kChar = 0.2 * 12;         // width of a character
constexpr double kSearchCell = kLine + 2;  // word search and coded words
constexpr double kFillInCell = kLine + 1;
constexpr double kCut = 297.0 * 0.5 - 1.0; // the fold line of A4
constexpr double kLowerGridY = kCut + 28.0;

// A document of the given game type with the test fonts (12 points for grid
// and list), a 10 x 10 grid, no word and no puzzle, nothing in the lower half.
DocumentData MakeData(GameType type);

// Adds checked words to the selection list, and to WordsByLength (longest
// first, tagged with their letter counts) as a generation would.
void AddWords(DocumentData& d, const QStringList& words);

// Writes a word into the letter grid from (x, y) in a direction and records its entry.
void PlaceWord(DocumentData& d, const QString& gridText, int x, int y, int direction);

// Renders on a recording surface of A4 (paper at 600 dpi unless told otherwise).
struct Rendered {
    RecordingSurface surface;
    PageLayout layout;
    Rendered(const DocumentData& d, double ratio = 1.0, bool printer = true, double dpi = 600.0);
    const QList<RecordedOp>& ops() const { return surface.ops; }
};

// The operations the predicate keeps.
QList<RecordedOp> Where(const QList<RecordedOp>& ops, const std::function<bool(const RecordedOp&)>& keep);
QList<RecordedOp> OpsOf(const QList<RecordedOp>& ops, RecordedOp::Kind kind);
// Text operations whose text is exactly the given one, or in the given font.
QList<RecordedOp> TextsEqual(const QList<RecordedOp>& ops, const QString& text);
QList<RecordedOp> TextsInFont(const QList<RecordedOp>& ops, const QString& fontName);
// An operation of the kind between two points (either way round), to 1e-6.
bool HasOp(const QList<RecordedOp>& ops, RecordedOp::Kind kind, double x1, double y1, double x2, double y2);
inline bool HasLine(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2)
{
    return HasOp(ops, RecordedOp::Kind::Line, x1, y1, x2, y2);
}
inline bool HasBox(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2)
{
    return HasOp(ops, RecordedOp::Kind::Box, x1, y1, x2, y2);
}

} // namespace lx::test
