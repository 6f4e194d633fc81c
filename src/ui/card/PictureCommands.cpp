#include "ui/card/PictureCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/PictureBudget.h"
#include "model/edit/ArrangeObjects.h"
#include "model/picture/PictureLoader.h"
#include "model/platform/FolderPart.h"
#include "ui/card/CardEditContext.h"

#include <memory>

TVkDragLabel *AddImage(const CardEditContext &context)
{
    const QString fileName = context.ChoosePictureFile(*context.ImageDirectory);
    if (fileName.isEmpty())
        return nullptr;
    *context.ImageDirectory = FolderPart(fileName);
    const QImage picture = LoadChosenPicture(fileName);
    PictureBudget::CheckRoomFor(context.Surface, picture);
    auto created = std::make_unique<TVkDragLabel>();
    created->SetAutoSize(true);
    TVkDragLabel &object = PlaceNewObject(context, std::move(created));
    object.SetBitmap(picture);
    object.SetSvgData(LoadSvgSource(fileName));
    object.SetKind(object.SvgData().isEmpty() ? CardObjectKind::Picture : CardObjectKind::VectorPicture);
    FitPictureOnCard(object, context.Surface.ClientWidth(), context.Surface.ClientHeight());
    return &object;
}
