#include "model/document/CardStream.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/card/TextLimit.h"
#include "model/document/CardStreamProperties.h"
#include "model/document/SplicedCardStream.h"
#include "model/platform/Cp932.h"
#include "model/platform/VkError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <algorithm>
#include <vector>

namespace {

constexpr std::uint8_t kResourceStart = 0xFF;
constexpr std::uint16_t kResourceType = 0x000A;
constexpr std::uint16_t kResourceFlags = 0x1030;
constexpr qsizetype kEntryHeaderLimit = 79;
constexpr qsizetype kOldLayoutPrefix = 8;
constexpr qsizetype kMinimumEntryRest = 8; // eight bytes or fewer after the last entry are ignored
constexpr QByteArrayView kSignature = "TPF0";
constexpr const char *kSurfaceClass = "TVkVellumPanel";
constexpr const char *kObjectClass = "TVkDragLabel";
// The surface is always stored under the main window's name for it; card objects have no name.
constexpr const char *kSurfaceName = "zzCardBase";
// The back's surface entry is told from a card object's by its resource name.
constexpr QByteArrayView kBackResource = "CardBack";
constexpr const char *kBackName = "zzCardBack";

// A resource entry whose size is filled in once the component stream behind it is written.
template <class Component>
void writeEntry(ComponentStreamWriter &writer, const QByteArray &resourceName, const char *className,
                const char *componentName, const Component &component, const PropertyTable<Component> &table)
{
    writer.WriteByte(kResourceStart);
    writer.WriteInt16(kResourceType);
    writer.WriteBytes(resourceName.toUpper());
    writer.WriteByte(0);
    writer.WriteInt16(std::int16_t(kResourceFlags));
    const qsizetype sizeField = writer.Position();
    writer.WriteInt32(0);
    const qsizetype start = writer.Position();

    writer.WriteBytes(kSignature);
    writer.WriteShortString(className);
    writer.WriteShortString(componentName);
    WriteProperties(writer, table, component);
    writer.WriteEndOfList(); // no stored children

    writer.PatchInt32(sizeField, std::int32_t(writer.Position() - start));
}

// Reads a resource entry's header and the signature of the component stream behind it; name is
// given the entry's resource name, end where the header says the entry ends.
bool readEntryStart(ComponentStreamReader &reader, QByteArrayView *name = nullptr, qsizetype *end = nullptr)
{
    const qsizetype entryStart = reader.Position();
    const QByteArrayView header = reader.ReadBytes(std::min(reader.Remaining(), kEntryHeaderLimit));
    if (header.size() < 3 || std::uint8_t(header[0]) != kResourceStart || header[1] != 0x0A || header[2] != 0)
        return false;
    const qsizetype nameEnd = header.indexOf('\0', 3);
    if (nameEnd < 0)
        return false;
    if (name)
        *name = header.sliced(3, nameEnd - 3);
    reader.Seek(entryStart + nameEnd + 3);
    const qsizetype componentStart = entryStart + nameEnd + 7;
    const std::uint32_t componentSize = std::uint32_t(reader.ReadInt32());
    if (end)
        *end = componentStart + qsizetype(componentSize);
    return reader.ReadBytes(4) == kSignature;
}

bool startsBackSide(QByteArrayView stream, qsizetype position)
{
    ComponentStreamReader reader(stream, position);
    QByteArrayView name;
    return readEntryStart(reader, &name) && name.compare(kBackResource, Qt::CaseInsensitive) == 0;
}

bool startsEntry(QByteArrayView stream, qsizetype position)
{
    ComponentStreamReader reader(stream, position);
    return readEntryStart(reader);
}

// Where the entry at position says it ends; the position itself when no entry starts there.
qsizetype declaredEntryEnd(QByteArrayView stream, qsizetype position)
{
    ComponentStreamReader reader(stream, position);
    qsizetype end = position;
    readEntryStart(reader, nullptr, &end);
    return end;
}

// Where the first entry header at or after from begins, or -1. An entry that cannot be read is
// skipped this way, by the next header, since its size field cannot be trusted any more than the
// rest of it.
qsizetype nextEntryStart(QByteArrayView stream, qsizetype from)
{
    constexpr char kEntryStart[] = {char(kResourceStart), 0x0A, 0x00};
    for (qsizetype at = stream.indexOf(QByteArrayView(kEntryStart, 3), from); at >= 0;
         at = stream.indexOf(QByteArrayView(kEntryStart, 3), at + 1)) {
        if (startsEntry(stream, at))
            return at;
    }
    return -1;
}

// Reads the entry at the reader's position into component. The size field is not trusted: the
// component stream is read by its own grammar, and the reader ends right after it.
template <class Component>
bool readEntry(ComponentStreamReader &reader, Component &component, const PropertyTable<Component> &table)
{
    if (!readEntryStart(reader))
        return false;
    if (reader.PeekByte() >= 0xF0)
        reader.ReadByte(); // filer flags, which this program never writes
    reader.ReadShortString();
    const QByteArrayView componentName = reader.ReadShortString();
    if (reader.Failed())
        return false;
    component.SetName(QString::fromLatin1(componentName));
    if (!ReadProperties(reader, table, component))
        return false;
    return reader.ReadByte() == 0 && !reader.Failed(); // the empty child list
}

// The writer leaves a surface's colour out when it is the button face colour, so an entry without
// one has that colour, whatever the surface had before.
bool readSurfaceEntry(ComponentStreamReader &reader, TVkVellumPanel &surface)
{
    surface.SetColor(clBtnFace);
    return readEntry(reader, surface, SurfaceProperties());
}

// The current layout puts the card definition in front of the surface, field by field and
// little-endian like every other number of the document, so it reads the same on any host.
void writeHeader(ComponentStreamWriter &writer, const TCardDef &cardDef)
{
    writer.WriteBytes(QByteArrayView(cardDef.Name, sizeof cardDef.Name));
    for (const std::int32_t field :
         {cardDef.CardSizeX, cardDef.CardSizeY, cardDef.Columns, cardDef.Lines, cardDef.LeftMargin,
          cardDef.TopMargin, cardDef.ColumnSpace, cardDef.LineSpace})
        writer.WriteInt32(field);
    writer.WriteByte(cardDef.System);
}

bool readHeader(ComponentStreamReader &reader, TCardDef &cardDef)
{
    const QByteArrayView name = reader.ReadBytes(sizeof cardDef.Name);
    if (reader.Failed())
        return false;
    std::copy(name.begin(), name.end(), cardDef.Name);
    cardDef.CardSizeX = reader.ReadInt32();
    cardDef.CardSizeY = reader.ReadInt32();
    cardDef.Columns = reader.ReadInt32();
    cardDef.Lines = reader.ReadInt32();
    cardDef.LeftMargin = reader.ReadInt32();
    cardDef.TopMargin = reader.ReadInt32();
    cardDef.ColumnSpace = reader.ReadInt32();
    cardDef.LineSpace = reader.ReadInt32();
    cardDef.System = reader.ReadByte();
    return !reader.Failed();
}

// The surface's stored properties as they were before reading. A layout that does not fit may
// have set some of them before it failed; they are put back, so that a damaged document neither
// colours the card it was refused on nor leaks into the next layout tried.
class SurfaceBeforeReading {
public:
    explicit SurfaceBeforeReading(const TVkVellumPanel &surface) : name_(surface.Name())
    {
        for (const PropertyRow<TVkVellumPanel> &row : SurfaceProperties())
            values_.push_back(row.get(surface));
    }

