#pragma once

#include "model/document/TCardDef.h"
#include "model/settings/PrinterAdjustments.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class TQdPrinter;

// The print position adjustment: for the printer chosen, how far to move the print right and down
// (millimetres, to 0.1 mm) and how much to scale it (percent), and a test sheet printed with those
// values to measure against. OK keeps each printer's values in Adjustments(); nothing is changed
// before.
class TfrmPrintAdjust : public QDialog {
    Q_OBJECT
public:
    // The test sheet is printed as a job named after title.
    TfrmPrintAdjust(TQdPrinter &printer, const PrinterAdjustments &adjustments, const TCardDef &cardDef,
                    const QString &title, QWidget *parent = nullptr);

    const PrinterAdjustments &Adjustments() const { return adjustments_; }
    QString PrinterName() const;
    PrintAdjustment Adjustment() const;

    void accept() override;

private:
    void showPrinter();
    void printTestSheet();
    void showEvent(QShowEvent *event) override;

    TQdPrinter &printer_;
    PrinterAdjustments adjustments_;
    TCardDef cardDef_;
    QString title_;
    QComboBox *cmbPrinter_ = nullptr;
    QDoubleSpinBox *edtOffsetX_ = nullptr;
    QDoubleSpinBox *edtOffsetY_ = nullptr;
    QDoubleSpinBox *edtScale_ = nullptr;
    bool centred_ = false;
};
