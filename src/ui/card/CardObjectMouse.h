#pragma once

#include "model/card/HeldObject.h"
#include "model/edit/ObjectDrag.h"

#include <QPoint>
#include <functional>

class TVkDragLabel;
class TVkVellumPanel;

// The objects' side of a card view's mouse: the left button held on an object drags it, moving it
// or resizing it by the edge it was pressed near, and hovering over a selected picture or shape
// shows the edge a press would grab. Points are relative to the object's top-left corner, in
// surface pixels. The object keeps only its data: every change goes through the events, which the
// main window turns into its commands (the undo snapshot at the start of a drag, the grid snap
// after each move).
class CardObjectMouse {
public:
    using Event = std::function<void(TVkDragLabel &)>;

    explicit CardObjectMouse(TVkVellumPanel &panel) : panel_(panel) {}

    // Any button going down on the object; a double click stands in for the second press.
    void Press(TVkDragLabel &object, Qt::MouseButton button, QPoint at, bool doubleClick);
    // A move while the object has the mouse: the held object follows it.
    void Move(TVkDragLabel &object, QPoint at);
    // Any button coming up ends the drag.
    void Release(TVkDragLabel &object);
    // The cursor over a point of an object with no button held: an edge of a selected picture or
    // shape shows how a press there would resize it.
    int CursorAt(const TVkDragLabel &object, QPoint at) const;

    // The object the left button is held on, and whether it has moved since the press; the screen
    // draws it so that it follows the mouse quickly.
    HeldObject Held() const;
    bool ButtonHeld() const { return Held().Object != nullptr; }
    bool DragStarted() const { return Held().Dragged; }

    Event OnPressed;       // after each press, once the drag it starts is set up
    Event OnDoubleClicked; // before the press it stands in for
    Event OnDragStarting;  // once per drag, at its first move, before the object moves
    Event OnMoved;         // after each step that moves the object; the handler may snap it
    Event OnDragged;       // after each step that moves or resizes the object

private:
    void endDrag();

    TVkVellumPanel &panel_;
    TVkDragLabel *held_ = nullptr;
    bool dragStarted_ = false;
    ObjectDrag drag_;
};
