#pragma once

#include <QPoint>
#include <QSize>

class TVkDragLabel;

// One drag of a card object with the mouse, from the press to the release. A press near an edge
// of a selected picture or shape grabs that edge and resizes, anywhere else it moves the object.
// Points are relative to the object's top-left corner in surface pixels; zoomScale is the card
// view's, so that the edges that resize are as wide on screen at any zoom.
class ObjectDrag {
public:
    struct Edges {
        bool left, top, right, bottom;
    };
    // The edges a press at this point of the object is near.
    static Edges EdgesAt(const TVkDragLabel &object, QPoint at, double zoomScale);

    // The press that starts the drag. A picture or shape whose edge it grabs keeps the size the
    // user gives it from then on.
    static ObjectDrag Grab(TVkDragLabel &object, QPoint at, double zoomScale);
    bool Resizing() const { return left_ || top_ || right_ || bottom_; }
    // Moves or resizes the object to follow the pointer, keeping 10 pixels of it over a card of
    // the given size.
    void Follow(TVkDragLabel &object, QPoint at, QSize card) const;

private:
    void moveTo(TVkDragLabel &object, QPoint at, QSize card) const;
    void resizeTo(TVkDragLabel &object, QPoint at, QSize card) const;

    QPoint grab_;
    bool left_ = false, top_ = false, right_ = false, bottom_ = false;
    bool keepAspect_ = false;
    long double aspectRatio_ = 1.0L;
};