    void PutBack(TVkVellumPanel &surface) const
    {
        surface.SetName(name_);
        const auto &table = SurfaceProperties();
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i].set(surface, values_[i]);
    }

private:
    QString name_;
    std::vector<PropertyValue> values_;
};

// The three layouts in the order they are tried; the reader is left after the surface entry.
bool readSurface(QByteArrayView stream, TVkVellumPanel &surface, CardStreamReadResult &result,
                 ComponentStreamReader &reader, std::span<const PictureSplice> pictures)
{
    const SurfaceBeforeReading before(surface);
    TCardDef cardDef{};
    reader = ComponentStreamReader(stream, 0, pictures);
    if (readHeader(reader, cardDef) && readSurfaceEntry(reader, surface)) {
        result.headerRead = true;
        result.cardDef = cardDef;
        return true;
    }
    before.PutBack(surface);
    reader = ComponentStreamReader(stream, 0, pictures);
    if (readSurfaceEntry(reader, surface))
        return true;
    before.PutBack(surface);
    reader = ComponentStreamReader(stream, std::min(kOldLayoutPrefix, stream.size()), pictures);
    if (stream.size() >= kOldLayoutPrefix && readSurfaceEntry(reader, surface))
        return true;
    before.PutBack(surface);
    return false;
}

