// The grid size a list of words needs, as measured on the generators (see
// bench/bench_size_rule.cpp, which checks that the sides proposed here succeed).
//
// Word search: the words' letters take about a share of the grid's cells that
// depends on the directions ticked: words across only never cross, across and
// down cross now and then; reversed directions give a few more places to
// share a letter. The side
// proposed is the smallest whose cells, at that share, hold the letters, and
// never below the longest word.
//
// Fill-in: the 19 x 19 letters of the frame hold, in 95 % of seeds, up to a
// number of letters that grows with the number of words (more words, more
// crossings); measured for 15, 20, 30 and 40 words, in between along a line.
#include "puzzle/SizeRule.h"

#include "puzzle/Engine.h"
#include "puzzle/MessageFit.h"

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

// The share of the cells the letters may take: across only; across and down;
// with diagonals (each box gets its share of the words, and a long word has
// few places on a diagonal); each without and with a reversed box ticked.
// Fitted on the word database: at these shares 95 % of lists or more are
// generated within the time limit at the side proposed.
constexpr double kWordSearchShare[3][2] = {
    { 0.74, 0.78 },
    { 0.92, 0.95 },
    { 0.88, 0.91 },
};

// Fill-in: the letters the frame holds in 95 % of seeds, by word count.
struct Capacity {
    int words;
    int letters;
};
// Measured with bench_size_rule --fill-in --step 1 on two cores (lists of the
// database with a given letter total, 25 runs each: five lists, five seeds):
// 15 words were laid out in 95 % of the runs or more up to 194 letters (80 % at
// 195), 20 words up to 200 (92 % at 201), 30 words up to 223 (92 % at 224), 40
// words up to 237 (88 % at 238). Fewer than 15 words hold no more than 15 do:
// 12 words were laid out every time up to 176 letters, the longest total the
// database gives them.
constexpr Capacity kFillInCapacity[] = { { 15, 194 }, { 20, 200 }, { 30, 223 }, { 40, 237 } };

SizeNeed Count(const QStringList& gridForms)
{
    SizeNeed need;
    need.words = int(gridForms.size());
    for (const QString& form : gridForms) {
        need.letters += int(form.size());
        need.longest = std::max(need.longest, int(form.size()));
    }
    return need;
}

int FillInCapacity(int words)
{
    constexpr int last = int(std::size(kFillInCapacity)) - 1;
    int k = 0;
    while (k < last - 1 && words > kFillInCapacity[k + 1].words)
        ++k;
    const Capacity a = kFillInCapacity[k], b = kFillInCapacity[k + 1];
    // Along the line through the two nearest measures; fewer words than
    // measured: no more letters than the first measure allows.
    const double t = double(std::max(words, kFillInCapacity[0].words) - a.words) / (b.words - a.words);
    return int(std::floor(a.letters + t * (b.letters - a.letters)));
}

} // namespace

SizeNeed WordSearchNeed(const QStringList& gridForms, const std::array<bool, 6>& directions)
{
    SizeNeed need = Count(gridForms);
    const int kind = (directions[4] || directions[5]) ? 2 : (directions[2] || directions[3]) ? 1 : 0;
    const bool reversed = WordsCanRunBackwards(directions);
    const double share = kWordSearchShare[kind][reversed ? 1 : 0];
    int side = std::max({ PuzzleEngine::kMinWordSearchSize, need.longest,
                          int(std::ceil(std::sqrt(need.letters / share) - 1e-9)) });
    need.fits = side <= PuzzleEngine::kMaxWordSearchSize;
    need.side = need.fits ? side : PuzzleEngine::kMaxWordSearchSize + 1;
    return need;
}

SizeNeed FillInNeed(const QStringList& gridForms)
{
    SizeNeed need = Count(gridForms);
    need.side = PuzzleEngine::kMaxFillInLength;
    need.fits = need.longest <= PuzzleEngine::kMaxFillInLength && need.letters <= FillInCapacity(need.words);
    return need;
}

int SizeAfterTimeOut(const SizeNeed& need, int current)
{
    if (!need.fits)
        return 0;
    if (need.side > current)
        return need.side;
    return current < PuzzleEngine::kMaxWordSearchSize ? current + 1 : 0;
}

} // namespace lx
