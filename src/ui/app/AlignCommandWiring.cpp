#include "ui/app/AlignCommandWiring.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/AlignObjects.h"
#include "model/edit/ArrangeObjects.h"
#include "model/edit/TurnObjects.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <algorithm>

namespace {

// The object the others line up with: the last one pressed while it is still selected, otherwise
// the frontmost selected one.
TVkDragLabel &anchorOf(TfrmMain &frmMain, const std::vector<TVkDragLabel *> &selected)
{
    TVkDragLabel *last = frmMain.LastSelectedObject();
    const bool lastSelected = std::find(selected.begin(), selected.end(), last) != selected.end();
    return lastSelected ? *last : *selected.back();
}

// Runs an arrangement of the selected objects as one undo step of its own, when there are at
// least `fewest` of them.
void arrange(TfrmMain &frmMain, std::size_t fewest,
             const std::function<void(const std::vector<TVkDragLabel *> &)> &body)
{
    const std::vector<TVkDragLabel *> selected = SelectedObjects(frmMain.Panel());
    if (selected.size() < fewest)
        return;
    frmMain.SetNudgeFlag(false);
    frmMain.TakeUndoSnapshot();
    body(selected);
    frmMain.Panel().Invalidate();
}

} // namespace

void ConnectAlignCommands(TfrmMain &frmMain)
{
    const auto alignTo = [&frmMain](MainActionName name, AlignEdge edge) {
        frmMain.OnExecute(frmMain.Action(name), [&frmMain, edge] {
            arrange(frmMain, 2, [&frmMain, edge](const std::vector<TVkDragLabel *> &selected) {
                AlignObjects(selected, anchorOf(frmMain, selected), edge);
            });
        });
    };
    alignTo("acAlignLeft", AlignEdge::Left);
    alignTo("acAlignCentre", AlignEdge::Centre);
    alignTo("acAlignRight", AlignEdge::Right);
    alignTo("acAlignTop", AlignEdge::Top);
    alignTo("acAlignMiddle", AlignEdge::Middle);
    alignTo("acAlignBottom", AlignEdge::Bottom);
    const auto distribute = [&frmMain](MainActionName name, Qt::Orientation orientation) {
        frmMain.OnExecute(frmMain.Action(name), [&frmMain, orientation] {
            arrange(frmMain, 3, [orientation](const std::vector<TVkDragLabel *> &selected) {
                DistributeObjects(selected, orientation);
            });
        });
    };
    distribute("acDistributeHorz", Qt::Horizontal);
    distribute("acDistributeVert", Qt::Vertical);
    const auto turn = [&frmMain](MainActionName name, int quarterTurns) {
        frmMain.OnExecute(frmMain.Action(name), [&frmMain, quarterTurns] {
            arrange(frmMain, 1, [&frmMain, quarterTurns](const std::vector<TVkDragLabel *> &selected) {
                for (TVkDragLabel *object : selected)
                    TurnObjectOnCard(*object, quarterTurns, frmMain.Panel().ClientWidth(),
                                     frmMain.Panel().ClientHeight());
            });
        });
    };
    turn("acTurnRight", 1);
    turn("acTurnLeft", -1);
    turn("acTurn180", 2);
    frmMain.OnExecute(frmMain.Action("acCentreOnCard"), [&frmMain] {
        arrange(frmMain, 1, [&frmMain](const std::vector<TVkDragLabel *> &selected) {
            CentreOnCard(selected, QSize(frmMain.Panel().ClientWidth(), frmMain.Panel().ClientHeight()));
        });
    });
}
