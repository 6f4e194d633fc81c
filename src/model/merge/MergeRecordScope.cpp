#include "model/merge/MergeRecordScope.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergeFields.h"

MergeRecordScope::MergeRecordScope(TVkVellumPanel &card, const MergeTable &table, int record)
    : card_(card), repaintRequested_(std::exchange(card.OnRepaintRequested, nullptr))
{
    for (int index = 0; index < card.ObjectCount(); ++index) {
        TVkDragLabel &object = card.Object(index);
        if (!object.IsText() || !MergeFields::HasFields(object.Caption()))
            continue;
        saved_.push_back({&object, object.Caption()});
        object.LoadCaption(MergeFields::Fill(object.Caption(), table, record, &missingColumns_));
    }
}

MergeRecordScope::~MergeRecordScope()
{
    for (SavedCaption &saved : saved_)
        saved.object->LoadCaption(saved.lines);
    card_.OnRepaintRequested = std::move(repaintRequested_);
}
