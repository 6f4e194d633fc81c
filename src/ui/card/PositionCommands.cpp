#include "ui/card/PositionCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/TfrmPosition.h"

bool EditPositionAndSize(const CardEditContext &context, TVkDragLabel &object)
{
    object.ApplyAutoSize();
    const QRect before = object.BoundsRect();
    const bool sizeFixed = object.IsText() && object.AutoSize();
    TfrmPosition dialog(before, object.IsPicture(), sizeFixed, context.DialogParent);
    if (dialog.exec() != QDialog::Accepted || dialog.Bounds() == before)
        return false;
    context.TakeUndoSnapshot();
    if (dialog.Bounds().size() != before.size())
        object.SetAutoSize(false);
    PlaceOnCard(object, dialog.Bounds(), context.Surface.ClientWidth(), context.Surface.ClientHeight());
    return true;
}
