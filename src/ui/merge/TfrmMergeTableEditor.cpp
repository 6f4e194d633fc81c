#include "ui/merge/TfrmMergeTableEditor.h"

#include "model/merge/MergeTableCsv.h"
#include "ui/platform/MessageBox.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPushButton *button(QDialogButtonBox &box, const QString &caption, const char *name,
                    QDialogButtonBox::ButtonRole role)
{
    QPushButton *pushButton = box.addButton(caption, role);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAccessibleName(caption);
    return pushButton;
}

} // namespace

TfrmMergeTableEditor::TfrmMergeTableEditor(const QString &path, const MergeTable &table, QWidget *parent)
    : QDialog(parent), path_(path), encoding_(table.Encoding()),
      model_(table.RecordCount(), table.Columns().size())
{
    setObjectName(QStringLiteral("frmMergeTableEditor"));
    setWindowTitle(tr("差し込みデータの編集"));
    model_.setHorizontalHeaderLabels(table.Columns());
    for (int record = 0; record < table.RecordCount(); ++record)
        for (int column = 0; column < table.Columns().size(); ++column)
            model_.setItem(record, column, new QStandardItem(table.Record(record)[column]));

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grdMergeTable"));
    grid_->setAccessibleName(windowTitle());
    grid_->setModel(&model_);
    // No sort until a heading is clicked: the table opens in its own order.
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid_->setSortingEnabled(true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    status_ = new QLabel(QStringLiteral("%1 (%2)").arg(path, TableEncodingName(encoding_)), this);
    status_->setObjectName(QStringLiteral("lblMergeTableStatus"));

    auto *buttons = new QDialogButtonBox(this);
    connect(button(*buttons, tr("レコードを追加"), "btnAddRecord", QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &TfrmMergeTableEditor::addRecord);
    connect(button(*buttons, tr("レコードを削除"), "btnDeleteRecord", QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &TfrmMergeTableEditor::deleteRecords);
    connect(button(*buttons, tr("保存"), "btnSaveTable", QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, [this] { save(); });
    connect(button(*buttons, tr("閉じる"), "btnCloseTable", QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    resize(720, 420);

    const auto changed = [this] {
        changed_ = true;
        showRecord(grid_->currentIndex().row());
    };
    connect(&model_, &QStandardItemModel::dataChanged, this, changed);
    connect(&model_, &QStandardItemModel::rowsInserted, this, changed);
    connect(&model_, &QStandardItemModel::rowsRemoved, this, changed);
    connect(&model_, &QStandardItemModel::layoutChanged, this, changed);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showRecord(current.row()); });
}

MergeTable TfrmMergeTableEditor::Table() const
{
    QStringList columns;
    for (int column = 0; column < model_.columnCount(); ++column)
        columns.append(model_.horizontalHeaderItem(column)->text());
    std::vector<QStringList> records;
    for (int row = 0; row < model_.rowCount(); ++row) {
        QStringList values;
        for (int column = 0; column < model_.columnCount(); ++column)
            values.append(model_.item(row, column) ? model_.item(row, column)->text() : QString());
        records.push_back(std::move(values));
    }
    return MergeTable(std::move(columns), std::move(records), encoding_);
}

void TfrmMergeTableEditor::addRecord()
{
    const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() + 1 : model_.rowCount();
    QList<QStandardItem *> items;
    for (int column = 0; column < model_.columnCount(); ++column)
        items.append(new QStandardItem());
    model_.insertRow(row, items);
    grid_->setCurrentIndex(model_.index(row, 0));
    grid_->edit(grid_->currentIndex());
}

void TfrmMergeTableEditor::deleteRecords()
{
    QList<int> rows;
    for (const QModelIndex &index : grid_->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && grid_->currentIndex().isValid())
        rows.append(grid_->currentIndex().row());
    // From the last, so that the rows still to delete keep their places.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int row : rows)
        model_.removeRow(row);
}

bool TfrmMergeTableEditor::save()
{
    try {
        savedPath_ = MergeTableCsv::SaveCsv(path_, Table());
    } catch (const VkError &error) {
        ShowDefaultErrorBox(error.Message(), this);
        return false;
    }
    changed_ = false;
    status_->setText(tr("%1 に保存しました (%2)").arg(savedPath_, TableEncodingName(encoding_)));
    return true;
}

void TfrmMergeTableEditor::showRecord(int row)
{
    if (OnShown)
        OnShown(Table(), std::max(row, 0));
}

void TfrmMergeTableEditor::done(int result)
{
    if (changed_) {
        const int answer =
            VkMessageBox(tr("差し込みデータの変更を保存しますか?"), MB_YESNOCANCEL | MB_ICONQUESTION, this);
        if (answer == IDCANCEL || (answer == IDYES && !save()))
            return;
    }
    QDialog::done(result);
}
