#pragma once

#include "document/DocumentData.h"

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
};

// The worksheet generated again, once per version, with the same words and
// options; version k uses the seed + k - 1, so that a run can be repeated.
// The document itself keeps its puzzle. yield (may be empty) lets a window
// answer between the attempts of a long generation.
Versions MakeVersions(const Document& doc, int count, std::uint64_t seed, const std::function<void()>& yield = {});

// "Version 3/25", printed near the footer of each version.
QString VersionLabel(int version, int count);

} // namespace lx
