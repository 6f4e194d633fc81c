#include "FuzzSupport.h"
#include "model/merge/OdsTableReader.h"
#include "model/platform/VkError.h"

#include <cstdlib>

// A spreadsheet's content from any bytes is read or refused with a message, stored beside the type
// the reader looks for first. Bytes of a zip archive are read as they are.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const MergeTable table = OdsTableReader::Read(
            input.startsWith("PK\x03\x04")
                ? input
                : StoredZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                             {"content.xml", input}}));
        for (int record = 0; record < table.RecordCount(); ++record)
            if (table.Record(record).size() != table.Columns().size())
                std::abort();
    } catch (const VkError &) {
    }
    return 0;
}
