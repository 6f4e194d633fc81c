#pragma once

class TfrmMain;

// Connects cut, copy and paste through the system clipboard, and keeps paste enabled while the
// clipboard holds something the card can take.
void ConnectClipboardCommands(TfrmMain &frmMain);
