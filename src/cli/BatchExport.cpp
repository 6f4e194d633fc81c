#include "cli/BatchExport.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "model/picture/PictureFile.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardRenderer.h"

void ExportBatchCard(const BatchCard &card, const BatchOptions &options)
{
    const std::optional<PictureFileType> type = PictureFileTypeOfName(options.OutputFile);
    if (!type)
        throw VkError(QStringLiteral("%1 は .png、.jpg、.jpeg、.bmp、.dib のどれかの名前にしてください")
                          .arg(options.OutputFile));
    if (options.ExportBack && !card.HasBackSide())
        throw VkError(QStringLiteral("%1 には裏面がありません").arg(options.CardFile));
    const TVkVellumPanel &side = options.ExportBack ? card.Back() : card.Surface();
    QImage picture;
    if (options.Dpi)
        picture = RenderCardAtDpi(side, card.CardDef(), *options.Dpi);
    else
        RenderCardToBitmap(side, card.CardDef(), picture, side.Width(), side.Height());
    const int dpi = options.Dpi.value_or(kCardSurfaceDpi);
    WritePictureFile(options.OutputFile, EncodePictureFile(picture, *type, dpi, options.Quality));
}
