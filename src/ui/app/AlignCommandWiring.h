#pragma once

class TfrmMain;

// Connects aligning the selected objects to the last selected one, distributing them, centring
// them on the card and turning them; each is one undo step.
void ConnectAlignCommands(TfrmMain &frmMain);
