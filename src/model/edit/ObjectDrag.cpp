#include "model/edit/ObjectDrag.h"

#include "model/card/ReachableRect.h"
#include "model/card/TVkDragLabel.h"

#include <algorithm>
#include <cmath>

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

ObjectDrag::Edges ObjectDrag::EdgesAt(const TVkDragLabel &object, QPoint at, double zoomScale)
{
    // The surface's pixels are larger on screen when zoomed in, so fewer of them are near an edge.
    const double nearEdge = kNearEdge / zoomScale;
    const double farEdge = kFarEdge / zoomScale;
    Edges edges{};
    edges.left = at.x() < nearEdge;
    edges.top = at.y() < nearEdge;
    edges.right = at.x() > object.Width() - farEdge;
    edges.bottom = at.y() > object.Height() - farEdge;
    return edges;
}

ObjectDrag ObjectDrag::Grab(TVkDragLabel &object, QPoint at, double zoomScale)
{
    ObjectDrag drag;
    drag.grab_ = at;
    if (!(object.IsPicture() || object.IsShape()) || !object.Selected())
        return drag;
    const TDrawMode mode = object.DrawMode();
    const Edges edges = EdgesAt(object, at, zoomScale);
    drag.left_ = edges.left && mode != dmLineVert;
    drag.top_ = edges.top && mode != dmLineHorz;
    drag.right_ = !drag.left_ && edges.right && mode != dmLineVert;
    drag.bottom_ = !drag.top_ && edges.bottom && mode != dmLineHorz;
    const int grabbed = int(drag.left_) + int(drag.top_) + int(drag.right_) + int(drag.bottom_);
    // Lines across the box may change their slope, so only boxes keep their proportions.
    drag.keepAspect_ = grabbed >= 2 && mode != dmLineLR && mode != dmLineRL;
    if (drag.keepAspect_) {
        const int h = object.Height();
        drag.aspectRatio_ = h != 0 ? (long double)object.Width() / (long double)h : 1.0L;
    }
    // A QR code stays square, whichever edge is dragged.
    if (object.IsQrCode()) {
        drag.keepAspect_ = true;
        drag.aspectRatio_ = 1.0L;
    }
    object.SetAutoSize(false);
    return drag;
}

void ObjectDrag::Follow(TVkDragLabel &object, QPoint at, QSize card) const
{
    if (Resizing())
        resizeTo(object, at, card);
    else
        moveTo(object, at, card);
}

void ObjectDrag::moveTo(TVkDragLabel &object, QPoint at, QSize card) const
{
    Span l = Span(object.Left()) + at.x() - grab_.x();
    if (l > Span(card.width()) - kKeepOnCard)
        l = Span(card.width()) - kKeepOnCard;
    else if (l + object.Width() < kKeepOnCard)
        l = kKeepOnCard - Span(object.Width());
    Span t = Span(object.Top()) + at.y() - grab_.y();
    if (t > Span(card.height()) - kKeepOnCard)
        t = Span(card.height()) - kKeepOnCard;
    else if (t + object.Height() < kKeepOnCard)
        t = kKeepOnCard - Span(object.Height());
    object.SetTop(SaturatedInt(t));
    object.SetLeft(SaturatedInt(l));
}

void ObjectDrag::resizeTo(TVkDragLabel &object, QPoint at, QSize card) const
{
    const int x = at.x();
    const int y = at.y();
    const Span oldW = object.Width();
    const Span oldH = object.Height();
    Span l = object.Left();
    Span t = object.Top();
    Span w = oldW;
    Span h = oldH;
    if (left_) {
        l += x;
        w = oldW - x;
    }
    if (top_) {
        t += y;
        h = oldH - y;
    }
    if (right_)
        w = x;
    if (bottom_)
        h = y;
    if (object.IsQrCode()) {
        // A single edge dragged takes the other side along with it.
        if (!top_ && !bottom_)
            h = w;
        else if (!left_ && !right_)
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
            if (top_)
                t += h - h2;
            h = h2;
        } else {
            Span w2 = rounded(h * r);
            if (w2 < kSmallest) {
                w2 = kSmallest;
                h = rounded(kSmallest / r);
            }
            if (left_)
                l += w - w2;
            w = w2;
        }
    }
    if (l > Span(card.width()) - kKeepOnCard) {
        l = Span(card.width()) - kKeepOnCard;
        w = oldW;
        if (keepAspect_)
            h = oldH;
    } else if (l + w < kKeepOnCard) {
        w = oldW;
        l = kKeepOnCard - oldW;
        if (keepAspect_)
            h = oldH;
    }
    if (t > Span(card.height()) - kKeepOnCard) {
        t = Span(card.height()) - kKeepOnCard;
        h = oldH;
        if (keepAspect_)
            w = oldW;
    } else if (t + h < kKeepOnCard) {
        h = oldH;
        t = kKeepOnCard - oldH;
        if (keepAspect_)
            w = oldW;
    }
    object.SetBounds(SaturatedInt(l), SaturatedInt(t), SaturatedInt(w), SaturatedInt(h));
}
