#include "model/edit/AlignObjects.h"

#include "model/card/TVkDragLabel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Lengths are worked out wider than int: a document may place objects anywhere in its range.
using Span = long long;

int half(Span length)
{
    return int(std::floor(double(length) / 2.0));
}

int toInt(Span value)
{
    return int(std::clamp<Span>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void moveTo(TVkDragLabel &object, Span left, Span top)
{
    object.SetBounds(toInt(left), toInt(top), object.Width(), object.Height());
}

void measure(std::span<TVkDragLabel *const> objects)
{
    for (TVkDragLabel *object : objects)
        object->ApplyAutoSize();
}

// Position and extent along one axis.
Span start(const TVkDragLabel &object, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? object.Left() : object.Top();
}

Span extent(const TVkDragLabel &object, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? object.Width() : object.Height();
}

void moveAlong(TVkDragLabel &object, Qt::Orientation orientation, Span position)
{
    if (orientation == Qt::Horizontal)
        moveTo(object, position, object.Top());
    else
        moveTo(object, object.Left(), position);
}

} // namespace

void AlignObjects(std::span<TVkDragLabel *const> objects, TVkDragLabel &anchor, AlignEdge edge)
{
    measure(objects);
    anchor.ApplyAutoSize();
    for (TVkDragLabel *object : objects) {
        const Span left = object->Left();
        const Span top = object->Top();
        switch (edge) {
        case AlignEdge::Left: moveTo(*object, anchor.Left(), top); break;
        case AlignEdge::Centre:
            moveTo(*object, anchor.Left() + half(Span(anchor.Width()) - object->Width()), top);
            break;
        case AlignEdge::Right:
            moveTo(*object, Span(anchor.Left()) + anchor.Width() - object->Width(), top);
            break;
        case AlignEdge::Top: moveTo(*object, left, anchor.Top()); break;
        case AlignEdge::Middle:
            moveTo(*object, left, anchor.Top() + half(Span(anchor.Height()) - object->Height()));
            break;
        case AlignEdge::Bottom:
            moveTo(*object, left, Span(anchor.Top()) + anchor.Height() - object->Height());
            break;
        }
    }
}

void DistributeObjects(std::span<TVkDragLabel *const> objects, Qt::Orientation orientation)
{
    if (objects.size() < 3)
        return;
    measure(objects);
    std::vector<TVkDragLabel *> order(objects.begin(), objects.end());
    std::stable_sort(order.begin(), order.end(), [orientation](const TVkDragLabel *a, const TVkDragLabel *b) {
        return start(*a, orientation) < start(*b, orientation);
    });
    const TVkDragLabel &last = *order.back();
    const Span first = start(*order.front(), orientation);
    Span lengths = 0;
    for (const TVkDragLabel *object : order)
        lengths += extent(*object, orientation);
    const Span gaps = start(last, orientation) + extent(last, orientation) - first - lengths;
    const Span steps = Span(order.size()) - 1;
    Span before = 0; // the lengths of the objects before the one placed
    for (Span i = 0; i < steps; ++i) {
        if (i > 0)
            moveAlong(*order[std::size_t(i)], orientation,
                      first + before + Span(std::floor(double(gaps) * double(i) / double(steps) + 0.5)));
        before += extent(*order[std::size_t(i)], orientation);
    }
}

void CentreOnCard(std::span<TVkDragLabel *const> objects, QSize card)
{
    if (objects.empty())
        return;
    measure(objects);
    QRect around;
    for (const TVkDragLabel *object : objects)
        around |= object->BoundsRect();
    const Span dx = half(Span(card.width()) - around.width()) - Span(around.left());
    const Span dy = half(Span(card.height()) - around.height()) - Span(around.top());
    for (TVkDragLabel *object : objects)
        moveTo(*object, object->Left() + dx, object->Top() + dy);
}
