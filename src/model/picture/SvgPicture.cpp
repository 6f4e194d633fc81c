#include "model/picture/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture() = default;
SvgPicture::~SvgPicture() = default;

void SvgPicture::SetSource(const QByteArray &svg)
{
    if (svg == source_)
        return;
    source_ = svg;
    renderer_.reset();
}

bool SvgPicture::Draw(QPainter &canvas, const QRectF &destination) const
{
    if (source_.isEmpty())
        return false;
    if (!renderer_)
        renderer_ = std::make_unique<QSvgRenderer>(source_);
    if (!renderer_->isValid())
        return false;
    if (destination.isEmpty())
        return true;
    canvas.save();
    renderer_->render(&canvas, destination);
    canvas.restore();
    return true;
}

QSize SvgPicture::NaturalSize(const QByteArray &svg)
{
    const QSvgRenderer renderer(svg);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QImage SvgPicture::Render(const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QSvgRenderer renderer(svg);
        renderer.render(&painter, QRectF(image.rect()));
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
