#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QRect>

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;

// The position and size dialog: an object's left, top, width and height in millimetres. The card
// surface holds whole pixels at 5 per millimetre, so a typed value shows as the nearest length the
// card can take (5.1 mm becomes 5.2 mm). A picture may keep its proportions while one side is typed.
class TfrmPosition : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmPosition)

public:
    // bounds in surface pixels; sizeFixed for text that sizes itself, whose size is shown only.
    TfrmPosition(const QRect &bounds, bool picture, bool sizeFixed, QWidget *parent = nullptr);

    QRect Bounds() const; // surface pixels

private:
    QDoubleSpinBox *addLength(QGridLayout *grid, int row, const char *name, const QString &label,
                              double lowestMm, int pixels);
    void showPixels(QDoubleSpinBox *box, int pixels);
    void lengthTyped(QDoubleSpinBox *box);
    void keepAspect(QDoubleSpinBox *changed);

    QDoubleSpinBox *edtLeft_ = nullptr;
    QDoubleSpinBox *edtTop_ = nullptr;
    QDoubleSpinBox *edtWidth_ = nullptr;
    QDoubleSpinBox *edtHeight_ = nullptr;
    QCheckBox *chkKeepAspect_ = nullptr;
    double aspectRatio_ = 1.0; // width over height when the dialog opened
};
