#pragma once

class TfrmMain;

// Connects the two key schemes of the edit menu: the program's own keys (Ctrl+C duplicates,
// Ctrl+A saves under a new name) and the desktop's usual ones (Ctrl+C copies to the clipboard,
// Ctrl+D duplicates, Ctrl+Shift+S saves under a new name, Ctrl+A selects every object).
void ConnectKeySchemeCommands(TfrmMain &frmMain);
// Gives the actions the keys of the scheme the settings hold and ticks its menu entry.
void ShowKeyScheme(TfrmMain &frmMain);
