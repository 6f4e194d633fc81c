#pragma once

#include <QtGlobal>
#include <array>

// Turns 16- and 32-bit pixels with colour masks into 24-bit blue-green-red pixels. Each channel is
// moved so that its mask's highest bit lands on bit 7, then scaled so that a full channel gives 255.
class DibBitFields {
public:
    // Throws EQdDIBInvalidDIB when a mask is 0.
    DibBitFields(quint32 redMask, quint32 greenMask, quint32 blueMask);

    // The masks a file without its own gives: 5-5-5 for 16 bits, 8-8-8 for 32.
    static DibBitFields defaultFor(int bitCount);

    void convertRow(const uchar *source, int bitCount, int width, uchar *target) const;

private:
    struct Channel {
        quint32 mask = 0;
        int shift = 0; // right; negative for left
        std::array<uchar, 256> scale{};
        uchar value(quint32 pixel) const
        {
            const quint32 bits = pixel & mask;
            return scale[shift >= 0 ? bits >> shift : bits << -shift];
        }
    };

    static Channel channel(quint32 mask);
    bool isPlain32() const;

    Channel red_, green_, blue_;
};
