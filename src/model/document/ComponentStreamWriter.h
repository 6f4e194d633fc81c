#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

class QImage;
struct SplicedCardStream;
class PictureCache;

// Appends the values of a component stream to a byte buffer: the one-byte tag, then the value,
// little-endian, text in code page 932. Each value takes its shortest form.
class ComponentStreamWriter {
public:
    explicit ComponentStreamWriter(QByteArray &out) : out_(out) {}
    // Writes into stream's bytes, leaving the pictures out to be held by reference from pictures.
    ComponentStreamWriter(SplicedCardStream &stream, PictureCache &pictures);

    // Where the next byte goes in the whole document, pictures left out included.
    qsizetype Position() const { return out_.size() + splicedBytes_; }
    QByteArray &Buffer() { return out_; }
    // Whether pictures are left out of the bytes.
    bool SplicesPictures() const { return spliced_ != nullptr; }
    // Leaves the picture out where its BMP file would begin; returns the file's length.
    qsizetype SplicePicture(const QImage &image);

    void WriteByte(std::uint8_t value) { out_.append(char(value)); }
    void WriteBytes(QByteArrayView bytes) { out_.append(bytes); }
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    // Overwrites four bytes written earlier at a Position, for sizes known only afterwards.
    void PatchInt32(qsizetype position, std::int32_t value);
    // A length byte, then at most 255 bytes.
    void WriteShortString(QByteArrayView bytes);

    // Values.
    void WriteInteger(std::int32_t value);
    void WriteText(const QString &text);
    void WriteIdent(QByteArrayView name);
    void WriteBoolean(bool value);
    void WriteLines(const QStringList &lines);
    // Members present, in ordinal order, ended by an empty name.
    void WriteSet(std::uint32_t bits, std::span<const char *const> memberNames);
    void WriteEndOfList() { WriteByte(0x00); }

private:
    // Where a Position lies in the buffer, which holds no picture left out.
    qsizetype bufferOffset(qsizetype position) const;

    QByteArray &out_;
    SplicedCardStream *spliced_ = nullptr;
    PictureCache *pictures_ = nullptr;
    qsizetype splicedBytes_ = 0;
};
