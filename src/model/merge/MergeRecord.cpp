#include "model/merge/MergeRecord.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergeFields.h"
#include "model/picture/QrCode.h"
#include "model/picture/VCard.h"

namespace {

// The code's text for a record. A contact made by the QR code command is filled field by field
// and built again, so a record's name is split into family and given name and its commas and
// semicolons are escaped as in a typed contact; any other text takes the values as they are.
QString filledCodeText(const QString &design, const MergeTable &table, int record, std::int64_t card)
{
    std::optional<VCardContact> contact = ParseVCard(design);
    if (!contact || BuildVCard(*contact) != design)
        return MergeFields::FillText(design, table, record, nullptr, card);
    for (QString *field : {&contact->Name, &contact->Reading, &contact->Company, &contact->Title,
                           &contact->Phone, &contact->Mail, &contact->Address, &contact->Url})
        *field = MergeFields::FillText(*field, table, record, nullptr, card);
    return BuildVCard(*contact);
}

QString codeKey(const TVkDragLabel &code)
{
    return QStringLiteral("%1/%2/").arg(int(code.QrLevel())).arg(code.QrQuietZone()) + code.QrText();
}

} // namespace

MergeRecord::MergeRecord(const MergeTable &table, int record) : table_(&table), record_(record)
{
}

void MergeRecord::Show(int record, std::int64_t card)
{
    if (record != record_) {
        lines_.clear();
        codes_.clear();
    } else if (card != card_) {
        // Only what counts the cards differs between the cards of one record.
        lines_.removeIf([](const auto &kept) { return MergeFields::HasSerial(kept.key()); });
        codes_.removeIf([](const auto &kept) { return MergeFields::HasSerial({kept.key()}); });
    }
    record_ = record;
    card_ = card;
}

QStringList MergeRecord::Lines(const QStringList &lines) const
{
    if (!MergeFields::HasFields(lines))
        return lines;
    const auto kept = lines_.constFind(lines);
    if (kept != lines_.cend())
        return *kept;
    return *lines_.insert(lines, MergeFields::Fill(lines, *table_, record_, nullptr, card_));
}

QImage MergeRecord::CodeModules(const TVkDragLabel &code) const
{
    if (!MergeFields::HasFields({code.QrText()}))
        return code.Bitmap();
    const QString key = codeKey(code);
    const auto kept = codes_.constFind(key);
    if (kept != codes_.cend())
        return *kept;
    QImage modules = EncodeQrCode(filledCodeText(code.QrText(), *table_, record_, card_), code.QrLevel(),
                                  code.QrQuietZone());
    if (modules.isNull()) {
        // A record too long for a code of this level leaves the code's place light: the design's
        // own modules would read as the field names, which nobody could tell from a right code.
        modules = code.Bitmap().copy();
        modules.fill(Qt::white);
    }
    return *codes_.insert(key, modules);
}

QStringList MergeRecord::MissingColumns(const TVkVellumPanel &card, const MergeTable &table)
{
    QStringList missing;
    for (int index = 0; index < card.ObjectCount(); ++index)
        for (const QString &column : ObjectMissingColumns(card.Object(index), table))
            if (!missing.contains(column))
                missing.append(column);
    return missing;
}

QStringList MergeRecord::ObjectMissingColumns(const TVkDragLabel &object, const MergeTable &table)
{
    const QStringList fields = object.IsQrCode() ? MergeFields::FieldNames({object.QrText()})
                               : object.IsText() ? MergeFields::FieldNames(object.Caption())
                                                 : QStringList();
    QStringList missing;
    for (const QString &column : fields)
        if (table.ColumnIndex(column) < 0 && !MergeFields::IsNumbering(column) && !missing.contains(column))
            missing.append(column);
    return missing;
}

std::optional<std::int64_t> MergeRecord::FirstSerialStart(const TVkVellumPanel &card)
{
    for (int index = 0; index < card.ObjectCount(); ++index) {
        const TVkDragLabel &object = card.Object(index);
        const std::optional<std::int64_t> start =
            MergeFields::FirstSerialStart(object.IsQrCode() ? QStringList{object.QrText()}
                                          : object.IsText() ? object.Caption()
                                                            : QStringList());
        if (start)
            return start;
    }
    return std::nullopt;
}
