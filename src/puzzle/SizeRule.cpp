#include "puzzle/SizeRule.h"

#include <algorithm>
#include <cmath>

namespace lx {

namespace {

SizeNeed Count(const QStringList& gridForms)
{
    SizeNeed need;
    need.words = int(gridForms.size());
    for (const QString& w : gridForms) {
        need.letters += int(w.size());
        need.longest = std::max(need.longest, int(w.size()));
    }
    return need;
}

} // namespace

SizeNeed WordSearchNeed(const QStringList& gridForms, const std::array<bool, 6>& directions)
{
    SizeNeed need = Count(gridForms);
    const int ticked = int(std::count(directions.begin(), directions.end(), true));
    const double density = ticked <= 1 ? 0.45 : ticked == 2 ? 0.55 : 0.65;
    const int side = int(std::ceil(std::sqrt(need.letters / density)));
    need.side = std::clamp(std::max(side, need.longest), 5, 19);
    need.fits = need.side <= 18;
    return need;
}

SizeNeed FillInNeed(const QStringList& gridForms)
{
    SizeNeed need = Count(gridForms);
    need.side = 19;
    need.fits = need.longest <= 19 && need.letters <= 200;
    return need;
}

int SizeAfterTimeOut(const SizeNeed& need, int current)
{
    if (!need.fits || current >= 18)
        return 0;
    return std::min(18, std::max(need.side, current + 1));
}

} // namespace lx
