#include "ui/platform/FileDialogCompletion.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>

void CloseCompletionWithDialog(QFileDialog &dialog)
{
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
        const auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (name && name->completer() && name->completer()->popup())
            name->completer()->popup()->hide();
    });
}
