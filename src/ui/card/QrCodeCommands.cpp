#include "ui/card/QrCodeCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/TfrmQrCode.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kSmallestModule = 3; // surface pixels, 0.6 mm
constexpr int kSmallestCode = 100; // surface pixels, 20 mm

void applyDialog(const TfrmQrCode &dialog, TVkDragLabel &object)
{
    object.SetKind(CardObjectKind::QrCode);
    object.LoadBitmap(dialog.Modules());
    object.SetQrText(dialog.Source());
    object.SetQrLevel(dialog.Level());
    object.SetQrQuietZone(dialog.QuietZone());
}

} // namespace

TVkDragLabel *AddQrCode(const CardEditContext &context)
{
    TfrmQrCode dialog(context.DialogParent);
    dialog.SetMergeColumns(context.MergeColumns);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    const int modules = dialog.Modules().width();
    const int moduleSide = std::max(kSmallestModule, (kSmallestCode + modules - 1) / modules);
    const int side = modules * moduleSide + 2 * TVkDragLabel::kContentInset;
    TVkDragLabel &object = PlaceNewObject(context, std::make_unique<TVkDragLabel>());
    object.SetBounds(object.Left(), object.Top(), side, side);
    applyDialog(dialog, object);
    return &object;
}

bool EditQrCode(const CardEditContext &context, TVkDragLabel &object)
{
    TfrmQrCode dialog(context.DialogParent);
    dialog.SetSource(object.QrText());
    dialog.SetLevel(object.QrLevel());
    dialog.SetQuietZone(object.QrQuietZone());
    dialog.SetMergeColumns(context.MergeColumns);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    context.TakeUndoSnapshot();
    applyDialog(dialog, object);
    return true;
}
