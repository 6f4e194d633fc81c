#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

// Appends the values of a component stream to a byte buffer: the one-byte tag, then the value,
// little-endian, text in code page 932. Each value takes its shortest form.
class PictureCache;

class ComponentStreamWriter {
public:
    explicit ComponentStreamWriter(QByteArray &out, PictureCache *pictures = nullptr)
        : out_(out), pictures_(pictures)
    {
    }

    qsizetype Position() const { return out_.size(); }
    QByteArray &Buffer() { return out_; }
    // Where pictures already encoded are found; none encodes every picture.
    PictureCache *Pictures() const { return pictures_; }

    void WriteByte(std::uint8_t value) { out_.append(char(value)); }
    void WriteBytes(QByteArrayView bytes) { out_.append(bytes); }
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    // Overwrites four bytes written earlier, for sizes known only afterwards.
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
    QByteArray &out_;
    PictureCache *pictures_;
};
