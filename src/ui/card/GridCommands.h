#pragma once

#include <functional>

class QAction;
class QWidget;
class TVkVellumPanel;

// The grid commands' view of the main window: its grid settings, the two tick commands and its way
// of putting the settings on the surface. Grid changes are settings, not card changes: they take no
// undo step and leave the card unmodified.
struct GridCommandContext {
    TVkVellumPanel &Surface;
    QAction &ShowGrid;  // acShowGrid
    QAction &FixedGrid; // acFixedGrid
    int &GridSize;
    int &GridUnit;
    int &GridStyle;
    std::function<void()> ApplyGridSettings = {};
    QWidget *DialogParent = nullptr;
};

// After acShowGrid's tick changed: snapping is offered only while the grid shows (its own tick is
// kept), and the surface shows the grid or not.
void ShowGridToggled(const GridCommandContext &context);

// The grid dialog, filled from the settings and ticks; on OK they take its values and the surface
// follows. Returns whether the user confirmed.
bool GridSetup(const GridCommandContext &context);
