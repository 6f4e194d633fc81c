#pragma once

class TfrmMain;

// Connects the position and size dialog, and shows the place and size of an object in the status
// bar while it is moved or resized.
void ConnectPositionCommands(TfrmMain &frmMain);
