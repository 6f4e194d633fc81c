#pragma once

#include "model/sheet/PrintAdjustment.h"

#include <QPoint>
#include <QSize>

// A printer's sheet in its own device pixels. The page is drawn with (0, 0) at the top-left corner
// of the printable area, which lies PhysicalOffset from the sheet's corner.
struct PrinterPage {
    QSize Resolution;             // dots per inch across and down
    QSize PhysicalSize;           // the whole sheet
    QSize PrintableSize;          // the area the device can print on
    QPoint PhysicalOffset;        // sheet's left and top edge to the printable area
    PrintAdjustment Adjustment{}; // where this printer's output is corrected to
};
