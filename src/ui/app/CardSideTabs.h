#pragma once

#include <QTabBar>

class TfrmMain;

// The tabs over the card that choose the side being designed: 表面 (the front) or 裏面 (the back).
// Choosing one puts that side on the card surface, with nothing selected; it is no change to the
// card. The tabs follow the document whatever else changes the side shown (opening a card, a new
// card).
class CardSideTabs : public QTabBar {
    Q_OBJECT
public:
    explicit CardSideTabs(TfrmMain &window, QWidget *parent = nullptr);

private:
    void choose(int index);

    TfrmMain &window_;
};
