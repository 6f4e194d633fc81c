#include "model/sheet/CardRenderer.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/BmpCodec.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Scaled lengths stay far inside the range of int, whatever a document holds.
int truncScaled(int length, long double scale)
{
    return int(std::clamp<long double>(std::trunc(length * scale), -1e9L, 1e9L));
}

// The point size is scaled, as the text dialog shows it; a font stored by its cell height (a
// positive height) keeps being stored that way.
void scaleFontSize(TVkDragLabel &object, long double scale)
{
    CardFont font = object.Font();
    const bool cellHeight = font.Height > 0;
    font.SetSizeInPoints(truncScaled(font.SizeInPoints(), scale));
    if (cellHeight)
        font.Height = -font.Height;
    object.SetFont(font);
}

void scaleObject(TVkDragLabel &object, long double scale)
{
    object.SetLeft(truncScaled(object.Left(), scale));
    object.SetTop(truncScaled(object.Top(), scale));
    if (object.IsText()) {
        // A text object with AutoSize fits itself to its scaled text.
        scaleFontSize(object, scale);
        return;
    }
    object.SetAutoSize(false);
    if (object.DrawMode() != dmLineVert)
        object.SetWidth(truncScaled(object.Width(), scale));
    if (object.DrawMode() != dmLineHorz)
        object.SetHeight(truncScaled(object.Height(), scale));
    object.SetPenWidth(truncScaled(object.PenWidth(), scale));
}

// The working picture in the format the card's drawing is made for; checked before anything is
// allocated, so that an absurd size is an error rather than an exhausted memory.
QImage newCanvas(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw VkError(
            QCoreApplication::translate("CardRenderer", "幅または高さが 0 のカードは画像にできません"));
    if (width > BmpCodec::kMaxSide || height > BmpCodec::kMaxSide ||
        qint64(width) * height * 4 > BmpCodec::kMaxPixelBytes)
        throw VkError(
            QCoreApplication::translate("CardRenderer", "%1 × %2 ピクセルの画像は大きすぎて作成できません")
                .arg(width)
                .arg(height));
    QImage canvas(width, height, QImage::Format_RGB32);
    if (canvas.isNull())
        throw VkError(QCoreApplication::translate("CardRenderer", "画像を作成するためのメモリが足りません"));
    return canvas;
}

} // namespace

std::unique_ptr<TVkVellumPanel> ScaledCardCopy(const TVkVellumPanel &surface, int width, int height)
{
    if (width > 0 && surface.Width() <= 0)
        throw VkError(
            QCoreApplication::translate("CardRenderer", "幅または高さが 0 のカードは画像にできません"));
    auto copy = std::make_unique<TVkVellumPanel>(surface);
    if (width <= 0)
        return copy;

    const long double scale = static_cast<long double>(width) / copy->Width();
    copy->SetBounds(copy->Left(), copy->Top(), width, height);
    for (int i = 0; i < copy->ObjectCount(); ++i)
        scaleObject(copy->Object(i), scale);
    return copy;
}

void RenderCardToBitmap(const TVkVellumPanel &surface, QImage &bitmap, int width, int height,
                        const FieldValues *record)
{
    // At the card's own size the card draws itself; only a scaled picture needs a scaled copy.
    const bool ownSize = width <= 0 || (width == surface.Width() && height == surface.Height());
    std::unique_ptr<TVkVellumPanel> copy;
    if (!ownSize)
        copy = ScaledCardCopy(surface, width, height);
    const TVkVellumPanel &card = ownSize ? surface : *copy;
    QImage canvas = newCanvas(card.Width(), card.Height());
    {
        QPainter painter(&canvas);
        card.PaintBackground(painter, canvas.rect());
        for (int i = 0; i < card.ObjectCount(); ++i) {
            const TVkDragLabel &object = card.Object(i);
            if (object.Visible())
                object.Draw(painter, QPoint(object.Left(), object.Top()), CardDrawing::Surface(record));
        }
    }
    // Converted where it lies, as the 24-bit pixels fit in the 32-bit ones' memory.
    canvas.convertTo(QImage::Format_RGB888);
    if (canvas.format() != QImage::Format_RGB888)
        throw VkError(QCoreApplication::translate("CardRenderer", "画像を作成するためのメモリが足りません"));
    bitmap = std::move(canvas);
}

QSize CardSizeAtDpi(const TCardDef &cardDef, int dpi)
{
    const auto pixels = [dpi](std::int32_t tenthMm) {
        return int(std::clamp<long double>(std::round(tenthMm * (long double)dpi / 254), 0, 1e9L));
    };
    return {pixels(cardDef.CardSizeX), pixels(cardDef.CardSizeY)};
}

QImage RenderCardAtDpi(const TVkVellumPanel &surface, const TCardDef &cardDef, int dpi,
                       const FieldValues *record)
{
    const QSize across = CardSizeAtDpi(cardDef, dpi);
    const QSize size = IsPortrait(surface.Orientation()) ? across.transposed() : across;
    QImage canvas = newCanvas(size.width(), size.height());
    {
        QPainter painter(&canvas);
        painter.setClipRect(canvas.rect());
        DrawCardUpright(painter, canvas.rect(), surface, record);
    }
    QImage picture = canvas.convertToFormat(QImage::Format_RGB888);
    if (picture.isNull())
        throw VkError(QCoreApplication::translate("CardRenderer", "画像を作成するためのメモリが足りません"));
    return picture;
}
