#include "FuzzSupport.h"
#include "model/merge/MergeFields.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/VkError.h"

#include <cstdlib>

// A merge table from any bytes is read or refused with a message; what is read fills a field line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const MergeTable table =
            MergeTableReader::Read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (int record = 0; record < table.RecordCount(); ++record) {
            if (table.Record(record).size() != table.Columns().size())
                std::abort();
            MergeFields::Fill({QStringLiteral("{{%1}}").arg(table.Columns().value(0))}, table, record);
        }
    } catch (const VkError &) {
    }
    return 0;
}
