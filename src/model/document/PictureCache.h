#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>
#include <vector>

// A picture as card documents store it: its BMP file, and the picture reading that file gives.
struct StoredPicture {
    QByteArray bmp;
    QImage image;
};

// A picture left out of a document's bytes: its BMP file belongs at `at`, where the bytes hold
// only the lengths in front of it.
struct PictureSplice {
    qsizetype at = 0;
    std::shared_ptr<const StoredPicture> picture;
};

// Holds each picture that card snapshots and copies refer to once, however many of them hold it.
// A picture is known by its image's cache key, which changes whenever its pixels do, and, for an
// image not seen before, by the content of its BMP file, so that a picture loaded again or brought
// back by undo is not held twice. The holders own the pictures; Sweep forgets the ones nobody holds.
class PictureCache {
public:
    // The stored form of image (which must not be null), encoded on first use.
    std::shared_ptr<const StoredPicture> Share(const QImage &image);
    // Forgets the pictures that only the cache still holds.
    void Sweep();

    // The BMP files held, and the pictures that no card shares.
    qsizetype MemoryBytes() const;

private:
    struct Entry {
        std::shared_ptr<StoredPicture> picture;
        // The cache keys of the images known to give this file.
        std::vector<qint64> imageKeys;
    };

    Entry *findByKey(qint64 key);
    Entry *findByContent(const QByteArray &bmp);

    std::vector<Entry> entries_;
};
