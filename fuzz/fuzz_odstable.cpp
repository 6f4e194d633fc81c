#include "FuzzSupport.h"
#include "model/merge/OdsTableReader.h"
#include "model/platform/VkError.h"

#include <cstdlib>
#include <zip.h>

namespace {

// A spreadsheet archive holding the bytes as its content, stored, so that the fuzzer's bytes reach
// the XML; mutated archive bytes seldom get past the archive's checksums.
QByteArray spreadsheetOf(const QByteArray &content)
{
    static const QByteArray type = "application/vnd.oasis.opendocument.spreadsheet";
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
    for (const auto &[name, bytes] : {std::pair{"mimetype", &type}, std::pair{"content.xml", &content}}) {
        zip_source_t *source = zip_source_buffer(archive, bytes->constData(), zip_uint64_t(bytes->size()), 0);
        const zip_int64_t added = zip_file_add(archive, name, source, 0);
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

// A spreadsheet's content from any bytes is read or refused with a message. Bytes of a zip archive
// are read as they are.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const MergeTable table =
            OdsTableReader::Read(input.startsWith("PK\x03\x04") ? input : spreadsheetOf(input));
        for (int record = 0; record < table.RecordCount(); ++record)
            if (table.Record(record).size() != table.Columns().size())
                std::abort();
    } catch (const VkError &) {
    }
    return 0;
}
