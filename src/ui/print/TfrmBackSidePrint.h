#pragma once

#include "model/settings/BackSideSettings.h"

#include <QDialog>

class QDoubleSpinBox;
class QRadioButton;

// Asked when a card with a back side is printed: whether the printer prints both sides itself, the
// user feeds the printed fronts in again, or only the fronts are printed; how the sheet is turned
// over; and how far the back is moved to meet the front on this printer.
class TfrmBackSidePrint : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBackSidePrint(QWidget *parent = nullptr);

    // Without it the printer's two-sided mode is the only way to print the back, as when each
    // sheet differs and could not be fed again in its order.
    void OfferManualFeed(bool offered);
    // A printer that cannot print both sides by itself leaves that choice greyed out.
    void SetDuplexAvailable(bool available);
    void SetChoice(const BackSideSettings &settings);
    BackSideSettings Choice() const;
    bool FrontOnly() const;

private:
    QRadioButton *rbDuplex_ = nullptr;
    QRadioButton *rbManualFeed_ = nullptr;
    QRadioButton *rbFrontOnly_ = nullptr;
    QRadioButton *rbLongEdge_ = nullptr;
    QRadioButton *rbShortEdge_ = nullptr;
    QDoubleSpinBox *edtBackOffsetX_ = nullptr;
    QDoubleSpinBox *edtBackOffsetY_ = nullptr;
};
