#pragma once

#include <QString>
#include <functional>
#include <vector>

// A line of vertical text falls into stretches that are set alike. Which characters stand upright
// and which lie on their side follows the Unicode vertical orientation property.
enum class VerticalRunKind {
    Upright,      // each character stands in its own cell, in its vertical form where it has one
    Sideways,     // the stretch is set as horizontal text turned 90 degrees clockwise
    UprightGroup, // one or two half-width digits stand upright side by side in one cell
};

struct VerticalRun {
    VerticalRunKind kind;
    qsizetype start;  // UTF-16 index into the line
    qsizetype length; // UTF-16 units

    bool operator==(const VerticalRun &) const = default;
};

// Splits a line into runs. A character whose orientation depends on the font (brackets, the long
// vowel mark) stands upright when `hasVerticalForm` says the font has a vertical form for it, and
// otherwise turns. With `uprightDigits`, a run of one or two ASCII digits between other characters
// becomes an upright group.
std::vector<VerticalRun> SplitVerticalRuns(const QString &line, bool uprightDigits,
                                           const std::function<bool(char32_t)> &hasVerticalForm);
