#include "model/document/PictureCache.h"

#include "model/document/BmpCodec.h"

#include <algorithm>
#include <cstring>

QByteArrayView PictureCache::Encoded(const QImage &image)
{
    const qint64 key = image.cacheKey();
    for (Entry &entry : entries_) {
        if (entry.image.cacheKey() == key) {
            entry.used = true;
            return entry.bmp;
        }
    }
    QByteArray bmp;
    BmpCodec::AppendBmp(bmp, image);
    entries_.push_back({image, std::move(bmp)});
    return entries_.back().bmp;
}

QImage PictureCache::Decoded(QByteArrayView bmp)
{
    for (Entry &entry : entries_) {
        if (entry.bmp.size() == bmp.size() &&
            std::memcmp(entry.bmp.constData(), bmp.data(), std::size_t(bmp.size())) == 0) {
            entry.used = true;
            return entry.image;
        }
    }
    QImage image = BmpCodec::DecodeBmp(bmp);
    if (!image.isNull())
        entries_.push_back({image, bmp.toByteArray()});
    return image;
}

void PictureCache::Sweep()
{
    std::erase_if(entries_, [](const Entry &entry) { return !entry.used; });
    for (Entry &entry : entries_)
        entry.used = false;
}

qsizetype PictureCache::MemoryBytes() const
{
    qsizetype bytes = 0;
    for (const Entry &entry : entries_)
        bytes += entry.bmp.capacity();
    return bytes;
}
