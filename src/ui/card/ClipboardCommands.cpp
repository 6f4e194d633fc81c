#include "ui/card/ClipboardCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/card/TextLimit.h"
#include "model/edit/ArrangeObjects.h"
#include "model/edit/ObjectClipboard.h"
#include "model/edit/PastePlacement.h"
#include "model/platform/VkError.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/TfrmTextBox.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

namespace {

std::vector<QRect> boundsOf(const std::vector<TVkDragLabel *> &objects)
{
    std::vector<QRect> bounds;
    for (const TVkDragLabel *object : objects)
        bounds.push_back(object->BoundsRect());
    return bounds;
}

void moveIntoPlace(const std::vector<TVkDragLabel *> &pasted, const std::vector<QRect> &present,
                   const QRect &visible)
{
    const QPoint offset = PasteOffset(boundsOf(pasted), present, visible);
    for (TVkDragLabel *object : pasted)
        object->SetBounds(object->Left() + offset.x(), object->Top() + offset.y(), object->Width(),
                          object->Height());
}

std::vector<TVkDragLabel *> pasteObjects(const CardEditContext &context,
                                         std::vector<std::unique_ptr<TVkDragLabel>> objects)
{
    context.TakeUndoSnapshot();
    context.DeselectAllObjects();
    std::vector<TVkDragLabel *> pasted;
    for (std::unique_ptr<TVkDragLabel> &object : objects) {
        // Selected before the handlers are attached, so that no pasted object deselects another.
        object->SetSelected(true);
        TVkDragLabel &added = context.Surface.AddObject(std::move(object));
        context.WireCardObject(added);
        pasted.push_back(&added);
    }
    return pasted;
}

TVkDragLabel &placeSizedToContent(const CardEditContext &context)
{
    auto created = std::make_unique<TVkDragLabel>();
    created->SetAutoSize(true);
    return PlaceNewObject(context, std::move(created));
}

std::vector<QRect> allBounds(const TVkVellumPanel &surface)
{
    std::vector<QRect> bounds;
    for (int i = 0; i < surface.ObjectCount(); ++i)
        bounds.push_back(surface.Object(i).BoundsRect());
    return bounds;
}

} // namespace

bool CopySelectedObjects(TVkVellumPanel &surface)
{
    const std::vector<TVkDragLabel *> selected = SelectedObjects(surface);
    if (selected.empty())
        return false;
    QGuiApplication::clipboard()->setMimeData(CardObjectsMimeData(surface, selected).release());
    return true;
}

std::vector<TVkDragLabel *> PasteClipboard(const CardEditContext &context, const QRect &visible)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    ClipboardContent content = ReadClipboardContent(*data);
    // Another program's text has no limit of its own; refused before anything changes, as the
    // text dialog refuses it.
    if (content.Objects.empty() && content.Picture.isNull() && TextLength(content.Lines) > kMaxTextLength)
        throw VkError(QCoreApplication::translate(
                          "ClipboardCommands", "貼り付ける文字列が長すぎます。%1 文字までの文字列が使えます")
                          .arg(kMaxTextLength));
    const std::vector<QRect> present = allBounds(context.Surface);
    std::vector<TVkDragLabel *> pasted;
    if (!content.Objects.empty()) {
        pasted = pasteObjects(context, std::move(content.Objects));
    } else if (!content.Picture.isNull()) {
        TVkDragLabel &object = placeSizedToContent(context);
        object.SetBitmap(content.Picture);
        pasted.push_back(&object);
    } else if (!content.Lines.isEmpty()) {
        TVkDragLabel &object = placeSizedToContent(context);
        object.SetCaption(content.Lines);
        object.SetFont(TfrmTextBox::RememberedFont());
        pasted.push_back(&object);
    }
    for (TVkDragLabel *object : pasted)
        object->ApplyAutoSize();
    moveIntoPlace(pasted, present, visible);
    return pasted;
}
