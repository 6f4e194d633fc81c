#pragma once

#include "model/platform/TColor.h"

#include <QLabel>
#include <functional>

class QMenu;

// A text label that works as a hyperlink: it changes colour under the mouse and while pressed, and
// a click opens its address with the desktop's default program, on a worker thread of its own.
class TVkUrlLabel : public QLabel {
public:
    explicit TVkUrlLabel(QWidget *owner = nullptr);

    // The address a click opens; while empty, the caption is opened.
    const QString &URL() const { return url_; }
    void SetURL(const QString &url) { url_ = url; }
    // When set, a click opens nothing and only raises OnClick.
    bool DisableOpen() const { return disableOpen_; }
    void SetDisableOpen(bool disable) { disableOpen_ = disable; }
    TColor MouseOverColor() const { return mouseOverColor_; }
    void SetMouseOverColor(TColor color) { mouseOverColor_ = color; }
    TColor MouseDownColor() const { return mouseDownColor_; }
    void SetMouseDownColor(TColor color) { mouseDownColor_ = color; }
    // The colour the caption is drawn in now.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    // Shown on a right click, when set; owned by whoever made it.
    QMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu *menu) { popupMenu_ = menu; }

    // Opens the address (unless DisableOpen), then raises OnClick.
    void Click();
    std::function<void(TVkUrlLabel &)> OnClick;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showColor(TColor color);
    void mouseEntered();
    void mouseLeft();

    QString url_;
    bool disableOpen_ = false;
    TColor mouseOverColor_;
    TColor mouseDownColor_;
    TColor fontColor_ = clWindowText;
    TColor rememberedColor_ = clWindowText; // the colour to return to when the mouse leaves
    bool pressed_ = false;                  // the left button went down on the label and is held
    bool hovered_ = false;                  // the pointer is over the label
    bool secondPress_ = false;              // the held press ends a double click
    QMenu *popupMenu_ = nullptr;
};
