#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct zip;

// A zip archive held in memory, read part by part through libzip. The sizes an archive states are
// never trusted: a part is read until its data ends, and refused once it passes the limit asked for.
class ZipArchive {
public:
    // Raises VkError when the bytes are no zip archive.
    explicit ZipArchive(QByteArray bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // Names are matched without regard to case, as office documents name their parts.
    bool Contains(const QString &name) const;
    // The part's bytes; raises VkError naming the part when it is missing, damaged or larger than
    // maxBytes.
    QByteArray Read(const QString &name, qint64 maxBytes) const;

private:
    struct Discard {
        void operator()(zip *archive) const;
    };

    // libzip reads the bytes where they are, so they live as long as the archive.
    QByteArray bytes_;
    std::unique_ptr<zip, Discard> archive_;
};
