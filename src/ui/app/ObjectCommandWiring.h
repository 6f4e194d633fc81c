#pragma once

class TfrmMain;

// Connects the main window's commands that add and edit card objects and set up the grid to their
// bodies in src/commands.
void ConnectObjectCommands(TfrmMain &frmMain);
