#include "model/document/ComponentStreamWriter.h"

#include "model/document/ComponentStreamReader.h"
#include "model/document/SplicedCardStream.h"
#include "model/platform/Cp932.h"

#include <algorithm>
#include <cstring>

namespace {

// Most texts on a card are plain ASCII; they skip the code page converter.
QByteArray encodeText(const QString &text)
{
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? text.toLatin1() : Cp932::Encode(text);
}

} // namespace

ComponentStreamWriter::ComponentStreamWriter(SplicedCardStream &stream, PictureCache &pictures)
    : out_(stream.bytes), spliced_(&stream), pictures_(&pictures)
{
}

qsizetype ComponentStreamWriter::SplicePicture(const QImage &image)
{
    spliced_->pictures.push_back({out_.size(), pictures_->Share(image)});
    const qsizetype fileLength = spliced_->pictures.back().picture->bmp.size();
    splicedBytes_ += fileLength;
    return fileLength;
}

qsizetype ComponentStreamWriter::bufferOffset(qsizetype position) const
{
    if (!spliced_)
        return position;
    qsizetype before = 0;
    for (const PictureSplice &splice : spliced_->pictures) {
        if (splice.at + before >= position)
            break;
        before += splice.picture->bmp.size();
    }
    return position - before;
}

void ComponentStreamWriter::WriteInt16(std::int16_t value)
{
    const auto bits = std::uint16_t(value);
    WriteByte(std::uint8_t(bits));
    WriteByte(std::uint8_t(bits >> 8));
}

void ComponentStreamWriter::WriteInt32(std::int32_t value)
{
    const auto bits = std::uint32_t(value);
    const char bytes[4] = {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
    out_.append(bytes, 4);
}

void ComponentStreamWriter::PatchInt32(qsizetype position, std::int32_t value)
{
    const auto bits = std::uint32_t(value);
    char *at = out_.data() + bufferOffset(position);
    at[0] = char(bits);
    at[1] = char(bits >> 8);
    at[2] = char(bits >> 16);
    at[3] = char(bits >> 24);
}

void ComponentStreamWriter::WriteShortString(QByteArrayView bytes)
{
    const qsizetype length = std::min<qsizetype>(bytes.size(), 255);
    WriteByte(std::uint8_t(length));
    out_.append(bytes.first(length));
}

void ComponentStreamWriter::WriteInteger(std::int32_t value)
{
    if (value >= -128 && value <= 127) {
        WriteByte(StreamTag::Int8);
        WriteByte(std::uint8_t(value));
    } else if (value >= -32768 && value <= 32767) {
        WriteByte(StreamTag::Int16);
        WriteInt16(std::int16_t(value));
    } else {
        WriteByte(StreamTag::Int32);
        WriteInt32(value);
    }
}

void ComponentStreamWriter::WriteText(const QString &text)
{
    const QByteArray bytes = encodeText(text);
    if (bytes.size() <= 255) {
        WriteByte(StreamTag::String);
        WriteShortString(bytes);
    } else {
        WriteByte(StreamTag::LongString);
        WriteInt32(std::int32_t(bytes.size()));
        WriteBytes(bytes);
    }
}

void ComponentStreamWriter::WriteIdent(QByteArrayView name)
{
    WriteByte(StreamTag::Ident);
    WriteShortString(name);
}

void ComponentStreamWriter::WriteBoolean(bool value)
{
    WriteByte(value ? StreamTag::True : StreamTag::False);
}

void ComponentStreamWriter::WriteLines(const QStringList &lines)
{
    WriteByte(StreamTag::List);
    for (const QString &line : lines)
        WriteText(line);
    WriteEndOfList();
}

void ComponentStreamWriter::WriteSet(std::uint32_t bits, std::span<const char *const> memberNames)
{
    WriteByte(StreamTag::Set);
    for (std::size_t i = 0; i < memberNames.size() && i < 32; ++i) {
        if (bits & (1u << i))
            WriteShortString(memberNames[i]);
    }
    WriteShortString({});
}
