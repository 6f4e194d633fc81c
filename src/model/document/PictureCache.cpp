#include "model/document/PictureCache.h"

#include "model/picture/BmpCodec.h"

#include <algorithm>
#include <cstring>

namespace {

// Whether the BMP file keeps every pixel of pictures of this format exactly, so that the picture
// is what reading the file gives; any other (transparency, a palette the file cannot hold) is
// read back from the file once.
bool keptExactly(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_RGB888 ||
           format == QImage::Format_BGR888;
}

} // namespace

PictureCache::Entry *PictureCache::findByKey(qint64 key)
{
    for (Entry &entry : entries_) {
        if (std::find(entry.imageKeys.cbegin(), entry.imageKeys.cend(), key) != entry.imageKeys.cend())
            return &entry;
    }
    return nullptr;
}

PictureCache::Entry *PictureCache::findByContent(const QByteArray &bmp)
{
    // Files of the same size differ within their first rows as a rule, so a miss costs little.
    for (Entry &entry : entries_) {
        const QByteArray &held = entry.picture->bmp;
        if (held.size() == bmp.size() &&
            std::memcmp(held.constData(), bmp.constData(), std::size_t(bmp.size())) == 0)
            return &entry;
    }
    return nullptr;
}

std::shared_ptr<const StoredPicture> PictureCache::Share(const QImage &image)
{
    const qint64 key = image.cacheKey();
    if (Entry *entry = findByKey(key))
        return entry->picture;
    QByteArray bmp;
    BmpCodec::AppendBmp(bmp, image);
    if (Entry *entry = findByContent(bmp)) {
        entry->imageKeys.push_back(key);
        // The newer image stands for the picture, so that an older one the card has let go of is
        // not kept alive for it.
        if (keptExactly(image.format()))
            entry->picture->image = image;
        return entry->picture;
    }
    // The file is kept for as long as any step holds it, so it gives back what its growth reserved.
    bmp.squeeze();
    auto picture = std::make_shared<StoredPicture>();
    picture->image = keptExactly(image.format()) ? image : BmpCodec::DecodeBmp(bmp);
    picture->bmp = std::move(bmp);
    entries_.push_back({picture, {key, picture->image.cacheKey()}});
    return picture;
}

void PictureCache::Sweep()
{
    std::erase_if(entries_, [](const Entry &entry) { return entry.picture.use_count() == 1; });
}

qsizetype PictureCache::MemoryBytes() const
{
    qsizetype bytes = 0;
    for (const Entry &entry : entries_) {
        bytes += entry.picture->bmp.capacity();
        if (entry.picture->image.isDetached())
            bytes += entry.picture->image.sizeInBytes();
    }
    return bytes;
}
