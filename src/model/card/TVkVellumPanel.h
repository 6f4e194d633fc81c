#pragma once

#include "model/card/CardTypes.h"
#include "model/card/HeldObject.h"
#include "model/card/ReachableRect.h"
#include "model/card/StretchCache.h"
#include "model/picture/SvgPicture.h"
#include "model/platform/TColor.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class FieldValues;
class QPainter;
class TVkDragLabel;

// The card: background colour or stretched background picture, a black frame, an optional grid,
// and the card objects in stacking order (first at the back). It is a model with no window; the
// main window shows it through a CardSurfaceView, and rendering and printing paint it anywhere.
// Its bounds are its place in the scroll box and its size in surface pixels (5 per millimetre).
class TVkVellumPanel {
public:
    TVkVellumPanel();
    ~TVkVellumPanel();
    // A copy is a value: the card's properties and a copy of each object, which whoever shows the
    // original never hears of.
    TVkVellumPanel(const TVkVellumPanel &other);
    TVkVellumPanel &operator=(const TVkVellumPanel &) = delete;

    // --- Bounds in the scroll box.
    // Any int a document holds; the rectangle is brought within reach as an object's is.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int ClientWidth() const { return width_; }
    int ClientHeight() const { return height_; }
    QRect BoundsRect() const { return ReachableRect(left_, top_, width_, height_); }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    // --- Stored properties.
    const QString &Name() const { return name_; }
    void SetName(const QString &name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { cursor_ = cursor; }
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &hint) { hint_ = hint; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    bool MouseCapture() const { return mouseCapture_; }
    void SetMouseCapture(bool capture) { mouseCapture_ = capture; }
    const QString &PopupMenu() const { return popupMenu_; } // "frmMain.Popup2" once wired
    void SetPopupMenu(const QString &menu) { popupMenu_ = menu; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const QImage &Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage &bitmap); // a picture with no height empties the background
    // The SVG file the background picture was made from, drawn as vectors over the card's colour
    // while the picture stays; a new picture drops it.
    const QByteArray &SvgData() const { return svg_.Source(); }
    void SetSvgData(const QByteArray &svg);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool show);
    int GridSize() const { return gridSize_; } // surface pixels
    void SetGridSize(int size);
    bool FixedGrid() const { return fixedGrid_; }
    void SetFixedGrid(bool fixed) { fixedGrid_ = fixed; }
    TGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TGridStyle style);
    // An upright card has the card sheet's width and height swapped.
    TCardOrientation Orientation() const { return orientation_; }
    void SetOrientation(TCardOrientation orientation) { orientation_ = orientation; }

    // --- The zoom the screen shows the card at, in percent. It belongs to the view, not to the card:
    // no document or undo step records it.
    int Zoom() const { return zoom_; }
    void SetZoom(int percent); // kept within the zoom limits
    double ZoomScale() const { return zoom_ / 100.0; }

    // --- Card objects, bottom of the stack first. The surface owns them.
    int ObjectCount() const { return int(objects_.size()); }
    const TVkDragLabel &Object(int index) const { return *objects_[std::size_t(index)]; }
    TVkDragLabel &Object(int index) { return *objects_[std::size_t(index)]; }
    int IndexOf(const TVkDragLabel *object) const;                 // -1 when not on this surface
    TVkDragLabel &AddObject(std::unique_ptr<TVkDragLabel> object); // on top
    std::unique_ptr<TVkDragLabel> TakeObject(TVkDragLabel *object);
    // Every object at once, bottom first, leaving the surface empty.
    std::vector<std::unique_ptr<TVkDragLabel>> TakeObjects();
    void MoveObject(int from, int to); // changes the stacking order
    void ClearObjects();
    // The topmost visible object whose rectangle holds the point, or none.
    TVkDragLabel *ObjectAt(QPoint surfacePoint) const;

    // --- Drawing.
    // Fills any rectangle of any painter with the background: the picture stretched over it (a
    // vector one over the colour), or the colour. No frame, no grid.
    void PaintBackground(QPainter &canvas, const QRect &rect) const;
    // Paints the card as the screen shows it (background, frame, grid, then the objects with
    // their selection marks) into an image of the surface's size, limited to the dirty rectangle,
    // with the object the view's mouse button is held on as the view draws it. With a merge record
    // the objects show its values in their fields; the card is not changed.
    void Paint(QImage &image, const QRect &dirty, const HeldObject &held = {},
               const FieldValues *record = nullptr) const;
    // Paints the card as the screen shows it at a zoom onto a canvas in device pixels whose origin is
    // the card's top-left corner, limited to area (device pixels). The card and its objects are
    // drawn at scale device pixels per surface pixel, so text, lines and pictures stay sharp; the
    // frame, the grid lines and the selection marks keep their size on screen, markScale device
    // pixels per screen pixel.
    void PaintZoomed(QPainter &canvas, const QRect &area, double scale, double markScale,
                     const HeldObject &held = {}, const FieldValues *record = nullptr) const;

    // --- Notifications to whoever shows the surface.
    std::function<void(const QRect &)> OnRepaintRequested; // surface coordinates
    std::function<void()> OnBoundsChanged;
    void Invalidate(const QRect &rect);
    void Invalidate() { Invalidate(ReachableRect(0, 0, width_, height_)); }

private:
    void paintFrameAndGrid(QPainter &painter) const;
    void paintZoomedFrameAndGrid(QPainter &canvas, const QRect &card, const QRect &area, double scale,
                                 int mark) const;
    QRect withWholeSmoothedObjects(QRect area, const FieldValues *record) const;

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QString name_;
    int tag_ = 0;
    int cursor_ = crDefault;
    QString hint_;
    int helpContext_ = 0;
    bool mouseCapture_ = false;
    QString popupMenu_;
    TColor color_ = clWhite;
    QImage bitmap_;
    SvgPicture svg_;
    bool showGrid_ = false;
    int gridSize_ = 10;
    bool fixedGrid_ = false;
    TGridStyle gridStyle_ = gsLine;
    TCardOrientation orientation_ = coLandscape;
    int zoom_ = 100;
    std::vector<std::unique_ptr<TVkDragLabel>> objects_;
    // The background picture stretched to the last size it was painted at.
    mutable StretchCache backgroundCache_;
};
