#include "puzzle/GenerationClock.h"

namespace lx {

void GenerationClock::Start()
{
    timer_.start();
    lastYieldNs_ = 0;
    running_ = true;
}

bool GenerationClock::Tick()
{
    if (!running_) {
        // Outside a generation (a handler reshuffling the message, say) there is
        // no limit; the event loop still gets its turn now and then.
        return false;
    }
    const qint64 now = timer_.nsecsElapsed();
    if (yield_ && now - lastYieldNs_ >= qint64(sliceMs_) * 1000000) {
        lastYieldNs_ = now;
        yield_();
    }
    return timer_.elapsed() >= limitMs_;
}

void GenerationClock::YieldNow()
{
    if (yield_)
        yield_();
    if (running_)
        lastYieldNs_ = timer_.nsecsElapsed();
}

} // namespace lx
