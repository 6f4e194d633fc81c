#pragma once

#include "model/merge/MergeRecord.h"
#include "ui/card/CardObjectMouse.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

class TVkVellumPanel;
class TVkDragLabel;
class MergeTable;

// Shows the card surface on screen at the surface's zoom: follows its bounds, paints it through an
// off-screen image so that moving objects never flicker, and hands the mouse on the object under
// the pointer to ObjectMouse, in surface pixels. The object a button went down on keeps the mouse
// until the button comes up, wherever it moves.
class CardSurfaceView : public QWidget {
    Q_OBJECT
public:
    CardSurfaceView(TVkVellumPanel &panel, QWidget *parent = nullptr);
    ~CardSurfaceView() override;

    TVkVellumPanel &Panel() const { return panel_; }
    // The surface pixel under a point of the view, and the view's rectangle of a surface rectangle.
    QPoint SurfacePoint(const QPointF &screenPoint) const;
    QRect ScreenRect(const QRect &surfaceRect) const;
    // Shows a record of a merge table on the card, or the design again with no table.
    void SetMergeRecord(const MergeTable *table, int record);
    // The table whose record is shown; null while the design is.
    const MergeTable *ShownMergeTable() const { return mergeTable_; }
    // The record the card shows, for drawing the card elsewhere as the screen shows it; null while
    // the design is shown.
    const FieldValues *ShownRecord() const { return shownRecord_ ? &*shownRecord_ : nullptr; }

    // Presses, drags and hovers on the card's objects, with their events.
    CardObjectMouse &ObjectMouse() { return objectMouse_; }
    const CardObjectMouse &ObjectMouse() const { return objectMouse_; }
    // A press on the empty card (the surface's own button-down event).
    std::function<void(Qt::MouseButton, QPoint)> OnSurfaceMouseDown;
    // The context menu of an object (Popup1) or of the empty card (Popup2, object is null).
    std::function<void(TVkDragLabel *, QPoint globalPos)> OnContextMenu;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void followBounds();
    void paintZoomed(const QRect &dirty);
    QPoint surfacePoint(const QMouseEvent *event) const;
    QPoint objectPoint(const TVkDragLabel &object, const QMouseEvent *event) const;
    void press(QMouseEvent *event, bool doubleClick);
    // The pressed object while it is still on the surface, or null.
    TVkDragLabel *capturedObject() const;
    // Ends a drag whose button came up while a pop-up menu or another window had the mouse, so
    // that the object does not follow the pointer with no button held.
    void endLostDrag();

    TVkVellumPanel &panel_;
    CardObjectMouse objectMouse_;
    QImage buffer_;
    TVkDragLabel *captured_ = nullptr;
    const MergeTable *mergeTable_ = nullptr;
    std::optional<MergeRecord> shownRecord_;
};
