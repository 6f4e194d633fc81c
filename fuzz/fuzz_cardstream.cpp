#include "FuzzSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/document/UndoHistory.h"
#include "model/edit/ObjectDrag.h"

#include <QImage>

// Card documents arrive from anywhere: opened, dropped or named on the command line. Whatever is
// read must also write back, go through an undo step and back, and draw and move with whatever
// positions and sizes it holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TVkVellumPanel surface;
    TVkVellumPanel back;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CardStreamReadResult result = ReadCardStream(
        bytes, surface, [](TVkDragLabel &object) { object.SetPopupMenu(QStringLiteral("frmMain.Popup1")); },
        &back);
    // A document that reads must never be turned down by the quick look taken before opening it.
    if (result.ok && !HasCardDocumentLayout(bytes.first(std::min(bytes.size(), kCardDocumentLayoutBytes))))
        __builtin_trap();
    if (result.ok) {
        UndoHistory history;
        history.TakeUndoSnapshot(surface, result.cardDef, &back);
        surface.ClearObjects();
        back.ClearObjects();
        history.Undo(surface, result.cardDef, {}, &back);
        history.Redo(surface, result.cardDef, {}, &back);
        QImage image(64, 48, QImage::Format_RGB32);
        surface.SetShowGrid(true);
        surface.Paint(image, image.rect());
        for (int i = 0; i < surface.ObjectCount(); ++i) {
            TVkDragLabel &object = surface.Object(i);
            object.SetSelected(true);
            object.Paint(image, image.rect());
            ObjectDrag::Grab(object, QPoint(1, 1), 1.0)
                .Follow(object, QPoint(9, 5), QSize(surface.ClientWidth(), surface.ClientHeight()));
        }
    }
    return 0;
}
