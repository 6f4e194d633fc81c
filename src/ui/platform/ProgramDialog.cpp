#include "ui/platform/ProgramDialog.h"

#include "ui/platform/DialogFont.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>

void SetUpProgramDialog(QDialog &dialog, const QString &objectName, const QString &caption)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFont(DialogFont());
}

QPushButton *AddProgramDialogButton(QDialog &dialog, QBoxLayout &row, const ProgramDialogButton &button)
{
    auto *pushButton = new QPushButton(button.text, &dialog);
    pushButton->setObjectName(QLatin1String(button.objectName));
    pushButton->setAutoDefault(false);
    pushButton->setMinimumSize(75, 25);
    row.addWidget(pushButton);
    return pushButton;
}

void AddOkCancelButtons(QDialog &dialog, QBoxLayout &layout)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [ok, cancel] =
        AddProgramDialogButtons(dialog, *buttons,
                                {{"btnOK", QStringLiteral("OK")},
                                 {"btnCancel", QCoreApplication::translate("ProgramDialog", "キャンセル")}});
    layout.addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
