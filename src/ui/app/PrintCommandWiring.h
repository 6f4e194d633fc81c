#pragma once

class TfrmMain;

// Connects the main window's print, paper setup and printer setup commands to their bodies in
// src/print, with the print and printer setup dialogs the window keeps for the whole run.
void ConnectPrintCommands(TfrmMain &frmMain);
