#pragma once

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace lx {

// The checks of the coded-words value boxes: the two bound boxes of the
// "De ... à ..." mode and the 26 code boxes of the letters.

// A bound or a code as a 16-bit whole number: optional sign and digits only,
// within -32768 .. 32767. Anything else is not a number for these boxes.
std::optional<int> ParseShortNumber(const QString& text);

// The range that the bounds mode draws from. The lower bound is raised to 1
// so that no code can be mistaken for the 0 of a letter without code.
struct CodeRange {
    int low = 1;
    int high = 26;
};
CodeRange ReadCodeRange(const QString& lowText, const QString& highText);

// What the bound check does to the window.
struct BoundsVerdict {
    bool enableGenerate = false;
    // Both bound boxes shown as an error (bold red), as normal, or left alone.
    std::optional<bool> markError;
    bool operator==(const BoundsVerdict&) const = default;
};
// A valid range holds at least 26 values from 1 up, enough for 26 distinct codes; an
// empty bound disables the button; a bound that is not a 16-bit number is an error.
BoundsVerdict CheckCodeBounds(const QString& lowText, const QString& highText);

// Why the bounds give no codes, in French, or empty when they do. The advice names
// a range that would, as `range(low, high)` writes it ("de 10 à 35", "range:10-35").
QString CodeBoundsProblem(const QString& lowText, const QString& highText, const std::function<QString(int, int)>& range);

// Leaving a bound box: bounds of 0 or less become 1, and bounds typed the wrong
// way round are swapped.
void LeaveCodeBounds(QString& lowText, QString& highText);

// The check of a code box after an edit: nullopt when the box is empty (nothing
// changes), true when its code repeats another box's, is not a number or is out
// of the mode's range, false when it is fine.
std::optional<bool> CheckLetterCode(int index, const std::array<QString, 26>& boxes, int valueMode,
                                    const QString& lowText, const QString& highText);

} // namespace lx
