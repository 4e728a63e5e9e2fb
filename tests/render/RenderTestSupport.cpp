#include "RenderTestSupport.h"

#include "words/WordForms.h"

#include <cmath>

namespace lx::test {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

DocumentData MakeData(GameType type)
{
    DocumentData d;
    DocumentSettings& s = d.settings;
    s.gridFontName = kGridFont;
    s.gridFontSize = 12;
    s.listFontName = kListFont;
    s.listFontSize = 12;
    s.titleFontName = kTitleFont;
    s.title = u("Les animaux");
    s.lowerHalf = 0;
    s.selectedThemeCount = 1;
    s.levels = { false, true, false, false, false };
    d.themes.selected[3] = true; // "Animaux"
    s.puzzle.gameType = type;
    s.puzzle.gridSize = 10;
    d.puzzle.gameType = type;
    d.puzzle.SetGridDimensions(10);
    d.puzzle.WordEntries = { WordEntry { 0, 0, -1, QString() } };
    return d;
}

void AddWords(DocumentData& d, const QStringList& words)
{
    for (const QString& w : words) {
        const auto added = d.words.AddWordIfAbsent(w);
        d.words.SetChecked(added.index, true);
    }
    d.puzzle.WordsByLength.clear();
    const QStringList checked = d.words.CheckedWords();
    for (int n = PuzzleState::kMaxDisplayLength; n >= 1; --n) {
        for (const QString& w : checked) {
            if (w.size() == n)
                d.puzzle.WordsByLength.append({ w, LetterCount(w) });
        }
    }
    d.puzzle.WordCount = int(checked.size());
}

void PlaceWord(DocumentData& d, const QString& gridText, int x, int y, int direction)
{
    const DirectionStep step = kDirectionSteps[direction];
    for (int k = 0; k < gridText.size(); ++k)
        d.puzzle.LetterGrid.at(x + k * step.dx, y + k * step.dy) = gridText.mid(k, 1);
    if (d.puzzle.WordEntries.size() == 1 && d.puzzle.WordEntries[0].direction == -1)
        d.puzzle.WordEntries.clear();
    d.puzzle.WordEntries.append(WordEntry { std::int16_t(x), std::int16_t(y), std::int16_t(direction), gridText });
    d.puzzle.WordCount = int(d.puzzle.WordEntries.size());
}

Rendered::Rendered(DocumentData& d, double ratio, bool printer, double dpi)
    : surface(210.0, 297.0, printer, dpi)
    , renderer(d, kDefaultFont, kFooter)
{
    renderer.RenderDocument(surface, ratio);
}

QList<RecordedOp> OpsOf(const QList<RecordedOp>& ops, RecordedOp::Kind kind)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ops) {
        if (op.kind == kind)
            out.append(op);
    }
    return out;
}

QList<RecordedOp> TextOps(const QList<RecordedOp>& ops)
{
    return OpsOf(ops, RecordedOp::Kind::Text);
}

QList<RecordedOp> TextsEqual(const QList<RecordedOp>& ops, const QString& text)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::Text && op.text == text)
            out.append(op);
    }
    return out;
}

QList<RecordedOp> TextsInFont(const QList<RecordedOp>& ops, const QString& fontName)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::Text && op.font.name == fontName)
            out.append(op);
    }
    return out;
}

namespace {
bool Near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}
bool Between(const RecordedOp& op, double x1, double y1, double x2, double y2)
{
    return (Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) && Near(op.y2, y2))
        || (Near(op.x1, x2) && Near(op.y1, y2) && Near(op.x2, x1) && Near(op.y2, y1));
}
} // namespace

bool HasLine(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2)
{
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::Line && Between(op, x1, y1, x2, y2))
            return true;
    }
    return false;
}

bool HasBox(const QList<RecordedOp>& ops, double x1, double y1, double x2, double y2)
{
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::Box && Between(op, x1, y1, x2, y2))
            return true;
    }
    return false;
}

} // namespace lx::test
