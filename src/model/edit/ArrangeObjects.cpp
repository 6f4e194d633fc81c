#include "model/edit/ArrangeObjects.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStreamProperties.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// Keeps at least 10 pixels of an object of the given extent on a card of the given extent. The
// position may lie beyond the int range: a grid step from the settings file can be that large.
int clampKeepingTenPixels(long long position, int extent, int clientExtent)
{
    if (position + extent < 10)
        return int(std::max<long long>(10LL - extent, std::numeric_limits<int>::min()));
    return int(std::min<long long>(position, clientExtent - 10));
}

// The place along one side that keeps an object of that extent on a card of that extent.
int placedWithin(int position, int extent, int clientExtent)
{
    if (extent > clientExtent)
        return (clientExtent - extent) / 2;
    return std::clamp(position, 0, clientExtent - extent);
}

// A duplicate has a new object's frame and text effects; it is selected in place of its source.
constexpr std::array<const char *, 6> kNotDuplicated = {"FrameColor", "FrameWidth",   "FrameStyle",
                                                        "AntiAlias",  "AlphaChannel", "Selected"};

} // namespace

std::span<const char *const> PropertiesNotDuplicated()
{
    return kNotDuplicated;
}

void PullOntoCard(TVkDragLabel &object, int clientWidth, int clientHeight)
{
    if (object.Left() + std::int64_t(object.Width()) < 0)
        object.SetLeft(0);
    else if (object.Left() > clientWidth)
        object.SetLeft(SaturatedInt(std::int64_t(clientWidth) - object.Width()));
    if (object.Top() + std::int64_t(object.Height()) < 0)
        object.SetTop(0);
    else if (object.Top() > clientHeight)
        object.SetTop(SaturatedInt(std::int64_t(clientHeight) - object.Height()));
}

std::vector<TVkDragLabel *> SelectedObjects(TVkVellumPanel &surface)
{
    std::vector<TVkDragLabel *> selected;
    for (int i = 0; i < surface.ObjectCount(); ++i) {
        if (surface.Object(i).Selected())
            selected.push_back(&surface.Object(i));
    }
    return selected;
}

void DeleteSelectedObjects(TVkVellumPanel &surface, TVkDragLabel *&lastSelected)
{
    for (int i = surface.ObjectCount() - 1; i >= 0; --i) {
        TVkDragLabel &object = surface.Object(i);
        if (!object.Selected())
            continue;
        if (&object == lastSelected)
            lastSelected = nullptr;
        surface.TakeObject(&object);
    }
}

TVkDragLabel *DuplicateSelectedObjects(TVkVellumPanel &surface,
                                       const std::function<void(TVkDragLabel &)> &wire)
{
    TVkDragLabel *lastCopy = nullptr;
    // Copies go on top, after the range being visited, so they are never copied again.
    for (int i = surface.ObjectCount() - 1; i >= 0; --i) {
        TVkDragLabel &source = surface.Object(i);
        if (!source.Selected())
            continue;
        source.SetSelected(false);
        TVkDragLabel &copy = surface.AddObject(std::make_unique<TVkDragLabel>());
        // Selected before any handler is attached, so no other object's selection changes.
        copy.SetSelected(true);
        copy.SetPopupMenu(source.PopupMenu());
        CopyDragLabelProperties(source, copy, kNotDuplicated);
        copy.SetLeft(SaturatedInt(copy.Left() + 10LL));
        copy.SetTop(SaturatedInt(copy.Top() + 10LL));
        if (wire)
            wire(copy);
        lastCopy = &copy;
        PullOntoCard(copy, surface.ClientWidth(), surface.ClientHeight());
    }
    return lastCopy;
}

void BringSelectedToFront(TVkVellumPanel &surface)
{
    const int count = surface.ObjectCount();
    for (int i = count - 1; i >= 0; --i) {
        if (surface.Object(i).Selected())
            surface.MoveObject(i, surface.ObjectCount() - 1);
    }
}

void SendSelectedToBack(TVkVellumPanel &surface)
{
    const int count = surface.ObjectCount();
    for (int i = 0; i < count; ++i) {
        if (surface.Object(i).Selected())
            surface.MoveObject(i, 0);
    }
}

void PlaceOnCard(TVkDragLabel &object, const QRect &bounds, int clientWidth, int clientHeight)
{
    object.SetBounds(clampKeepingTenPixels(bounds.left(), bounds.width(), clientWidth),
                     clampKeepingTenPixels(bounds.top(), bounds.height(), clientHeight), bounds.width(),
                     bounds.height());
}

bool NudgeSelectedObjects(TVkVellumPanel &surface, int dx, int dy,
                          const std::function<void(TVkDragLabel &)> &moved)
{
    bool any = false;
    for (int i = 0; i < surface.ObjectCount(); ++i) {
        TVkDragLabel &object = surface.Object(i);
        if (!object.Selected())
            continue;
        any = true;
        if (dx != 0)
            object.SetLeft(
                clampKeepingTenPixels(object.Left() + (long long)dx, object.Width(), surface.ClientWidth()));
        if (dy != 0)
            object.SetTop(
                clampKeepingTenPixels(object.Top() + (long long)dy, object.Height(), surface.ClientHeight()));
        moved(object);
    }
    return any;
}

void MoveOntoCard(TVkDragLabel &object, int clientWidth, int clientHeight)
{
    object.SetLeft(placedWithin(object.Left(), object.Width(), clientWidth));
    object.SetTop(placedWithin(object.Top(), object.Height(), clientHeight));
}

void FitPictureOnCard(TVkDragLabel &object, int clientWidth, int clientHeight)
{
    object.ApplyAutoSize();
    if (object.Width() <= clientWidth && object.Height() <= clientHeight)
        return;
    const int inset = 2 * TVkDragLabel::kContentInset;
    const QSize picture = object.MeasureContent();
    if (picture.isEmpty())
        return;
    const double scale = std::min(double(std::max(clientWidth - inset, 1)) / picture.width(),
                                  double(std::max(clientHeight - inset, 1)) / picture.height());
    // Rounded, the fitting side comes out whole and the other never beyond the card.
    const QSize fitted(std::max(1, int(std::lround(picture.width() * scale))),
                       std::max(1, int(std::lround(picture.height() * scale))));
    object.SetAutoSize(false);
    object.SetBounds(object.Left(), object.Top(), fitted.width() + inset, fitted.height() + inset);
}
