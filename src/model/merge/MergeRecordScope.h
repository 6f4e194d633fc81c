#pragma once

#include "model/merge/MergeTable.h"

#include <QStringList>
#include <functional>
#include <vector>

class QRect;
class TVkDragLabel;
class TVkVellumPanel;

// Shows one record on a card for as long as the scope lives: every text object whose lines hold
// fields draws the record's values, and gets its own lines back when the scope ends. The card's
// document, its undo history and its repaint requests are untouched, so a record can be drawn for
// the screen, a sheet or a file in the middle of editing the design.
class MergeRecordScope {
public:
    MergeRecordScope(TVkVellumPanel &card, const MergeTable &table, int record);
    ~MergeRecordScope();
    MergeRecordScope(const MergeRecordScope &) = delete;
    MergeRecordScope &operator=(const MergeRecordScope &) = delete;

    // The fields whose columns the table lacks; they are drawn as typed.
    const QStringList &MissingColumns() const { return missingColumns_; }

private:
    struct SavedCaption {
        TVkDragLabel *object;
        QStringList lines;
    };

    TVkVellumPanel &card_;
    std::function<void(const QRect &)> repaintRequested_;
    std::vector<SavedCaption> saved_;
    QStringList missingColumns_;
};
