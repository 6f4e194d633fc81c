#include "cli/BatchExport.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>

void ExportBatchCard(const BatchCard &card, const BatchOptions &options, const FieldValues *record)
{
    const std::optional<PictureFileType> type = PictureFileTypeOfName(options.OutputFile);
    if (!type)
        throw VkError(QCoreApplication::translate(
                          "BatchExport", "%1 は .png、.jpg、.jpeg、.bmp、.dib のどれかの名前にしてください")
                          .arg(options.OutputFile));
    const PictureExport &picture = options.Picture;
    if (picture.Back && !card.HasBackSide())
        throw VkError(
            QCoreApplication::translate("BatchExport", "%1 には裏面がありません").arg(options.CardFile));
    const TVkVellumPanel &side = picture.Back ? card.Back() : card.Surface();
    picture.Write(options.OutputFile, *type, picture.Render(side, card.CardDef(), record));
}
