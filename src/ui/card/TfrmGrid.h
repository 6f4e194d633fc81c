#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

// The grid dialog: spacing and its unit, line or dot style, and the ticks of showing the grid and
// snapping to it. It edits the values it is given; the main window applies them after OK.
class TfrmGrid : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmGrid)

public:
    explicit TfrmGrid(QWidget *parent = nullptr);

    int GridSize() const; // 1 to 100, in the unit below
    void SetGridSize(int size);
    int GridUnit() const; // 0 = millimetres, 1 = pixels
    void SetGridUnit(int unit);
    int GridStyle() const; // 0 = lines, 1 = dots
    void SetGridStyle(int style);
    bool ShowGrid() const;
    void SetShowGrid(bool show);
    bool FixedGrid() const;
    void SetFixedGrid(bool fixed);

private:
    void showEvent(QShowEvent *event) override;

    QRadioButton *unitMm_ = nullptr;
    QRadioButton *unitPixel_ = nullptr;
    QSpinBox *edtGridSize_ = nullptr;
    QRadioButton *styleLine_ = nullptr;
    QRadioButton *styleDot_ = nullptr;
    QCheckBox *chkShowGrid_ = nullptr;
    QCheckBox *chkFixedGrid_ = nullptr;
    bool centred_ = false;
};
