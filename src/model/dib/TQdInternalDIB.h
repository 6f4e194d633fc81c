#pragma once

#include "model/dib/DibPixelMemory.h"
#include "model/dib/DibTypes.h"

#include <QImage>
#include <QList>
#include <memory>

class QIODevice;
class DibStreamReader;

// One device-independent bitmap in memory: its header in the 40-byte form, its colour table and its
// pixel data. 1-, 4-, 8- and 24-bit pixels stay in the file's own layout (run-length data stays
// compressed), except that rows are kept from the top down whatever the file's order, so that a
// bitmap can show them where they are; 16- and 32-bit files are widened to 24 bits while they are
// read.
class TQdInternalDIB {
public:
    explicit TQdInternalDIB(bool useFileMapping = false);

    // Reads a bitmap file from the stream's position. Throws an EQdDIBError when the bytes are not
    // a usable bitmap or end too early; pictures beyond the size bounds are refused before their
    // pixels are allocated.
    void LoadFromStream(QIODevice &stream);

    // Throws EQdDIBInvalidDIB for a bit count and compression that make no pixel format.
    DibPixelFormat PixelFormat() const;

    const DibInfoHeader &Header() const { return header_; }
    // Colours-used entries, at most 256, opaque.
    const QList<QRgb> &ColorTable() const { return colorTable_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const uchar *Bits() const { return pixels_.data(); }
    qint64 BitsSize() const { return pixels_.size(); }
    bool UseFileMapping() const { return useFileMapping_; }

    // The picture as a bitmap of the matching depth: a 1-bit one, an 8-bit indexed one for 4- and
    // 8-bit pictures, 24 bits a pixel otherwise. Run-length data is expanded; data that runs out of the
    // picture throws EQdDIBInvalidDIB.
    QImage ToImage() const;

    std::unique_ptr<TQdInternalDIB> Clone(bool useFileMapping) const;

private:
    void readInfoHeader(DibStreamReader &in, qint64 offBits, quint32 masks[3]);
    void readCoreHeader(DibStreamReader &in, qint64 offBits);
    void checkSize() const;
    void readPixels(DibStreamReader &in, qint64 dataSize);
    void readRows(DibStreamReader &in);
    // Where a row of the file is kept, counted from the top.
    qint64 rowInMemory(qint64 rowInFile) const;
    void readBitFields(DibStreamReader &in, const quint32 masks[3]);
    QImage plainImage(QImage::Format format) const;
    QImage runLengthImage(int bitCount) const;
    const uchar *storedRow(int line) const;

    DibInfoHeader header_;
    QList<QRgb> colorTable_;
    DibPixelMemory pixels_;
    int width_ = 0;
    int height_ = 0;
    bool useFileMapping_ = false;
};
