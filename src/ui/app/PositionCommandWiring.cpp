#include "ui/app/PositionCommandWiring.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "ui/app/ObjectCommandWiring.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/card/PositionCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace {

QString millimetres(int surfacePx)
{
    return QLocale().toString(surfacePx / 5.0, 'f', 1);
}

void showPlace(TfrmMain &frmMain, const TVkDragLabel &object)
{
    frmMain.HintPanel().setText(
        QCoreApplication::translate("PositionCommandWiring", "位置 %1, %2 mm   サイズ %3 x %4 mm")
            .arg(millimetres(object.Left()), millimetres(object.Top()), millimetres(object.Width()),
                 millimetres(object.Height())));
}

// The object the dialog is for: the last one pressed while it is selected, else the frontmost
// selected one.
TVkDragLabel *subject(TfrmMain &frmMain)
{
    TVkDragLabel *last = frmMain.LastSelectedObject();
    if (last && last->Selected())
        return last;
    const std::vector<TVkDragLabel *> selected = SelectedObjects(frmMain.Panel());
    return selected.empty() ? nullptr : selected.back();
}

} // namespace

void ConnectPositionCommands(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acPositionSize"), [&frmMain] {
        if (TVkDragLabel *object = subject(frmMain))
            EditPositionAndSize(MainEditContext(frmMain), *object);
    });
    // After the grid snap, which is connected first, so that the place shown is the one taken.
    frmMain.OnExecute(frmMain.Action("acDragLabelMove"), [&frmMain] {
        if (const TVkDragLabel *object = frmMain.ActionObject())
            showPlace(frmMain, *object);
    });
    frmMain.SurfaceView().ObjectMouse().OnDragged = [&frmMain](TVkDragLabel &object) {
        showPlace(frmMain, object);
    };
}
