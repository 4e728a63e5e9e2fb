#pragma once

#include <QStringList>

#include <array>

namespace lx {

// What a list of words needs from a grid.
struct SizeNeed {
    int words = 0;
    int letters = 0;  // letters of the grid forms
    int longest = 0;  // the longest grid form
    int side = 0;     // word search: the smallest side proposed, 5 to 18, or 19 when even 18x18 is not expected to hold them
    bool fits = true; // word search: side <= 18; fill-in: the 19x19 frame holds them in 95 % of seeds
};

// gridForms: the words' grid forms (as PuzzleEngine::GridForms()); directions: the six boxes as PuzzleSettings::directions.
SizeNeed WordSearchNeed(const QStringList& gridForms, const std::array<bool, 6>& directions);
SizeNeed FillInNeed(const QStringList& gridForms);
// The side to propose after a word search at `current` ran out of time: the need's side when larger,
// else the next size that is expected to help; 0 when there is none (18 reached, or need.fits is false).
int SizeAfterTimeOut(const SizeNeed& need, int current);

} // namespace lx
