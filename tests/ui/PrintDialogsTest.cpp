#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/merge/MergeSheetDrawing.h"
#include "model/merge/MergeTable.h"
#include "model/platform/IniFile.h"
#include "model/settings/BackSideSettings.h"
#include "model/sheet/CalibrationSheet.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/PaperPreview.h"
#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"
#include "ui/merge/MergeBar.h"
#include "ui/print/SheetPreviewView.h"
#include "ui/print/TfrmPrint.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The main window on the test queue at 300 dpi, with a card that is black all over, saved under a
// name that names the queue's jobs.
class PrintDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = TestQueueMissing(); !missing.empty())
            GTEST_SKIP() << missing;
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

    // Opens a table of two staff in the record bar, a card for each record.
    MergeBar *openStaffTable()
    {
        const QString table = folder.filePath("staff.csv");
        WriteFileBytes(table, "氏名\n山田\n鈴木\n");
        auto *bar = form.findChild<MergeBar *>("tbMerge");
        if (!bar)
            return nullptr;
        bar->OpenTable(table);
        auto *layout = bar->findChild<QComboBox *>("cmbMergeLayout");
        layout->setCurrentIndex(layout->findData(int(MergeLayout::CardPerRecord)));
        return bar;
    }

    // Answers the merge's PDF questions that come next: the card to start at, then the file.
    static void answerMergePdf(const QString &file, int startCard)
    {
        OnNextModal([file, startCard](QWidget *dialog) {
            auto *start = qobject_cast<QInputDialog *>(dialog);
            ASSERT_TRUE(start);
            start->setIntValue(startCard);
            OnNextModal([file](QWidget *files) {
                FindChild<QLineEdit>(*files, "fileNameEdit")->setText(file);
                QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            });
            start->accept();
        });
    }

    ScopedProgramFolder folder;
    TQdPrinter printer;
    TfrmMain form{printer};
    const QString token = QStringLiteral("VellumiaDialogs%1").arg(QCoreApplication::applicationPid());
};

// The middle of a cell of the print dialog's preview, found through the preview's own hit test.
QPoint pointOfCell(TQdPrinter &printer, const TCardDef &cardDef, QSize box, std::int64_t wanted)
{
    const PaperPreviewSheet sheet{printer.GetPhysicalSize(),   printer.GetPhysicalPaperSize(),
                                  printer.GetPhysicalOffset(), printer.GetPrintableSize(),
                                  printer.GetResolution(),     printer.CurrentAdjustment()};
    QRect cell;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (PaperPreviewCellAt(box, sheet, cardDef, QPoint(x, y)) == wanted)
                cell |= QRect(x, y, 1, 1);
    return cell.center();
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

TEST_F(PrintDialogs, PrintingFollowsACorrectionAnotherWindowMeasuredAndClosingKeepsIt)
{
    // Another window of the program measures the queue after this one started.
    IniFile(folder.filePath("VELLUMAX.INI")).WriteString("PrintAdjustment", kQueue, "2,-1,100");
    QString shown;
    OnNextModal([&shown](QWidget *dialog) {
        shown = dialog->findChild<QLabel *>("lblAdjust")->text();
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    form.Action("acPrint")->trigger();
    EXPECT_EQ(shown, "右へ 2.0 mm、下へ -1.0 mm、100.00 %");
    EXPECT_EQ(printer.CurrentAdjustment(), (PrintAdjustment{20, -10, 10000}));

    IniFile(folder.filePath("VELLUMAX.INI")).WriteString("PrintAdjustment", kQueue, "3,0,100");
    form.SaveSettings();
    EXPECT_EQ(IniFile(folder.filePath("VELLUMAX.INI")).ReadString("PrintAdjustment", kQueue, QString()),
              "3,0,100");
}

TEST_F(PrintDialogs, ThePaperSetupWarnsNamingThePaperWhenTheSheetRunsOffIt)
{
    QStringList warnings;
    OnNextModal([&warnings](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>("ListBox1");
        auto *warning = dialog->findChild<QLabel *>("lblFit");
        for (const char *sheet : {"B4", "A4"}) {
            const QList<QListWidgetItem *> found =
                list->findItems(QString::fromLatin1(sheet), Qt::MatchContains);
            EXPECT_FALSE(found.isEmpty()) << sheet;
            if (!found.isEmpty())
                list->setCurrentItem(found.front());
            warnings << warning->text();
        }
        dialog->findChild<QPushButton *>("Button2")->click();
    });
    form.Action("acPrintSetup")->trigger();
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].contains("A4")) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[1].isEmpty()) << warnings[1].toStdString();
    EXPECT_FALSE(form.Modified());
}

