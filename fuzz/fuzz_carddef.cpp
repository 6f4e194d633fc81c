#include "FuzzSupport.h"
#include "model/sheet/CardDefinitions.h"

#include <cstdlib>
#include <cstring>

// Card sheet lines come from a file the user may have edited by hand. Whatever a line holds, the
// record written back from it must read back as the same record
// (line ends in a name are written as spaces).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char *>(data), qsizetype(size));
    const TCardDef first = ParseCardDef(line);
    const QByteArray written = FormatCardDef(first);
    if (written.contains('\r') || written.contains('\n'))
        std::abort();
    const TCardDef second = ParseCardDef(written);
    QByteArray name = CardDefNameBytes(first);
    name.replace('\r', ' ').replace('\n', ' ');
    if (name != CardDefNameBytes(second) || !SameCardLayout(first, second) || first.System != second.System ||
        FormatCardDef(second) != written)
        std::abort();
    (void)CardDefName(first);
    return 0;
}
