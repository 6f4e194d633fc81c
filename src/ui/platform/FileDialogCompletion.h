#pragma once

class QFileDialog;

// The file dialog's name completion list is a window of its own: when Enter in the name box ends
// the dialog, the list would stay on screen over the card and take the next key. It is closed with
// the dialog.
void CloseCompletionWithDialog(QFileDialog &dialog);
