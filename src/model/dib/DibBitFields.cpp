#include "model/dib/DibBitFields.h"

#include "model/dib/EQdDIBError.h"

#include <QtEndian>
#include <bit>

DibBitFields::DibBitFields(quint32 redMask, quint32 greenMask, quint32 blueMask)
{
    if (redMask == 0 || greenMask == 0 || blueMask == 0)
        throw EQdDIBInvalidDIB("TQdInternalDIB.LoadFromStream: Invalid Masks");
    red_ = channel(redMask);
    green_ = channel(greenMask);
    blue_ = channel(blueMask);
}

DibBitFields DibBitFields::defaultFor(int bitCount)
{
    return bitCount == 16 ? DibBitFields(0x7C00, 0x03E0, 0x001F) : DibBitFields(0xFF0000, 0x00FF00, 0x0000FF);
}

DibBitFields::Channel DibBitFields::channel(quint32 mask)
{
    Channel result;
    result.mask = mask;
    result.shift = (31 - std::countl_zero(mask)) - 7;
    const quint32 maximum = result.shift >= 0 ? mask >> result.shift : mask << -result.shift;
    for (quint32 value = 0; value <= maximum; ++value)
        result.scale[value] = uchar(value * 255 / maximum);
    return result;
}

bool DibBitFields::isPlain32() const
{
    return red_.mask == 0xFF0000 && green_.mask == 0x00FF00 && blue_.mask == 0x0000FF;
}

void DibBitFields::convertRow(const uchar *source, int bitCount, int width, uchar *target) const
{
    if (bitCount == 32 && isPlain32()) {
        for (int x = 0; x < width; ++x, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
        return;
    }
    const int step = bitCount / 8;
    for (int x = 0; x < width; ++x, source += step, target += 3) {
        const quint32 pixel =
            bitCount == 16 ? qFromLittleEndian<quint16>(source) : qFromLittleEndian<quint32>(source);
        target[0] = blue_.value(pixel);
        target[1] = green_.value(pixel);
        target[2] = red_.value(pixel);
    }
}
