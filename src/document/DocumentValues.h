#pragma once

#include <QString>

#include <cstdint>

namespace lx {

// The fallback that asks ParseIntInRange for the nearer bound instead.
inline constexpr int kRangeSentinel = -32768;

// Reads a number of a document value. A text that reads as a number (blanks
// around it, an optional sign, digits with optional decimals after "."), rounded
// to the nearest integer with halves to even, is returned when it lies within
// low..high. Out of range it gives the fallback, or, when the fallback is the
// sentinel, the nearer bound. A text that is no number gives the fallback, or
// low when the fallback is the sentinel. Never fails, whatever the text.
std::int16_t ParseIntInRange(const QString& text, int low, int high, int fallback);

// The digits 0 to 9 of the text, in order, and nothing else.
QString DigitsOf(const QString& text);

// The text, trimmed of leading and trailing spaces; the fallback when nothing
// is left. A value of blanks thus reads like a missing one, and what is
// written back reads the same again.
QString TextOrDefault(const QString& text, const QString& fallback);

// The path unchanged when it ends in ".lxg" (any case), else with ".lxg" appended.
QString EnsureDocumentExtension(const QString& path);

// The template, in the teacher's folder: what "Nouvelle fiche" starts from.
inline constexpr char16_t kTemplateFileName[] = u"modèle.lxg";
// Whether a path names the template (its file name, whatever the case).
bool IsTemplateFileName(const QString& path);

// The file name part of a path (after the last "/" or "\"). An empty path
// gives an empty name.
QString DocumentFileName(const QString& path);

} // namespace lx
