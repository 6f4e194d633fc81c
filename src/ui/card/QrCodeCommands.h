#pragma once

struct CardEditContext;
class TVkDragLabel;

// Adds a QR code made in the QR code dialog: a square picture object at the card's top-left
// corner, selected alone, on top, with modules of at least three surface pixels (0.6 mm) and the
// code at least 20 mm wide. Returns it, or none when the dialog was cancelled.
TVkDragLabel *AddQrCode(const CardEditContext &context);

// Edits a QR code's text, level and quiet zone in the QR code dialog; the object keeps its place
// and size. Returns whether it changed.
bool EditQrCode(const CardEditContext &context, TVkDragLabel &object);
