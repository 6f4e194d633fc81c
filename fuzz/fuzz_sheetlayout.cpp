#include "FuzzSupport.h"
#include "model/card/SurfaceScale.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/PaperPreview.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <algorithm>
#include <cstring>

// A card sheet arrives with every card document, so its numbers are outside bytes: whatever they
// say, printing the sheet and previewing it must end soon, or refuse,, without overflow, and touch only the
// page.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TCardDef cardDef{};
    std::memcpy(&cardDef, data, std::min(size, sizeof cardDef));
    const std::uint8_t *extra = data + std::min(size, sizeof cardDef);
    const std::size_t extraSize = size - std::min(size, sizeof cardDef);
    const auto byte = [&](std::size_t i) { return i < extraSize ? int(extra[i]) : 0; };
    const int dpi = std::max(1, byte(0) * 8 + byte(1));
    const QPoint offset(byte(2) - 128, byte(3) - 128);
    const int guessMark = byte(4) % 4 - 1;
    // A printer's correction, anywhere within what the settings accept.
    const PrintAdjustment adjustment{.OffsetXTenthMm = (byte(11) - 128) * 4,
                                     .OffsetYTenthMm = (byte(12) - 128) * 4,
                                     .ScaleHundredthPercent = 9000 + byte(13) * 8};

    TVkVellumPanel card;
    card.SetBounds(0, 0, std::clamp(TenthMmToSurfacePixels(double(cardDef.CardSizeX)), 0, 4000),
                   std::clamp(TenthMmToSurfacePixels(double(cardDef.CardSizeY)), 0, 4000));
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(dmRectangle);
    object->SetBounds(byte(5) - 128, byte(6) - 128, byte(7), byte(8));
    object->SetFillDraw(true);
    card.AddObject(std::move(object));

    QImage page(160, 220, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        const PrinterPage sheet{QSize(dpi, dpi), page.size(), page.size() - QSize(offset.x(), offset.y()),
                                offset, adjustment};
        try {
            DrawCardSheet(painter, sheet, card, cardDef, guessMark);
        } catch (const VkError &) {
            // A sheet too crowded to draw is refused; that is an answer, not a fault.
        }
    }
    // Recorded rather than rasterised: Qt's cache of hatch pattern images does not outlive the
    // fuzzer's application object at exit.
    QPicture preview;
    QPainter recorder(&preview);
    const PaperPreviewSheet paper{
        QSize(2480, 3508), QSize(byte(9) * 16, byte(10) * 16), offset, QSize(2300, 3300), QSize(300, 300),
        adjustment};
    PaintPaperPreview(recorder, QSize(80, 100), paper, cardDef);
    PaintPaperPreview(recorder, QSize(80, 100), paper, cardDef,
                      {.Card = &card, .GuessMark = guessMark, .StartCell = byte(14) * 1000 - 3});
    PaperPreviewCellAt(QSize(80, 100), paper, cardDef, QPoint(byte(15) - 100, byte(16) - 100));
    // The back of the paper, turned either way and moved as far as the back's offsets reach.
    const PaperPreviewCards back{.Card = &card,
                                 .GuessMark = guessMark,
                                 .StartCell = byte(14) * 1000 - 3,
                                 .Back = &card,
                                 .BackPlacement = {.Turn = SheetTurn(byte(17) % 2),
                                                   .OffsetXTenthMm = (byte(18) - 128) * 8,
                                                   .OffsetYTenthMm = (byte(19) - 128) * 8},
                                 .ShowBack = true};
    PaintPaperPreview(recorder, QSize(80, 100), paper, cardDef, back);
    PaperPreviewCellAt(QSize(80, 100), paper, cardDef, QPoint(byte(15) - 100, byte(16) - 100), back);
    return 0;
}
