#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/PrinterPage.h"

#include <QList>
#include <QPoint>
#include <QString>

class QPainter;

// Where the test sheet puts its crosses: 30 mm in from each corner of the paper and at its middle,
// on whole millimetres, in tenths of a millimetre from the paper's top-left corner.
QList<QPoint> CalibrationCrossesTenthMm(QSize paperTenthMm);

// The test sheet of the print position adjustment, on a page already started: rulers in
// millimetres along the paper's top and left edges from its corner, a cross at each known place with
// its distance from the corner written beside it, the outline of every cell of cardDef, and a note
// naming the printer and its correction. Drawn with page.Adjustment, as every print on the printer
// is, so that a sheet printed after a correction shows what is left to correct.
void DrawCalibrationSheet(QPainter &canvas, const PrinterPage &page, QSize paperTenthMm,
                          const TCardDef &cardDef, const QString &printerName);
