#include "model/dib/DibRunLength.h"

#include <algorithm>
#include <cstring>

namespace DibRunLength {

namespace {

enum Escape : uchar { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

void fillRun(uchar *out, int count, uchar value, int bitCount)
{
    if (bitCount == 8) {
        std::memset(out, value, std::size_t(count));
        return;
    }
    const uchar pair[2] = {uchar(value >> 4), uchar(value & 0x0F)};
    for (int i = 0; i < count; ++i)
        out[i] = pair[i & 1];
}

void copyAbsolute(uchar *out, int count, const uchar *in, int bitCount)
{
    if (bitCount == 8) {
        std::memcpy(out, in, std::size_t(count));
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = (i & 1) ? in[i / 2] & 0x0F : in[i / 2] >> 4;
}

} // namespace

bool decode(QByteArrayView data, int bitCount, const Target &target)
{
    const auto *in = reinterpret_cast<const uchar *>(data.data());
    const uchar *const end = in + data.size();
    int x = 0;
    int y = 0;
    const auto row = [&target](int line) {
        const int stored = target.bottomUp ? target.height - 1 - line : line;
        return target.pixels + qsizetype(stored) * target.bytesPerLine;
    };
    while (end - in >= 2) {
        const int count = in[0];
        const uchar value = in[1];
        in += 2;
        if (count > 0) {
            if (y >= target.height || count > target.width - x)
                return false;
            fillRun(row(y) + x, count, value, bitCount);
            x += count;
            continue;
        }
        switch (value) {
        case kEndOfLine:
            x = 0;
            if (++y >= target.height)
                return true;
            break;
        case kEndOfBitmap: return true;
        case kDelta: {
            if (end - in < 2)
                return false;
            const int dx = in[0];
            const int dy = in[1];
            in += 2;
            if (dx > target.width - x || dy > target.height - y)
                return false;
            x += dx;
            y += dy;
            if (y >= target.height)
                return true;
            break;
        }
        default: {
            // Absolute pixels follow, padded to a whole 16-bit word.
            const qsizetype bytes = bitCount == 8 ? value : (value + 1) / 2;
            if (end - in < bytes || y >= target.height || value > target.width - x)
                return false;
            copyAbsolute(row(y) + x, value, in, bitCount);
            in += std::min<qsizetype>(bytes + (bytes & 1), end - in);
            x += value;
            break;
        }
        }
    }
    return true;
}

} // namespace DibRunLength
