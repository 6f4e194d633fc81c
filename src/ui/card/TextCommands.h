#pragma once

struct CardEditContext;
class TVkDragLabel;

// Adds a text object written in the text dialog: at the card's top-left corner, selected alone, on
// top, sizing itself to its text. Returns it, or none when the dialog was cancelled or left empty.
TVkDragLabel *AddText(const CardEditContext &context);

// Edits a text object's lines and font in the text dialog, then brings it back onto the card if it
// lies outside. Its selection, size rule, place and stacking stay. Returns whether it changed.
bool EditText(const CardEditContext &context, TVkDragLabel &object);
