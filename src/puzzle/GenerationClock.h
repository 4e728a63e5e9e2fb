#pragma once

#include <QElapsedTimer>

#include <functional>

namespace lx {

// The generation time limit and the window's share of the processor.
//
// A generation may run for at most LimitMs (1500 ms by default). The generators
// call Tick() after every failed attempt and inside their random draws; Tick()
// reports when the limit is reached and, every SliceMs, hands control to the
// yield hook so that the window can process its events. Calling the hook at
// every attempt would slow the generators down for nothing; so would reading
// the clock at every attempt (a word-search attempt takes a few nanoseconds):
// Tick() reads it once every few calls, fewer while the calls come fast, at
// every call as soon as they come slowly.
class GenerationClock {
public:
    static constexpr int kDefaultLimitMs = 1500;
    static constexpr int kDefaultSliceMs = 10;

    void SetLimitMs(int ms) { limitMs_ = ms; }
    int LimitMs() const { return limitMs_; }
    void SetYieldHook(std::function<void()> hook, int sliceMs = kDefaultSliceMs)
    {
        yield_ = std::move(hook);
        sliceMs_ = sliceMs;
    }

    void Start();
    void Stop() { running_ = false; }
    bool Running() const { return running_; }

    // True once the limit is reached (never while the clock is stopped).
    // Yields to the event loop when the current time slice is used up.
    bool Tick()
    {
        if (!running_) {
            // Outside a generation (a handler reshuffling the message, say)
            // there is no limit.
            return false;
        }
        if (expired_)
            return true;
        return --countdown_ > 0 ? false : ReadClock();
    }
    // Hands control to the event loop now, whatever the slice.
    void YieldNow();

private:
    bool ReadClock();

    QElapsedTimer timer_;
    qint64 lastYieldNs_ = 0;
    qint64 lastReadNs_ = 0;
    int stride_ = 1;    // calls between two readings of the clock
    int countdown_ = 0; // calls left before the next reading
    bool expired_ = false;
    int limitMs_ = kDefaultLimitMs;
    int sliceMs_ = kDefaultSliceMs;
    bool running_ = false;
    std::function<void()> yield_;
};

} // namespace lx
