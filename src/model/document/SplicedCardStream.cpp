#include "model/document/SplicedCardStream.h"

qsizetype SplicedCardStream::Size() const
{
    qsizetype size = bytes.size();
    for (const PictureSplice &splice : pictures)
        size += splice.picture->bmp.size();
    return size;
}

QByteArray SplicedCardStream::Joined() const
{
    QByteArray whole;
    whole.reserve(Size());
    qsizetype from = 0;
    for (const PictureSplice &splice : pictures) {
        whole.append(QByteArrayView(bytes).sliced(from, splice.at - from));
        whole.append(splice.picture->bmp);
        from = splice.at;
    }
    whole.append(QByteArrayView(bytes).sliced(from));
    return whole;
}

void SplicedCardStream::Release()
{
    bytes.resize(0);
    pictures.clear();
}
