#pragma once

#include <cstdint>

// Error correction of a QR code: about 7, 15, 25 and 30 per cent of the code may be lost. Card
// documents store the ordinal.
enum TQrLevel : std::uint8_t { qlLow, qlMedium, qlQuartile, qlHigh };
// The light margin round a QR code that readers need, in modules.
constexpr int kQrStandardQuietZone = 4;
