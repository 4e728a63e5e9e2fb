#pragma once

#include "document/DocumentData.h"
#include "puzzle/Engine.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace lx {

class Document;

// The most versions one print or export makes: one per pupil of a class.
inline constexpr int kMaxVersions = 40;

struct Versions {
    QList<DocumentData> pages; // version k at index k - 1
    QString error;             // French; empty when every version was made
    GenerationOutcome outcome = GenerationOutcome::Generated; // of the version that failed
};

// The worksheet generated again, once per version, with the same words and
// options; version k uses the seed + k - 1, so that a run can be repeated.
// The document itself keeps its puzzle. yield (may be empty) lets a window
// answer between the attempts of a long generation; madeOne (may be empty) is
// told each version made, and stops the run by returning false (no pages).
Versions MakeVersions(const Document& doc, int count, std::uint64_t seed, const std::function<void()>& yield = {},
                      const std::function<bool(int made)>& madeOne = {});

// "Version 3/25", printed near the footer of each version.
QString VersionLabel(int version, int count);

} // namespace lx
