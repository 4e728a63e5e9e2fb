#pragma once

// Several fill-in layout searches at once, one per processor core the machine
// lends (at most kChains), each with its own random source drawn from the
// generation's one.
//
// A seed must give the same grid on every machine, whatever its number of
// cores: the chains run in rounds of kRoundSteps steps, and the layout kept is
// the one of the chain that lays out every word in the earliest round (the
// lowest chain on a tie). A chain stops as soon as it can no longer beat the
// best success known, so every round that could beat it is run, on any machine.
// Only a time-out depends on the machine's speed, as it always did.

#include "puzzle/FillInLayout.h"
#include "puzzle/Random.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lx {

struct FillInChain;

class FillInChains {
public:
    static constexpr int kChains = 4;
    static constexpr int kRoundSteps = 24;

    // The chains' seeds are drawn from `random`.
    FillInChains(const std::vector<std::u16string>& words, RandomSource& random);
    ~FillInChains();

    // Runs the chains until one lays out every word, or until timeUp() (called
    // on this thread, between rounds) says the time is up. True on success.
    bool Run(const std::function<bool()>& timeUp);
    // The winning layout, or after a time-out the one that placed most words.
    const FillInLayout& Result() const;

    // How many threads run the chains (1 to kChains; 0: one per core). The
    // result does not depend on it, only the time it takes.
    static void SetThreads(int threads);

private:
    std::vector<std::unique_ptr<FillInChain>> chains_;
    int winner_ = -1;
};

} // namespace lx