TEST_F(PrintDialogs, ThePreviewShowsTheNumberOfCardsChosenAndNoMore)
{
    const TCardDef &cardDef = form.CardDef();
    TfrmPrint dialog(printer, form.Panel(), cardDef, cmNone,
                     {.StartCell = 1, .CountUnit = SheetRun::Unit::Cards, .Count = 2}, true);
    auto *preview = dialog.findChild<QWidget *>("pbSheet");
    // The cells holding the black card, in order.
    const auto cardsShown = [&] {
        const QImage shown = preview->grab().toImage();
        QList<int> cells;
        for (int cell = 0; cell < 10; ++cell) {
            const QPoint middle = pointOfCell(printer, cardDef, preview->size(), cell);
            if (qGray(shown.pixel(middle)) < 40)
                cells << cell;
        }
        return cells;
    };
    EXPECT_EQ(cardsShown(), QList<int>({1, 2}));
    dialog.findChild<QSpinBox *>("edtCards")->setValue(4);
    EXPECT_EQ(cardsShown(), QList<int>({1, 2, 3, 4}));
    dialog.findChild<QRadioButton *>("rbSheets")->setChecked(true);
    EXPECT_EQ(cardsShown(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    dialog.findChild<QRadioButton *>("rbCards")->setChecked(true);
    EXPECT_EQ(cardsShown(), QList<int>({1, 2, 3, 4}));
}

TEST_F(PrintDialogs, AMergesPreviewShowsItsRecordsFromTheStartCell)
{
    // Two records of solid blocks, so that a cell with a record is dark and one without is white.
    const MergeTable table({"印"}, {{"████"}, {"████"}}, TableEncoding::Utf8);
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(clWhite);
    TVkDragLabel &text = card.AddObject(std::make_unique<TVkDragLabel>());
    CardFont font;
    font.Height = -200;
    text.SetFont(font);
    text.SetAutoSize(true);
    text.SetCaption({QStringLiteral("{{印}}")});
    const TCardDef &cardDef = form.CardDef();
    TfrmPrint dialog(printer, card, cardDef, cmNone, {}, false);
    dialog.SetSheetDrawing([&](QPainter &canvas, const PrinterPage &page, std::int64_t startCell) {
        DrawMergeSheet(canvas, page, card, cardDef, cmNone, table,
                       MergePlan(0, 2, MergeLayout::CardPerRecord, 10, startCell), 0);
    });
    dialog.findChild<QSpinBox *>("edtStart")->setValue(2);
    EXPECT_FALSE(dialog.findChild<QWidget *>("grpCount")->isEnabled());
    auto *preview = dialog.findChild<QWidget *>("pbSheet");
    const QImage image = preview->grab().toImage();
    // Black ink, neither the grey of used cells nor the blue frame of the start cell.
    const auto darkIn = [&](std::int64_t cell, const QImage &shown) {
        const QPoint middle = pointOfCell(printer, cardDef, preview->size(), cell);
        int dark = 0;
        for (int dy = -25; dy <= 25; ++dy)
            for (int dx = -40; dx <= 40; ++dx)
                dark += qGray(shown.pixel(middle + QPoint(dx, dy))) < 40;
        return dark;
    };
    EXPECT_EQ(darkIn(0, image), 0);
    EXPECT_GT(darkIn(1, image), 40);
    EXPECT_GT(darkIn(2, image), 40);
    EXPECT_EQ(darkIn(3, image), 0);
    EXPECT_EQ(text.Caption().front(), "{{印}}") << "the card is left as it was";

    // Turned over, each record's back is behind its own card: the sheet's columns change places.
    dialog.SetBackSide(card, {}, [&](QPainter &canvas, const PrinterPage &page, std::int64_t startCell) {
        DrawMergeBackSheet(canvas, page, {card, {}}, cardDef, cmNone, table,
                           MergePlan(0, 2, MergeLayout::CardPerRecord, 10, startCell), 0);
    });
    dialog.findChild<QToolButton *>("btnPreviewBack")->click();
    const QImage back = preview->grab().toImage();
    EXPECT_GT(darkIn(0, back), 40);
    EXPECT_EQ(darkIn(1, back), 0);
    EXPECT_EQ(darkIn(2, back), 0);
    EXPECT_GT(darkIn(3, back), 40);
}

TEST_F(PrintDialogs, BothSidesPrintFromTheStartCellForTheCardsChosen)
{
    form.Document().Side(CardSide::Back).SetColor(clBlack);
    QString fronts;
    OnNextModal([&](QWidget *dialog) {
        dialog->findChild<QSpinBox *>("edtStart")->setValue(4);
        dialog->findChild<QSpinBox *>("edtCards")->setValue(2);
        OnNextModal([&](QWidget *printDialog) {
            OnNextModal([&](QWidget *backSide) {
                backSide->findChild<QRadioButton *>("rbManualFeed")->setChecked(true);
                backSide->findChild<QRadioButton *>("rbLongEdge")->setChecked(true);
                // The backs go to the queue only once the fronts are written, so the jobs cannot cross.
                OnNextModal([&](QWidget *turnOver) {
                    fronts = pdfOfJob();
                    qobject_cast<QMessageBox *>(turnOver)->button(QMessageBox::Ok)->click();
                });
                backSide->findChild<QPushButton *>("btnOK")->click();
            });
            static_cast<QDialog *>(printDialog)->accept();
        });
        dialog->findChild<QPushButton *>("btnPrint")->click();
    });
    form.Action("acPrint")->trigger();
    ASSERT_FALSE(fronts.isEmpty());
    const QImage front = RasterisePdf(fronts, 300);
    QFile::remove(fronts);
    const QString backs = pdfOfJob();
    const QImage back = RasterisePdf(backs, 300);
    QFile::remove(backs);
    ASSERT_FALSE(front.isNull());
    ASSERT_FALSE(back.isNull());

    // Two across and five down, 14 mm from either side: the fourth and fifth cards are the second
    // row's right and the third row's left; turned about the long edge, their backs are the second
    // row's left and the third row's right.
    const PrinterPage sheet{QSize(300, 300), QSize(), QSize(), QPoint()};
    const auto inked = [&](const QImage &page, int column, int row) {
        const QRect area = CardCellRect(form.CardDef(), sheet, column, row).adjusted(5, 5, -5, -5);
        return InkBounds(page, area) == area;
    };
    const auto blank = [&](const QImage &page, int column, int row) {
        return InkBounds(page, CardCellRect(form.CardDef(), sheet, column, row).adjusted(5, 5, -5, -5))
            .isEmpty();
    };
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 2; ++column) {
            const bool frontPrinted = (row == 1 && column == 1) || (row == 2 && column == 0);
            EXPECT_TRUE(frontPrinted ? inked(front, column, row) : blank(front, column, row))
                << column << row;
            EXPECT_TRUE(frontPrinted ? inked(back, 1 - column, row) : blank(back, 1 - column, row))
                << column << row;
        }
}

TEST_F(PrintDialogs, AMergeStartsAtTheCellChosenOnPaperAndInAPdfFile)
{
    MergeBar *bar = openStaffTable();
    ASSERT_TRUE(bar);

    const QString saved = folder.filePath("merged.pdf");
    answerMergePdf(saved, 3);
    bar->findChild<QAction *>("acMergePdf")->trigger();

    OnNextModal([&](QWidget *dialog) {
        dialog->findChild<QSpinBox *>("edtStart")->setValue(3);
        OnNextModal([](QWidget *printDialog) { static_cast<QDialog *>(printDialog)->accept(); });
        dialog->findChild<QPushButton *>("btnPrint")->click();
    });
    bar->findChild<QAction *>("acMergePrint")->trigger();
    const QString printed = pdfOfJob();

    // Two records from the third card: the third and fourth cards, and no other.
    const PrinterPage sheet{QSize(300, 300), QSize(), QSize(), QPoint()};
    for (const QString &pdf : {saved, printed}) {
        const QImage page = RasterisePdf(pdf, 300);
        ASSERT_FALSE(page.isNull()) << pdf.toStdString();
        for (int cell = 0; cell < 10; ++cell) {
            const QRect area = CardCellRect(form.CardDef(), sheet, cell % 2, cell / 2).adjusted(5, 5, -5, -5);
            if (cell == 2 || cell == 3)
                EXPECT_EQ(InkBounds(page, area), area) << pdf.toStdString() << " cell " << cell + 1;
            else
                EXPECT_TRUE(InkBounds(page, area).isEmpty()) << pdf.toStdString() << " cell " << cell + 1;
        }
    }
    QFile::remove(printed);
}

TEST_F(PrintDialogs, WithATableOpenTheCardsPrintAndPdfMergeItAsTheRecordBarDoes)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    form.Panel().SetColor(clWhite);
    TVkDragLabel &name = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    name.SetBounds(10, 10, 300, 60);
    name.LoadCaption({"{{氏名}}様"});
    MergeBar *bar = openStaffTable();
    ASSERT_TRUE(bar);

    const QString saved = folder.filePath("merged.pdf");
    answerMergePdf(saved, 1);
    form.Action("acSaveAsPdf")->trigger();

    OnNextModal([&](QWidget *dialog) {
        OnNextModal([](QWidget *printDialog) { static_cast<QDialog *>(printDialog)->accept(); });
        dialog->findChild<QPushButton *>("btnPrint")->click();
    });
    form.Action("acPrint")->trigger();
    const QString printed = pdfOfJob();

    EXPECT_EQ(PdfText(saved), "山田様鈴木様");
    // The print queue's PDF keeps no text to read back: its cards are inked as the saved file's are,
    // the typed fields being twice as wide as the names merged into them.
    const QImage savedPage = RasterisePdf(saved, 300);
    const QImage printedPage = RasterisePdf(printed, 300);
    QFile::remove(printed);
    ASSERT_FALSE(savedPage.isNull());
    ASSERT_FALSE(printedPage.isNull());
    const PrinterPage sheet{QSize(300, 300), QSize(), QSize(), QPoint()};
    for (int cell = 0; cell < 3; ++cell) {
        const QRect area = CardCellRect(form.CardDef(), sheet, cell % 2, cell / 2);
        const QRect inkSaved = InkBounds(savedPage, area);
        const QRect inkPrinted = InkBounds(printedPage, area);
        EXPECT_EQ(inkSaved.isEmpty(), cell == 2) << cell;
        EXPECT_NEAR(inkPrinted.width(), inkSaved.width(), 4) << cell;
        EXPECT_NEAR(inkPrinted.left(), inkSaved.left(), 4) << cell;
    }
    EXPECT_EQ(name.Caption(), QStringList({"{{氏名}}様"}));
}

