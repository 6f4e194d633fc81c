#include "FuzzSupport.h"
#include "model/dib/EQdDIBError.h"
#include "model/dib/TQdDIB.h"

#include <QBuffer>
#include <QPainter>
#include <cstdlib>

// Device-independent bitmaps declare sizes, colour tables, masks, offsets and run-length codes
// that the bytes may not back up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    TQdDIB picture;
    try {
        picture.LoadFromStream(buffer);
        QImage image;
        picture.AssignTo(image);
        if (image.width() > kDibMaxSide || image.height() > kDibMaxSide)
            std::abort();
        QImage canvas(16, 16, QImage::Format_RGB32);
        QPainter painter(&canvas);
        picture.Draw(painter, canvas.rect());
    } catch (const EQdDIBError &) {
        // Refusing the bytes is the expected outcome for most inputs.
    }
    return 0;
}
