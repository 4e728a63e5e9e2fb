#pragma once

#include "puzzle/PuzzleState.h"
#include "words/WordSelectionList.h"

namespace lx {

// A click on a candidate word: which placed word to outline in the preview.
struct HighlightDecision {
    bool redraw = false;    // the preview is redrawn
    int highlighted = -1;   // index of the WordEntries item to outline, -1 for none
    bool changed = false;   // whether the highlighted index is to be replaced
};
HighlightDecision DecideHighlight(const WordSelectionList& list, const PuzzleState& puzzle);


} // namespace lx
