#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class TVkVellumPanel;
class TVkDragLabel;

// Shows the card surface on screen: follows its bounds, paints it through an off-screen image so
// that moving objects never flicker, and hands mouse presses to the object under the pointer.
class CardSurfaceView : public QWidget {
    Q_OBJECT
public:
    CardSurfaceView(TVkVellumPanel &panel, QWidget *parent = nullptr);
    ~CardSurfaceView() override;

    TVkVellumPanel &Panel() const { return panel_; }

    // A press on the empty card (the surface's own button-down event).
    std::function<void(Qt::MouseButton, QPoint)> OnSurfaceMouseDown;
    // The context menu of an object (Popup1) or of the empty card (Popup2, object is null).
    std::function<void(TVkDragLabel *, QPoint globalPos)> OnContextMenu;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void followBounds();

    TVkVellumPanel &panel_;
    QImage buffer_;
};
