#pragma once

#include "model/document/CardStream.h"
#include "model/document/PictureCache.h"
#include "model/document/SplicedCardStream.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class TVkDragLabel;
class TVkVellumPanel;

// The undo history: up to 100 snapshots of the whole card, each a card document in memory, taken
// just before each change. The snapshots hold their pictures by reference, so a picture that did
// not change between steps takes its memory once, however many snapshots hold it. Slots 1 to U hold the
// snapshots, oldest first; the slot after the newest keeps the card as it was when undo was first pressed,
// and the slots above it the states redo returns to. The card definition is not part of the history:
// restoring keeps the one in force. The history has no window; the main window enables its commands from
// CanUndo and CanRedo.
class UndoHistory {
public:
    static constexpr int kMaxUndoCount = 100;
    static constexpr int kSlotCount = kMaxUndoCount + 1;
    static constexpr int kDefaultUndoCount = 16;

    // What restoring needs from the main window: its way of clearing the card's objects (which
    // also forgets the selection) and the wiring every object read gets.
    struct RestoreHooks {
        std::function<void()> ClearCardObjects;
        std::function<void(TVkDragLabel &)> WireObject;
    };

    explicit UndoHistory(int undoCount = kDefaultUndoCount);

    // Empties the history (after loading a document) and lets go of its pictures; the slot buffers
    // are kept for reuse.
    void Forget();
    // Releases the slot buffers too (a new card).
    void Clear();

    // The most snapshots kept, 0 to 100. A lower count takes effect at the next snapshot.
    int UndoCount() const { return undoCount_; }
    void SetUndoCount(int count);
    // The count typed into the undo count box: clamped to 0..100, or none when it is not a number.
    static std::optional<int> ParseUndoCount(const QString &text);

    int UndoPosition() const { return undoPosition_; }
    int RedoCount() const { return redoCount_; }
    bool CanUndo() const { return undoPosition_ > 0; }
    bool CanRedo() const { return redoCount_ > 0; }

    // Records the card as it is before a change, with its back side when one is given. Forgets the
    // redo steps.
    void TakeUndoSnapshot(const TVkVellumPanel &surface, const TCardDef &cardDef,
                          const TVkVellumPanel *back = nullptr);

    // Steps back or forward, rebuilding surface's objects and background from the slot, and back's
    // when it is given (blank when the slot's card had no back). Returns what the restored card
    // carries (its grid tick), or none when there is no step to take.
    std::optional<CardStreamReadResult> Undo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                             const RestoreHooks &hooks, TVkVellumPanel *back = nullptr);
    std::optional<CardStreamReadResult> Redo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                             const RestoreHooks &hooks, TVkVellumPanel *back = nullptr);

    // Slot 1 to kSlotCount, as the history numbers them: the card document it holds, pictures included.
    QByteArray Slot(int number) const { return slot(number).Joined(); }
    qsizetype SlotSize(int number) const { return slot(number).Size(); }
    // The memory the slot buffers, the restore stream and the pictures held for them take.
    qsizetype MemoryBytes() const;

private:
    const SplicedCardStream &slot(int number) const { return slots_[std::size_t(number - 1)]; }
    void writeSlot(int slotNumber, const TVkVellumPanel &surface, const TCardDef &cardDef,
                   const TVkVellumPanel *back);
    CardStreamReadResult restore(int slotNumber, TVkVellumPanel &surface, const TCardDef &cardDef,
                                 const RestoreHooks &hooks, TVkVellumPanel *back);

    // Moved, never copied, when the history rotates, so each buffer keeps its memory.
    std::array<SplicedCardStream, kSlotCount> slots_;
    // The pictures of all the slots, each encoded once.
    PictureCache pictures_;
    SplicedCardStream copyStream_;
    int undoPosition_ = 0;
    int redoCount_ = 0;
    int undoCount_ = kDefaultUndoCount;
    qsizetype lastSnapshotSize_ = 0;
};