// The words a message uses for the stored texts a user can fill in.
QString textFieldName(const char *property)
{
    const QByteArrayView name(property);
    if (name == "Font.Name")
        return QCoreApplication::translate("CardStream", "フォント名");
    if (name == "Hint")
        return QCoreApplication::translate("CardStream", "ヒント");
    return QString::fromLatin1(property);
}

// Throws when a stored text of the component holds characters code page 932 cannot hold.
template <class Component>
void refuseUnstorableText(const Component &component, const PropertyTable<Component> &table,
                          const QString &owner)
{
    for (const PropertyRow<Component> &row : table) {
        // Text lines keep what the code page cannot hold in a UTF-8 copy of their own.
        if (row.kind != PropertyKind::Text)
            continue;
        if (row.stored && !row.stored(component))
            continue;
        const QString text = std::get<QString>(row.get(component));
        const QString refused = Cp932::UnencodableCharacters(text);
        if (!refused.isEmpty())
            throw VkError(QCoreApplication::translate(
                              "CardStream", "%1の%2に、カードファイルに保存できない文字があります。\n%3\n"
                                            "別の文字に置き換えてから保存してください。")
                              .arg(owner, textFieldName(row.name), Cp932::DescribeCharacters(refused)));
    }
}

void writeCard(ComponentStreamWriter &writer, const TVkVellumPanel &surface, const TCardDef &cardDef,
               const TVkVellumPanel *back)
{
    writeHeader(writer, cardDef);
    const auto writeSide = [&writer](const QByteArray &resourceName, const char *componentName,
                                     const TVkVellumPanel &side) {
        writeEntry(writer, resourceName, kSurfaceClass, componentName, side, SurfaceProperties());
        const auto &objectTable = DragLabelProperties();
        for (int i = 0; i < side.ObjectCount(); ++i)
            writeEntry(writer, QByteArray::number(i), kObjectClass, "", side.Object(i), objectTable);
    };
    writeSide(QByteArrayLiteral("CardBase"), kSurfaceName, surface);
    if (back && SideHasContent(*back))
        writeSide(kBackResource.toByteArray(), kBackName, *back);
}

void loseObject(CardStreamReadResult &result, bool onBack)
{
    ++result.objectsLost;
    if (onBack)
        ++result.backObjectsLost;
}

// Where reading goes on after the damaged entry at entry whose grammar took the bytes up to from:
// the next entry's start, or -1. The entries that begin inside those bytes are lost with it, each
// on its side; a back side's entry among them turns the count to the back, or ends the reading
// when the back is not read.
qsizetype skipLostEntries(QByteArrayView stream, qsizetype entry, qsizetype from, bool readsBack,
                          bool &onBack, CardStreamReadResult &result)
{
    for (qsizetype at = nextEntryStart(stream, entry + 1); at >= 0; at = nextEntryStart(stream, at + 1)) {
        if (at >= from)
            return at;
        if (!startsBackSide(stream, at)) {
            loseObject(result, onBack);
        } else if (readsBack) {
            onBack = true;
            result.backLost = true;
        } else {
            return -1;
        }
    }
    return -1;
}

