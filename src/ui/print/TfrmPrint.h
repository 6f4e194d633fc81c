#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/SheetRun.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPainter;
struct BackSidePlacement;
class PreviewSideSwitch;
struct PrinterPage;
class QPushButton;
class QRadioButton;
class QSpinBox;
class SheetPreviewView;
class TQdPrinter;
class TVkVellumPanel;

// What a print puts on paper, chosen before the printer's own dialog: the sheet at scale on the
// current printer's paper with the card in its cells, the crop marks and the printer's correction;
// the cell to start at (by number or by a click on the preview); and how many whole sheets or
// cards. A merge prints as many cards as it has records, so its count cannot be chosen here. A sheet
// that runs off the paper is shown so and named in a warning.
class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    TfrmPrint(TQdPrinter &printer, const TVkVellumPanel &card, const TCardDef &cardDef, int guessMark,
              const SheetRun &run, bool countChosen, QWidget *parent = nullptr);
    ~TfrmPrint() override;

    SheetRun Run() const;
    // For a print whose cells differ (a merge): draws its first sheet from the start cell, as the
    // print will, instead of the card in every cell.
    void
    SetSheetDrawing(std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> drawSheet);
    // For a card with a back side: the preview can be turned over to show the back of the paper as
    // it prints there; drawBackSheet draws it for a print whose cells differ, as SetSheetDrawing's
    // function draws the front.
    void SetBackSide(
        const TVkVellumPanel &back, const BackSidePlacement &placement,
        std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> drawBackSheet = {});
    // Opens the print position adjustment; the preview follows what it changed. Without it the
    // dialog offers no adjustment.
    std::function<void()> OnAdjust;

private:
    void readPrinter();
    void showStart(std::int64_t cell);
    void showCount();
    void showEvent(QShowEvent *event) override;

    TQdPrinter &printer_;
    const TCardDef cardDef_;
    SheetPreviewView *pbSheet_ = nullptr;
    PreviewSideSwitch *sideSwitch_ = nullptr;
    QLabel *lblPrinter_ = nullptr;
    QLabel *lblAdjust_ = nullptr;
    QLabel *lblFit_ = nullptr;
    QSpinBox *edtStart_ = nullptr;
    QRadioButton *rbSheets_ = nullptr;
    QRadioButton *rbCards_ = nullptr;
    QSpinBox *edtSheets_ = nullptr;
    QSpinBox *edtCards_ = nullptr;
    QPushButton *adjust_ = nullptr;
    bool centred_ = false;
};

// Whether every card of the sheet lies on the current printer's paper; when not, asks whether to
// print all the same, naming the paper. True to go on printing.
bool ConfirmSheetOnPaper(TQdPrinter &printer, const TCardDef &cardDef, QWidget *parent);
