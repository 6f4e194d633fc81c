#include "model/dib/DibRunLength.h"

#include <algorithm>
#include <cstring>

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace DibRunLength {

namespace {

enum Escape : uchar { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

// The C library's own fill and copy, quick on any processor.
struct LibraryStores {
    static void fill(uchar *out, int count, uchar value) { std::memset(out, value, std::size_t(count)); }
    static void copy(uchar *out, int count, const uchar *in) { std::memcpy(out, in, std::size_t(count)); }
};

#ifdef __x86_64__
// A piece of run-length data is at most 255 bytes: it is written in whole 64-byte stores and a
// last one masked to its length, so the branch on its length is taken at most three times. No
// store is made with an empty mask: on some processors such a store costs as much as a cache miss.
// Bytes masked off are neither read nor written, so a piece at the end of the data or of the
// bitmap touches nothing past it.
struct MaskedStores {
    [[gnu::target("avx512bw,bmi2")]] static __mmask64 rest(int count, int at)
    {
        return _bzhi_u64(~0ULL, unsigned(count - at));
    }

    [[gnu::target("avx512bw,bmi2")]] static void fill(uchar *out, int count, uchar value)
    {
        const __m512i bytes = _mm512_set1_epi8(char(value));
        int at = 0;
        for (; count - at > 64; at += 64)
            _mm512_storeu_si512(out + at, bytes);
        _mm512_mask_storeu_epi8(out + at, rest(count, at), bytes);
    }

    [[gnu::target("avx512bw,bmi2")]] static void copy(uchar *out, int count, const uchar *in)
    {
        int at = 0;
        for (; count - at > 64; at += 64)
            _mm512_storeu_si512(out + at, _mm512_loadu_si512(in + at));
        const __mmask64 mask = rest(count, at);
        _mm512_mask_storeu_epi8(out + at, mask, _mm512_maskz_loadu_epi8(mask, in + at));
    }
};
#endif

template <int BitCount, class Stores> void fillRun(uchar *out, int count, uchar value)
{
    if constexpr (BitCount == 8) {
        Stores::fill(out, count, value);
    } else {
        const uchar pair[2] = {uchar(value >> 4), uchar(value & 0x0F)};
        for (int i = 0; i < count; ++i)
            out[i] = pair[i & 1];
    }
}

template <int BitCount, class Stores> void copyAbsolute(uchar *out, int count, const uchar *in)
{
    if constexpr (BitCount == 8) {
        Stores::copy(out, count, in);
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
            clear(target_.bytesPerLine - x_);
            if (++line_ < target_.height)
                row_ += step_;
        }
        if (!Done()) {
            clear(x - x_);
            x_ = x;
        }
    }

    void ClearRest() { ClearTo(target_.height, 0); }

private:
    // Most lines end where their runs do, with nothing left to clear; the C library's fill would
    // still make an empty store there, which costs some processors dearly.
    void clear(qsizetype count)
    {
        if (count > 0)
            std::memset(row_ + x_, 0, std::size_t(count));
    }

    const Target &target_;
    const qsizetype step_;
    uchar *row_ = nullptr;
    int line_ = 0;
    int x_ = 0;
};

template <int BitCount, class Stores> bool decodeRuns(const uchar *in, const uchar *end, const Target &target)
{
    Cursor cursor(target);
    while (end - in >= 2) {
        const int count = in[0];
        const uchar value = in[1];
        in += 2;
        if (count > 0) {
            if (count > cursor.Room())
                return false;
            fillRun<BitCount, Stores>(cursor.Take(count), count, value);
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
            copyAbsolute<BitCount, Stores>(cursor.Take(value), value, in);
            in += std::min<qsizetype>(bytes + (bytes & 1), end - in);
            break;
        }
        }
    }
    cursor.ClearRest();
    return true;
}

#ifdef __x86_64__
// Flattened, so that the masked stores are written into the loop rather than called from it.
[[gnu::target("avx512bw,bmi2"), gnu::flatten]] bool decodeMasked(const uchar *in, const uchar *end,
                                                                 const Target &target)
{
    return decodeRuns<8, MaskedStores>(in, end, target);
}
#endif

} // namespace

Stores fastestStores()
{
#ifdef __x86_64__
    static const bool masked = __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("bmi2");
    if (masked)
        return Stores::Masked;
#endif
    return Stores::Library;
}

bool decode(QByteArrayView data, int bitCount, const Target &target, Stores stores)
{
    const auto *in = reinterpret_cast<const uchar *>(data.data());
    const uchar *const end = in + data.size();
    if (bitCount == 4)
        return decodeRuns<4, LibraryStores>(in, end, target);
#ifdef __x86_64__
    if (stores == Stores::Masked && fastestStores() == Stores::Masked)
        return decodeMasked(in, end, target);
#endif
    return decodeRuns<8, LibraryStores>(in, end, target);
}

} // namespace DibRunLength
