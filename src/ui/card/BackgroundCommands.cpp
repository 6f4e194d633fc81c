#include "ui/card/BackgroundCommands.h"

#include "model/card/TVkVellumPanel.h"
#include "model/document/PictureBudget.h"
#include "model/picture/PictureAlpha.h"
#include "model/picture/PictureLoader.h"
#include "model/platform/FolderPart.h"
#include "model/platform/TColor.h"
#include "ui/card/CardEditContext.h"

#include <QColorDialog>

bool ChooseBackground(const CardEditContext &context)
{
    const QString fileName = context.ChoosePictureFile(*context.ImageDirectory);
    if (fileName.isEmpty())
        return false;
    *context.ImageDirectory = FolderPart(fileName);
    const QImage picture = LoadChosenPicture(fileName);
    PictureBudget::CheckRoomFor(context.Surface, picture);
    context.TakeUndoSnapshot();
    // The stored picture of a see-through background takes the card's colour as it is now; a
    // vector one is drawn over the colour as it will be.
    context.Surface.SetBitmap(PictureOverColor(picture, ColorToQColor(context.Surface.Color())));
    context.Surface.SetSvgData(LoadSvgSource(fileName));
    return true;
}

void ClearBackground(const CardEditContext &context)
{
    context.TakeUndoSnapshot();
    context.Surface.SetBitmap(QImage());
}

bool ChooseBackgroundColor(const CardEditContext &context)
{
    QColorDialog dialog(ColorToQColor(context.Surface.Color()), context.DialogParent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    context.TakeUndoSnapshot();
    context.Surface.SetColor(QColorToColor(dialog.selectedColor()));
    return true;
}
