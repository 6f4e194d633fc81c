#include "ui/card/ShapeCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/TfrmDraw.h"

#include <memory>

namespace {

void takeKindAndFill(const TfrmDraw &dialog, TVkDragLabel &object)
{
    object.SetDrawMode(dialog.Kind());
    object.SetTag(dialog.CornerTenthMm());
    object.SetFillDraw(dialog.Fill());
    object.SetBrushColor(dialog.FillColor());
}

} // namespace

TVkDragLabel *AddShape(const CardEditContext &context)
{
    TfrmDraw dialog(context.DialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    auto created = std::make_unique<TVkDragLabel>();
    takeKindAndFill(dialog, *created);
    TVkDragLabel &object = PlaceNewObject(context, std::move(created));
    object.SetColor(dialog.PenColor());
    object.SetPenWidth(dialog.PenWidth());
    return &object;
}

bool EditShape(const CardEditContext &context, TVkDragLabel &object)
{
    TfrmDraw dialog(context.DialogParent);
    dialog.LoadShape(object);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    context.TakeUndoSnapshot();
    context.DeselectAllObjects();
    takeKindAndFill(dialog, object);
    object.SetSelected(true);
    object.SetColor(dialog.PenColor());
    // Through 0, so that the size rule of the new kind runs even when the width stays the same.
    object.SetPenWidth(0);
    object.SetPenWidth(dialog.PenWidth());
    PullOntoCard(object, context.Surface.ClientWidth(), context.Surface.ClientHeight());
    return true;
}
