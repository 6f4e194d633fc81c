#pragma once

class TVkDragLabel;

// The object a mouse button is held on in the card view. The screen draws it so that it follows
// the mouse quickly: a text plainly, without its opacity and edge smoothing, and a picture, once
// dragged, as its outline, which shows on any colour.
struct HeldObject {
    const TVkDragLabel *Object = nullptr;
    bool Dragged = false;
};
