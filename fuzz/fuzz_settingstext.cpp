#include "FuzzSupport.h"
#include "model/platform/ColorText.h"
#include "model/platform/Cp932.h"
#include "model/platform/LineListText.h"

#include <cstdlib>

// The text dialog's lines and the dialogs' colours come back from settings values that anyone may
// have edited. Whatever the value, what reading gives must survive being written and read again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString value = Cp932::Decode(QByteArrayView(data, qsizetype(size)));
    const QStringList lines = TextToLineList(value);
    if (TextToLineList(LineListToText(lines)) != lines)
        std::abort();
    if (const std::optional<TColor> color = TextToColor(value)) {
        if (TextToColor(ColorToText(*color)) != color)
            std::abort();
    }
    return 0;
}
