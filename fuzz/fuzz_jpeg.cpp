#include "FuzzSupport.h"
#include "model/picture/PictureLoader.h"

#include <cstdlib>

// Picture files come from anywhere; a JPEG that libjpeg rejects must come back as a null picture.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QImage image = LoadPictureFile(WriteFuzzFile(data, size, QStringLiteral("picture.jpg")));
    if (!image.isNull() && (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide ||
                            (image.depth() != 24 && image.format() != QImage::Format_Indexed8)))
        std::abort();
    return 0;
}
