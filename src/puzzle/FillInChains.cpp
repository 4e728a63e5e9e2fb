// Several fill-in layout searches at once: see FillInChains.h.
#include "puzzle/FillInChains.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <system_error>
#include <thread>

namespace lx {

struct FillInChain {
    FillInChain(const std::vector<std::u16string>& words, std::uint64_t seed, int index)
        : random(seed)
        , layout(words, random)
        , index(index)
    {
    }
    RandomSource random;
    FillInLayout layout;
    const int index;
    int round = 0;
    std::atomic<bool> finished { false };
};

namespace {

std::atomic<int> threadsWanted { 0 };

// What the threads of one run share: the best success so far, as
// round * kChains + chain, and the stop a time-out asks for.
struct Shared {
    std::atomic<int> best { INT_MAX };
    std::atomic<bool> stop { false };
};

constexpr int kChains = FillInChains::kChains;

// One round of a chain, unless it can no longer beat the best success.
void RunRound(FillInChain& chain, Shared& shared)
{
    if (chain.finished)
        return;
    const int key = chain.round * kChains + chain.index;
    if (key > shared.best.load() || shared.stop.load()) {
        chain.finished = true;
        return;
    }
    for (int step = 0; step < FillInChains::kRoundSteps; ++step) {
        if (chain.layout.Try()) {
            int best = shared.best.load();
            while (key < best && !shared.best.compare_exchange_weak(best, key)) {
            }
            chain.finished = true;
            return;
        }
    }
    ++chain.round;
}

// A round of each of the chains first, first + threads, ...; false once they
// have all finished.
bool RunRounds(std::vector<std::unique_ptr<FillInChain>>& chains, int first, int threads, Shared& shared)
{
    bool running = false;
    for (int c = first; c < kChains; c += threads) {
        RunRound(*chains[c], shared);
        running = running || !chains[c]->finished;
    }
    return running;
}

} // namespace

FillInChains::FillInChains(const std::vector<std::u16string>& words, RandomSource& random)
{
    for (int c = 0; c < kChains; ++c) {
        // 53 random bits from the generation's source, the same on every machine.
        const auto seed = std::uint64_t(random.Next() * 0x1.0p53);
        chains_.push_back(std::make_unique<FillInChain>(words, seed, c));
    }
}

FillInChains::~FillInChains() = default;

void FillInChains::SetThreads(int threads)
{
    threadsWanted = std::clamp(threads, 0, kChains);
}

bool FillInChains::Run(const std::function<bool()>& timeUp)
{
    int threads = threadsWanted.load();
    if (threads == 0)
        threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, unsigned(kChains)));
    Shared run;
    std::vector<std::thread> helpers;
    try {
        for (int t = 1; t < threads; ++t)
            helpers.emplace_back([this, t, threads, &run] {
                while (RunRounds(chains_, t, threads, run)) {
                }
            });
    } catch (const std::system_error&) {
        // No more threads to be had: this one runs the chains left over.
    }
    const int started = 1 + int(helpers.size());
    // This thread runs its own chains and watches the clock between rounds;
    // a time-out stops every chain at the end of its round.
    const auto allFinished = [this] {
        return std::all_of(chains_.begin(), chains_.end(), [](const auto& c) { return c->finished.load(); });
    };
    for (bool mine = true; !allFinished();) {
        if (mine) {
            mine = RunRounds(chains_, 0, threads, run);
            for (int first = started; first < threads; ++first)
                mine = RunRounds(chains_, first, threads, run) || mine;
        }
        if (!run.stop && timeUp())
            run.stop = true;
        if (!mine)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    for (std::thread& t : helpers)
        t.join();
    const int best = run.best.load();
    if (best != INT_MAX) {
        winner_ = best % kChains;
        return true;
    }
    // The time is up: the layout that placed most words.
    winner_ = 0;
    for (int c = 1; c < kChains; ++c)
        if (chains_[c]->layout.BestOrder().size() > chains_[winner_]->layout.BestOrder().size())
            winner_ = c;
    return false;
}

const FillInLayout& FillInChains::Result() const
{
    return chains_[std::max(winner_, 0)]->layout;
}

} // namespace lx
