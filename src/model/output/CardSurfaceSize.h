#pragma once

#include "model/card/CardTypes.h"

#include <QSize>

struct TCardDef;

// The card surface of a card of that card sheet, in surface pixels (5 per millimetre), as the window
// and the command line lay a card out: never negative, and no larger than the limit on either side.
// An upright card is as high as the sheet's cells are wide.
QSize CardSurfaceSize(const TCardDef &cardDef, TCardOrientation orientation);
