#include "render/SheetPlan.h"

#include "document/DocumentData.h"
#include "document/Versions.h"

#include <vector>

namespace lx {

PrintPlan PlanSheets(const QList<DocumentData>& versions, Surface& measure, double ratio)
{
    PrintPlan plan;
    const int n = int(versions.size());
    if (n == 0)
        return plan;
    const int lower = versions.constFirst().settings.lowerHalf;
    std::vector<bool> fits(std::size_t(n), false);
    for (int k = 0; k < n; ++k)
        fits[k] = DocumentRenderer(versions[k]).Measure(measure, ratio).LowerHalfAvailable;
    const auto half = [&](int k, HalfRole role) {
        return HalfSheet { &versions[k], role, n > 1 ? VersionLabel(k + 1, n) : QString() };
    };

    if (n == 1) {
        SheetPlan sheet { half(0, HalfRole::Worksheet), std::nullopt };
        if (lower != 0 && fits[0])
            sheet.lower = half(0, lower == 1 ? HalfRole::Key : HalfRole::Worksheet);
        plan.sheets.append(sheet);
        if (lower == 1 && !fits[0]) {
            plan.sheets.append({ half(0, HalfRole::Key), std::nullopt });
            plan.keyOnSecondPage = true;
        }
        plan.copyLeftOut = lower == 2 && !fits[0];
        return plan;
    }

    // Versions two a sheet where both leave their lower half free. One that
    // could share its sheet but has no partner keeps the size of the others,
    // its lower half blank: every pupil gets the same half sheet.
    const auto pairUp = [&](HalfRole role) {
        for (int k = 0; k < n;) {
            if (fits[k] && k + 1 < n && fits[k + 1]) {
                plan.sheets.append({ half(k, role), half(k + 1, role) });
                k += 2;
            } else {
                plan.sheets.append({ half(k, role), fits[k] ? std::optional(half(k, HalfRole::Blank)) : std::nullopt });
                ++k;
            }
        }
    };
    if (lower == 0) {
        for (int k = 0; k < n; ++k)
            plan.sheets.append({ half(k, HalfRole::Worksheet), std::nullopt });
        return plan;
    }
    pairUp(HalfRole::Worksheet);
    if (lower == 1)
        pairUp(HalfRole::Key);
    return plan;
}

QString LowerHalfNotice(int lowerHalf, bool available)
{
    if (available)
        return {};
    if (lowerHalf == 1)
        return QStringLiteral("La solution sera imprimée sur une deuxième page.");
    if (lowerHalf == 2)
        return QStringLiteral("La copie n'a pas la place dans la moitié inférieure : elle ne sera pas imprimée.");
    return {};
}

QString PlanNotice(const PrintPlan& plan)
{
    return plan.keyOnSecondPage ? LowerHalfNotice(1, false) : plan.copyLeftOut ? LowerHalfNotice(2, false) : QString();
}

} // namespace lx
