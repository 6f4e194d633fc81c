#pragma once

#include <Qt>

struct CardEditContext;
class TVkDragLabel;

// The edit command of every card object: with Alt held its place and size in the position dialog;
// otherwise by its kind: a shape goes to the drawing dialog, a text to the text dialog, a QR code to
// the QR code dialog; another picture returns to its natural size when Ctrl is held (no undo step)
// and is otherwise replaced by a picture file the user chooses. Returns whether the object changed.
bool EditObject(const CardEditContext &context, TVkDragLabel &object, Qt::KeyboardModifiers keys);

// Replaces a picture object's picture with a file chosen in the picture dialog, keeping its size and
// its selection. A file that cannot be loaded changes nothing but the remembered folder.
bool ReplacePicture(const CardEditContext &context, TVkDragLabel &object);
