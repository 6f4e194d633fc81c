#include "ui/app/ArrangeCommandWiring.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "model/edit/SnapToGrid.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QKeyEvent>

namespace {

// Every arranging command is one undo step of its own, even right after a run of nudges.
void takeSnapshot(TfrmMain &frmMain)
{
    frmMain.SetNudgeFlag(false);
    frmMain.TakeUndoSnapshot();
}

bool snappingOn(const TfrmMain &frmMain)
{
    return frmMain.Action("acShowGrid")->isChecked() && frmMain.Action("acFixedGrid")->isChecked();
}

bool anySelected(const TVkVellumPanel &surface)
{
    for (int i = 0; i < surface.ObjectCount(); ++i) {
        if (surface.Object(i).Selected())
            return true;
    }
    return false;
}

// The arrow keys: one pixel, or one grid step while snapping or with Shift. A run of presses is one
// undo step until another command takes a snapshot.
bool nudge(TfrmMain &frmMain, const QKeyEvent &key)
{
    int dx = 0, dy = 0;
    switch (key.key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    TVkVellumPanel &surface = frmMain.Panel();
    if (!anySelected(surface))
        return false;
    // A spacing below one pixel (from a hand-edited settings file) is no grid: it would stall the
    // objects or send them the wrong way.
    const bool byGrid = snappingOn(frmMain) || (key.modifiers() & Qt::ShiftModifier);
    const int step = byGrid && surface.GridSize() > 0 ? surface.GridSize() : 1;
    if (!frmMain.NudgeFlag()) {
        frmMain.TakeUndoSnapshot();
        frmMain.SetNudgeFlag(true);
    }
    NudgeSelectedObjects(surface, dx * step, dy * step,
                         [&frmMain](TVkDragLabel &moved) { frmMain.ObjectMoved(moved); });
    return true;
}

void connectSelectionCommands(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acDelete"), [&frmMain] {
        frmMain.SetObjectActionsEnabled(false);
        takeSnapshot(frmMain);
        TVkDragLabel *lastSelected = frmMain.LastSelectedObject();
        DeleteSelectedObjects(frmMain.Panel(), lastSelected);
        frmMain.SetLastSelectedObject(lastSelected);
    });
    frmMain.OnExecute(frmMain.Action("acCopy"), [&frmMain] {
        takeSnapshot(frmMain);
        TVkDragLabel *lastCopy = DuplicateSelectedObjects(
            frmMain.Panel(), [&frmMain](TVkDragLabel &copy) { frmMain.WireCardObject(copy); });
        if (lastCopy)
            frmMain.SetLastSelectedObject(lastCopy);
    });
    frmMain.OnExecute(frmMain.Action("acTopMost"), [&frmMain] {
        takeSnapshot(frmMain);
        BringSelectedToFront(frmMain.Panel());
    });
    frmMain.OnExecute(frmMain.Action("acNoTopMost"), [&frmMain] {
        takeSnapshot(frmMain);
        SendSelectedToBack(frmMain.Panel());
    });
}

void connectGridSnap(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acDragLabelMove"), [&frmMain] {
        TVkDragLabel *object = frmMain.ActionObject();
        if (object && snappingOn(frmMain))
            SnapToGrid(frmMain.Panel(), *object, frmMain.Panel().GridSize());
    });
}

} // namespace

void ConnectArrangeCommands(TfrmMain &frmMain)
{
    connectSelectionCommands(frmMain);
    connectGridSnap(frmMain);
    frmMain.OnKeyDown = [&frmMain](QKeyEvent &key) { return nudge(frmMain, key); };
}
