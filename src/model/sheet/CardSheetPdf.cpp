#include "model/sheet/CardSheetPdf.h"

#include "model/platform/OutputFile.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/MergePlan.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kPdfDpi = 1200;

// The extent of the sheet's cells along one axis with the margin before them repeated after them,
// in tenths of a millimetre.
qint64 sheetExtentTenthMm(std::int32_t count, std::int32_t size, std::int32_t space, std::int32_t margin)
{
    if (count <= 0)
        return 0;
    return 2 * qint64(margin) + qint64(count) * size + qint64(count - 1) * space;
}

bool holds(const QPageSize &paper, const TCardDef &cardDef)
{
    const QSizeF tenthMm = paper.size(QPageSize::Millimeter) * 10;
    return sheetExtentTenthMm(cardDef.Columns, cardDef.CardSizeX, cardDef.ColumnSpace, cardDef.LeftMargin) <=
               qint64(tenthMm.width() + 0.5) &&
           sheetExtentTenthMm(cardDef.Lines, cardDef.CardSizeY, cardDef.LineSpace, cardDef.TopMargin) <=
               qint64(tenthMm.height() + 0.5);
}

} // namespace

QPageSize PdfPaperFor(const TCardDef &cardDef)
{
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::JisB4}) {
        const QPageSize paper(id);
        if (holds(paper, cardDef))
            return paper;
    }
    return QPageSize(QPageSize::A3);
}

void WriteSheetsPdf(const QString &path, const TCardDef &cardDef, const QString &title, int sheetCount,
                    const std::function<void(QPainter &, const PrinterPage &, int sheet)> &drawSheet)
{
    OutputFile file(path);
    const auto failure = [&path, &file] {
        return VkError(QCoreApplication::translate("CardSheetPdf", "ファイル %1 を作成できません: %2")
                           .arg(path, file.ErrorString()));
    };
    if (!file.Open())
        throw failure();
    {
        QPdfWriter writer(&file.Device());
        writer.setResolution(kPdfDpi);
        writer.setPageSize(PdfPaperFor(cardDef));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        const QSize sheet(writer.width(), writer.height());
        const PrinterPage page{.Resolution = QSize(kPdfDpi, kPdfDpi),
                               .PhysicalSize = sheet,
                               .PrintableSize = sheet,
                               .PhysicalOffset = QPoint(0, 0)};
        CheckCardSheetDrawable(page, cardDef);
        QPainter painter;
        if (!painter.begin(&writer))
            throw failure();
        // Each sheet is written out as the next one begins: a full disk stops the run there.
        for (int index = 0; index < sheetCount; ++index) {
            if (index > 0)
                writer.newPage();
            if (!file.Healthy())
                throw failure();
            drawSheet(painter, page, index);
        }
        painter.end();
    }
    if (!file.Commit())
        throw failure();
}

void WriteCardSheetPdf(const QString &path, const TVkVellumPanel &card, const TCardDef &cardDef,
                       int guessMark, const QString &title, const SheetRun &run,
                       const PrintAdjustment &adjustment)
{
    const MergePlan plan = PlanSheetRun(run, std::int64_t(cardDef.Columns) * cardDef.Lines);
    WriteSheetsPdf(
        path, cardDef, title, plan.SheetCount(), [&](QPainter &painter, const PrinterPage &page, int sheet) {
            PrinterPage adjusted = page;
            adjusted.Adjustment = adjustment;
            DrawCardSheet(painter, adjusted, card, cardDef, guessMark,
                          [&plan, sheet](std::int64_t cell) { return plan.RecordAt(sheet, cell) >= 0; });
        });
}
