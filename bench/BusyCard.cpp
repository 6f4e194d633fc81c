#include "BusyCard.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/PictureLoader.h"
#include "model/sheet/CardDefinitions.h"

#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <vector>

namespace {

// A picture with gradients and detail, so that no stretch or copy can take a shortcut.
QImage photo(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 255 / width + seed * 40) & 0xFF, (y * 255 / height) & 0xFF,
                          ((x ^ y) + seed) & 0xFF);
    }
    return image;
}

CardFont textFont(int index)
{
    CardFont font;
    font.Name = index % 2 ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("Arial");
    font.Height = -(12 + 2 * (index % 5));
    font.Style = index % 3 == 0 ? fsBold : 0;
    font.Color = RGBToColor(20 * index % 256, 40, 120);
    return font;
}

void addText(TVkVellumPanel &card, int index, int alpha, bool smooth)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetFont(textFont(index));
    object->SetCaption(
        {QStringLiteral("株式会社ベラム %1").arg(index), QStringLiteral("Tel 03-1234-%1").arg(1000 + index)});
    object->SetAutoSize(true);
    object->SetAlphaChannel(alpha);
    object->SetAntiAlias(smooth);
    object->SetBounds(10 + (index % 4) * 110, 10 + (index / 4) * 45, 100, 40);
    card.AddObject(std::move(object));
}

void addPicture(TVkVellumPanel &card, int index, const QImage &picture)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetBitmap(picture);
    object->SetSelected(false);
    object->SetBounds(20 + index * 85, 150, 80, 64);
    card.AddObject(std::move(object));
}

void addShape(TVkVellumPanel &card, int index, TDrawMode mode)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(mode);
    object->SetColor(RGBToColor(0, 80, 160));
    object->SetBounds(15 + index * 88, 220, 80, 45);
    object->SetPenWidth(0);
    object->SetPenWidth(1 + index);
    object->SetFillDraw(mode == dmRectangle || mode == dmCircle);
    object->SetBrushColor(RGBToColor(250, 230, 200));
    card.AddObject(std::move(object));
}

// The background first, then the five pictures.
std::unique_ptr<TVkVellumPanel> makeCard(const std::vector<QImage> &pictures)
{
    auto card = std::make_unique<TVkVellumPanel>();
    card->SetBounds(0, 0, 455, 275);
    card->SetBitmap(pictures[0]);
    int index = 0;
    for (int i = 0; i < 10; ++i)
        addText(*card, index++, 100, false);
    for (int i = 0; i < 5; ++i)
        addText(*card, index++, 50, false);
    for (int i = 0; i < 5; ++i)
        addText(*card, index++, 100, true);
    for (int i = 0; i < 5; ++i)
        addPicture(*card, i, pictures[std::size_t(i + 1)]);
    const TDrawMode shapes[] = {dmRectangle, dmRoundRect, dmCircle, dmLineHorz, dmLineLR};
    for (int i = 0; i < 5; ++i)
        addShape(*card, i, shapes[i]);
    return card;
}

std::vector<QImage> photos()
{
    std::vector<QImage> pictures{photo(4000, 3000, 7)};
    for (int i = 0; i < 5; ++i)
        pictures.push_back(photo(1000, 800, i));
    return pictures;
}

} // namespace

std::unique_ptr<TVkVellumPanel> MakeBusyCard()
{
    return makeCard(photos());
}

std::unique_ptr<TVkVellumPanel> MakeBusyCardFromJpegFiles()
{
    static const std::vector<QImage> loaded = [] {
        QTemporaryDir folder;
        std::vector<QImage> pictures;
        int index = 0;
        for (const QImage &photo : photos()) {
            const QString path = folder.filePath(QStringLiteral("photo%1.jpg").arg(index++));
            QImageWriter writer(path, "jpeg");
            writer.setQuality(90);
            writer.write(photo);
            pictures.push_back(LoadPictureFile(path));
        }
        return pictures;
    }();
    return makeCard(loaded);
}

TCardDef BusyCardSheet()
{
    return ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0");
}
