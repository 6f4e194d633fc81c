#pragma once

#include "model/merge/MergeTable.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <vector>

class QRect;
class TVkDragLabel;
class TVkVellumPanel;

// Shows one record on a card for as long as the scope lives: every text object whose lines hold
// fields draws the record's values, and so does every QR code whose text holds them; each gets its
// own lines or modules back when the scope ends. The card's document, its undo history and its repaint
// requests are untouched, so a record can be drawn for the screen, a sheet or a file in the middle of editing
// the design.
class MergeRecordScope {
public:
    MergeRecordScope(TVkVellumPanel &card, const MergeTable &table, int record);
    ~MergeRecordScope();
    MergeRecordScope(const MergeRecordScope &) = delete;
    MergeRecordScope &operator=(const MergeRecordScope &) = delete;

    // The fields whose columns the table lacks; they are drawn as typed.
    const QStringList &MissingColumns() const { return missingColumns_; }

private:
    void FillCaption(TVkDragLabel &object, const MergeTable &table, int record);
    void FillQrCode(TVkDragLabel &object, const MergeTable &table, int record);

    struct SavedCaption {
        TVkDragLabel *object;
        QStringList lines;
    };
    struct SavedCode {
        TVkDragLabel *object;
        QImage modules;
    };

    TVkVellumPanel &card_;
    std::function<void(const QRect &)> repaintRequested_;
    std::vector<SavedCaption> saved_;
    std::vector<SavedCode> savedCodes_;
    QStringList missingColumns_;
};
