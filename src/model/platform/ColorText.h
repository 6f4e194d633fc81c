#pragma once

#include "model/platform/TColor.h"

#include <QString>
#include <optional>
#include <span>

// A colour written as text, the way the settings file and card documents name colours: "clBlack" for
// a colour with a name, "$00C0FFEE" for any other value.
struct NamedColor {
    const char *name;
    TColor value;
};

// The named colours: the sixteen standard colours, the system colours in index order, and clNone.
std::span<const NamedColor> NamedColors();

// The name of a colour, or an empty text when it has none.
QString ColorName(TColor color);
std::optional<TColor> ColorFromName(const QString &name);

QString ColorToText(TColor color);

// Accepts a colour name (in any letter case), a decimal integer or "$" followed by hexadecimal
// digits; anything else has no colour.
std::optional<TColor> TextToColor(const QString &text);
