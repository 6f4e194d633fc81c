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

namespace {

// Where the next pixel goes. Runs only ever move forward through the picture, so whatever they
// step over is cleared on the way, and every byte of the rows is written exactly once.
class Cursor {
public:
    explicit Cursor(const Target &target) : target_(target) {}

    uchar *Row(int line) const
    {
        const int stored = target_.bottomUp ? target_.height - 1 - line : line;
        return target_.pixels + qsizetype(stored) * target_.bytesPerLine;
    }

    // Clears from the cursor up to pixel x of line, padding included, and moves there.
    void ClearTo(int line, qsizetype x)
    {
        for (; line_ < line && line_ < target_.height; ++line_, x_ = 0)
            std::memset(Row(line_) + x_, 0, std::size_t(target_.bytesPerLine - x_));
        if (line_ < target_.height) {
            std::memset(Row(line_) + x_, 0, std::size_t(x - x_));
            x_ = x;
        }
    }

    void Written(qsizetype x) { x_ = x; }
    void ClearRest() { ClearTo(target_.height, 0); }

private:
    const Target &target_;
    int line_ = 0;
    qsizetype x_ = 0;
};

} // namespace

bool decode(QByteArrayView data, int bitCount, const Target &target)
{
    const auto *in = reinterpret_cast<const uchar *>(data.data());
    const uchar *const end = in + data.size();
    Cursor cursor(target);
    int x = 0;
    int y = 0;
    while (end - in >= 2) {
        const int count = in[0];
        const uchar value = in[1];
        in += 2;
        if (count > 0) {
            if (y >= target.height || count > target.width - x)
                return false;
            fillRun(cursor.Row(y) + x, count, value, bitCount);
            x += count;
            cursor.Written(x);
            continue;
        }
        switch (value) {
        case kEndOfLine:
            x = 0;
            if (++y >= target.height) {
                cursor.ClearRest();
                return true;
            }
            cursor.ClearTo(y, 0);
            break;
        case kEndOfBitmap: cursor.ClearRest(); return true;
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
            if (y >= target.height) {
                cursor.ClearRest();
                return true;
            }
            cursor.ClearTo(y, x);
            break;
        }
        default: {
            // Absolute pixels follow, padded to a whole 16-bit word.
            const qsizetype bytes = bitCount == 8 ? value : (value + 1) / 2;
            if (end - in < bytes || y >= target.height || value > target.width - x)
                return false;
            copyAbsolute(cursor.Row(y) + x, value, in, bitCount);
            in += std::min<qsizetype>(bytes + (bytes & 1), end - in);
            x += value;
            cursor.Written(x);
            break;
        }
        }
    }
    cursor.ClearRest();
    return true;
}

} // namespace DibRunLength
