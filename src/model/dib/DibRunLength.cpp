#include "model/dib/DibRunLength.h"

#include <algorithm>
#include <cstring>

namespace DibRunLength {

namespace {

enum Escape : uchar { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

template <int BitCount> void fillRun(uchar *out, int count, uchar value)
{
    if constexpr (BitCount == 8) {
        std::memset(out, value, std::size_t(count));
    } else {
        const uchar pair[2] = {uchar(value >> 4), uchar(value & 0x0F)};
        for (int i = 0; i < count; ++i)
            out[i] = pair[i & 1];
    }
}

template <int BitCount> void copyAbsolute(uchar *out, int count, const uchar *in)
{
    if constexpr (BitCount == 8) {
        std::memcpy(out, in, std::size_t(count));
    } else {
        for (int i = 0; i < count; ++i)
            out[i] = (i & 1) ? in[i / 2] & 0x0F : in[i / 2] >> 4;
    }
}

// Where the next pixel goes. Runs, line ends and deltas only ever move it forward through the
// picture, so whatever they step over is cleared on the way, and every byte of the rows, padding
// included, is written exactly once.
class Cursor {
public:
    explicit Cursor(const Target &target)
        : target_(target), step_(target.bottomUp ? -target.bytesPerLine : target.bytesPerLine)
    {
        if (!Done())
            row_ = target.pixels + (target.bottomUp ? qsizetype(target.height - 1) * target.bytesPerLine : 0);
    }

    bool Done() const { return line_ >= target_.height; }
    int Line() const { return line_; }
    int X() const { return x_; }
    // Pixels left in the line; none once the picture is done.
    int Room() const { return Done() ? 0 : target_.width - x_; }

    // Where count pixels at the cursor go; the cursor moves on past them. count is at most Room().
    uchar *Take(int count)
    {
        uchar *at = row_ + x_;
        x_ += count;
        return at;
    }

    // Clears from the cursor up to pixel x of line, padding included, and moves there; a line past
    // the last one clears the rest of the picture.
    void ClearTo(int line, int x)
    {
        for (; line_ < line && !Done(); x_ = 0) {
            std::memset(row_ + x_, 0, std::size_t(target_.bytesPerLine - x_));
            if (++line_ < target_.height)
                row_ += step_;
        }
        if (!Done()) {
            std::memset(row_ + x_, 0, std::size_t(x - x_));
            x_ = x;
        }
    }

    void ClearRest() { ClearTo(target_.height, 0); }

private:
    const Target &target_;
    const qsizetype step_;
    uchar *row_ = nullptr;
    int line_ = 0;
    int x_ = 0;
};

template <int BitCount> bool decodeRuns(const uchar *in, const uchar *end, const Target &target)
{
    Cursor cursor(target);
    while (end - in >= 2) {
        const int count = in[0];
        const uchar value = in[1];
        in += 2;
        if (count > 0) {
            if (count > cursor.Room())
                return false;
            fillRun<BitCount>(cursor.Take(count), count, value);
            continue;
        }
        switch (value) {
        case kEndOfLine:
            cursor.ClearTo(cursor.Line() + 1, 0);
            if (cursor.Done())
                return true;
            break;
        case kEndOfBitmap: cursor.ClearRest(); return true;
        case kDelta: {
            if (end - in < 2)
                return false;
            const int dx = in[0];
            const int dy = in[1];
            in += 2;
            if (dx > cursor.Room() || dy > target.height - cursor.Line())
                return false;
            cursor.ClearTo(cursor.Line() + dy, cursor.X() + dx);
            if (cursor.Done())
                return true;
            break;
        }
        default: {
            // Absolute pixels follow, padded to a whole 16-bit word.
            const qsizetype bytes = BitCount == 8 ? value : (value + 1) / 2;
            if (end - in < bytes || value > cursor.Room())
                return false;
            copyAbsolute<BitCount>(cursor.Take(value), value, in);
            in += std::min<qsizetype>(bytes + (bytes & 1), end - in);
            break;
        }
        }
    }
    cursor.ClearRest();
    return true;
}

} // namespace

bool decode(QByteArrayView data, int bitCount, const Target &target)
{
    const auto *in = reinterpret_cast<const uchar *>(data.data());
    const uchar *const end = in + data.size();
    return bitCount == 8 ? decodeRuns<8>(in, end, target) : decodeRuns<4>(in, end, target);
}

} // namespace DibRunLength
