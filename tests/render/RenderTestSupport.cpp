#include "RenderTestSupport.h"

#include "words/WordForms.h"

#include <algorithm>
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
    for (const QString& w : words)
        d.words.SetChecked(d.words.AddWordIfAbsent(w).index, true);
    d.puzzle.WordsByLength.clear();
    const QStringList checked = d.words.CheckedWords();
    for (int n = kMaxDisplayLength; n >= 1; --n) {
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

Rendered::Rendered(const DocumentData& d, double ratio, bool printer, double dpi)
    : surface(210.0, 297.0, printer, dpi)
    , layout(DocumentRenderer(d, kDefaultFont, kFooter).RenderDocument(surface, ratio))
{
}

QList<RecordedOp> Where(const QList<RecordedOp>& ops, const std::function<bool(const RecordedOp&)>& keep)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ops) {
        if (keep(op))
            out.append(op);
    }
    return out;
}

QList<RecordedOp> OpsOf(const QList<RecordedOp>& ops, RecordedOp::Kind kind)
{
    return Where(ops, [kind](const RecordedOp& op) { return op.kind == kind; });
}

QList<RecordedOp> TextsEqual(const QList<RecordedOp>& ops, const QString& text)
{
    return Where(ops, [&](const RecordedOp& op) { return op.kind == RecordedOp::Kind::Text && op.text == text; });
}

QList<RecordedOp> TextsInFont(const QList<RecordedOp>& ops, const QString& fontName)
{
    return Where(ops, [&](const RecordedOp& op) { return op.kind == RecordedOp::Kind::Text && op.font.name == fontName; });
}

bool HasOp(const QList<RecordedOp>& ops, RecordedOp::Kind kind, double x1, double y1, double x2, double y2)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    return std::any_of(ops.begin(), ops.end(), [&](const RecordedOp& op) {
        return op.kind == kind
            && ((near(op.x1, x1) && near(op.y1, y1) && near(op.x2, x2) && near(op.y2, y2))
                || (near(op.x1, x2) && near(op.y1, y2) && near(op.x2, x1) && near(op.y2, y1)));
    });
}

} // namespace lx::test
