#include "app/ObjectCommandWiring.h"

#include "app/TfrmMain.h"
#include "commands/GridCommands.h"

#include <QAction>

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
    connectGridCommands(frmMain);
}
