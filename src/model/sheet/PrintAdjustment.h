#pragma once

#include <QString>
#include <QTransform>
#include <optional>

struct PrinterPage;

// How far a printer's output is moved and scaled from where the sheet asks for it, to correct a
// printer that feeds or prints off its mark: measured with the test sheet and applied to every
// print on that printer. Offsets move the drawing right and down; the scale stretches it about the
// paper's top-left corner.
struct PrintAdjustment {
    static constexpr int kMostOffsetTenthMm = 500;
    static constexpr int kLeastScaleHundredthPercent = 9000;
    static constexpr int kMostScaleHundredthPercent = 11000;

    int OffsetXTenthMm = 0;
    int OffsetYTenthMm = 0;
    int ScaleHundredthPercent = 10000; // 100.00 %

    bool IsNone() const { return *this == PrintAdjustment(); }
    bool operator==(const PrintAdjustment &) const = default;
};

// The transform from the sheet's drawing to the device that page.Adjustment asks for, in device
// pixels with (0, 0) at the printable area's corner; the identity when there is no adjustment.
// Offsets are whole device pixels, the nearest to the length asked, so every cell moves alike.
QTransform PrintAdjustmentTransform(const PrinterPage &page);

// "X,Y" or "X,Y,SCALE": millimetres right and down (to 0.1 mm) and a scale in percent (to 0.01 %),
// as the settings file and the command line write it. Anything else, or a value beyond the limits
// above, is refused.
std::optional<PrintAdjustment> ParsePrintAdjustment(const QString &text);
QString FormatPrintAdjustment(const PrintAdjustment &adjustment);
