#include "FuzzSupport.h"
#include "model/picture/SvgReferences.h"

#include <cstdlib>

// SVG bytes come from cards, picture files and the clipboard. Whatever they are, what is left after
// taking out the outside references has none left to take out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray svg(reinterpret_cast<const char *>(data), qsizetype(size));
    const SvgReferences cleaned = WithoutOutsideReferences(svg);
    if (cleaned.Removed > 0 && WithoutOutsideReferences(cleaned.Svg).Removed != 0)
        std::abort();
    return 0;
}
