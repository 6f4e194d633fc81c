#include "model/output/PictureExport.h"

#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardRenderer.h"

QImage PictureExport::Render(const TVkVellumPanel &side, const TCardDef &cardDef,
                             const FieldValues *record) const
{
    if (Dpi)
        return RenderCardAtDpi(side, cardDef, *Dpi, record);
    QImage picture;
    RenderCardToBitmap(side, picture, side.Width(), side.Height(), record);
    return picture;
}

void PictureExport::Write(const QString &path, PictureFileType type, const QImage &picture) const
{
    WritePictureFile(path, EncodePictureFile(picture, type, Dpi.value_or(kCardSurfaceDpi), Quality));
}
