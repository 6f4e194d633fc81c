#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"
#include "ui/print/PrinterSetupForm.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
};

} // namespace

// Every test here prints on the test queue, and only there.
class CupsPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = TestQueueMissing(false); !missing.empty())
            GTEST_SKIP() << missing;
    }
};

TEST_F(CupsPrinting, PrinterAnswersForTheTestQueue)
{
    TQdPrinter printer;
    printer.Printer().setPrinterName(kQueue);
    printer.Refresh();
    ASSERT_GE(printer.GetIndex(), 0);
    EXPECT_EQ(printer.Printers()[std::size_t(printer.GetIndex())].Name, kQueue);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    printer.Printer().setPageOrientation(QPageLayout::Portrait);
    EXPECT_EQ(printer.GetPaperSizeNumber(), 9); // A4 in the classic paper codes
    const QStringList names = printer.GetPaperSizeNames();
    EXPECT_EQ(names.at(printer.GetPaperSizeIndex()), QStringLiteral("A4"));
    const QSize dpi = printer.GetResolution();
    ASSERT_GT(dpi.width(), 0);
    // 210 x 297 mm, give or take the rounding to whole device pixels.
    const QSize paper = printer.GetPhysicalPaperSize();
    EXPECT_NEAR(paper.width(), 2100, 3);
    EXPECT_NEAR(paper.height(), 2970, 3);
    EXPECT_NEAR(printer.GetPhysicalSize().width(), 210.0 / 25.4 * dpi.width(), dpi.width() / 50);
    EXPECT_EQ(printer.GetScale(), 100);
    // The PDF queue prints to the paper's edge, so nothing of the sheet counts as unprintable.
    EXPECT_EQ(printer.GetPhysicalOffset(), QPoint());
    const QPoint offset = printer.GetPhysicalOffset();
    const QSize printable = printer.GetPrintableSize();
    EXPECT_LE(offset.x() + printable.width(), printer.GetPhysicalSize().width());
    // Landscape turns the sheet.
    printer.Printer().setPageOrientation(QPageLayout::Landscape);
    EXPECT_NEAR(printer.GetPhysicalPaperSize().width(), 2970, 3);
    // An unchanged printer list keeps the printer and its choices.
    EXPECT_FALSE(printer.CheckPrinterChanges());
    EXPECT_EQ(printer.Printer().printerName(), kQueue);
}

TEST_F(CupsPrinting, PrintCommandSendsTheSheetThroughTheQueue)
{
    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    ProgramFolderWithSheets folder;
    TQdPrinter printer;
    TfrmMain form(printer);
    ASSERT_TRUE(form.Startup({}));
    printer.Printer().setPrinterName(kQueue);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    // The driver's own resolution may be far finer; 300 dpi keeps the page small enough to look at.
    printer.Printer().setResolution(300);
    form.Settings().GuessMark = cmCornerCrosses;
    form.Panel().SetColor(0x00FF0000); // blue
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(dmRectangle);
    object->SetBounds(0, 0, 91, 55);
    object->SetColor(clBlack);
    object->SetFillDraw(true);
    object->SetBrushColor(clBlack);
    form.Panel().AddObject(std::move(object));
    // The job is named after the caption, and cups-pdf names its file after the job.
    const QString token = QStringLiteral("VellumiaJob%1").arg(QCoreApplication::applicationPid());
    form.SetCurrentFileName(folder.filePath(token + QStringLiteral(".vkc")));
    form.SetModified(false);

    bool dialogShown = false;
    bool pagesOffered = true;
    // The sheet's own choices first, then the printer's dialog.
    OnNextModal([&dialogShown, &pagesOffered](QWidget *sheetChoices) {
        EXPECT_EQ(sheetChoices->objectName(), "frmPrint");
        OnNextModal([&dialogShown, &pagesOffered](QWidget *dialog) {
            dialogShown = dialog->objectName() == QStringLiteral("PrintDialog");
            // A range of pages, or even pages only, could leave the one page out.
            const auto *pages = dialog->findChild<QWidget *>(QStringLiteral("gbPrintRange"));
            pagesOffered = !pages || !pages->isHidden();
            static_cast<QDialog *>(dialog)->accept();
        });
        sheetChoices->findChild<QPushButton *>("btnPrint")->click();
    });
    form.Action("acPrint")->trigger();
    EXPECT_TRUE(dialogShown);
    EXPECT_FALSE(pagesOffered);
    EXPECT_FALSE(form.Modified());

    const QString pdf = WaitForCupsPdfJob(token);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue in " << CupsPdfFolders().join(' ').toStdString();
    // Looked at in 150 dpi pixels, whatever the printer's resolution.
    const QSize dpi = printer.GetResolution();
    const int lookDpi = 150;
    const QImage page = RasterisePdf(pdf, lookDpi);
    QFile::remove(pdf);
    ASSERT_FALSE(page.isNull());
    const auto at = [&](QPoint device) { return page.pixel(device * lookDpi / dpi.width()); };
    const PrinterPage sheet{dpi, printer.GetPhysicalSize(), printer.GetPrintableSize(),
                            printer.GetPhysicalOffset()};
    const TCardDef &cardDef = form.CardDef(); // the shipped 91 x 55 mm, 2 x 5 sheet
    ASSERT_EQ(cardDef.Columns * cardDef.Lines, 10);
    for (int row = 0; row < cardDef.Lines; ++row) {
        for (int column = 0; column < cardDef.Columns; ++column) {
            const QRect cell = CardCellRect(cardDef, sheet, column, row).translated(sheet.PhysicalOffset);
            EXPECT_TRUE(IsNear(at(cell.center() + QPoint(cell.width() / 4, 0)), qRgb(0, 0, 255)))
                << row << "," << column;
            EXPECT_TRUE(
                IsNear(at(cell.topLeft() + QPoint(cell.width() / 10, cell.height() / 10)), qRgb(0, 0, 0)));
        }
    }
    // A corner cross sticks out of the first card into the paper's white margin.
    const QRect first = CardCellRect(cardDef, sheet, 0, 0).translated(sheet.PhysicalOffset);
    const int arm = TenthMmToDevicePixels(20, dpi.width());
    const QPoint armMiddle(first.left() - arm / 2, first.top());
    int dark = 0;
    for (int dy = -2; dy <= 2; ++dy)
        dark += IsNear(page.pixel(armMiddle * lookDpi / dpi.width() + QPoint(0, dy)), qRgb(0, 0, 0), 100);
    EXPECT_GE(dark, 1);
    EXPECT_TRUE(IsNear(at(armMiddle - QPoint(0, arm)), qRgb(255, 255, 255)));
}

