#pragma once

#include "model/platform/TColor.h"

#include <QFrame>
#include <functional>

// A sunken panel filled with one colour that the user clicks (or presses Space on) to choose
// another: the pen and fill colours of the drawing dialog.
class ColorSwatch : public QFrame {
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QSize sizeHint() const override { return {57, 21}; }

private:
    void click();

    TColor color_ = clBlack;
};
