#pragma once

#include "model/picture/TQrLevel.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// The largest quiet zone offered, in modules; four is what the QR standard asks for.
constexpr int kMaxQrQuietZone = 16;

// The modules of the QR code for text, taken as UTF-8 bytes and declared so when they go beyond
// ASCII: one pixel a module, dark modules
// black and light ones white (QImage::Format_Mono), with quietZone light modules on every side.
// A null image when the text is empty or more than a QR code of this level can hold.
QImage EncodeQrCode(const QString &text, TQrLevel level, int quietZone);

// Draws the modules of a QR code picture over destination, filling the largest square that fits,
// centred, with everything else in destination white. On pixels each module covers whole pixels;
// on a page (PDF, printer) modules are exact squares. Squares are filled as one shape, so a PDF holds
// vectors and no reader blurs them. False, drawing nothing, for a picture that is not square or
// larger than any QR code.
bool DrawQrModules(QPainter &canvas, const QRect &destination, const QImage &modules);
