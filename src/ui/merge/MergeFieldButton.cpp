#include "ui/merge/MergeFieldButton.h"

#include "model/merge/MergeFields.h"

#include <QCoreApplication>
#include <QMenu>

MergeFieldButton::MergeFieldButton(QWidget *parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("btnMergeField"));
    setText(QCoreApplication::translate("MergeFieldButton", "差し込み項目"));
    setToolTip(QCoreApplication::translate("MergeFieldButton",
                                           "差し込みデータの列を {{列名}} としてカーソルの位置に入れます。"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    hide();
}

void MergeFieldButton::SetColumns(const QStringList &columns)
{
    menu()->clear();
    for (const QString &column : columns) {
        menu()->addAction(column, this, [this, column] {
            if (OnField)
                OnField(MergeFields::Field(column));
        });
    }
    setVisible(!columns.isEmpty());
}
