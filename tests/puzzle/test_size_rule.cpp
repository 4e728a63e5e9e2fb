// The size rule: what a list of words needs from a word-search grid or the fill-in frame, and what to propose after a time-out.
#include "PuzzleTestSupport.h"

#include "puzzle/SizeRule.h"

namespace lx::test {
namespace {

constexpr std::array<bool, 6> kAcross { true, false, false, false, false, false };
constexpr std::array<bool, 6> kAcrossDown { true, false, true, false, false, false };

TEST(SizeRule, WordSearchSidesGrowWithTheLettersAndHoldTheLongestWord)
{
    struct Case { QStringList forms; std::array<bool, 6> directions; int letters; int longest; int side; bool fits; };
    const Case cases[] {
        { MadeUpWords(5, 3), kAcrossDown, 15, 3, 5, true }, // never below 5
        { MadeUpWords(5, 12), kAcrossDown, 60, 12, 12, true }, // the longest word
        { MadeUpWords(8, 6) + MadeUpWords(1, 16), kAllDirections, 64, 16, 16, true }, // a long one among short ones
        { MadeUpWords(30, 10), kAllDirections, 300, 10, 19, false }, // more than 18 x 18 holds
        { MadeUpWords(1, 19), kAcross, 19, 19, 19, false }, // longer than any grid
    };
    for (const Case& c : cases) {
        const SizeNeed need = WordSearchNeed(c.forms, c.directions);
        EXPECT_EQ(std::tuple(need.words, need.letters, need.longest, need.side, need.fits),
                  std::tuple(c.forms.size(), c.letters, c.longest, c.side, c.fits)); // words, letters, longest, side, fits
    }
    // Over lists of 6-letter words: the side never shrinks as letters are added, never lies below the
    // longest word, and words across only (never crossing) need at least the side of across and down.
    for (const auto& directions : { kAcross, kAcrossDown, kAllDirections }) {
        int last = 0;
        for (int n = 1; n <= 60; ++n) {
            const SizeNeed need = WordSearchNeed(MadeUpWords(n, 6), directions);
            EXPECT_GE(need.side, last) << n;
            EXPECT_GE(need.side, std::max(6, PuzzleEngine::kMinWordSearchSize));
            EXPECT_GE(WordSearchNeed(MadeUpWords(n, 6), kAcross).side, WordSearchNeed(MadeUpWords(n, 6), kAcrossDown).side) << n;
            EXPECT_EQ(need.fits, need.side <= 18);
            last = need.side;
        }
        EXPECT_FALSE(WordSearchNeed(MadeUpWords(60, 6), directions).fits);
    }
}

TEST(SizeRule, FillInFrameAndTimeOuts)
{
    // The fill-in frame of 19 x 19 holds no word of 20 letters; the measured limits (95 % of the seeds laid out).
    EXPECT_EQ(std::pair(FillInNeed(MadeUpWords(10, 6)).side, FillInNeed(MadeUpWords(10, 6)).fits), std::pair(19, true));
    EXPECT_FALSE(FillInNeed(MadeUpWords(5, 20)).fits);
    const auto letters = [](int count, int total) {
        QStringList forms = MadeUpWords(count, total / count);
        for (int k = 0; k < total % count; ++k)
            forms[k] += u'A';
        return forms;
    };
    for (const auto& [count, most] : { std::pair { 20, 200 }, { 25, 211 }, { 30, 223 }, { 40, 237 }, { 15, 194 }, { 19, 198 }, { 12, 194 } }) {
        EXPECT_TRUE(FillInNeed(letters(count, most)).fits) << count;
        EXPECT_FALSE(FillInNeed(letters(count, most + 1)).fits) << count;
    }
    // After a time-out: the need's side when larger, else one more, nothing past 18 nor for a need beyond 18.
    struct Step { int needSide, current, next; };
    for (const Step s : { Step { 12, 10, 12 }, { 12, 12, 13 }, { 12, 15, 16 }, { 12, 17, 18 }, { 12, 18, 0 }, { 19, 12, 0 } })
        EXPECT_EQ(SizeAfterTimeOut({ .side = s.needSide, .fits = s.needSide <= 18 }, s.current), s.next) << s.needSide << " " << s.current;
}

} // namespace
} // namespace lx::test
