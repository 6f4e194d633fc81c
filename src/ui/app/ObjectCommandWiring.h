#pragma once

#include "ui/card/CardEditContext.h"

class TfrmMain;

// What the commands that add and edit card objects get from the main window.
CardEditContext MainEditContext(TfrmMain &frmMain);

// Connects the main window's commands that add and edit card objects and set up the grid to their
// bodies in src/commands.
void ConnectObjectCommands(TfrmMain &frmMain);