TEST_F(PrintDialogs, ThePreviewTurnsOverToTheBackOfThePaperWhereAClickStillChoosesTheStart)
{
    TVkVellumPanel front;
    TVkVellumPanel back;
    for (TVkVellumPanel *side : {&front, &back}) {
        side->SetBounds(0, 0, 455, 275);
        side->SetColor(clBlack);
    }
    // One card across, 20 mm from the left: its back is 99 to 190 mm from the left edge of the back.
    const TCardDef oneAcross = ParseCardDef("\"One across\",910,550,1,2,200,200,0,0,0");
    TfrmPrint dialog(printer, front, oneAcross, cmNone, {}, true);
    dialog.show();
    auto *toBack = dialog.findChild<QToolButton *>("btnPreviewBack");
    ASSERT_TRUE(toBack);
    EXPECT_FALSE(toBack->isVisible()) << "a card without a back has no back to show";
    dialog.SetBackSide(back, {.Turn = SheetTurn::LongEdge});
    ASSERT_TRUE(toBack->isVisible());

    auto *preview = dialog.findChild<QWidget *>("pbSheet");
    // A4 upright fills the preview's height less 5 pixels: 308 of them for 297 mm.
    const auto at = [](double xMm, double yMm) {
        return QPoint(int(12 + xMm * 308 / 297), int(yMm * 308 / 297));
    };
    const auto dark = [&](QPoint point) { return qGray(preview->grab().toImage().pixel(point)) < 40; };
    EXPECT_TRUE(dark(at(50, 40)));
    EXPECT_FALSE(dark(at(150, 40)));
    toBack->click();
    EXPECT_FALSE(dark(at(50, 40)));
    EXPECT_TRUE(dark(at(150, 40)));
    EXPECT_TRUE(dark(at(150, 100)));
    QTest::mouseClick(preview, Qt::LeftButton, {}, at(150, 100));
    EXPECT_EQ(dialog.findChild<QSpinBox *>("edtStart")->value(), 2);
    EXPECT_FALSE(dark(at(150, 40))) << "the first card's back is not printed";
    dialog.findChild<QToolButton *>("btnPreviewFront")->click();
    EXPECT_TRUE(dark(at(50, 100)));
}

