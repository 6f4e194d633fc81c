#include "FuzzSupport.h"
#include "model/picture/PictureLoader.h"

#include <cstdlib>

// Bitmap headers declare sizes, palettes and offsets that the file may not back up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = WriteFuzzFile(data, size, QStringLiteral("picture.bmp"));
    (void)BitmapFileDepth(path);
    const QImage image = LoadPictureFile(path);
    if (!image.isNull() && (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide))
        std::abort();
    return 0;
}