// A text longer than any card can show is refused whole rather than laid out at a cost in memory
// that has no bound.
void refuseEndlessText(const TVkDragLabel &object, bool front, int index)
{
    if (TextLength(object.Caption()) > kMaxTextLength)
        throw VkError(
            QCoreApplication::translate(
                "CardStream", "%1の %2 番目のオブジェクトの文字列が長すぎます。%3 文字までの文字列が使えます")
                .arg(front ? QCoreApplication::translate("CardStream", "カード")
                           : QCoreApplication::translate("CardStream", "裏面"))
                .arg(index + 1)
                .arg(kMaxTextLength));
}

CardStreamReadResult readCard(QByteArrayView stream, std::span<const PictureSplice> pictures,
                              TVkVellumPanel &surface, const std::function<void(TVkDragLabel &)> &wireObject,
                              TVkVellumPanel *back)
{
    CardStreamReadResult result;
    ComponentStreamReader reader(stream);
    if (!readSurface(stream, surface, result, reader, pictures))
        return result;
    result.ok = true;
    result.showGrid = surface.ShowGrid();

    const auto &table = DragLabelProperties();
    bool onBack = false;
    qsizetype entry = reader.Position();
    // The next entry is looked for after what a damaged entry's grammar took, so that no byte is
    // read as part of two objects and a crafted file cannot make reading quadratic.
    const auto skipDamaged = [&](qsizetype from) {
        const qsizetype next = skipLostEntries(stream, entry, from, back != nullptr, onBack, result);
        if (next < 0 && declaredEntryEnd(stream, entry) > stream.size())
            result.cutShort = true;
        return next;
    };
    while (entry >= 0 && stream.size() - entry > kMinimumEntryRest) {
        reader.Resume(entry);
        if (startsBackSide(stream, entry)) {
            if (!back)
                break;
            // The objects after it belong to the back even when its own properties are damaged.
            onBack = true;
            const SurfaceBeforeReading before(*back);
            if (readSurfaceEntry(reader, *back)) {
                entry = reader.Position();
                continue;
            }
            before.PutBack(*back);
            result.backLost = true;
            entry = skipDamaged(std::max(entry + 1, reader.Position()));
            continue;
        }
        auto object = std::make_unique<TVkDragLabel>();
        object->BeginReading();
        const int refusedBefore = reader.PicturesRefused();
        if (result.objectsRead >= kMaxCardObjects || !readEntry(reader, *object, table)) {
            const bool damagedObject = startsEntry(stream, entry);
            const bool objectOnBack = onBack;
            const qsizetype next =
                skipDamaged(damagedObject ? std::max(entry + 1, reader.Position()) : entry + 1);
            if (next >= 0 || damagedObject)
                loseObject(result, objectOnBack);
            entry = next;
            continue;
        }
        entry = reader.Position();
        if (reader.PicturesRefused() > refusedBefore)
            continue;
        refuseEndlessText(*object, !onBack, (onBack ? *back : surface).ObjectCount());
        object->Loaded();
        object->SetSelected(false);
        TVkDragLabel &added = (onBack ? *back : surface).AddObject(std::move(object));
        ++result.objectsRead;
        if (wireObject)
            wireObject(added);
    }
    result.picturesRefused = reader.PicturesRefused();
    result.propertiesSkipped = reader.PropertiesSkipped();
    result.charactersLost = reader.CharactersLost();
    return result;
}

} // namespace

void WriteCardStream(QByteArray &stream, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     const TVkVellumPanel *back)
{
    stream.resize(0);
    ComponentStreamWriter writer(stream);
    writeCard(writer, surface, cardDef, back);
}

void WriteCardStream(SplicedCardStream &stream, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     PictureCache &pictures, const TVkVellumPanel *back)
{
    stream.Release(); // keeps the buffer, so a snapshot slot is reused rather than reallocated
    ComponentStreamWriter writer(stream, pictures);
    writeCard(writer, surface, cardDef, back);
}

