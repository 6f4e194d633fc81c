#pragma once

#include <QByteArray>
#include <QImage>

// A picture as a baseline colour JPEG file: libjpeg's default settings, then the quality given
// (1 to 100, with baseline quantisation tables). A dpi above 0 is stored as the picture's density;
// otherwise the header gives only the pixels' aspect, 1:1. Throws VkError, with libjpeg's own
// message, when the library fails; the library never ends the program.
QByteArray EncodeJpeg(const QImage &picture, int quality, int dpi = 0);
