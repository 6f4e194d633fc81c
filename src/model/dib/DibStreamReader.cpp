#include "model/dib/DibStreamReader.h"

#include "model/dib/EQdDIBError.h"

#include <algorithm>

namespace {

constexpr qint64 kChunk = 1 << 20;

} // namespace

void DibStreamReader::fail()
{
    throw EQdDIBReadError("Stream read error");
}

bool DibStreamReader::mayHold(qint64 size) const
{
    return size >= 0 && (device_.isSequential() || size <= device_.size() - device_.pos());
}

void DibStreamReader::require(qint64 size) const
{
    if (!mayHold(size))
        fail();
}

void DibStreamReader::read(void *data, qint64 size)
{
    require(size);
    auto *out = static_cast<char *>(data);
    while (size > 0) {
        const qint64 got = device_.read(out, size);
        if (got <= 0)
            fail();
        out += got;
        size -= got;
        consumed_ += got;
    }
}

QByteArray DibStreamReader::readBytes(qint64 size)
{
    require(size);
    QByteArray bytes;
    while (bytes.size() < size) {
        const qint64 start = bytes.size();
        const qint64 part = std::min(kChunk, size - start);
        bytes.resize(start + part);
        read(bytes.data() + start, part);
    }
    return bytes;
}

QByteArray DibStreamReader::readRest(qint64 limit)
{
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qint64 start = bytes.size();
        bytes.resize(start + std::min(kChunk, limit - start));
        const qint64 got = device_.read(bytes.data() + start, bytes.size() - start);
        bytes.resize(start + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
        consumed_ += got;
    }
    return bytes;
}

void DibStreamReader::skip(qint64 size)
{
    if (size == 0)
        return;
    require(size);
    if (device_.isSequential()) {
        if (device_.skip(size) != size)
            fail();
    } else if (!device_.seek(device_.pos() + size)) {
        fail();
    }
    consumed_ += size;
}
