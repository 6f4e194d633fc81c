#pragma once

class TfrmMain;

// Connects the merge command and the record bar to the main window: the bar shows a record of the
// open table on the card, its print button prints the merge, and the table is remembered in the
// settings.
void ConnectMergeCommands(TfrmMain &frmMain);
