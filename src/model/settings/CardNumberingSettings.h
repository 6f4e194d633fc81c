#pragma once

#include <cstdint>
#include <optional>

class IniFile;

// The number the last card of a merge showed in its first card-counting field ({{連番:START}}), as
// VELLUMAX.INI keeps it ([Numbering] Last=N), so that a later merge asked to continue counts on
// from it. A file without the key reads as no merge counted yet.
struct CardNumberingSettings {
    std::optional<std::int64_t> Last;

    // The cards to count as already numbered when a merge of a card whose first counting field
    // starts at start continues: none for a card without one, or when nothing was kept.
    std::int64_t CardsBefore(std::optional<std::int64_t> start) const;
    // Keeps the number the last of cards shows, counted from cardsBefore; nothing for a card
    // without a counting field or a merge that printed no card.
    void Keep(std::optional<std::int64_t> start, std::int64_t cardsBefore, std::int64_t cards);

    void Load(const IniFile &ini);
    // Returns false when the file could not be written.
    bool Save(IniFile &ini) const;
};
