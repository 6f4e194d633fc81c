#include "FuzzSupport.h"
#include "model/merge/VCardTableReader.h"
#include "model/platform/VkError.h"

#include <cstdlib>

// An address book from any bytes is read or refused with a message; every record fills every column.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const MergeTable table =
            VCardTableReader::Read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (int record = 0; record < table.RecordCount(); ++record)
            if (table.Record(record).size() != table.Columns().size())
                std::abort();
    } catch (const VkError &) {
    }
    return 0;
}
