#include "commands/PictureCommands.h"

#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"
#include "commands/CardEditContext.h"
#include "commands/PictureLoader.h"
#include "platform/FolderPart.h"

#include <memory>

TVkDragLabel *AddImage(const CardEditContext &context)
{
    const QString fileName = context.ChoosePictureFile(*context.ImageDirectory);
    if (fileName.isEmpty())
        return nullptr;
    *context.ImageDirectory = FolderPart(fileName);
    const QImage picture = LoadPictureFile(fileName);
    if (picture.isNull())
        return nullptr;
    context.TakeUndoSnapshot();
    context.DeselectAllObjects();
    TVkDragLabel &object = context.Surface.AddObject(std::make_unique<TVkDragLabel>());
    context.WireCardObject(object);
    object.SetAutoSize(true);
    object.SetSelected(true);
    object.SetLeft(0);
    object.SetTop(0);
    object.SetBitmap(picture);
    return &object;
}