TEST_F(PrintDialogs, ThePaperSetupPreviewTurnsOverOnlyForACardWithABack)
{
    const auto backShown = [&] {
        bool turnable = false;
        QRgb middle = 0;
        OnNextModal([&](QWidget *dialog) {
            auto *toBack = dialog->findChild<QToolButton *>("btnPreviewBack");
            turnable = toBack->isVisible();
            toBack->click();
            auto *preview = dialog->findChild<QWidget *>("pbPaper");
            middle =
                preview->grab().toImage().pixel(pointOfCell(printer, form.CardDef(), preview->size(), 0));
            dialog->findChild<QPushButton *>("Button2")->click();
        });
        form.Action("acPrintSetup")->trigger();
        return turnable && IsNear(middle, qRgb(255, 0, 0), 8);
    };
    EXPECT_FALSE(backShown());
    form.Document().Side(CardSide::Back).SetColor(RGBToColor(255, 0, 0));
    EXPECT_TRUE(backShown());
}

// Where the back lands is kept for each printer, so choosing another printer in the paper setup
// moves the back it shows.
TEST_F(PrintDialogs, ThePaperSetupsBackFollowsThePrinterChosenInIt)
{
    const auto keepForQueue = [&](const BackSidePlacement &placement) {
        IniFile ini(folder.filePath(QStringLiteral("VELLUMAX.INI")));
        BackSideSettings kept;
        kept.Load(ini);
        kept.SetPlacementOn(kQueue, placement);
        EXPECT_TRUE(kept.Save(ini));
    };
    const BackSidePlacement before{.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 5};
    const BackSidePlacement after{.Turn = SheetTurn::ShortEdge, .OffsetXTenthMm = -12, .OffsetYTenthMm = 30};
    keepForQueue(before);
    form.Document().Side(CardSide::Back).SetColor(RGBToColor(255, 0, 0));

    BackSidePlacement shown;
    BackSidePlacement shownAfterSetup;
    OnNextModal([&](QWidget *dialog) {
        const auto *preview = dialog->findChild<SheetPreviewView *>("pbPaper");
        shown = preview->Cards().BackPlacement;
        // The printer setup confirms a printer whose back is placed otherwise.
        keepForQueue(after);
        OnNextModal([](QWidget *setup) { setup->findChild<QPushButton *>("btnOK")->click(); });
        dialog->findChild<QPushButton *>("Button1")->click();
        shownAfterSetup = preview->Cards().BackPlacement;
        dialog->findChild<QPushButton *>("Button2")->click();
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_EQ(shown, before);
    EXPECT_EQ(shownAfterSetup, after);
}
