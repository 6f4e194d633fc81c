#include "model/picture/PictureFile.h"

#include "model/picture/BmpCodec.h"
#include "model/picture/JpegEncoder.h"
#include "model/platform/OutputFile.h"
#include "model/platform/VkError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <cmath>

namespace {

int dotsPerMetre(int dpi)
{
    return int(std::lround(dpi / 0.0254));
}

void put32(char *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

// A card document stores its pictures as BMP at the screen's 96 dpi; an exported file says what
// its pixels mean on paper, in the information header's pixels-per-metre fields.
QByteArray encodeBmp(const QImage &picture, int dpi)
{
    QByteArray bytes;
    BmpCodec::AppendBmp(bytes, picture);
    if (bytes.size() < 54)
        throw VkError(QCoreApplication::translate("PictureFile", "画像を作成するためのメモリが足りません"));
    put32(bytes.data() + 38, std::uint32_t(dotsPerMetre(dpi)));
    put32(bytes.data() + 42, std::uint32_t(dotsPerMetre(dpi)));
    return bytes;
}

QByteArray encodePng(const QImage &picture, int dpi)
{
    QImage withResolution = picture;
    withResolution.setDotsPerMeterX(dotsPerMetre(dpi));
    withResolution.setDotsPerMeterY(dotsPerMetre(dpi));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (picture.isNull() || !writer.write(withResolution))
        throw VkError(QCoreApplication::translate("PictureFile", "画像を作成するためのメモリが足りません"));
    return bytes;
}

} // namespace

std::optional<PictureFileType> PictureFileTypeOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"bmp" || suffix == u"dib")
        return PictureFileType::Bmp;
    if (suffix == u"jpg" || suffix == u"jpeg")
        return PictureFileType::Jpeg;
    if (suffix == u"png")
        return PictureFileType::Png;
    return std::nullopt;
}

QByteArray EncodePictureFile(const QImage &picture, PictureFileType type, int dpi, int jpegQuality)
{
    switch (type) {
    case PictureFileType::Bmp: return encodeBmp(picture, dpi);
    case PictureFileType::Jpeg: return EncodeJpeg(picture, jpegQuality, dpi);
    case PictureFileType::Png: return encodePng(picture, dpi);
    }
    return {};
}

void WritePictureFile(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        throw VkError(QCoreApplication::translate("PictureFile", "ファイル %1 を作成できません").arg(path));
    OutputFile file(path);
    if (!file.Open() || !file.Write(bytes) || !file.Commit())
        throw VkError(QCoreApplication::translate("PictureFile", "ファイル %1 を作成できません: %2")
                          .arg(path, file.ErrorString()));
}

void WriteBmpFile(const QString &path, const QImage &picture)
{
    WritePictureFile(path, picture.isNull()
                               ? QByteArray()
                               : EncodePictureFile(picture, PictureFileType::Bmp, kCardSurfaceDpi, 0));
}

void WriteJpegFile(const QString &path, const QImage &picture, int quality)
{
    WritePictureFile(path, EncodeJpeg(picture, quality, kCardSurfaceDpi));
}
