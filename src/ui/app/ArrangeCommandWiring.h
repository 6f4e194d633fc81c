#pragma once

class TfrmMain;

// Connects the commands that arrange the selected objects (delete, duplicate, front, back, the
// arrow keys) and the grid snap after every move step to their bodies in src/commands.
void ConnectArrangeCommands(TfrmMain &frmMain);
