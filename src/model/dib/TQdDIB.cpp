#include "model/dib/TQdDIB.h"

#include "model/dib/TQdInternalDIB.h"

#include <QPainter>
#include <atomic>

namespace {

std::atomic<bool> defaultUseFileMapping{false};

} // namespace

TQdDIB::TQdDIB() : useFileMapping_(defaultUseFileMapping)
{
}

TQdDIB::~TQdDIB() = default;

bool TQdDIB::DefaultUseFileMapping()
{
    return defaultUseFileMapping;
}

void TQdDIB::SetDefaultUseFileMapping(bool value)
{
    defaultUseFileMapping = value;
}

void TQdDIB::LoadFromStream(QIODevice &stream)
{
    auto image = std::make_unique<TQdInternalDIB>(useFileMapping_);
    image->LoadFromStream(stream);
    replaceImage(std::move(image));
}

void TQdDIB::replaceImage(std::unique_ptr<TQdInternalDIB> image)
{
    image_ = std::move(image);
    drawn_ = QImage();
    if (OnChange)
        OnChange();
}

void TQdDIB::AssignTo(QImage &bitmap) const
{
    bitmap = image_ ? image_->ToImage() : QImage();
}

void TQdDIB::AssignTo(TQdDIB &picture) const
{
    if (&picture != this)
        picture.replaceImage(image_ ? image_->Clone(picture.useFileMapping_) : nullptr);
}

const QImage &TQdDIB::drawnImage() const
{
    if (drawn_.isNull() && image_)
        drawn_ = image_->ToImage();
    return drawn_;
}

void TQdDIB::Draw(QPainter &canvas, const QRect &rect) const
{
    const QImage &image = drawnImage();
    if (image.isNull())
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect, image, image.rect());
    canvas.restore();
}

int TQdDIB::Width() const
{
    return image_ ? image_->Width() : 0;
}

int TQdDIB::Height() const
{
    return image_ ? image_->Height() : 0;
}

DibPixelFormat TQdDIB::PixelFormat() const
{
    return image_ ? image_->PixelFormat() : DibPixelFormat::Bits24;
}

QList<QRgb> TQdDIB::Palette() const
{
    return image_ ? image_->ColorTable() : QList<QRgb>();
}
