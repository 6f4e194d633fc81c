#include "commands/CardEditContext.h"

#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"

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
