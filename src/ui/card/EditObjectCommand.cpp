#include "ui/card/EditObjectCommand.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/PictureLoader.h"
#include "model/platform/FolderPart.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/PositionCommands.h"
#include "ui/card/QrCodeCommands.h"
#include "ui/card/ShapeCommands.h"
#include "ui/card/TextCommands.h"

bool EditObject(const CardEditContext &context, TVkDragLabel &object, Qt::KeyboardModifiers keys)
{
    if (keys & Qt::AltModifier)
        return EditPositionAndSize(context, object);
    if (object.DrawMode() != dmNone)
        return EditShape(context, object);
    if (object.IsText())
        return EditText(context, object);
    if (object.IsQrCode())
        return EditQrCode(context, object);
    if (keys & Qt::ControlModifier) {
        object.SetAutoSize(true);
        return true;
    }
    return ReplacePicture(context, object);
}

bool ReplacePicture(const CardEditContext &context, TVkDragLabel &object)
{
    const QString fileName = context.ChoosePictureFile(*context.ImageDirectory);
    if (fileName.isEmpty())
        return false;
    const QImage picture = LoadPictureFile(fileName);
    bool replaced = false;
    if (!picture.isNull()) {
        context.TakeUndoSnapshot();
        object.LoadBitmap(picture);
        object.SetSvgData(LoadSvgSource(fileName));
        object.SetKind(object.SvgData().isEmpty() ? CardObjectKind::Picture : CardObjectKind::VectorPicture);
        if (object.Left() < 0)
            object.SetLeft(0);
        if (object.Top() + object.Height() < 0)
            object.SetTop(0);
        replaced = true;
    }
    *context.ImageDirectory = FolderPart(fileName);
    context.Surface.Invalidate();
    return replaced;
}
