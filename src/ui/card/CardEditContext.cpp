#include "ui/card/CardEditContext.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

TVkDragLabel &PlaceNewObject(const CardEditContext &context, std::unique_ptr<TVkDragLabel> created)
{
    context.TakeUndoSnapshot();
    context.DeselectAllObjects();
    TVkDragLabel &object = context.Surface.AddObject(std::move(created));
    context.WireCardObject(object);
    object.SetSelected(true);
    object.SetLeft(0);
    object.SetTop(0);
    return object;
}
