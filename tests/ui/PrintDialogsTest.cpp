#include "PrintTestSupport.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "model/sheet/CalibrationSheet.h"
#include "model/sheet/PaperPreview.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window on the test queue at 300 dpi, with a card that is black all over, saved under a
// name that names the queue's jobs.
class PrintDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QPrinterInfo::printerInfo(kQueue).isNull())
            GTEST_SKIP() << "no CUPS printer named " << kQueue.toStdString()
                         << " (scripts/setup-printer.sh adds one)";
        if (PdfToImageTool().isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
        ASSERT_TRUE(form.Startup({}));
        printer.Printer().setPrinterName(kQueue);
        printer.Printer().setPageSize(QPageSize(QPageSize::A4));
        printer.Printer().setResolution(300);
        printer.Refresh();
        form.Panel().SetColor(clBlack);
        form.SetCurrentFileName(folder.filePath(token + QStringLiteral(".vkc")));
        form.SetModified(false);
    }

    QString pdfOfJob() const
    {
        const QString pdf = WaitForCupsPdfJob(token);
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF from the queue in "
                                    << CupsPdfFolders().join(' ').toStdString();
        return pdf;
    }

    ScopedProgramFolder folder;
    TQdPrinter printer;
    TfrmMain form{printer};
    const QString token = QStringLiteral("VellumiaDialogs%1").arg(QCoreApplication::applicationPid());
};

QPoint pointOfCell(TQdPrinter &printer, const TCardDef &cardDef, QSize box, std::int64_t wanted)
{
    const PaperPreviewSheet sheet{printer.GetPhysicalSize(),   printer.GetPhysicalPaperSize(),
                                  printer.GetPhysicalOffset(), printer.GetPrintableSize(),
                                  printer.GetResolution(),     printer.CurrentAdjustment()};
    for (int y = 0; y < box.height(); y += 2)
        for (int x = 0; x < box.width(); x += 2)
            if (PaperPreviewCellAt(box, sheet, cardDef, QPoint(x, y) - QPoint(2, 2)) == wanted &&
                PaperPreviewCellAt(box, sheet, cardDef, QPoint(x, y) + QPoint(2, 2)) == wanted)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

// The middle of the dark run crossing the line from `from` in steps of `step`, in pixels along it.
double middleOfDarkRun(const QImage &page, QPoint from, QPoint step, int length)
{
    double sum = 0;
    int count = 0;
    for (int i = 0; i < length; ++i) {
        const QPoint at = from + step * i;
        if (page.rect().contains(at) && qGray(page.pixel(at)) < 100) {
            sum += i;
            ++count;
        }
    }
    return count ? sum / count : -1000;
}

} // namespace

TEST_F(PrintDialogs, AClickOnTheFourthCardLeavesTheFirstThreeBlank)
{
    QString shownPrinter;
    OnNextModal([&](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmPrint");
        auto *preview = dialog->findChild<QWidget *>("pbSheet");
        const QPoint fourth = pointOfCell(printer, form.CardDef(), preview->size(), 3);
        QTest::mouseClick(preview, Qt::LeftButton, {}, fourth);
        EXPECT_EQ(dialog->findChild<QSpinBox *>("edtStart")->value(), 4);
        shownPrinter = dialog->findChild<QLabel *>("lblPrinter")->text();
        EXPECT_TRUE(dialog->findChild<QLabel *>("lblFit")->text().isEmpty());
        OnNextModal([](QWidget *printDialog) { static_cast<QDialog *>(printDialog)->accept(); });
        dialog->findChild<QPushButton *>("btnPrint")->click();
    });
    form.Action("acPrint")->trigger();
    EXPECT_TRUE(shownPrinter.contains(kQueue)) << shownPrinter.toStdString();
    EXPECT_TRUE(shownPrinter.contains("A4")) << shownPrinter.toStdString();

    const QString pdf = pdfOfJob();
    const QImage page = RasterisePdf(pdf, 300);
    QFile::remove(pdf);
    ASSERT_FALSE(page.isNull());
    const PrinterPage sheet{QSize(300, 300), QSize(), QSize(), QPoint()};
    for (int cell = 0; cell < 10; ++cell) {
        const QRect area = CardCellRect(form.CardDef(), sheet, cell % 2, cell / 2).adjusted(5, 5, -5, -5);
        if (cell < 3)
            EXPECT_TRUE(InkBounds(page, area).isEmpty()) << "cell " << cell + 1;
        else
            EXPECT_EQ(InkBounds(page, area), area) << "cell " << cell + 1;
    }
}

TEST_F(PrintDialogs, TheTestSheetLandsWhereTheCorrectionPutsItAndOkKeepsIt)
{
    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmPrintAdjust");
        EXPECT_EQ(dialog->findChild<QComboBox *>("cmbPrinter")->currentText(), kQueue);
        dialog->findChild<QDoubleSpinBox *>("edtOffsetX")->setValue(1.5);
        dialog->findChild<QDoubleSpinBox *>("edtOffsetY")->setValue(-0.8);
        dialog->findChild<QPushButton *>("btnTestPrint")->click();
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    form.Action("acPrintAdjust")->trigger();
    EXPECT_EQ(printer.CurrentAdjustment(), (PrintAdjustment{15, -8, 10000}));
    EXPECT_EQ(IniFile(folder.filePath("VELLUMAX.INI")).ReadString("PrintAdjustment", kQueue, QString()),
              "1.5,-0.8,100");

    // At 254 dpi a pixel is a tenth of a millimetre: the first cross, 30 mm from each edge, is moved
    // to 31.5 mm across and 29.2 mm down, within a tenth of a millimetre.
    const QString pdf = pdfOfJob();
    const QImage page = RasterisePdf(pdf, 254);
    QFile::remove(pdf);
    ASSERT_FALSE(page.isNull());
    const QPoint cross = CalibrationCrossesTenthMm(QSize(2100, 2970)).front();
    ASSERT_EQ(cross, QPoint(300, 300));
    const double across = middleOfDarkRun(page, QPoint(250, 342), QPoint(1, 0), 130) + 250;
    const double down = middleOfDarkRun(page, QPoint(265, 230), QPoint(0, 1), 130) + 230;
    EXPECT_NEAR(across, 315, 1);
    EXPECT_NEAR(down, 292, 1);
}
