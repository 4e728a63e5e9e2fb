#pragma once

#include "document/Document.h"
#include "render/DocumentRenderer.h"
#include "render/RecordingSurface.h"

#include <QList>
#include <QString>
#include <QStringList>

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

// A document of the given game type with the test fonts (12 points for grid
// and list), no word and no puzzle, nothing in the lower half.
DocumentData MakeData(GameType type);

// Adds checked words to the selection list, and to WordsByLength (longest
// first, tagged with their letter counts) as a generation would.
void AddWords(DocumentData& d, const QStringList& words);

// Writes a word into the letter grid from (x, y) in a direction and records
// its entry.
void PlaceWord(DocumentData& d, const QString& gridText, int x, int y, int direction);

// Renders on a recording surface of A4 paper (600 dpi) unless told otherwise.
struct Rendered {
    RecordingSurface surface;
    DocumentRenderer renderer;
    Rendered(DocumentData& d, double ratio = 1.0, bool printer = true, double dpi = 600.0);
    const QList<RecordedOp>& ops() const { return surface.ops; }
};

QList<RecordedOp> TextOps(const QList<RecordedOp>& ops);
QList<RecordedOp> OpsOf(const QList<RecordedOp>& ops, RecordedOp::Kind kind);
// Text operations whose text is exactly the given one.
QList<RecordedOp> TextsEqual(const QList<RecordedOp>& ops, const QString& text);
// Text operations in the given font name.
QList<RecordedOp> TextsInFont(const QList<RecordedOp>& ops, const QString& fontName);
// Lines and boxes between two points (either way round), to 1e-6.
bool HasLine(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2);
bool HasBox(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2);

} // namespace lx::test
