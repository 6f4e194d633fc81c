#pragma once

#include <cstdint>

// What a card object is. Documents do not store it: reading derives it from the stored properties,
// and the commands that make or change an object set it.
enum class CardObjectKind : std::uint8_t {
    Text,
    Shape,
    Picture,
    QrCode,        // a picture of modules that keeps the text it encodes
    VectorPicture, // a picture drawn from the SVG file it was made from
};
