#include "FuzzSupport.h"
#include "model/picture/PictureAlpha.h"
#include "model/picture/PictureLoader.h"

#include <cstdlib>

// PNG, GIF, WebP, TIFF and SVG files come from anywhere: the first byte picks the reader, the rest
// is the file. A picture that loads stays within the limits and keeps alpha only where it is used.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const QString names[] = {QStringLiteral("picture.png"), QStringLiteral("picture.gif"),
                                    QStringLiteral("picture.webp"), QStringLiteral("picture.tif"),
                                    QStringLiteral("picture.svg")};
    const QString &name = names[data[0] % std::size(names)];
    const QImage image = LoadPictureFile(WriteFuzzFile(data + 1, size - 1, name));
    if (image.isNull())
        return 0;
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        std::abort();
    if (PictureWithAlphaWhereUsed(image).hasAlphaChannel() != image.hasAlphaChannel())
        std::abort();
    return 0;
}
