#include "puzzle/GenerationClock.h"

namespace lx {

void GenerationClock::Start()
{
    timer_.start();
    lastYieldNs_ = 0;
    lastReadNs_ = 0;
    stride_ = 1;
    countdown_ = 0;
    expired_ = false;
    running_ = true;
}

bool GenerationClock::ReadClock()
{
    const qint64 now = timer_.nsecsElapsed();
    // Calls that come fast are counted in batches of up to 64 between two
    // readings; as soon as an interval is long, every call reads it again.
    const qint64 sinceRead = now - lastReadNs_;
    lastReadNs_ = now;
    if (sinceRead < 2000 && stride_ < 64)
        stride_ *= 2;
    else if (sinceRead > 20000)
        stride_ = 1;
    countdown_ = stride_;
    if (yield_ && now - lastYieldNs_ >= qint64(sliceMs_) * 1000000) {
        lastYieldNs_ = now;
        yield_();
    }
    expired_ = now >= qint64(limitMs_) * 1000000;
    return expired_;
}

void GenerationClock::YieldNow()
{
    if (yield_)
        yield_();
    if (running_)
        lastYieldNs_ = timer_.nsecsElapsed();
}

} // namespace lx
