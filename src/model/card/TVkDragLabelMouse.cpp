#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kNearEdge = 4;    // screen pixels: a press this close to the left or top edge grabs it
constexpr int kFarEdge = 5;     // screen pixels: X > W - 5 grabs the right edge, Y > H - 5 the bottom
constexpr int kSmallest = 10;   // resizing never makes a side shorter
constexpr int kKeepOnCard = 10; // this much of an object stays over the card

// Positions and sizes read from a document can be anywhere in the int range, so their sums are
// worked out wider and brought back into range at the end.
using Span = long long;

Span rounded(long double value)
{
    return Span(std::clamp(std::trunc(value + 0.5L), -1e18L, 1e18L));
}

} // namespace

void TVkDragLabel::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (doubleClickPending_) {
        // The second press of a double click belongs to the editor it opened, not to a drag.
        doubleClickPending_ = false;
        buttonHeld_ = false;
    } else if (button == Qt::LeftButton) {
        buttonHeld_ = true;
        grabPoint_ = QPoint(x, y);
        if ((IsPicture() || IsShape()) && selected_) {
            const int w = Width();
            const int h = Height();
            const Edges edges = edgesAt(x, y);
            resizeLeft_ = edges.left && drawMode_ != dmLineVert;
            resizeTop_ = edges.top && drawMode_ != dmLineHorz;
            resizeRight_ = !resizeLeft_ && edges.right && drawMode_ != dmLineVert;
            resizeBottom_ = !resizeTop_ && edges.bottom && drawMode_ != dmLineHorz;
            resizing_ = resizeLeft_ || resizeTop_ || resizeRight_ || resizeBottom_;
            const int grabbed = int(resizeLeft_) + int(resizeTop_) + int(resizeRight_) + int(resizeBottom_);
            // Lines across the box may change their slope, so only boxes keep their proportions.
            keepAspect_ = grabbed >= 2 && drawMode_ != dmLineLR && drawMode_ != dmLineRL;
            if (keepAspect_)
                aspectRatio_ = h != 0 ? (long double)w / (long double)h : 1.0L;
            // A QR code stays square, whichever edge is dragged.
            if (IsQrCode()) {
                keepAspect_ = true;
                aspectRatio_ = 1.0L;
            }
            // A picture the user has touched keeps the size given to it.
            autoSize_ = false;
        }
    }
    if (OnMouseDown)
        OnMouseDown(*this);
}

void TVkDragLabel::MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    if (buttonHeld_) {
        if (!dragStarted_) {
            dragStarted_ = true;
            if (OnMoving)
                OnMoving(*this);
        }
        if (resizing_)
            resizeTo(x, y);
        else
            moveTo(x, y);
    } else if (selected_) {
        hoverCursor_ = cursorAt(x, y);
    }
}

TVkDragLabel::Edges TVkDragLabel::edgesAt(int x, int y) const
{
    // The surface's pixels are larger on screen when zoomed in, so fewer of them are near an edge.
    const double perScreenPixel = parent_ ? 1.0 / parent_->ZoomScale() : 1.0;
    const double nearEdge = kNearEdge * perScreenPixel;
    const double farEdge = kFarEdge * perScreenPixel;
    Edges edges{};
    edges.left = x < nearEdge;
    edges.top = y < nearEdge;
    edges.right = x > Width() - farEdge;
    edges.bottom = y > Height() - farEdge;
    return edges;
}

int TVkDragLabel::cursorAt(int x, int y) const
{
    if (!IsPicture() && !IsShape())
        return crDefault;
    const auto [left, top, right, bottom] = edgesAt(x, y);
    switch (drawMode_) {
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

QSize TVkDragLabel::parentClientSize() const
{
    if (!parent_)
        return QSize(std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2);
    return QSize(parent_->ClientWidth(), parent_->ClientHeight());
}

void TVkDragLabel::moveTo(int x, int y)
{
    const QSize client = parentClientSize();
    Span l = Span(Left()) + x - grabPoint_.x();
    if (l > Span(client.width()) - kKeepOnCard)
        l = Span(client.width()) - kKeepOnCard;
    else if (l + Width() < kKeepOnCard)
        l = kKeepOnCard - Span(Width());
    Span t = Span(Top()) + y - grabPoint_.y();
    if (t > Span(client.height()) - kKeepOnCard)
        t = Span(client.height()) - kKeepOnCard;
    else if (t + Height() < kKeepOnCard)
        t = kKeepOnCard - Span(Height());
    SetTop(SaturatedInt(t));
    SetLeft(SaturatedInt(l));
    // The handler may snap the object; the next report is relative to wherever it then is.
    NotifyMoved();
}

void TVkDragLabel::resizeTo(int x, int y)
{
    const Span oldW = Width();
    const Span oldH = Height();
    Span l = Left();
    Span t = Top();
    Span w = oldW;
    Span h = oldH;
    if (resizeLeft_) {
        l += x;
        w = oldW - x;
    }
    if (resizeTop_) {
        t += y;
        h = oldH - y;
    }
    if (resizeRight_)
        w = x;
    if (resizeBottom_)
        h = y;
    if (IsQrCode()) {
        // A single edge dragged takes the other side along with it.
        if (!resizeTop_ && !resizeBottom_)
            h = w;
        else if (!resizeLeft_ && !resizeRight_)
            w = h;
    }
    w = std::max(w, Span(kSmallest));
    h = std::max(h, Span(kSmallest));
    if (keepAspect_) {
        // The largest box of the proportions taken at the press that fits into the dragged one.
        const long double r = aspectRatio_;
        if (r >= (long double)w / (long double)h) {
            Span h2 = rounded(w / r);
            if (h2 < kSmallest) {
                h2 = kSmallest;
                w = rounded(kSmallest * r);
            }
            if (resizeTop_)
                t += h - h2;
            h = h2;
        } else {
            Span w2 = rounded(h * r);
            if (w2 < kSmallest) {
                w2 = kSmallest;
                h = rounded(kSmallest / r);
            }
            if (resizeLeft_)
                l += w - w2;
            w = w2;
        }
    }
    const QSize client = parentClientSize();
    if (l > Span(client.width()) - kKeepOnCard) {
        l = Span(client.width()) - kKeepOnCard;
        w = oldW;
        if (keepAspect_)
            h = oldH;
    } else if (l + w < kKeepOnCard) {
        w = oldW;
        l = kKeepOnCard - oldW;
        if (keepAspect_)
            h = oldH;
    }
    if (t > Span(client.height()) - kKeepOnCard) {
        t = Span(client.height()) - kKeepOnCard;
        h = oldH;
        if (keepAspect_)
            w = oldW;
    } else if (t + h < kKeepOnCard) {
        h = oldH;
        t = kKeepOnCard - oldH;
        if (keepAspect_)
            w = oldW;
    }
    SetBounds(SaturatedInt(l), SaturatedInt(t), SaturatedInt(w), SaturatedInt(h));
}

void TVkDragLabel::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (buttonHeld_) {
        dragStarted_ = false;
        buttonHeld_ = false;
        resizing_ = false;
        // Draws a dragged picture again and puts the text effects back.
        Invalidate();
    }
    if (OnMouseUp)
        OnMouseUp(*this, button, QPoint(x, y));
}

void TVkDragLabel::DblClick()
{
    doubleClickPending_ = true;
    if (OnDblClick)
        OnDblClick(*this);
}
