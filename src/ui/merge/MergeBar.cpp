#include "ui/merge/MergeBar.h"

#include "model/merge/MergeTableReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <algorithm>
#include <initializer_list>

namespace {

QAction *barAction(QToolBar &bar, const char *name, const QString &caption, QStyle::StandardPixmap icon)
{
    QAction *action = bar.addAction(bar.style()->standardIcon(icon), caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(caption);
    return action;
}

// A caption and the fields it names as one item of the bar, so that a narrow window moves them into
// the bar's overflow menu together instead of leaving a caption without its field.
void addCaptioned(QToolBar &bar, const QString &caption, std::initializer_list<QWidget *> fields)
{
    auto *group = new QWidget(&bar);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(8, 0, 4, 0);
    auto *label = new QLabel(caption, group);
    label->setBuddy(*fields.begin());
    layout->addWidget(label);
    for (QWidget *field : fields)
        layout->addWidget(field);
    bar.addWidget(group);
}

} // namespace

MergeBar::MergeBar(QWidget *parent) : QToolBar(tr("差し込み印刷"), parent)
{
    setObjectName(QStringLiteral("tbMerge"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);

    first_ = barAction(*this, "acMergeFirst", tr("最初のレコード"), QStyle::SP_MediaSkipBackward);
    previous_ = barAction(*this, "acMergePrevious", tr("前のレコード"), QStyle::SP_MediaSeekBackward);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("lblMergeRecord"));
    position_->setContentsMargins(6, 0, 6, 0);
    addWidget(position_);
    next_ = barAction(*this, "acMergeNext", tr("次のレコード"), QStyle::SP_MediaSeekForward);
    last_ = barAction(*this, "acMergeLast", tr("最後のレコード"), QStyle::SP_MediaSkipForward);
    connect(first_, &QAction::triggered, this, [this] { ShowRecord(0); });
    connect(previous_, &QAction::triggered, this, [this] { ShowRecord(record_ - 1); });
    connect(next_, &QAction::triggered, this, [this] { ShowRecord(record_ + 1); });
    connect(last_, &QAction::triggered, this, [this] { ShowRecord(table_.RecordCount() - 1); });
    addSeparator();

    close_ = addAction(tr("差し込みを終了"));
    close_->setObjectName(QStringLiteral("acMergeClose"));
    connect(close_, &QAction::triggered, this, [this] {
        CloseTable();
        if (OnClosed)
            OnClosed();
    });
    settings_ = addSeparator();

    layout_ = new QComboBox(this);
    layout_->setObjectName(QStringLiteral("cmbMergeLayout"));
    layout_->setAccessibleName(tr("印刷"));
    layout_->addItem(tr("1 件ごとに用紙 1 枚"), int(MergeLayout::SheetPerRecord));
    layout_->addItem(tr("1 件ごとにカード 1 枚"), int(MergeLayout::CardPerRecord));
    addCaptioned(*this, tr("印刷"), {layout_});

    from_ = new QSpinBox(this);
    from_->setObjectName(QStringLiteral("spnMergeFrom"));
    from_->setAccessibleName(tr("最初に印刷するレコード"));
    to_ = new QSpinBox(this);
    to_->setObjectName(QStringLiteral("spnMergeTo"));
    to_->setAccessibleName(tr("最後に印刷するレコード"));
    addCaptioned(*this, tr("範囲"), {from_, new QLabel(tr("～"), this), to_});
    copiesColumn_ = new QComboBox(this);
    copiesColumn_->setObjectName(QStringLiteral("cmbMergeCopiesColumn"));
    copiesColumn_->setAccessibleName(tr("部数の列"));
    copiesColumn_->setToolTip(tr("各レコードのカードの枚数を、この列の値にします"));
    addCaptioned(*this, tr("部数の列"), {copiesColumn_});
    continueNumbering_ = new QCheckBox(tr("連番を前回の続きから"), this);
    continueNumbering_->setObjectName(QStringLiteral("chkMergeContinueNumbering"));
    continueNumbering_->setAccessibleName(continueNumbering_->text());
    continueNumbering_->setToolTip(tr("{{連番}} を、前回の差し込みで最後に印刷した番号の次から数えます"));
    addWidget(continueNumbering_);
    // Last, as the least used: a narrow window moves it into the overflow menu first.
    encoding_ = new QComboBox(this);
    encoding_->setObjectName(QStringLiteral("cmbMergeEncoding"));
    encoding_->setAccessibleName(tr("文字コード"));
    encoding_->addItem(tr("自動判別"));
    for (const TableEncoding encoding :
         {TableEncoding::Utf8, TableEncoding::Utf16, TableEncoding::Cp932, TableEncoding::Workbook})
        encoding_->addItem(TableEncodingName(encoding), int(encoding));
    // A workbook is only shown, never chosen: its bytes tell what it is.
    qobject_cast<QStandardItemModel *>(encoding_->model())->item(encoding_->count() - 1)->setEnabled(false);
    addCaptioned(*this, tr("文字コード"), {encoding_});
    connect(encoding_, &QComboBox::activated, this, [this](int index) {
        if (OnEncodingChosen)
            OnEncodingChosen(index == 0 ? std::nullopt
                                        : std::optional(TableEncoding(encoding_->itemData(index).toInt())));
    });
    hide();
}

QAction *MergeBar::AddTableCommand(const QString &caption)
{
    auto *action = new QAction(caption, this);
    insertAction(settings_, action);
    return action;
}

QAction *MergeBar::AddCommand(const QString &caption)
{
    auto *action = new QAction(caption, this);
    insertAction(close_, action);
    return action;
}

void MergeBar::OpenTable(const QString &path, std::optional<TableEncoding> encoding)
{
    MergeTable table = MergeTableReader::ReadFile(path, encoding);
    const bool sameTable = open_ && path == path_;
    table_ = std::move(table);
    path_ = path;
    open_ = true;
    showEncoding(encoding);
    showCopiesColumns();
    const int count = std::max(table_.RecordCount(), 1);
    from_->setRange(1, count);
    to_->setRange(1, count);
    if (!sameTable) {
        from_->setValue(1);
        to_->setValue(count);
    }
    show();
    ShowRecord(sameTable ? std::min(record_, count - 1) : 0);
}

void MergeBar::ShowEdited(MergeTable table, int record)
{
    table_ = std::move(table);
    const int count = std::max(table_.RecordCount(), 1);
    from_->setRange(1, count);
    to_->setRange(1, count);
    ShowRecord(record);
}

void MergeBar::CloseTable()
{
    open_ = false;
    table_ = MergeTable();
    hide();
}

void MergeBar::ShowRecord(int record)
{
    record_ = std::clamp(record, 0, std::max(table_.RecordCount() - 1, 0));
    showPosition();
    if (OnRecordChanged)
        OnRecordChanged();
}

OutputJob MergeBar::Job() const
{
    return {.PerRecord = MergeLayout(layout_->currentData().toInt()),
            .ContinueNumbering = continueNumbering_->isChecked(),
            .CopiesColumn = copiesColumn_->currentIndex() > 0 ? copiesColumn_->currentText() : QString(),
            .FirstRecord = from_->value(),
            .LastRecord = to_->value()};
}

std::optional<RecordRange> MergeBar::PrintRecords() const
{
    return Job().Records(table_.RecordCount());
}

void MergeBar::showEncoding(std::optional<TableEncoding> chosen)
{
    // A workbook's cells carry their own encoding, so there is nothing to choose.
    const bool isWorkbook = table_.Encoding() == TableEncoding::Workbook;
    encoding_->setEnabled(!isWorkbook);
    if (isWorkbook)
        chosen = TableEncoding::Workbook;
    encoding_->setCurrentIndex(chosen ? encoding_->findData(int(*chosen)) : 0);
    encoding_->setToolTip(isWorkbook
                              ? tr("Excel ブックは文字コードを選ばずに読みます")
                              : tr("読み込んだ文字コード: %1").arg(TableEncodingName(table_.Encoding())));
}

void MergeBar::showCopiesColumns()
{
    // The column chosen stays chosen while the table read again still has it.
    const QString chosen = copiesColumn_->currentIndex() > 0 ? copiesColumn_->currentText() : QString();
    copiesColumn_->clear();
    copiesColumn_->addItem(tr("なし"));
    copiesColumn_->addItems(table_.Columns());
    copiesColumn_->setCurrentIndex(std::max(copiesColumn_->findText(chosen, Qt::MatchExactly), 0));
}

void MergeBar::showPosition()
{
    const int count = table_.RecordCount();
    position_->setText(count == 0 ? tr("レコードなし") : tr("レコード %1 / %2").arg(record_ + 1).arg(count));
    first_->setEnabled(record_ > 0);
    previous_->setEnabled(record_ > 0);
    next_->setEnabled(record_ + 1 < count);
    last_->setEnabled(record_ + 1 < count);
}
