#pragma once

#include <QByteArray>
#include <QIODevice>

// Reads a bitmap file from a stream with every length checked against the bytes there are: a
// read past the end throws EQdDIBReadError, and nothing is allocated for bytes the stream does
// not hold.
class DibStreamReader {
public:
    explicit DibStreamReader(QIODevice &device) : device_(device) {}

    // Bytes consumed since the reader was made: the file's own offsets count from there.
    qint64 consumed() const { return consumed_; }

    void read(void *data, qint64 size);
    // Grows the result only as the bytes arrive, so a lying length cannot make it allocate.
    QByteArray readBytes(qint64 size);
    // Whatever the stream still holds, up to limit bytes.
    QByteArray readRest(qint64 limit);
    void skip(qint64 size);
    void skipTo(qint64 offset) { skip(offset - consumed_); }

    // False only when the stream is known to end sooner; a sequential stream may hold anything.
    bool mayHold(qint64 size) const;
    // Throws unless the stream may hold size more bytes: checked before memory is set aside for them.
    void require(qint64 size) const;

private:
    [[noreturn]] static void fail();

    QIODevice &device_;
    qint64 consumed_ = 0;
};
