#include "model/document/PictureBudget.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>

PictureBudget PictureBudget::Of(const TVkVellumPanel &surface)
{
    PictureBudget budget;
    budget.Take(surface.Bitmap());
    for (int i = 0; i < surface.ObjectCount(); ++i)
        budget.Take(surface.Object(i).Bitmap());
    return budget;
}

void PictureBudget::CheckRoomFor(const TVkVellumPanel &surface, const QImage &picture)
{
    if (!Of(surface).Take(picture))
        throw VkError(
            QCoreApplication::translate(
                "PictureBudget", "カードの画像が合わせて %1 MB を超えるため、この画像は追加できません。")
                .arg(kCardPictureBytes / (1024 * 1024)));
}

bool PictureBudget::Take(const QImage &picture)
{
    if (picture.isNull() || counted_.contains(picture.cacheKey()))
        return true;
    if (usedBytes_ + picture.sizeInBytes() > kCardPictureBytes)
        return false;
    usedBytes_ += picture.sizeInBytes();
    counted_.insert(picture.cacheKey());
    return true;
}

QString PictureBudgetMessage(int refusedPictures)
{
    return QCoreApplication::translate(
               "PictureBudget",
               "カードの画像が合わせて %1 MB を超えるため、%2 個の画像を読み込みませんでした。")
        .arg(PictureBudget::kCardPictureBytes / (1024 * 1024))
        .arg(refusedPictures);
}
