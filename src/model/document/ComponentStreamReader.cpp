#include "model/document/ComponentStreamReader.h"

#include "model/document/CardStreamNames.h"
#include "model/document/PictureCache.h"
#include "model/platform/Cp932.h"

#include <algorithm>

QString ComponentStreamReader::decodeText(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        return QString::fromLatin1(bytes);
    QString text = Cp932::Decode(bytes);
    // Older versions stored a character the code page cannot hold as bytes that decode to nothing.
    for (QChar &c : text) {
        if (c == QChar::ReplacementCharacter) {
            c = QChar(Cp932::kUnstorableMark);
            ++charactersLost_;
        }
    }
    return text;
}

std::uint8_t ComponentStreamReader::ReadByte()
{
    if (Remaining() < 1) {
        Fail();
        return 0;
    }
    return std::uint8_t(data_[position_++]);
}

std::uint8_t ComponentStreamReader::PeekByte()
{
    if (Remaining() < 1) {
        Fail();
        return 0;
    }
    return std::uint8_t(data_[position_]);
}

QByteArrayView ComponentStreamReader::ReadBytes(qsizetype count)
{
    if (count < 0 || Remaining() < count) {
        Fail();
        return {};
    }
    const QByteArrayView bytes = data_.sliced(position_, count);
    position_ += count;
    return bytes;
}

std::int16_t ComponentStreamReader::ReadInt16()
{
    const QByteArrayView b = ReadBytes(2);
    if (b.isEmpty())
        return 0;
    return std::int16_t(std::uint16_t(std::uint8_t(b[0]) | std::uint8_t(b[1]) << 8));
}

std::int32_t ComponentStreamReader::ReadInt32()
{
    const QByteArrayView b = ReadBytes(4);
    if (b.isEmpty())
        return 0;
    return std::int32_t(std::uint32_t(std::uint8_t(b[0])) | std::uint32_t(std::uint8_t(b[1])) << 8 |
                        std::uint32_t(std::uint8_t(b[2])) << 16 | std::uint32_t(std::uint8_t(b[3])) << 24);
}

QByteArrayView ComponentStreamReader::ReadShortString()
{
    return ReadBytes(ReadByte());
}

std::int32_t ComponentStreamReader::ReadInteger()
{
    switch (ReadByte()) {
    case StreamTag::Int8: return std::int8_t(ReadByte());
    case StreamTag::Int16: return ReadInt16();
    case StreamTag::Int32: return ReadInt32();
    default: Fail(); return 0;
    }
}

QString ComponentStreamReader::readTextAfter(std::uint8_t tag)
{
    switch (tag) {
    case StreamTag::String: return decodeText(ReadShortString());
    case StreamTag::LongString: return decodeText(ReadBytes(ReadInt32()));
    default: Fail(); return {};
    }
}

QString ComponentStreamReader::ReadText()
{
    return readTextAfter(ReadByte());
}

QByteArrayView ComponentStreamReader::ReadIdent()
{
    if (ReadByte() != StreamTag::Ident) {
        Fail();
        return {};
    }
    return ReadShortString();
}

bool ComponentStreamReader::ReadBoolean()
{
    switch (ReadByte()) {
    case StreamTag::False: return false;
    case StreamTag::True: return true;
    default: Fail(); return false;
    }
}

const StoredPicture *ComponentStreamReader::SplicedPicture(qsizetype position) const
{
    const auto splice = std::lower_bound(splices_.begin(), splices_.end(), position,
                                         [](const PictureSplice &s, qsizetype at) { return s.at < at; });
    return splice != splices_.end() && splice->at == position ? splice->picture.get() : nullptr;
}

const QImage *ComponentStreamReader::DecodedPicture(QByteArrayView file) const
{
    for (const auto &[bytes, image] : decoded_) {
        if (bytes == file)
            return &image;
    }
    return nullptr;
}

QByteArrayView ComponentStreamReader::ReadBinary()
{
    if (ReadByte() != StreamTag::Binary) {
        Fail();
        return {};
    }
    return ReadBytes(ReadInt32());
}

QStringList ComponentStreamReader::ReadLines()
{
    QStringList lines;
    if (ReadByte() != StreamTag::List) {
        Fail();
        return lines;
    }
    while (!Failed()) {
        const std::uint8_t tag = ReadByte();
        if (tag == StreamTag::Null)
            break;
        QString line = readTextAfter(tag);
        if (!Failed())
            lines.append(std::move(line));
    }
    return lines;
}

std::uint32_t ComponentStreamReader::ReadSet(std::span<const char *const> memberNames)
{
    if (ReadByte() != StreamTag::Set) {
        Fail();
        return 0;
    }
    std::uint32_t bits = 0;
    while (!Failed()) {
        const QByteArrayView name = ReadShortString();
        if (Failed() || name.isEmpty())
            break;
        const std::optional<int> ordinal = CardStreamNames::OrdinalOf(memberNames, name);
        if (!ordinal || *ordinal >= 32) {
            Fail();
            break;
        }
        bits |= 1u << *ordinal;
    }
    return bits;
}

void ComponentStreamReader::SkipValue()
{
    int openLists = 0;
    do {
        switch (ReadByte()) {
        case StreamTag::Null:
            if (openLists == 0)
                Fail();
            --openLists;
            break;
        case StreamTag::List: ++openLists; break;
        case StreamTag::Int8: ReadBytes(1); break;
        case StreamTag::Int16: ReadBytes(2); break;
        case StreamTag::Int32: ReadBytes(4); break;
        case StreamTag::String:
        case StreamTag::Ident: ReadShortString(); break;
        case StreamTag::False:
        case StreamTag::True:
        case StreamTag::Nil: break;
        case StreamTag::Binary:
        case StreamTag::LongString: ReadBytes(ReadInt32()); break;
        case StreamTag::Set:
            while (!Failed() && !ReadShortString().isEmpty()) {
            }
            break;
        default: Fail(); break;
        }
    } while (openLists > 0 && !Failed());
}
