#pragma once

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <QImage>
#include <memory>

// Adds to a 91 x 55 mm card the picture and the framed rectangle that the command line's sample
// business cards carry beside their text.
inline void AddPhotoAndFrame(TVkVellumPanel &card)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    auto photo = std::make_unique<TVkDragLabel>();
    photo->SetBitmap(picture);
    photo->SetBounds(300, 150, 130, 100);
    card.AddObject(std::move(photo));
    auto frame = std::make_unique<TVkDragLabel>();
    frame->SetDrawMode(dmRectangle);
    frame->SetPenWidth(3);
    frame->SetColor(RGBToColor(0, 0, 160));
    frame->SetBounds(20, 150, 200, 100);
    card.AddObject(std::move(frame));
}
