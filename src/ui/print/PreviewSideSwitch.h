#pragma once

#include <QWidget>

class QToolButton;
class SheetPreviewView;

// Two buttons that turn a sheet's preview over, between the front of the paper and its back, for a
// card with a back side. It shows only while the preview has a back card to show.
class PreviewSideSwitch : public QWidget {
    Q_OBJECT
public:
    PreviewSideSwitch(SheetPreviewView &view, QWidget *parent);

    // Follows the preview's cards: hidden, and the front shown, without a back card.
    void Refresh();

private:
    SheetPreviewView &view_;
    QToolButton *front_ = nullptr;
    QToolButton *back_ = nullptr;
};
