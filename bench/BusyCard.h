#pragma once

#include "model/document/TCardDef.h"

#include <memory>

class TVkVellumPanel;

// A card as full as users make them, for measuring anything that touches every object: a 91 x 55 mm
// card (455 x 275 surface pixels) on a 4000 x 3000 background picture, with 30 objects: 10 plain
// texts, 5 texts at opacity 50, 5 with edge smoothing, 5 pictures of 1000 x 800 and 5 shapes
// (rectangle, rounded rectangle, ellipse, horizontal and diagonal line). Nothing is selected.
std::unique_ptr<TVkVellumPanel> MakeBusyCard();
// The same card with its pictures loaded from JPEG files, as a user adds them: 24-bit pictures that
// nothing has drawn or converted yet. The files are written and read once; each card is new.
std::unique_ptr<TVkVellumPanel> MakeBusyCardFromJpegFiles();

// The index of the first of the card's pictures among its objects.
constexpr int kBusyCardFirstPicture = 20;

// The shipped ten-up A4 sheet of 91 x 55 mm cards that the busy card is printed on.
TCardDef BusyCardSheet();
