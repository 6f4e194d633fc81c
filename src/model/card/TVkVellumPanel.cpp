#include "model/card/TVkVellumPanel.h"

#include "model/card/CardZoom.h"
#include "model/card/TVkDragLabel.h"

#include <algorithm>

TVkVellumPanel::TVkVellumPanel() = default;

TVkVellumPanel::TVkVellumPanel(const TVkVellumPanel &other)
    : left_(other.left_), top_(other.top_), width_(other.width_), height_(other.height_), name_(other.name_),
      tag_(other.tag_), cursor_(other.cursor_), hint_(other.hint_), helpContext_(other.helpContext_),
      mouseCapture_(other.mouseCapture_), popupMenu_(other.popupMenu_), color_(other.color_),
      bitmap_(other.bitmap_), svg_(other.svg_), showGrid_(other.showGrid_), gridSize_(other.gridSize_),
      fixedGrid_(other.fixedGrid_), gridStyle_(other.gridStyle_), orientation_(other.orientation_),
      zoom_(other.zoom_), backgroundCache_(other.backgroundCache_)
{
    for (const auto &object : other.objects_)
        AddObject(std::make_unique<TVkDragLabel>(*object));
}

TVkVellumPanel::~TVkVellumPanel() = default;

void TVkVellumPanel::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (OnBoundsChanged)
        OnBoundsChanged();
    if (resized)
        Invalidate();
}

void TVkVellumPanel::Invalidate(const QRect &rect)
{
    if (OnRepaintRequested)
        OnRepaintRequested(rect);
}

void TVkVellumPanel::SetZoom(int percent)
{
    percent = ClampZoom(percent);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    if (OnBoundsChanged)
        OnBoundsChanged();
    Invalidate();
}

void TVkVellumPanel::SetColor(TColor color)
{
    color_ = color;
    for (const auto &object : objects_)
        object->FollowParentColor(color_);
    Invalidate();
}

void TVkVellumPanel::SetBitmap(const QImage &bitmap)
{
    bitmap_ = bitmap.height() > 0 ? bitmap : QImage();
    svg_.SetSource(QByteArray());
    backgroundCache_.Clear();
    Invalidate();
}

void TVkVellumPanel::SetSvgData(const QByteArray &svg)
{
    svg_.SetSource(svg);
    Invalidate();
}

void TVkVellumPanel::SetShowGrid(bool show)
{
    if (show == showGrid_)
        return;
    showGrid_ = show;
    Invalidate();
}

void TVkVellumPanel::SetGridSize(int size)
{
    if (size == gridSize_)
        return;
    gridSize_ = size;
    Invalidate();
}

void TVkVellumPanel::SetGridStyle(TGridStyle style)
{
    if (style == gridStyle_)
        return;
    gridStyle_ = style;
    Invalidate();
}

int TVkVellumPanel::IndexOf(const TVkDragLabel *object) const
{
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        if (objects_[i].get() == object)
            return int(i);
    }
    return -1;
}

TVkDragLabel &TVkVellumPanel::AddObject(std::unique_ptr<TVkDragLabel> object)
{
    TVkDragLabel &added = *object;
    added.OnRepaintRequested = [this](const QRect &rect) { Invalidate(rect); };
    added.FollowParentColor(color_);
    objects_.push_back(std::move(object));
    added.Invalidate();
    return added;
}

std::unique_ptr<TVkDragLabel> TVkVellumPanel::TakeObject(TVkDragLabel *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TVkDragLabel> taken = std::move(objects_[std::size_t(index)]);
    objects_.erase(objects_.begin() + index);
    Invalidate(taken->BoundsRect());
    taken->OnRepaintRequested = nullptr;
    return taken;
}

std::vector<std::unique_ptr<TVkDragLabel>> TVkVellumPanel::TakeObjects()
{
    std::vector<std::unique_ptr<TVkDragLabel>> taken = std::move(objects_);
    objects_.clear();
    for (const auto &object : taken)
        object->OnRepaintRequested = nullptr;
    Invalidate();
    return taken;
}

void TVkVellumPanel::MoveObject(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ObjectCount() || to >= ObjectCount())
        return;
    std::unique_ptr<TVkDragLabel> moved = std::move(objects_[std::size_t(from)]);
    objects_.erase(objects_.begin() + from);
    objects_.insert(objects_.begin() + to, std::move(moved));
    Invalidate(objects_[std::size_t(to)]->BoundsRect());
}

void TVkVellumPanel::ClearObjects()
{
    // Last child first, as the card has always been cleared.
    while (!objects_.empty())
        TakeObject(objects_.back().get());
}

TVkDragLabel *TVkVellumPanel::ObjectAt(QPoint surfacePoint) const
{
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
        if ((*it)->Visible() && (*it)->BoundsRect().contains(surfacePoint))
            return it->get();
    }
    return nullptr;
}
