#include "ui/card/GridCommands.h"

#include "model/card/TVkVellumPanel.h"
#include "ui/card/TfrmGrid.h"

#include <QAction>

void ShowGridToggled(const GridCommandContext &context)
{
    context.FixedGrid.setEnabled(context.ShowGrid.isChecked());
    context.Surface.SetShowGrid(context.ShowGrid.isChecked());
}

bool GridSetup(const GridCommandContext &context)
{
    TfrmGrid dialog(context.DialogParent);
    dialog.SetGridSize(context.GridSize);
    dialog.SetGridUnit(context.GridUnit);
    dialog.SetGridStyle(context.GridStyle);
    dialog.SetShowGrid(context.ShowGrid.isChecked());
    dialog.SetFixedGrid(context.FixedGrid.isChecked());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    context.GridSize = dialog.GridSize();
    context.GridUnit = dialog.GridUnit();
    context.GridStyle = dialog.GridStyle();
    context.ApplyGridSettings();
    context.ShowGrid.setChecked(dialog.ShowGrid());
    context.FixedGrid.setChecked(dialog.FixedGrid());
    ShowGridToggled(context);
    return true;
}
