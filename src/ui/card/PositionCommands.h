#pragma once

struct CardEditContext;
class TVkDragLabel;

// Gives an object the place and size typed in the position dialog, as one undo step, keeping 10
// pixels of it on the card. A picture given a size of its own no longer follows its picture's size.
// Returns whether the object changed.
bool EditPositionAndSize(const CardEditContext &context, TVkDragLabel &object);
