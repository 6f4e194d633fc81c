#include "FuzzSupport.h"
#include "model/merge/XlsxTableReader.h"
#include "model/platform/VkError.h"

#include <array>
#include <cstdlib>
#include <zip.h>

namespace {

// The parts a workbook is read from, in the order the fuzzer's bytes give them.
const std::array<const char *, 5> kParts = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                            "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                            "xl/styles.xml"};

// A zip archive of stored parts, so that the fuzzer's bytes reach the XML of a workbook; mutated
// archive bytes seldom get past the archive's checksums.
QByteArray zipOfParts(const QList<QByteArray> &parts)
{
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
    for (std::size_t index = 0; index < kParts.size() && index < std::size_t(parts.size()); ++index) {
        const QByteArray &part = parts[qsizetype(index)];
        zip_source_t *source = zip_source_buffer(archive, part.constData(), zip_uint64_t(part.size()), 0);
        const zip_int64_t added = zip_file_add(archive, kParts[index], source, 0);
        zip_set_file_compression(archive, zip_uint64_t(added), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        std::abort();
    QByteArray bytes;
    zip_source_open(buffer);
    char chunk[4096];
    zip_int64_t count;
    while ((count = zip_source_read(buffer, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, qsizetype(count));
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
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
