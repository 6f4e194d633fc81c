#pragma once

#include <QRect>
#include <algorithm>
#include <cstdint>

// A position or size worked out wider than int, brought back to the nearest int.
inline int SaturatedInt(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// The rectangle of a place and size that a document may hold anywhere in the int range, with its
// corners brought within a reach that no screen, image or page comes near. Qt works a rectangle's
// right edge out as left + width - 1 and its width back as right - left + 1 in int, which such
// values would overflow; within the reach neither can.
inline QRect ReachableRect(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height)
{
    const auto within = [](std::int64_t value) {
        constexpr std::int64_t kReach = std::int64_t(1) << 29;
        return int(std::clamp<std::int64_t>(value, -kReach, kReach));
    };
    return QRect(QPoint(within(left), within(top)),
                 QPoint(within(left + width - 1), within(top + height - 1)));
}
