#include "model/picture/SvgPicture.h"
#include "model/picture/SvgReferences.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// Every drawing goes through here, so that no picture reads anything but its own bytes.
std::unique_ptr<QSvgRenderer> makeRenderer(const QByteArray &svg)
{
    return std::make_unique<QSvgRenderer>(WithoutOutsideReferences(svg).Svg);
}

} // namespace

SvgPicture::SvgPicture() = default;
SvgPicture::~SvgPicture() = default;

SvgPicture::SvgPicture(const SvgPicture &other) : source_(other.source_)
{
}

SvgPicture &SvgPicture::operator=(const SvgPicture &other)
{
    SetSource(other.source_);
    return *this;
}

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
        renderer_ = makeRenderer(source_);
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
    const auto renderer = makeRenderer(svg);
    return renderer->isValid() ? renderer->defaultSize() : QSize();
}

QImage SvgPicture::Render(const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        makeRenderer(svg)->render(&painter, QRectF(image.rect()));
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
