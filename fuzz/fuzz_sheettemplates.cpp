#include "FuzzSupport.h"
#include "model/sheet/LabelsListReader.h"
#include "model/sheet/SheetTemplateReader.h"

#include <cstdlib>

namespace {

// Whatever a file holds, a sheet it gives has a layout the sheet drawing can take.
void checkSheets(const SheetReadResult &result)
{
    if (result.Sheets.size() > std::size_t(kMostSheetsInFile))
        std::abort();
    for (const LibrarySheet &sheet : result.Sheets) {
        if (!LibrarySheetIsSound(sheet) || sheet.Product.isEmpty())
            std::abort();
    }
}

} // namespace

// Template files and label lists are other programs' files, or anyone's: both readers take any
// bytes without expanding entities, running long or keeping a sheet that cannot be laid out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkSheets(ReadSheetTemplates(bytes, QStringLiteral("fuzz.xml")));
    checkSheets(ReadLabelsList(bytes, QStringLiteral("labels.xml")));
    return 0;
}
