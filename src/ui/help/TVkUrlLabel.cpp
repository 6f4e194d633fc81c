#include "ui/help/TVkUrlLabel.h"

#include "ui/platform/TVkShellEx.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr TColor kBlue = RGBToColor(0, 0, 255);

} // namespace

TVkUrlLabel::TVkUrlLabel(QWidget *owner) : QLabel(owner), mouseOverColor_(kBlue), mouseDownColor_(clRed)
{
    setCursor(Qt::PointingHandCursor);
    SetFontColor(clWindowText);
}

void TVkUrlLabel::SetFontColor(TColor color)
{
    // Set while the mouse is away, it is also the colour the label returns to.
    if (!hovered_ && !pressed_)
        rememberedColor_ = color;
    showColor(color);
}

void TVkUrlLabel::showColor(TColor color)
{
    fontColor_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColorToQColor(color));
    setPalette(colours);
    update();
}

void TVkUrlLabel::Click()
{
    if (!disableOpen_)
        TVkShellEx::Open(url_.isEmpty() ? text() : url_);
    if (OnClick)
        OnClick(*this);
}

// Entering twice in a row would remember the hover colour as the one to return to, so each
// crossing of the edge counts once.
void TVkUrlLabel::mouseEntered()
{
    if (hovered_)
        return;
    hovered_ = true;
    if (pressed_) {
        showColor(mouseDownColor_);
        return;
    }
    rememberedColor_ = fontColor_;
    showColor(mouseOverColor_);
}

void TVkUrlLabel::mouseLeft()
{
    if (!hovered_)
        return;
    hovered_ = false;
    showColor(rememberedColor_);
}

void TVkUrlLabel::enterEvent(QEnterEvent *event)
{
    mouseEntered();
    QLabel::enterEvent(event);
}

void TVkUrlLabel::leaveEvent(QEvent *event)
{
    mouseLeft();
    QLabel::leaveEvent(event);
}

void TVkUrlLabel::mousePressEvent(QMouseEvent *event)
{
    secondPress_ = false;
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        showColor(mouseDownColor_);
    }
    QLabel::mousePressEvent(event);
}

// The first click of a double click has opened the address already; the second press only
// colours the label, so a double click opens one page, not two.
void TVkUrlLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    secondPress_ = event->button() == Qt::LeftButton;
}

// While the button is held the label keeps the mouse and hears of no crossing of its edge, so the
// moves tell it.
void TVkUrlLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_) {
        if (rect().contains(event->position().toPoint()))
            mouseEntered();
        else
            mouseLeft();
    }
    QLabel::mouseMoveEvent(event);
}

void TVkUrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    const bool clicked = pressed_ && !secondPress_;
    pressed_ = false;
    secondPress_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        hovered_ = inside;
        showColor(inside ? mouseOverColor_ : rememberedColor_);
        // A click is a press and a release of the left button, both on the label.
        if (clicked && inside)
            Click();
    } else {
        showColor(rememberedColor_);
    }
}

void TVkUrlLabel::contextMenuEvent(QContextMenuEvent *event)
{
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
    else
        QLabel::contextMenuEvent(event);
}
