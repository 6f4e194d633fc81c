#pragma once

#include <QImage>
#include <QtGlobal>
#include <memory>

// Memory for a picture's pixels, from the heap or from an anonymous shared mapping, as the picture
// asks.
class DibPixelMemory {
public:
    // Memory its owner fills completely before reading it need not be cleared first: clearing a
    // reused heap block costs as much as the copy that then overwrites it.
    enum class Contents { Zeroed, Overwritten };

    DibPixelMemory() = default;
    // Throws EQdDIBOutOfResources when the memory cannot be had.
    DibPixelMemory(qint64 size, bool useFileMapping, Contents contents = Contents::Zeroed);

    // A bitmap that shows the memory as it is, rows of bytesPerLine from the first byte, without a
    // copy: the memory lives on until the bitmap and this are both gone, and the bitmap copies it
    // before anything writes to it. A null image when the memory is too small for the bitmap.
    QImage SharedImage(int width, int height, qsizetype bytesPerLine, QImage::Format format) const;

    uchar *data() { return block_.get(); }
    const uchar *data() const { return block_.get(); }
    qint64 size() const { return size_; }
    bool isMapped() const { return mapped_; }

private:
    struct Release {
        qint64 size;
        bool mapped;
        void operator()(uchar *block) const;
    };

    std::shared_ptr<uchar> block_;
    qint64 size_ = 0;
    bool mapped_ = false;
};
