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
    auto created = std::make_unique<TVkDragLabel>();
    created->SetAutoSize(true);
    TVkDragLabel &object = PlaceNewObject(context, std::move(created));
    object.SetBitmap(picture);
    return &object;
}
