#include "ui/card/TextCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/TfrmTextBox.h"

#include <memory>

TVkDragLabel *AddText(const CardEditContext &context)
{
    TfrmTextBox dialog(context.Surface.Color(), context.DialogParent);
    dialog.SetMergeColumns(context.MergeColumns);
    if (dialog.exec() != QDialog::Accepted || dialog.Lines().isEmpty())
        return nullptr;
    auto created = std::make_unique<TVkDragLabel>();
    created->SetAutoSize(true);
    TVkDragLabel &object = PlaceNewObject(context, std::move(created));
    object.SetCaption(dialog.Lines());
    object.SetFont(dialog.MemoFont());
    object.SetTypesetting(dialog.Typesetting());
    return &object;
}

bool EditText(const CardEditContext &context, TVkDragLabel &object)
{
    TfrmTextBox dialog(context.Surface.Color(), context.DialogParent);
    dialog.SetMemoFont(object.Font());
    dialog.SetLines(object.Caption());
    dialog.SetTypesetting(object.Typesetting());
    dialog.SetMergeColumns(context.MergeColumns);
    if (dialog.exec() != QDialog::Accepted || dialog.Lines().isEmpty())
        return false;
    context.TakeUndoSnapshot();
    object.SetCaption(dialog.Lines());
    object.SetFont(dialog.MemoFont());
    object.SetTypesetting(dialog.Typesetting());
    PullOntoCard(object, context.Surface.ClientWidth(), context.Surface.ClientHeight());
    return true;
}
