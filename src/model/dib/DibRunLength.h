#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Expands 8- and 4-bit run-length data into one byte per pixel. Pixels the data skips (by a line
// end, a delta or an early end of bitmap) are set to index 0, so the target need not be cleared
// beforehand.
namespace DibRunLength {

struct Target {
    uchar *pixels = nullptr;
    qsizetype bytesPerLine = 0;
    int width = 0;
    int height = 0;
    bool bottomUp = true;
};

// How the runs of 8-bit data are written: with the C library's fill and copy, or with 64-byte
// stores masked to each run's length, which only some processors have.
enum class Stores { Library, Masked };

// Masked where this processor has them.
Stores fastestStores();

// False when a run or a delta would leave the picture, or the data ends inside an escape; the
// data may end without an end-of-bitmap mark.
// Masked stores fall back to the library's where the processor lacks them.
bool decode(QByteArrayView data, int bitCount, const Target &target, Stores stores = fastestStores());

} // namespace DibRunLength
