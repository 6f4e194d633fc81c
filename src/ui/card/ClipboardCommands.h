#pragma once

#include <QRect>
#include <vector>

struct CardEditContext;
class TVkDragLabel;
class TVkVellumPanel;

// Puts the selected objects on the system clipboard, as card objects and as a picture. Returns
// whether any object was selected; with none the clipboard keeps what it had.
bool CopySelectedObjects(TVkVellumPanel &surface);

// Adds what the clipboard holds as one undo step: card objects, else a new picture, else a new text
// in the text dialog's remembered font. The pasted objects go on top, selected alone, moved as
// PasteOffset says into visible (surface pixels). Returns them, none when the clipboard held nothing
// the card can take.
std::vector<TVkDragLabel *> PasteClipboard(const CardEditContext &context, const QRect &visible);
