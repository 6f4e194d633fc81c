#include "ui/app/ObjectCommandWiring.h"

#include "model/merge/MergeTable.h"
#include "ui/app/MainPictureDialog.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/BackgroundCommands.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/card/EditObjectCommand.h"
#include "ui/card/GridCommands.h"
#include "ui/card/PictureCommands.h"
#include "ui/card/QrCodeCommands.h"
#include "ui/card/ShapeCommands.h"
#include "ui/card/TextCommands.h"

#include <QAction>
#include <QGuiApplication>

namespace {

GridCommandContext gridContext(TfrmMain &frmMain)
{
    MainSettings &settings = frmMain.Settings();
    return {.Surface = frmMain.Panel(),
            .ShowGrid = *frmMain.Action("acShowGrid"),
            .FixedGrid = *frmMain.Action("acFixedGrid"),
            .GridSize = settings.GridSize,
            .GridUnit = settings.GridUnit,
            .GridStyle = settings.GridStyle,
            .ApplyGridSettings = [&frmMain] { frmMain.ApplyGridSettings(); },
            .DialogParent = &frmMain};
}

} // namespace

namespace {

QStringList mergeColumns(const TfrmMain &frmMain)
{
    const MergeTable *table = frmMain.SurfaceView().ShownMergeTable();
    return table ? table->Columns() : QStringList();
}

} // namespace

CardEditContext MainEditContext(TfrmMain &frmMain)
{
    return {.Surface = frmMain.Panel(),
            .DialogParent = &frmMain,
            .TakeUndoSnapshot =
                [&frmMain] {
                    frmMain.SetNudgeFlag(false);
                    frmMain.TakeUndoSnapshot();
                },
            .DeselectAllObjects = [&frmMain] { frmMain.DeselectAllObjects(); },
            .WireCardObject = [&frmMain](TVkDragLabel &object) { frmMain.WireCardObject(object); },
            .ChoosePictureFile =
                [&frmMain](const QString &folder) { return ChooseMainPictureFile(frmMain, folder); },
            .ImageDirectory = &frmMain.Settings().ImageDirectory,
            .MergeColumns = mergeColumns(frmMain)};
}

namespace {

void connectObjectEditing(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acAddText"), [&frmMain] { AddText(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acDraw"), [&frmMain] { AddShape(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acQrCode"), [&frmMain] { AddQrCode(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acEditObject"), [&frmMain] {
        if (TVkDragLabel *object = frmMain.ActionObject())
            EditObject(MainEditContext(frmMain), *object, QGuiApplication::queryKeyboardModifiers());
    });
}

void connectPictureCommands(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acAddImage"), [&frmMain] { AddImage(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acBackground"),
                      [&frmMain] { ChooseBackground(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acClearBackground"),
                      [&frmMain] { ClearBackground(MainEditContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acBackgroundColor"),
                      [&frmMain] { ChooseBackgroundColor(MainEditContext(frmMain)); });
}

void connectGridCommands(TfrmMain &frmMain)
{
    QAction *showGrid = frmMain.Action("acShowGrid");
    QAction *fixedGrid = frmMain.Action("acFixedGrid");
    // However the tick changes (settings, a card read, undo), snapping is offered only with the grid.
    QObject::connect(showGrid, &QAction::toggled, fixedGrid, &QAction::setEnabled);
    fixedGrid->setEnabled(showGrid->isChecked());
    frmMain.OnExecute(showGrid, [&frmMain] { ShowGridToggled(gridContext(frmMain)); });
    frmMain.OnExecute(frmMain.Action("acGridSetup"), [&frmMain] { GridSetup(gridContext(frmMain)); });
}

} // namespace

void ConnectObjectCommands(TfrmMain &frmMain)
{
    connectObjectEditing(frmMain);
    connectPictureCommands(frmMain);
    connectGridCommands(frmMain);
}
