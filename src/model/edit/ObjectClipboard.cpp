#include "model/edit/ObjectClipboard.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/picture/PictureLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

namespace {

const QString kPngMimeType = QStringLiteral("image/png");

// A picture in one of the formats the card keeps: with its alpha where it has one.
QImage asCardPicture(const QImage &image)
{
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Other programs offer a picture in several formats, the one they prefer first. Its size is read
// before its pixels, so that a hostile one is refused before anything is allocated for it. Vector
// pictures are drawn as the card draws them, without what they name outside themselves; Qt's own
// conversions of the clipboard would read those, so they are not asked when one is offered.
QImage readPicture(const QMimeData &data)
{
    bool vectorOffered = false;
    for (const QString &format : data.formats()) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        QByteArray bytes = data.data(format);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        if (reader.format().startsWith("svg") || format.startsWith(QLatin1String("image/svg"))) {
            vectorOffered = true;
            if (const QImage image = RenderSvgPicture(bytes); !image.isNull())
                return asCardPicture(image);
            continue;
        }
        const QSize size = reader.size();
        if (!size.isValid() || !PictureSizeAllowed(size.width(), size.height(), 32))
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            return asCardPicture(image);
    }
    if (vectorOffered || !data.hasImage())
        return QImage();
    const QImage image = qvariant_cast<QImage>(data.imageData());
    return PictureSizeAllowed(image.width(), image.height(), 32) ? asCardPicture(image) : QImage();
}

// Line breaks of any system; a break after the last line ends it rather than adding an empty one.
QStringList readLines(const QMimeData &data)
{
    if (!data.hasText())
        return {};
    QString text = data.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    const bool blank =
        std::all_of(lines.begin(), lines.end(), [](const QString &line) { return line.trimmed().isEmpty(); });
    return blank ? QStringList() : lines;
}

} // namespace

QImage PictureOfObjects(const TVkVellumPanel &surface, std::span<TVkDragLabel *const> objects)
{
    const QRect card(0, 0, surface.ClientWidth(), surface.ClientHeight());
    QRect area;
    for (const TVkDragLabel *object : objects)
        area |= object->BoundsRect();
    area &= card;
    if (area.isEmpty())
        return QImage();
    QImage picture(area.size(), QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.translate(-area.topLeft());
        surface.PaintBackground(painter, card);
    }
    for (TVkDragLabel *object : objects) {
        if (object->Visible())
            object->DrawTo(picture, object->Left() - area.left(), object->Top() - area.top());
    }
    return picture;
}

QByteArray PngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

std::unique_ptr<QMimeData> CardObjectsMimeData(const TVkVellumPanel &surface,
                                               std::span<TVkDragLabel *const> objects)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(QLatin1String(kCardObjectsMimeType), WriteObjectEntries(objects));
    const QImage picture = PictureOfObjects(surface, objects);
    if (!picture.isNull())
        data->setData(kPngMimeType, PngBytes(picture));
    return data;
}

ClipboardContent ReadClipboardContent(const QMimeData &data)
{
    ClipboardContent content;
    const QString objectsFormat = QLatin1String(kCardObjectsMimeType);
    if (data.hasFormat(objectsFormat)) {
        content.Objects = ReadObjectEntries(data.data(objectsFormat));
        if (!content.Objects.empty())
            return content;
    }
    content.Picture = readPicture(data);
    if (content.Picture.isNull())
        content.Lines = readLines(data);
    return content;
}