TEST_F(CupsPrinting, PrinterSetupChangesPaperAndOrientationOnlyOnOk)
{
    ProgramFolderWithSheets folder;
    TQdPrinter printer;
    TfrmMain form(printer);
    ASSERT_TRUE(form.Startup({}));
    printer.Printer().setPrinterName(kQueue);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    printer.Printer().setPageOrientation(QPageLayout::Portrait);
    const auto setUp = [&form](const char *button) {
        OnNextModal([button](QWidget *dialog) {
            EXPECT_EQ(dialog->findChild<QComboBox *>("cmbPrinter")->currentText(), kQueue);
            auto *paper = dialog->findChild<QComboBox *>("cmbPaper");
            EXPECT_EQ(paper->currentText(), "A4");
            const int a5 = paper->findText("A5");
            if (a5 >= 0)
                paper->setCurrentIndex(a5);
            dialog->findChild<QRadioButton *>("rbLandscape")->setChecked(true);
            dialog->findChild<QPushButton *>(button)->click();
        });
        form.Action("mnuPrinterSetup")->trigger();
    };
    setUp("btnCancel");
    EXPECT_EQ(printer.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    setUp("btnOK");
    EXPECT_EQ(printer.Printer().pageLayout().orientation(), QPageLayout::Landscape);
    const QSize sheet = printer.GetPhysicalSize();
    EXPECT_GT(sheet.width(), sheet.height());
    if (printer.GetPaperSizeNames().contains("A5")) {
        EXPECT_NEAR(printer.GetPhysicalPaperSize().width(), 2100, 3); // A5 across is A4 down
    }
    EXPECT_FALSE(form.Modified());
}

TEST_F(CupsPrinting, PapersSharingAClassicCodeKeepTheirOwnNames)
{
    TQdPrinter printer;
    printer.Printer().setPrinterName(kQueue);
    printer.Refresh();
    int tried = 0;
    // A tabloid is an 11x17 sheet under the same code; SRA3 shares the code of every size of the
    // queue's own.
    for (const QPageSize &size : QPrinterInfo::printerInfo(kQueue).supportedPageSizes()) {
        if (size.key() != QStringLiteral("Tabloid") && size.key() != QStringLiteral("SRA3"))
            continue;
        ++tried;
        printer.Printer().setPageSize(size);
        printer.Refresh();
        EXPECT_EQ(printer.GetPaperSizeNames().at(printer.GetPaperSizeIndex()), size.name());
        const PrinterSetupForm form(printer.Printers(), printer.Printer());
        EXPECT_EQ(form.findChild<QComboBox *>("cmbPaper")->currentText(), size.name());
    }
    if (tried == 0)
        GTEST_SKIP() << "the queue lists neither tabloid nor SRA3 paper";
}
