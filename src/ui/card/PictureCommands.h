#pragma once

struct CardEditContext;
class TVkDragLabel;

// Adds a picture chosen in the picture dialog: at the card's top-left corner, selected alone, on
// top, at its natural size, or fitted inside the card keeping its aspect when it is larger. A file that
// cannot be loaded changes nothing and says nothing; the remembered picture folder follows every confirmed
// choice. Returns the new object, or none.
TVkDragLabel *AddImage(const CardEditContext &context);
