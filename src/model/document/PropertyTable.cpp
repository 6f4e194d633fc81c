#include "model/document/PropertyTable.h"

#include "model/document/PictureCache.h"
#include "model/picture/BmpCodec.h"

namespace {

using CardStreamNames::NamedValue;

void writeNamedOrInteger(ComponentStreamWriter &writer, std::span<const NamedValue> names, std::int32_t value)
{
    if (const char *name = CardStreamNames::NameOf(names, value))
        writer.WriteIdent(name);
    else
        writer.WriteInteger(value);
}

std::optional<std::int32_t> readNamedOrInteger(ComponentStreamReader &reader,
                                               std::span<const NamedValue> names)
{
    if (reader.PeekTag() == StreamTag::Ident) {
        const std::optional<std::int32_t> value = CardStreamNames::ValueOf(names, reader.ReadIdent());
        if (!value)
            reader.Fail();
        return value;
    }
    const std::int32_t value = reader.ReadInteger();
    return reader.Failed() ? std::nullopt : std::optional<std::int32_t>(value);
}

// The binary of a picture is a four-byte length and the BMP file; it is built in place, so a large
// picture is copied once, or left out for a spliced stream to hold by reference.
void writeBitmap(ComponentStreamWriter &writer, const QImage &image)
{
    writer.WriteByte(StreamTag::Binary);
    const qsizetype binaryLength = writer.Position();
    writer.WriteInt32(0);
    writer.WriteInt32(0);
    qsizetype fileLength = 0;
    if (writer.SplicesPictures() && !image.isNull()) {
        fileLength = writer.SplicePicture(image);
    } else {
        const qsizetype start = writer.Position();
        BmpCodec::AppendBmp(writer.Buffer(), image);
        fileLength = writer.Position() - start;
    }
    writer.PatchInt32(binaryLength, std::int32_t(fileLength + 4));
    writer.PatchInt32(binaryLength + 4, std::int32_t(fileLength));
}

// A picture left out of a spliced stream: the bytes hold the binary's tag and two lengths, and the
// BMP file they announce is the splice's.
std::optional<QImage> readSplicedBitmap(ComponentStreamReader &reader, const StoredPicture &picture)
{
    const bool binary = reader.ReadByte() == StreamTag::Binary;
    const std::int32_t binaryLength = reader.ReadInt32();
    const std::int32_t fileLength = reader.ReadInt32();
    if (!binary || fileLength != picture.bmp.size() || binaryLength != fileLength + 4) {
        reader.Fail();
        return std::nullopt;
    }
    return picture.image;
}

void writeBinary(ComponentStreamWriter &writer, QByteArrayView bytes)
{
    writer.WriteByte(StreamTag::Binary);
    writer.WriteInt32(std::int32_t(bytes.size()));
    writer.WriteBytes(bytes);
}

std::optional<QImage> readBitmap(ComponentStreamReader &reader)
{
    constexpr qsizetype kLengthsBytes = 1 + 4 + 4;
    if (const StoredPicture *spliced = reader.SplicedPicture(reader.Position() + kLengthsBytes))
        return readSplicedBitmap(reader, *spliced);
    const QByteArrayView binary = reader.ReadBinary();
    if (reader.Failed())
        return std::nullopt;
    ComponentStreamReader inner(binary);
    const std::int32_t fileLength = inner.ReadInt32();
    const QByteArrayView file = inner.ReadBytes(fileLength);
    if (inner.Failed()) {
        reader.Fail();
        return std::nullopt;
    }
    if (file.isEmpty())
        return QImage();
    if (const QImage *decoded = reader.DecodedPicture(file))
        return *decoded;
    QImage image = BmpCodec::DecodeBmp(file);
    if (image.isNull()) {
        reader.Fail();
        return std::nullopt;
    }
    if (!reader.Budget().Take(image)) {
        reader.RefusePicture();
        return QImage();
    }
    reader.KeepDecodedPicture(file, image);
    return image;
}

} // namespace

void WritePropertyValue(ComponentStreamWriter &writer, PropertyKind kind,
                        CardStreamNames::MemberNames members, const PropertyValue &value)
{
    switch (kind) {
    case PropertyKind::Integer: writer.WriteInteger(std::get<std::int32_t>(value)); break;
    case PropertyKind::Text: writer.WriteText(std::get<QString>(value)); break;
    case PropertyKind::Boolean: writer.WriteBoolean(std::get<bool>(value)); break;
    case PropertyKind::Enumeration: {
        const auto ordinal = std::size_t(std::get<std::int32_t>(value));
        writer.WriteIdent(ordinal < members.size() ? members[ordinal] : members[0]);
        break;
    }
    case PropertyKind::Set: writer.WriteSet(std::uint32_t(std::get<std::int32_t>(value)), members); break;
    case PropertyKind::Color:
        writeNamedOrInteger(writer, CardStreamNames::kColors, std::get<std::int32_t>(value));
        break;
    case PropertyKind::Cursor:
        writeNamedOrInteger(writer, CardStreamNames::kCursors, std::get<std::int32_t>(value));
        break;
    case PropertyKind::Charset:
        writeNamedOrInteger(writer, CardStreamNames::kCharsets, std::get<std::int32_t>(value));
        break;
    case PropertyKind::MenuReference: writer.WriteIdent(std::get<QString>(value).toLatin1()); break;
    case PropertyKind::Lines: writer.WriteLines(std::get<QStringList>(value)); break;
    case PropertyKind::Bitmap: writeBitmap(writer, std::get<QImage>(value)); break;
    case PropertyKind::Bytes: writeBinary(writer, std::get<QByteArray>(value)); break;
    case PropertyKind::Utf8Text: writeBinary(writer, std::get<QString>(value).toUtf8()); break;
    }
}

std::optional<PropertyValue> ReadPropertyValue(ComponentStreamReader &reader, PropertyKind kind,
                                               CardStreamNames::MemberNames members)
{
    std::optional<PropertyValue> value;
    switch (kind) {
    case PropertyKind::Integer: value = reader.ReadInteger(); break;
    case PropertyKind::Text: value = reader.ReadText(); break;
    case PropertyKind::Boolean: value = reader.ReadBoolean(); break;
    case PropertyKind::Enumeration: {
        const std::optional<int> ordinal = CardStreamNames::OrdinalOf(members, reader.ReadIdent());
        if (!ordinal)
            reader.Fail();
        else
            value = std::int32_t(*ordinal);
        break;
    }
    case PropertyKind::Set: value = std::int32_t(reader.ReadSet(members)); break;
    case PropertyKind::Color:
        if (auto color = readNamedOrInteger(reader, CardStreamNames::kColors))
            value = *color;
        break;
    case PropertyKind::Cursor:
        if (auto cursor = readNamedOrInteger(reader, CardStreamNames::kCursors))
            value = *cursor;
        break;
    case PropertyKind::Charset:
        if (auto charset = readNamedOrInteger(reader, CardStreamNames::kCharsets))
            value = *charset;
        break;
    case PropertyKind::MenuReference: value = QString::fromLatin1(reader.ReadIdent()); break;
    case PropertyKind::Lines: value = reader.ReadLines(); break;
    case PropertyKind::Bitmap:
        if (auto image = readBitmap(reader))
            value = std::move(*image);
        break;
    case PropertyKind::Bytes: value = reader.ReadBinary().toByteArray(); break;
    case PropertyKind::Utf8Text: value = QString::fromUtf8(reader.ReadBinary()); break;
    }
    if (reader.Failed())
        return std::nullopt;
    return value;
}
