#pragma once

#include "model/merge/MergeTable.h"
#include "model/output/OutputJob.h"

#include <QToolBar>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// The record bar of a merge: moves through the records of the open table (first, previous,
// "record N of M", next, last), chooses the encoding of a text table (a workbook's is only shown),
// how records fill sheets and which records print, and ends the merge. The card on the surface shows
// the current record; the design itself never changes.
class MergeBar : public QToolBar {
    Q_OBJECT
public:
    explicit MergeBar(QWidget *parent = nullptr);

    // Reads the table at path into the bar and shows its first record; the encoding is told from the
    // bytes unless given. Raises VkError, leaving the bar as it was, when the table cannot be used.
    void OpenTable(const QString &path, std::optional<TableEncoding> encoding = std::nullopt);
    void CloseTable();
    // Shows a table edited in the table editor in place of the one read, at that record, until the
    // table is read again.
    void ShowEdited(MergeTable table, int record);
    bool IsOpen() const { return open_; }

    const QString &TablePath() const { return path_; }
    const MergeTable &Table() const { return table_; }
    int CurrentRecord() const { return record_; }
    void ShowRecord(int record);

    // Adds a command on the records beside the one that ends the merge, ahead of the bar's settings,
    // so that a narrow window keeps it in sight.
    QAction *AddCommand(const QString &caption);
    // Adds a command on the table after the one that ends the merge: a narrow window moves it into
    // the bar's overflow menu before the commands on the records.
    QAction *AddTableCommand(const QString &caption);

    // What the bar asks a merge to put out: the records chosen to print and how they fill sheets.
    OutputJob Job() const;
    // The records of the open table that job prints; none when its range holds none.
    std::optional<RecordRange> PrintRecords() const;

    // The record shown changed, or the merge ended (the table is then closed).
    std::function<void()> OnRecordChanged;
    std::function<void()> OnClosed;
    // The encoding chosen in the bar; the table is read again with it.
    std::function<void(std::optional<TableEncoding>)> OnEncodingChosen;

private:
    void showEncoding(std::optional<TableEncoding> chosen);
    void showCopiesColumns();
    void showPosition();

    MergeTable table_;
    QString path_;
    bool open_ = false;
    int record_ = 0;
    QAction *first_, *previous_, *next_, *last_, *close_, *settings_;
    QLabel *position_;
    QComboBox *encoding_;
    QComboBox *layout_;
    QSpinBox *from_, *to_;
    QComboBox *copiesColumn_;
    QCheckBox *continueNumbering_;
};
