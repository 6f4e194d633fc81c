#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/PrintAdjustment.h"

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <functional>
#include <optional>

class QPainter;
class TVkVellumPanel;
struct PrinterPage;

// What the preview of the paper setup shows of the printer's sheet.
struct PaperPreviewSheet {
    QSize PhysicalSize; // device pixels
    QSize PhysicalPaperSizeTenthMm;
    QPoint PhysicalOffset; // device pixels
    QSize PrintableSize;   // device pixels
    QSize Resolution{};    // dots per inch; needed to draw the card itself
    PrintAdjustment Adjustment{};
};

// What the cells of the preview show: the card as it prints, with the crop marks, the cells before
// the start cell left empty and marked as used, the start cell framed. Without a card the cells
// are hatched. With ShowBack and a back card, the back of the paper is shown instead, as it prints:
// the back card upright behind each front cell the print fills, the cells mirrored for the
// placement's turn; used cells and the start cell are marked behind the front cells they back.
struct PaperPreviewCards {
    const TVkVellumPanel *Card = nullptr;
    int GuessMark = 0;
    std::int64_t StartCell = 0;
    // The number of cards printed from the start cell when a count of cards is chosen; the cells
    // after them stay empty. None prints the rest of the sheet.
    std::optional<std::int64_t> CardCount{};
    // Draws the first sheet as the print will, for a print whose cells differ (a merge); without it
    // the card is drawn in every cell from the start cell.
    std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> DrawSheet{};
    const TVkVellumPanel *Back = nullptr;
    BackSidePlacement BackPlacement{};
    bool ShowBack = false;
    // Draws the back of the first sheet as the print will, for a print whose cells differ.
    std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> DrawBackSheet{};
};

// Draws the sheet at scale into a box of size: the paper with a shadow, the printable area in
// silver, and the cells of cardDef where the margins and the printer's correction put them on the
// paper. A card sheet larger than the paper is drawn running off it, its cells outlined in red
// beyond the paper's edge, and the paper made smaller to leave room for them.
void PaintPaperPreview(QPainter &painter, QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef,
                       const PaperPreviewCards &cards = {});

// The cell of cardDef under point of the preview (row by row from 0), or -1 over no card. On the
// back of the paper, the front cell behind the card under point.
std::int64_t PaperPreviewCellAt(QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef,
                                QPoint point, const PaperPreviewCards &cards = {});

// Whether every card of the sheet lies on paper of that size.
bool CardSheetFitsPaper(const TCardDef &cardDef, QSize paperTenthMm);
