#pragma once

#include "render/DocumentRenderer.h"

#include <QList>

namespace lx {

struct DocumentData;

// The sheets a print or an export gives out, for one worksheet or for its
// versions (each a generation of the same words and settings).
//
// One worksheet: one sheet, its lower half as the document says. A worksheet
// that takes the whole page has no room for its lower half: its key then comes
// on a second sheet; a copy is left out.
//
// Versions: with "Solution", the pupils' sheets carry no key. Each holds two
// versions (one above the fold line, the next below) when both leave their
// lower half free, else one (alone on its sheet, a version that leaves its
// lower half free keeps the size of the others, the lower half blank); the
// keys of every version follow, two a sheet where they fit, each titled and
// marked with its version. With "Copie", two versions a sheet and no key;
// with "Vide", one version a sheet.
struct PrintPlan {
    QList<SheetPlan> sheets;
    bool keyOnSecondPage = false; // one worksheet's key did not fit its lower half
    bool copyLeftOut = false;     // one worksheet's copy did not fit its lower half
};

// The plan for the pages, measured on the surface they will be drawn on.
PrintPlan PlanSheets(const QList<DocumentData>& versions, Surface& measure, double ratio = 1.0);

// What the teacher is told about the sheets of one worksheet: empty when the
// worksheet and its lower half share one sheet.
QString PlanNotice(const PrintPlan& plan);
// The same from a page's layout: its lower half's setting and whether the
// worksheet leaves it free.
QString LowerHalfNotice(int lowerHalf, bool available);

} // namespace lx
