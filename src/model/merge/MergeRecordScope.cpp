#include "model/merge/MergeRecordScope.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergeFields.h"
#include "model/picture/QrCode.h"
#include "model/picture/VCard.h"

namespace {

// The code's text for a record. A contact made by the QR code command is filled field by field
// and built again, so a record's name is split into family and given name and its commas and
// semicolons are escaped as in a typed contact; any other text takes the values as they are.
QString filledCodeText(const QString &design, const MergeTable &table, int record,
                       QStringList *missingColumns)
{
    std::optional<VCardContact> contact = ParseVCard(design);
    if (!contact || BuildVCard(*contact) != design)
        return MergeFields::FillText(design, table, record, missingColumns);
    for (QString *field : {&contact->Name, &contact->Reading, &contact->Company, &contact->Title,
                           &contact->Phone, &contact->Mail, &contact->Address, &contact->Url})
        *field = MergeFields::FillText(*field, table, record, missingColumns);
    return BuildVCard(*contact);
}

} // namespace

MergeRecordScope::MergeRecordScope(TVkVellumPanel &card, const MergeTable &table, int record)
    : card_(card), repaintRequested_(std::exchange(card.OnRepaintRequested, nullptr))
{
    for (int index = 0; index < card.ObjectCount(); ++index) {
        TVkDragLabel &object = card.Object(index);
        if (object.IsQrCode())
            FillQrCode(object, table, record);
        else if (object.IsText())
            FillCaption(object, table, record);
    }
}

MergeRecordScope::~MergeRecordScope()
{
    for (SavedCaption &saved : saved_)
        saved.object->LoadCaption(saved.lines);
    for (SavedCode &saved : savedCodes_)
        saved.object->LoadBitmap(saved.modules);
    card_.OnRepaintRequested = std::move(repaintRequested_);
}

void MergeRecordScope::FillCaption(TVkDragLabel &object, const MergeTable &table, int record)
{
    if (!MergeFields::HasFields(object.Caption()))
        return;
    saved_.push_back({&object, object.Caption()});
    object.LoadCaption(MergeFields::Fill(object.Caption(), table, record, &missingColumns_));
}

void MergeRecordScope::FillQrCode(TVkDragLabel &object, const MergeTable &table, int record)
{
    if (!MergeFields::HasFields({object.QrText()}))
        return;
    QImage modules = EncodeQrCode(filledCodeText(object.QrText(), table, record, &missingColumns_),
                                  object.QrLevel(), object.QrQuietZone());
    if (modules.isNull()) {
        // A record too long for a code of this level leaves the code's place light: the design's
        // own modules would read as the field names, which nobody could tell from a right code.
        modules = object.Bitmap().copy();
        modules.fill(Qt::white);
    }
    savedCodes_.push_back({&object, object.Bitmap()});
    object.LoadBitmap(modules);
}
