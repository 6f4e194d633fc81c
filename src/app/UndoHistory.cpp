#include "app/UndoHistory.h"

#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"

#include <algorithm>

UndoHistory::UndoHistory(int undoCount)
{
    SetUndoCount(undoCount);
}

void UndoHistory::Forget()
{
    undoPosition_ = 0;
    redoCount_ = 0;
}

void UndoHistory::Clear()
{
    Forget();
    for (QByteArray &slot : slots_)
        slot = QByteArray();
    pictures_ = PictureCache();
}

void UndoHistory::SetUndoCount(int count)
{
    undoCount_ = std::clamp(count, 0, kMaxUndoCount);
}

std::optional<int> UndoHistory::ParseUndoCount(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return int(std::clamp<qlonglong>(value, 0, kMaxUndoCount));
}

void UndoHistory::TakeUndoSnapshot(const TVkVellumPanel &surface, const TCardDef &cardDef)
{
    if (undoCount_ > 0) {
        if (undoPosition_ >= undoCount_) {
            // Full: the oldest snapshot's buffer becomes the newest slot; slots above N stay put.
            std::rotate(slots_.begin(), slots_.begin() + 1, slots_.begin() + undoCount_);
            undoPosition_ = undoCount_ - 1;
        }
        ++undoPosition_;
        WriteCardStream(slots_[std::size_t(undoPosition_ - 1)], surface, cardDef, &pictures_);
        pictures_.Sweep();
    }
    redoCount_ = 0;
}

std::optional<CardStreamReadResult> UndoHistory::Undo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                                      const RestoreHooks &hooks)
{
    if (undoPosition_ < 1)
        return std::nullopt;
    if (redoCount_ == 0)
        WriteCardStream(slots_[std::size_t(undoPosition_)], surface, cardDef,
                        &pictures_); // where redo comes back to
    const CardStreamReadResult result = restore(undoPosition_, surface, cardDef, hooks);
    --undoPosition_;
    ++redoCount_;
    return result;
}

std::optional<CardStreamReadResult> UndoHistory::Redo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                                      const RestoreHooks &hooks)
{
    if (redoCount_ < 1)
        return std::nullopt;
    const CardStreamReadResult result = restore(undoPosition_ + 2, surface, cardDef, hooks);
    ++undoPosition_;
    --redoCount_;
    return result;
}

CardStreamReadResult UndoHistory::restore(int slotNumber, TVkVellumPanel &surface, const TCardDef &cardDef,
                                          const RestoreHooks &hooks)
{
    if (hooks.ClearCardObjects)
        hooks.ClearCardObjects();
    else
        surface.ClearObjects();
    surface.SetBitmap(QImage());

    // A scratch surface starts as the live one, so that what a snapshot does not store keeps the
    // live value; it then takes the snapshot and hands everything back.
    TVkVellumPanel scratch;
    CopySurface(surface, scratch, cardDef);
    ReadCardStream(Slot(slotNumber), scratch, {}, &pictures_);
    scratch.SetBounds(surface.Left(), surface.Top(), surface.Width(), surface.Height());
    const CardStreamReadResult result = CopySurface(scratch, surface, cardDef, hooks.WireObject, &pictures_);
    pictures_.Sweep();
    return result;
}

qsizetype UndoHistory::MemoryBytes() const
{
    qsizetype bytes = 0;
    for (const QByteArray &slot : slots_)
        bytes += slot.capacity();
    return bytes + pictures_.MemoryBytes();
}
