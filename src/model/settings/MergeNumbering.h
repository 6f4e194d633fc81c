#pragma once

#include "model/platform/IniFile.h"
#include "model/settings/CardNumberingSettings.h"

#include <cstdint>
#include <optional>

class TVkVellumPanel;

// How one merge of a card counts its cards in the card's {{連番}} fields: on from the number the
// last merge kept in VELLUMAX.INI when asked, from each field's start otherwise.
class MergeNumbering {
public:
    MergeNumbering(const TVkVellumPanel &card, bool continues);

    // The cards to count as numbered before this run's first.
    std::int64_t CardsBefore() const { return cardsBefore_; }
    // Keeps the number this run's last card showed, for the next run to continue from. Returns
    // false when the settings file could not be written.
    bool Keep(std::int64_t cards);

private:
    IniFile ini_;
    CardNumberingSettings kept_;
    std::optional<std::int64_t> start_;
    std::int64_t cardsBefore_ = 0;
};
