#pragma once

class TfrmMain;

// Connects the merge command and the record bar to the main window: the bar shows a record of the
// open table on the card, its print button prints the merge, and the table is remembered in the
// settings.
void ConnectMergeCommands(TfrmMain &frmMain);

// While a table is open, runs the record bar's command of that name (acMergePrint, acMergePdf) in
// place of the card's own print or PDF, which would show the fields as typed; false when none is open.
bool RunOpenMergeInstead(TfrmMain &frmMain, const char *mergeCommand);
