#include "model/edit/PastePlacement.h"

#include <algorithm>

namespace {

constexpr int kPasteStep = 10;

bool coversAnObject(const std::vector<QRect> &pasted, const std::vector<QRect> &present, QPoint offset)
{
    return std::any_of(pasted.begin(), pasted.end(), [&](const QRect &rect) {
        return std::find(present.begin(), present.end(), rect.translated(offset)) != present.end();
    });
}

// The shift that brings [low, high] inside [first, last], favouring first when it cannot.
int shiftInto(int low, int high, int first, int last)
{
    int shift = 0;
    if (high > last)
        shift = last - high;
    if (low + shift < first)
        shift = first - low;
    return shift;
}

} // namespace

QPoint PasteOffset(const std::vector<QRect> &pasted, const std::vector<QRect> &present, const QRect &visible)
{
    QPoint offset;
    // Each pair of a pasted and a present object meets at one offset at most, so this ends.
    while (coversAnObject(pasted, present, offset))
        offset += QPoint(kPasteStep, kPasteStep);
    if (pasted.empty() || visible.isEmpty())
        return offset;
    QRect group;
    for (const QRect &rect : pasted)
        group |= rect;
    group.translate(offset);
    return offset + QPoint(shiftInto(group.left(), group.right(), visible.left(), visible.right()),
                           shiftInto(group.top(), group.bottom(), visible.top(), visible.bottom()));
}
