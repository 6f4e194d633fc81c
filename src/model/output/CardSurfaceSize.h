#pragma once

#include <QSize>

struct TCardDef;

// The card surface of a card of that card sheet, in surface pixels (5 per millimetre), as the window
// and the command line lay a card out: never negative, and no larger than the limit on either side.
QSize CardSurfaceSize(const TCardDef &cardDef);
