#pragma once

#include <QStringList>
#include <QToolButton>
#include <functional>

// "差し込み項目": the open merge table's columns in a menu, each chosen one handed on as the field
// that stands for it. Hidden while there are no columns.
class MergeFieldButton : public QToolButton {
public:
    explicit MergeFieldButton(QWidget *parent = nullptr);

    void SetColumns(const QStringList &columns);

    // Takes the field of the column chosen, {{column}}.
    std::function<void(const QString &field)> OnField;
};
