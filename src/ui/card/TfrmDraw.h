#pragma once

#include "model/card/CardTypes.h"
#include "model/platform/TColor.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>

class ColorSwatch;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class QToolButton;
class TVkDragLabel;

// The drawing dialog: the kind of shape, its pen colour and width, the fill and, for a rounded
// rectangle, the corner radius. It opens with the values last confirmed (kept in the settings file,
// written on OK only); editing a shape then loads that shape's values.
class TfrmDraw : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmDraw)

public:
    explicit TfrmDraw(QWidget *parent = nullptr);

    // Loads a shape's kind, corner, pen and fill before the dialog edits it.
    void LoadShape(const TVkDragLabel &shape);

    // The dialog's values, as a shape takes them after OK.
    TDrawMode Kind() const;
    void SetKind(TDrawMode kind);
    int CornerTenthMm() const; // 0 unless the kind is a rounded rectangle
    double CornerRadiusMm() const;
    void SetCornerRadiusMm(double radius);
    bool Fill() const; // only a visible, ticked fill box fills: lines never do
    bool FillChecked() const;
    void SetFillChecked(bool fill);
    TColor FillColor() const;
    void SetFillColor(TColor color);
    TColor PenColor() const;
    void SetPenColor(TColor color);
    int PenWidth() const;
    void SetPenWidth(int width);

private:
    void buildShapeButtons(QHBoxLayout *row);
    void readSettings();
    void writeSettings() const;
    void SpeedButtonClick();
    void CheckBox1Click();
    void Panel1Click(ColorSwatch *swatch);
    void Button1Click();
    void Button3Click();
    void showEvent(QShowEvent *event) override;

    QButtonGroup *shapeButtons_ = nullptr;
    std::array<QToolButton *, 7> shapeButtonList_{};
    ColorSwatch *Panel1_ = nullptr;
    QCheckBox *CheckBox1_ = nullptr;
    ColorSwatch *Panel2_ = nullptr;
    QSpinBox *edtPenWidth_ = nullptr;
    QLabel *lblRoundRect_ = nullptr;
    QDoubleSpinBox *edtRoundRect_ = nullptr;
    bool centred_ = false;
};
