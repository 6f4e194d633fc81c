#include "FuzzSupport.h"
#include "model/document/PictureCache.h"
#include "model/picture/BmpCodec.h"

#include <cstdlib>

// The pictures inside card documents are BMP files of any kind, and the document's bytes may come
// from anywhere. A picture that decodes stays within the size limits, is written back in its own
// format and decodes again to the same pixels, also through the cache that undo steps share.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = BmpCodec::DecodeBmp(bytes);
    if (image.isNull())
        return 0;
    if (image.width() > BmpCodec::kMaxSide || image.height() > BmpCodec::kMaxSide)
        std::abort();
    QByteArray written;
    BmpCodec::AppendBmp(written, image);
    const QImage again = BmpCodec::DecodeBmp(written);
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    if (again.convertToFormat(QImage::Format_RGB32) != pixels)
        std::abort();
    PictureCache cache;
    const auto stored = cache.Share(again);
    if (BmpCodec::DecodeBmp(stored->bmp).convertToFormat(QImage::Format_RGB32) != pixels ||
        stored->image.convertToFormat(QImage::Format_RGB32) != pixels)
        std::abort();
    return 0;
}
