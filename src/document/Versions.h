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
// A version whose generation runs out of time is tried again, up to
// kVersionAttempts times in all, with the seed + k - 1 + 1000, + 2000…
// The document itself keeps its puzzle. yield (may be empty) lets a window
// answer between the attempts of a long generation; madeOne (may be empty) is
// told each version made, and stops the run by returning false (no pages).
// generate (tests) replaces the generation of the document's copy. With
// firstAsShown (the window), version 1 is the document's own grid when it
// prints as it is (made, whole, at its size): the one the teacher looked at,
// whether or not its hidden message fills it.
inline constexpr int kVersionAttempts = 5;
inline constexpr std::uint64_t kVersionRetrySeedStep = 1000;
Versions MakeVersions(const Document& doc, int count, std::uint64_t seed, const std::function<void()>& yield = {},
                      const std::function<bool(int made)>& madeOne = {},
                      const std::function<GenerationResult(Document& copy)>& generate = {}, bool firstAsShown = false);

// The seed of the versions the window prints, drawn from the document's grid
// and words: the same worksheet, reopened too, prints the same set again, so
// that keys printed later match the sheets handed out; a new grid, a new set.
std::uint64_t VersionsSeed(const DocumentData& data);

// "Version 3/25", printed near the footer of each version.
QString VersionLabel(int version, int count);

} // namespace lx
