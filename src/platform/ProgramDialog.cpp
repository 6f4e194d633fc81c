#include "platform/ProgramDialog.h"

#include "platform/DialogFont.h"

#include <QDialog>

void SetUpProgramDialog(QDialog &dialog, const QString &objectName, const QString &caption)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFont(DialogFont());
}
