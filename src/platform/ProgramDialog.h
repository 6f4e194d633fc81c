#pragma once

#include <QString>

class QDialog;

// Gives one of the program's own dialogs its name, caption, the dialog font and a title bar with
// only the close box, as every dialog of the program has.
void SetUpProgramDialog(QDialog &dialog, const QString &objectName, const QString &caption);