QByteArray CardDocumentBytes(const TVkVellumPanel &surface, const TCardDef &cardDef,
                             const TVkVellumPanel *back)
{
    const auto refuseSide = [](const TVkVellumPanel &side, const QString &sideName) {
        refuseUnstorableText(side, SurfaceProperties(), sideName);
        const auto &objectTable = DragLabelProperties();
        for (int i = 0; i < side.ObjectCount(); ++i)
            refuseUnstorableText(side.Object(i), objectTable,
                                 QCoreApplication::translate("CardStream", "%1の %2 番目のオブジェクト")
                                     .arg(sideName)
                                     .arg(i + 1));
    };
    refuseSide(surface, QCoreApplication::translate("CardStream", "カード"));
    if (back && SideHasContent(*back))
        refuseSide(*back, QCoreApplication::translate("CardStream", "裏面"));
    QByteArray bytes;
    WriteCardStream(bytes, surface, cardDef, back);
    return bytes;
}

bool WriteCardStream(QIODevice &device, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     const TVkVellumPanel *back)
{
    const QByteArray bytes = CardDocumentBytes(surface, cardDef, back);
    if (!device.seek(0) || device.write(bytes) != bytes.size())
        return false;
    if (auto *file = qobject_cast<QFileDevice *>(&device))
        return file->resize(bytes.size());
    if (auto *buffer = qobject_cast<QBuffer *>(&device))
        buffer->buffer().resize(bytes.size());
    return true;
}

CardStreamReadResult ReadCardStream(QByteArrayView stream, TVkVellumPanel &surface,
                                    const std::function<void(TVkDragLabel &)> &wireObject,
                                    TVkVellumPanel *back)
{
    return readCard(stream, {}, surface, wireObject, back);
}

CardStreamReadResult ReadCardStream(const SplicedCardStream &stream, TVkVellumPanel &surface,
                                    const std::function<void(TVkDragLabel &)> &wireObject,
                                    TVkVellumPanel *back)
{
    return readCard(stream.bytes, stream.pictures, surface, wireObject, back);
}

CardStreamReadResult CopySurface(const TVkVellumPanel &source, TVkVellumPanel &target,
                                 const TCardDef &cardDef,
                                 const std::function<void(TVkDragLabel &)> &wireObject,
                                 PictureCache *pictures)
{
    PictureCache ownPictures;
    SplicedCardStream stream;
    WriteCardStream(stream, source, cardDef, pictures ? *pictures : ownPictures);
    return ReadCardStream(stream, target, wireObject);
}

bool SideHasContent(const TVkVellumPanel &side)
{
    return side.ObjectCount() > 0 || !side.Bitmap().isNull() || side.Color() != clWhite;
}

void ClearSide(TVkVellumPanel &side)
{
    side.ClearObjects();
    side.SetBitmap(QImage());
    side.SetColor(clWhite);
    side.SetOrientation(coLandscape);
}

QByteArray WriteObjectEntries(std::span<TVkDragLabel *const> objects)
{
    QByteArray stream;
    ComponentStreamWriter writer(stream);
    const auto &table = DragLabelProperties();
    for (std::size_t i = 0; i < objects.size(); ++i)
        writeEntry(writer, QByteArray::number(qulonglong(i)), kObjectClass, "", *objects[i], table);
    return stream;
}

std::vector<std::unique_ptr<TVkDragLabel>> ReadObjectEntries(QByteArrayView stream)
{
    std::vector<std::unique_ptr<TVkDragLabel>> objects;
    ComponentStreamReader reader(stream);
    const auto &table = DragLabelProperties();
    while (reader.Remaining() > 0) {
        auto object = std::make_unique<TVkDragLabel>();
        object->BeginReading();
        if (objects.size() >= std::size_t(kMaxCardObjects) || !readEntry(reader, *object, table) ||
            TextLength(object->Caption()) > kMaxTextLength)
            return {};
        object->Loaded();
        objects.push_back(std::move(object));
    }
    return objects;
}

bool HasCardDocumentLayout(QByteArrayView stream)
{
    for (const qsizetype surfaceEntry : {qsizetype(sizeof(TCardDef)), qsizetype(0), kOldLayoutPrefix}) {
        ComponentStreamReader reader(stream, std::min(surfaceEntry, stream.size()));
        if (surfaceEntry <= stream.size() && readEntryStart(reader))
            return true;
    }
    return false;
}

QString NotCardFileMessage(const QString &absolutePath)
{
    return absolutePath + QCoreApplication::translate("CardStream", " は、カードファイルではありません。");
}
