#include "model/document/UndoHistory.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStreamProperties.h"

#include <algorithm>

UndoHistory::UndoHistory(int undoCount)
{
    SetUndoCount(undoCount);
}

void UndoHistory::Forget()
{
    undoPosition_ = 0;
    redoCount_ = 0;
    for (SplicedCardStream &slot : slots_)
        slot.Release();
    pictures_.Sweep();
}

void UndoHistory::Clear()
{
    Forget();
    slots_ = {};
    pictures_ = PictureCache();
    copyStream_ = SplicedCardStream();
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

void UndoHistory::TakeUndoSnapshot(const TVkVellumPanel &surface, const TCardDef &cardDef,
                                   const TVkVellumPanel *back)
{
    if (undoCount_ > 0) {
        if (undoPosition_ >= undoCount_) {
            // Full: the oldest snapshot's buffer becomes the newest slot; slots above N stay put.
            std::rotate(slots_.begin(), slots_.begin() + 1, slots_.begin() + undoCount_);
            undoPosition_ = undoCount_ - 1;
        }
        ++undoPosition_;
        writeSlot(undoPosition_, surface, cardDef, back);
    }
    redoCount_ = 0;
    // The slots above the newest snapshot can no longer be reached; their pictures need not stay.
    for (auto slot = slots_.begin() + undoPosition_; slot != slots_.end(); ++slot)
        slot->Release();
    pictures_.Sweep();
}

void UndoHistory::writeSlot(int slotNumber, const TVkVellumPanel &surface, const TCardDef &cardDef,
                            const TVkVellumPanel *back)
{
    // Sized for the card as it last was, so that a growing buffer neither copies itself over and
    // over nor keeps much more memory than the snapshot needs.
    SplicedCardStream &slot = slots_[std::size_t(slotNumber - 1)];
    slot.Release();
    if (slot.bytes.capacity() < lastSnapshotSize_)
        slot.bytes.reserve(lastSnapshotSize_ + lastSnapshotSize_ / 32);
    WriteCardStream(slot, surface, cardDef, pictures_, back);
    lastSnapshotSize_ = slot.bytes.size();
}

std::optional<CardStreamReadResult> UndoHistory::Undo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                                      const RestoreHooks &hooks, TVkVellumPanel *back)
{
    if (undoPosition_ < 1)
        return std::nullopt;
    if (redoCount_ == 0)
        writeSlot(undoPosition_ + 1, surface, cardDef, back); // where redo comes back to
    const CardStreamReadResult result = restore(undoPosition_, surface, cardDef, hooks, back);
    --undoPosition_;
    ++redoCount_;
    return result;
}

std::optional<CardStreamReadResult> UndoHistory::Redo(TVkVellumPanel &surface, const TCardDef &cardDef,
                                                      const RestoreHooks &hooks, TVkVellumPanel *back)
{
    if (redoCount_ < 1)
        return std::nullopt;
    const CardStreamReadResult result = restore(undoPosition_ + 2, surface, cardDef, hooks, back);
    ++undoPosition_;
    --redoCount_;
    return result;
}

CardStreamReadResult UndoHistory::restore(int slotNumber, TVkVellumPanel &surface, const TCardDef &cardDef,
                                          const RestoreHooks &hooks, TVkVellumPanel *back)
{
    // The main window's hook clears the side it shows, which may be either.
    if (hooks.ClearCardObjects)
        hooks.ClearCardObjects();
    surface.ClearObjects();
    surface.SetBitmap(QImage());

    // A scratch surface starts as the live one, so that what a snapshot does not store keeps the
    // live value; it then takes the snapshot and hands everything back. A back the snapshot does
    // not hold was blank.
    TVkVellumPanel scratch;
    CopySurface(surface, scratch, cardDef);
    TVkVellumPanel backScratch;
    if (back) {
        ClearSide(*back);
        CopySurfaceProperties(*back, backScratch);
    }
    ReadCardStream(slot(slotNumber), scratch, {}, back ? &backScratch : nullptr);
    scratch.SetBounds(surface.Left(), surface.Top(), surface.Width(), surface.Height());
    if (back)
        backScratch.SetBounds(back->Left(), back->Top(), back->Width(), back->Height());
    // CopySurface through a stream kept between restores, so a large card does not fault in
    // fresh memory on every step.
    WriteCardStream(copyStream_, scratch, cardDef, pictures_, back ? &backScratch : nullptr);
    const CardStreamReadResult result = ReadCardStream(copyStream_, surface, hooks.WireObject, back);
    copyStream_.Release();
    pictures_.Sweep();
    return result;
}

qsizetype UndoHistory::MemoryBytes() const
{
    qsizetype bytes = 0;
    for (const SplicedCardStream &slot : slots_)
        bytes += slot.bytes.capacity() + qsizetype(slot.pictures.capacity() * sizeof(PictureSplice));
    return bytes + copyStream_.bytes.capacity() + pictures_.MemoryBytes();
}
