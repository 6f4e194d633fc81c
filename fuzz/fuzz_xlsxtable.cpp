#include "FuzzSupport.h"
#include "model/merge/XlsxTableReader.h"
#include "model/platform/VkError.h"

#include <array>
#include <cstdlib>

namespace {

// The parts a workbook is read from, in the order the fuzzer's bytes give them.
const std::array<const char *, 5> kParts = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                            "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                            "xl/styles.xml"};

// The parts the fuzzer's bytes give, in order.
QByteArray zipOfParts(const QList<QByteArray> &parts)
{
    std::vector<std::pair<const char *, QByteArray>> named;
    for (std::size_t index = 0; index < kParts.size() && index < std::size_t(parts.size()); ++index)
        named.emplace_back(kParts[index], parts[qsizetype(index)]);
    return StoredZip(named);
}

} // namespace

// A workbook from any bytes is read or refused with a message. Bytes of a zip archive are read as
// they are; any other bytes are the workbook's parts, separated by NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray bytes = XlsxTableReader::IsZipArchive(input) ? input : zipOfParts(input.split('\0'));
    try {
        const MergeTable table = XlsxTableReader::Read(bytes);
        for (int record = 0; record < table.RecordCount(); ++record)
            if (table.Record(record).size() != table.Columns().size())
                std::abort();
    } catch (const VkError &) {
    }
    return 0;
}
