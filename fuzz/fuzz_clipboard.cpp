#include "FuzzSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/document/CardStream.h"
#include "model/edit/ObjectClipboard.h"

#include <QMimeData>

// Whatever another program puts on the clipboard is pasted: card objects in the program's own
// format, a picture or text. Objects that are taken must write back and read again the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *format : {kCardObjectsMimeType, "image/png", "text/plain"}) {
        QMimeData mime;
        mime.setData(QLatin1String(format), bytes);
        const ClipboardContent content = ReadClipboardContent(mime);
        std::vector<TVkDragLabel *> objects;
        for (const auto &object : content.Objects)
            objects.push_back(object.get());
        if (!objects.empty() && ReadObjectEntries(WriteObjectEntries(objects)).size() != objects.size())
            __builtin_trap();
    }
    return 0;
}
