#include "document/WordHighlight.h"

#include "words/WordForms.h"

namespace lx {

HighlightDecision DecideHighlight(const WordSelectionList& list, const PuzzleState& puzzle)
{
    HighlightDecision d;
    if (puzzle.WordCount == 1)
        return d; // a single word: the click does nothing
    if (list.current < 0 || list.current >= list.Count())
        return d;
    d.redraw = true;
    if (!list.IsChecked(list.current) || puzzle.WordEntries.size() < 2)
        return d;
    d.changed = true;
    d.highlighted = -1;
    const QString grid = ToGridForm(list.Word(list.current));
    for (int i = 0; i < puzzle.WordEntries.size(); ++i) {
        if (puzzle.WordEntries[i].gridText == grid) {
            d.highlighted = i;
            break;
        }
    }
    return d;
}

} // namespace lx
