#pragma once

#include "model/document/PictureBudget.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The value tags of a component stream.
namespace StreamTag {
constexpr std::uint8_t Null = 0x00; // end of a list
constexpr std::uint8_t List = 0x01;
constexpr std::uint8_t Int8 = 0x02;
constexpr std::uint8_t Int16 = 0x03;
constexpr std::uint8_t Int32 = 0x04;
constexpr std::uint8_t String = 0x06;
constexpr std::uint8_t Ident = 0x07;
constexpr std::uint8_t False = 0x08;
constexpr std::uint8_t True = 0x09;
constexpr std::uint8_t Binary = 0x0A;
constexpr std::uint8_t Set = 0x0B;
constexpr std::uint8_t LongString = 0x0C;
constexpr std::uint8_t Nil = 0x0D;
} // namespace StreamTag

struct PictureSplice;
struct StoredPicture;

// Reads a component stream from bytes that may come from anywhere. Every read checks the bytes that
// remain first; the first failure sticks, later reads return empty values, and the caller asks
// Failed() at its own pace. Nothing is allocated beyond what the bytes hold.
class ComponentStreamReader {
public:
    // splices: the pictures left out of the bytes, when they come from a spliced card stream.
    explicit ComponentStreamReader(QByteArrayView data, qsizetype position = 0,
                                   std::span<const PictureSplice> splices = {})
        : data_(data), position_(position), splices_(splices)
    {
        if (position_ < 0 || position_ > data_.size())
            Fail();
    }

    bool Failed() const { return failed_; }
    void Fail() { failed_ = true; }
    qsizetype Position() const { return position_; }
    qsizetype Remaining() const { return failed_ ? 0 : data_.size() - position_; }
    // The decoded picture memory of what has been read; pictures past it are refused and counted.
    PictureBudget &Budget() { return budget_; }
    void RefusePicture() { ++picturesRefused_; }
    int PicturesRefused() const { return picturesRefused_; }
    // Starts reading afresh at position after a failed entry, keeping the picture memory counted so
    // far so that the budget covers the whole card.
    void Resume(qsizetype position)
    {
        failed_ = false;
        Seek(position);
    }
    // A picture the bytes hold more than once, on the front and the back say, is decoded once and
    // shared, so that it is held, drawn and written into a PDF once: the one read before from the
    // same file bytes, or none.
    const QImage *DecodedPicture(QByteArrayView file) const;
    void KeepDecodedPicture(QByteArrayView file, const QImage &image) { decoded_.push_back({file, image}); }
    // The picture left out of the bytes at position, or none.
    const StoredPicture *SplicedPicture(qsizetype position) const;
    // Goes to a position within the bytes; beyond them the stream fails.
    void Seek(qsizetype position)
    {
        if (position < 0 || position > data_.size())
            Fail();
        else
            position_ = position;
    }

    std::uint8_t ReadByte();
    std::uint8_t PeekByte();
    QByteArrayView ReadBytes(qsizetype count);
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    QByteArrayView ReadShortString();

    // Values; a tag of another kind fails the stream.
    std::int32_t ReadInteger();
    QString ReadText();
    QByteArrayView ReadIdent();
    bool ReadBoolean();
    QByteArrayView ReadBinary();
    QStringList ReadLines();
    // Member names, one bit per ordinal; a name that is not a member fails the stream.
    std::uint32_t ReadSet(std::span<const char *const> memberNames);
    // The tag of the next value, without consuming it.
    std::uint8_t PeekTag() { return PeekByte(); }
    // Passes over a value of any kind by its tag, lists within lists too; a tag that no value has
    // fails the stream.
    void SkipValue();
    // Properties passed over because the component has none of their name: a document from a newer
    // version of the program.
    void SkipProperty()
    {
        SkipValue();
        ++propertiesSkipped_;
    }
    int PropertiesSkipped() const { return propertiesSkipped_; }
    // Characters of texts whose bytes are no code page 932 character, read as its unstorable mark.
    int CharactersLost() const { return charactersLost_; }

private:
    QString readTextAfter(std::uint8_t tag);
    QString decodeText(QByteArrayView bytes);

    QByteArrayView data_;
    qsizetype position_ = 0;
    std::span<const PictureSplice> splices_;
    PictureBudget budget_;
    std::vector<std::pair<QByteArrayView, QImage>> decoded_;
    int picturesRefused_ = 0;
    int propertiesSkipped_ = 0;
    int charactersLost_ = 0;
    bool failed_ = false;
};
