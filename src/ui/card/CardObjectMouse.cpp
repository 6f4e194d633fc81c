#include "ui/card/CardObjectMouse.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

void CardObjectMouse::Press(TVkDragLabel &object, Qt::MouseButton button, QPoint at, bool doubleClick)
{
    if (doubleClick) {
        // The second press of a double click belongs to the editor it opened, not to a drag.
        if (held_ == &object)
            endDrag();
        if (OnDoubleClicked)
            OnDoubleClicked(object);
        if (panel_.IndexOf(&object) < 0)
            return;
    } else if (button == Qt::LeftButton) {
        held_ = &object;
        dragStarted_ = false;
        drag_ = ObjectDrag::Grab(object, at, panel_.ZoomScale());
    }
    if (OnPressed)
        OnPressed(object);
}

void CardObjectMouse::Move(TVkDragLabel &object, QPoint at)
{
    if (held_ != &object)
        return;
    if (!dragStarted_) {
        dragStarted_ = true;
        if (OnDragStarting)
            OnDragStarting(object);
    }
    drag_.Follow(object, at, QSize(panel_.ClientWidth(), panel_.ClientHeight()));
    // The handler may snap the object; the next move is taken from wherever it then is.
    if (!drag_.Resizing() && OnMoved)
        OnMoved(object);
    if (OnDragged && panel_.IndexOf(&object) >= 0)
        OnDragged(object);
}

void CardObjectMouse::Release(TVkDragLabel &object)
{
    if (held_ == &object)
        endDrag();
}

void CardObjectMouse::endDrag()
{
    // Draws a dragged picture again and puts the text effects back.
    panel_.Invalidate(held_->BoundsRect());
    held_ = nullptr;
    dragStarted_ = false;
}

HeldObject CardObjectMouse::Held() const
{
    // A command run from an event may have deleted the object.
    if (!held_ || panel_.IndexOf(held_) < 0)
        return {};
    return {held_, dragStarted_};
}

int CardObjectMouse::CursorAt(const TVkDragLabel &object, QPoint at) const
{
    if (!object.Selected() || !(object.IsPicture() || object.IsShape()))
        return crDefault;
    const auto [left, top, right, bottom] = ObjectDrag::EdgesAt(object, at, panel_.ZoomScale());
    switch (object.DrawMode()) {
    case dmLineHorz: return left || right ? crSizeWE : crDefault;
    case dmLineVert: return top || bottom ? crSizeNS : crDefault;
    default: break;
    }
    if (left)
        return top ? crSizeNWSE : bottom ? crSizeNESW : crSizeWE;
    if (right)
        return top ? crSizeNESW : bottom ? crSizeNWSE : crSizeWE;
    return top || bottom ? crSizeNS : crDefault;
}
