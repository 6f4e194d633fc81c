#pragma once

#include "model/document/PictureCache.h"

#include <QByteArray>
#include <vector>

// A card document whose pictures are held by reference: `bytes` is the document without the BMP
// files of its pictures, and each splice says where one belongs, in order. Undo snapshots and card
// copies keep documents this way, so that a picture is neither copied nor decoded again, and one
// that many documents hold takes its memory once.
struct SplicedCardStream {
    QByteArray bytes;
    std::vector<PictureSplice> pictures;

    // The size of the whole document.
    qsizetype Size() const;
    // The whole document, byte for byte as writing it to a file gives it.
    QByteArray Joined() const;
    // Lets go of the pictures, keeping the memory of the bytes for the next document.
    void Release();
};
