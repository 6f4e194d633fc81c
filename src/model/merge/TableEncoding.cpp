#include "model/merge/TableEncoding.h"

#include "model/platform/Cp932.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

bool startsWith(QByteArrayView bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    qsizetype index = 0;
    for (const unsigned char byte : mark)
        if (static_cast<unsigned char>(bytes[index++]) != byte)
            return false;
    return true;
}

bool isUtf16(QByteArrayView bytes)
{
    return startsWith(bytes, {0xFF, 0xFE}) || startsWith(bytes, {0xFE, 0xFF});
}

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

TableEncoding DetectTableEncoding(QByteArrayView bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return TableEncoding::Utf8;
    if (isUtf16(bytes))
        return TableEncoding::Utf16;
    return isValidUtf8(bytes) ? TableEncoding::Utf8 : TableEncoding::Cp932;
}

QString DecodeTableText(QByteArrayView bytes, TableEncoding encoding)
{
    switch (encoding) {
    case TableEncoding::Utf8: {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes);
    }
    case TableEncoding::Utf16: {
        // The byte order mark tells the byte order; without one, Excel's order (little-endian).
        QStringDecoder decoder(isUtf16(bytes) ? QStringDecoder::Utf16 : QStringDecoder::Utf16LE);
        return decoder.decode(bytes);
    }
    case TableEncoding::Cp932: return Cp932::Decode(bytes);
    case TableEncoding::Workbook: break;
    }
    return {};
}

QString TableEncodingName(TableEncoding encoding)
{
    switch (encoding) {
    case TableEncoding::Utf8: return QStringLiteral("UTF-8");
    case TableEncoding::Utf16: return QStringLiteral("UTF-16");
    case TableEncoding::Cp932: return QStringLiteral("Shift_JIS");
    case TableEncoding::Workbook: return QCoreApplication::translate("TableEncoding", "Excel ブック");
    }
    return {};
}
