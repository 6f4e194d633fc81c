#pragma once

struct CardEditContext;
class TVkDragLabel;

// Adds the shape chosen in the drawing dialog at the card's top-left corner, selected alone, on
// top. Returns it, or none when the dialog was cancelled.
TVkDragLabel *AddShape(const CardEditContext &context);

// Edits a shape in the drawing dialog; it may become any other kind. Afterwards it is the only
// selected object, sized for its pen and kind, and back on the card. Returns whether it changed.
bool EditShape(const CardEditContext &context, TVkDragLabel &object);
