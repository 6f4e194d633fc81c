#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <span>

// The names that card documents use for enumeration members, set members, colours, cursors and
// character sets. The writer and the reader both look values up here, so the two cannot disagree.
namespace CardStreamNames {

// A value with a name of its own in documents.
struct NamedValue {
    std::int32_t value;
    const char *name;
};

// Members of an enumeration or a set, by ordinal.
using MemberNames = std::span<const char *const>;

extern const MemberNames kDrawModes;
extern const MemberNames kGridStyles;
extern const MemberNames kPenStyles;
extern const MemberNames kAligns;
extern const MemberNames kDragModes;
extern const MemberNames kFontPitches;
extern const MemberNames kFontStyles;
extern const MemberNames kTextAlignments;
extern const MemberNames kQrLevels;
extern const MemberNames kCardOrientations;

extern const std::span<const NamedValue> kColors;
extern const std::span<const NamedValue> kCursors;
extern const std::span<const NamedValue> kCharsets;

// The first name of a value in a table, or none.
const char *NameOf(std::span<const NamedValue> table, std::int32_t value);
// The value of a name (letter case ignored, as documents from other tools may differ), or none.
std::optional<std::int32_t> ValueOf(std::span<const NamedValue> table, QByteArrayView name);
// The ordinal of a member name (letter case ignored), or none.
std::optional<int> OrdinalOf(MemberNames members, QByteArrayView name);

} // namespace CardStreamNames
