#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <vector>

// Remembers the BMP bytes of the pictures on the card, so that writing the same picture again
// (every undo snapshot writes every picture) copies bytes instead of encoding pixels, and reading
// those bytes back (every undo and redo) gives the same picture without decoding. A picture is
// known by its cache key, which changes whenever its pixels do.
class PictureCache {
public:
    // The BMP file of image, encoded on first use.
    QByteArrayView Encoded(const QImage &image);
    // The picture of a BMP file, decoded on first use; null when the bytes are not a picture.
    QImage Decoded(QByteArrayView bmp);
    // Forgets the pictures not used since the last call, so the cache holds only the card's own.
    void Sweep();

    qsizetype MemoryBytes() const;

private:
    struct Entry {
        QImage image;
        QByteArray bmp;
        bool used = true;
    };
    std::vector<Entry> entries_;
};
