#include "ui/export/ExportCommand.h"
#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/merge/MergeBar.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kBitmapType = QStringLiteral("ビットマップイメージ(*.bmp *.dib)");
const QString kJpegType = QStringLiteral("JPEGイメージ(*.jpg)");
const QString kPngType = QStringLiteral("PNGイメージ(*.png)");

// The largest difference of one colour channel, averaged over the pixels.
double meanDifference(const QImage &a, const QImage &b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                               std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return total / (double(a.width()) * a.height());
}

// Chooses a file type with the arrow keys and types a name, as the user does.
void fillIn(QFileDialog &dialog, const QString &type, const QString &name)
{
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(types && edit);
    const int wanted = types->findText(type);
    while (types->currentIndex() != wanted)
        QTest::keyClick(types, types->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    edit->setText(name);
}

class ExportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
        ASSERT_TRUE(form.Startup({}));
        QDir(folder.path()).mkdir(QStringLiteral("pictures"));
        form.Settings().SaveDirectory = folder.path();
        form.Panel().SetColor(RGBToColor(250, 240, 200));
        TVkDragLabel &shape = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
        shape.SetDrawMode(dmCircle);
        shape.SetBounds(30, 20, 200, 150);
        shape.SetPenWidth(6);
        shape.SetFillDraw(true);
        shape.SetBrushColor(RGBToColor(40, 90, 200));
        form.Panel()
            .AddObject(std::make_unique<TVkDragLabel>())
            .SetCaption({QStringLiteral("株式会社 ベラム")});
        form.SetModified(false);
    }

    QString path(const QString &name) const { return folder.filePath(QStringLiteral("pictures/") + name); }

    // Runs the export, answering the save dialog with a type and a name (none cancels it), the
    // resolution box with one of its choices (none cancels it), for a JPEG the quality box with a
    // text (none cancels it), and the error box when one is expected. Returns what the quality box
    // showed.
    QStringList exportCard(const QString &type, const QString &name,
                           const std::optional<QString> &quality = {}, bool failing = false,
                           const std::optional<QString> &resolution = QString())
    {
        QStringList qualityBox;
        const auto answerLater = [&](QWidget *box) {
            if (auto *input = qobject_cast<QInputDialog *>(box)) {
                qualityBox << input->windowTitle() << input->labelText() << input->textValue();
                input->setTextValue(quality.value_or(QString()));
                quality ? input->accept() : input->reject();
            } else if (auto *error = qobject_cast<QMessageBox *>(box)) {
                errorText = error->text();
                error->accept();
            }
        };
        OnNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), "画像ファイルとして保存");
            EXPECT_EQ(dialog->nameFilters(), (QStringList{kBitmapType, kJpegType, kPngType}));
            offeredType = dialog->selectedNameFilter();
            offeredName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            if (name.isEmpty())
                return dialog->reject();
            fillIn(*dialog, type, name);
            OnNextModal([&](QWidget *box) {
                auto *input = qobject_cast<QInputDialog *>(box);
                ASSERT_TRUE(input && input->objectName() == "ExportResolution");
                offeredResolutions = input->comboBoxItems();
                offeredResolution = input->textValue();
                if (!resolution)
                    return input->reject();
                if (!resolution->isEmpty())
                    input->setTextValue(*resolution);
                const QString suffix = QFileInfo(name).suffix().toLower();
                const bool jpeg = suffix == "jpg" || suffix == "jpeg" ||
                                  (type == kJpegType && !PictureFileTypeOfName(name));
                if (jpeg || failing)
                    OnNextModal(answerLater);
                input->accept();
            });
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept is protected
        });
        form.Action("acSaveAsBitmap")->trigger();
        return qualityBox;
    }

    ScopedProgramFolder folder;
    TfrmMain form;
    QString offeredType;
    QString offeredName;
    QStringList offeredResolutions;
    QString offeredResolution;
    QString errorText;
};

} // namespace

TEST_F(ExportCommandTest, TheNamesExtensionDecidesTheFormatAndABareNameTakesTheChosenType)
{
    // The type list left as it opens, on bitmaps.
    exportCard(kBitmapType, path("left.png"));
    EXPECT_TRUE(ReadFileBytes(path("left.png")).startsWith("\x89PNG\r\n\x1A\n"));
    EXPECT_EQ(offeredType, kBitmapType);
    exportCard(kBitmapType, path("left.JPG"), QStringLiteral("90"));
    EXPECT_TRUE(ReadFileBytes(path("left.JPG")).startsWith("\xFF\xD8\xFF"));
    exportCard(kBitmapType, path("card"));
    QImage expected;
    form.RenderCardToBitmap(expected, form.Panel().Width(), form.Panel().Height());
    expected.convertTo(QImage::Format_RGB32);
    const QByteArray bmp = ReadFileBytes(path("card.bmp"));
    ASSERT_GT(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(bmp[14], 40); // the plain information header, 24 bits per pixel, no compression
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(bmp[30], 0);
    EXPECT_EQ(QImage(path("card.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_EQ(form.Settings().SaveDirectory, folder.filePath("pictures"));

    const QStringList box = exportCard(kJpegType, path("best"), QStringLiteral("100"));
    EXPECT_EQ(box, (QStringList{"JPEG保存品質", "1 (低品質)～100 (高品質)", "80"}));
    const QImage best(path("best.jpg"), "JPEG");
    ASSERT_EQ(best.size(), expected.size());
    EXPECT_LT(meanDifference(best, expected), 2.0);
    exportCard(kJpegType, path("worst.jpeg"), QStringLiteral("0"));
    EXPECT_EQ(offeredType, kJpegType); // the type chosen the time before
    EXPECT_TRUE(ReadFileBytes(path("worst.jpeg")).startsWith("\xFF\xD8\xFF"));
    EXPECT_LT(QFileInfo(path("worst.jpeg")).size(), QFileInfo(path("best.jpg")).size() / 4);
    exportCard(kJpegType, path("named.dib"));
    EXPECT_TRUE(ReadFileBytes(path("named.dib")).startsWith("BM"));
    // An extension that names no picture type takes the type chosen.
    exportCard(kPngType, path("card.v2"));
    EXPECT_TRUE(ReadFileBytes(path("card.v2")).startsWith("\x89PNG"));

    // The card and its history are untouched; save-as still adds the card's own extension.
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    EXPECT_EQ(form.Documents().SaveDialog().defaultSuffix(), "vkc");
}

TEST_F(ExportCommandTest, CancellingAnyQuestionWritesNothing)
{
    exportCard(kBitmapType, QString());
    exportCard(kJpegType, path("cancelled"), std::nullopt);
    exportCard(kPngType, path("cancelled"), std::nullopt, false, std::nullopt);
    EXPECT_TRUE(QDir(folder.filePath("pictures")).isEmpty());
    EXPECT_EQ(form.Settings().SaveDirectory, folder.path());
}

TEST_F(ExportCommandTest, SaveDialogNeverOffersTheNameFromItsLastUse)
{
    OnNextModal([this](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        fillIn(*dialog, QStringLiteral("カードファイル(*.vkc)"), folder.filePath("mine.vkc"));
        static_cast<QDialog *>(dialog)->accept();
    });
    form.Action("acSaveAs")->trigger();
    ASSERT_TRUE(QFile::exists(folder.filePath("mine.vkc")));
    exportCard(kBitmapType, QString());
    EXPECT_EQ(offeredName, "");
    exportCard(kBitmapType, path("card"));
    exportCard(kBitmapType, QString());
    EXPECT_EQ(offeredName, "");
}

TEST_F(ExportCommandTest, FailureShowsTheErrorAndKeepsTheSaveFolder)
{
    QFile blocker(path("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    exportCard(kBitmapType, path("not-a-folder/card.bmp"), std::nullopt, true);
    // The system's reason follows the file's name.
    EXPECT_TRUE(errorText.startsWith(
        QStringLiteral("ファイル %1 を作成できません: ").arg(path("not-a-folder/card.bmp"))))
        << qPrintable(errorText);
    EXPECT_EQ(form.Settings().SaveDirectory, folder.path());

    // A picture with nothing in it is an error, not an empty file.
    EXPECT_THROW(WriteBmpFile(path("empty.bmp"), QImage()), VkError);
    EXPECT_THROW(WriteJpegFile(path("empty.jpg"), QImage(), 80), VkError);
    EXPECT_FALSE(QFile::exists(path("empty.bmp")) || QFile::exists(path("empty.jpg")));
}

TEST_F(ExportCommandTest, PngAndPrintResolutionsAreOffered)
{
    exportCard(kPngType, path("screen"));
    EXPECT_EQ(offeredResolutions, (QStringList{"画面と同じ大きさ (5 ピクセル/mm)", "300 dpi", "600 dpi"}));
    EXPECT_EQ(offeredResolution, offeredResolutions.first());
    const QImage screen(path("screen.png"), "PNG");
    EXPECT_EQ(screen.size(), QSize(form.Panel().Width(), form.Panel().Height()));
    EXPECT_EQ(screen.dotsPerMeterX(), 5000); // 5 pixels per millimetre

    // The shipped first sheet holds 91 x 55 mm cards: 1075 x 650 pixels at 300 dpi.
    exportCard(kPngType, path("print"), {}, false, QStringLiteral("300 dpi"));
    const QImage print(path("print.png"), "PNG");
    EXPECT_EQ(print.size(), QSize(1075, 650));
    EXPECT_EQ(print.dotsPerMeterX(), 11811);
    exportCard(kJpegType, path("again"), QStringLiteral("80"));
    EXPECT_EQ(offeredResolution, "300 dpi"); // the choice made the time before
    EXPECT_EQ(QImage(path("again.jpg"), "JPEG").size(), QSize(1075, 650));
    EXPECT_FALSE(form.Modified());
}

// With a table open in the record bar, the picture is the card the screen shows: the bar's record in
// its fields, whichever record that is, and the design's fields left as typed.
TEST_F(ExportCommandTest, WithATableOpenThePictureIsTheRecordTheScreenShows)
{
    TVkDragLabel &name = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    name.SetBounds(240, 60, 300, 60);
    CardFont font = name.Font();
    font.Height = -40;
    name.SetFont(font);
    name.LoadCaption({"{{氏名}}様"});
    const QString table = folder.filePath("staff.csv");
    WriteFileBytes(table, "氏名\n山田\n鈴木\n");
    auto *bar = form.findChild<MergeBar *>(QStringLiteral("tbMerge"));
    ASSERT_TRUE(bar);
    bar->OpenTable(table);
    // The grid is the screen's alone: a picture leaves it out.
    if (form.Action("acShowGrid")->isChecked())
        form.Action("acShowGrid")->trigger();
    const QImage first = form.SurfaceView().grab().toImage().convertToFormat(QImage::Format_RGB32);
    exportCard(kPngType, path("first"), {}, false, QStringLiteral("300 dpi"));
    bar->findChild<QAction *>(QStringLiteral("acMergeNext"))->trigger();
    const QImage second = form.SurfaceView().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_NE(second, first);

    exportCard(kPngType, path("second"), {}, false, QStringLiteral("画面と同じ大きさ (5 ピクセル/mm)"));
    // The screen's one-pixel frame round the card is its own too.
    const QImage picture = QImage(path("second.png"), "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), second.size());
    const QRect inside = second.rect().adjusted(1, 1, -1, -1);
    EXPECT_EQ(picture.copy(inside), second.copy(inside));
    exportCard(kPngType, path("second300"), {}, false, QStringLiteral("300 dpi"));
    const QImage firstPrint(path("first.png"), "PNG");
    const QImage secondPrint(path("second300.png"), "PNG");
    ASSERT_EQ(secondPrint.size(), QSize(1075, 650));
    EXPECT_NE(secondPrint, firstPrint);
    EXPECT_EQ(name.Caption(), QStringList({"{{氏名}}様"}));
}

TEST(ExportQuality, NotANumberIs80AndOthersAreBroughtInto1To100)
{
    EXPECT_EQ(ParseJpegQuality("abc"), 80);
    EXPECT_EQ(ParseJpegQuality("12.5"), 80);
    EXPECT_EQ(ParseJpegQuality("99999999999999999999"), 80);
    EXPECT_EQ(ParseJpegQuality("0"), 1);
    EXPECT_EQ(ParseJpegQuality("150"), 100);
    EXPECT_EQ(ParseJpegQuality(" 55 "), 55);
}

// The sheet goes to a PDF file as printing lays it out, the card in every cell, and the back on a
// page of its own when the card has one.
TEST_F(ExportCommandTest, PdfHoldsTheSheetAndTheBackOnAPageOfItsOwn)
{
    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const auto savePdf = [&](const QString &name) {
        OnNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), "PDFとして保存");
            EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("PDF ファイル(*.pdf)")});
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path(name));
            static_cast<QDialog *>(dialog)->accept();
        });
        form.Action("acSaveAsPdf")->trigger();
    };
    // Pixels of a page near a colour, at 20 dpi.
    const auto pixelsOf = [&](const QString &pdf, int page, QRgb colour) {
        const QImage image = RasterisePdf(path(pdf), 20, page);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += IsNear(image.pixel(x, y), colour, 12);
        return count;
    };
    const QRgb cream = qRgb(250, 240, 200);
    const QRgb red = qRgb(255, 0, 0);
    const int cells = form.CardDef().Columns * form.CardDef().Lines;
    ASSERT_GT(cells, 1);

    savePdf(QStringLiteral("front")); // the type's extension is added to a bare name
    ASSERT_TRUE(QFile::exists(path("front.pdf")));
    const int creamOfOneSheet = pixelsOf("front.pdf", 1, cream);
    // Each cell holds a card about 72 by 43 pixels at 20 dpi, less its shapes and text.
    EXPECT_GT(creamOfOneSheet, cells * 1500);
    EXPECT_TRUE(RasterisePdf(path("front.pdf"), 20, 2).isNull());
    EXPECT_EQ(form.Settings().SaveDirectory, folder.filePath(QStringLiteral("pictures")));

    form.Document().Side(CardSide::Back).SetColor(RGBToColor(255, 0, 0));
    savePdf(QStringLiteral("both.pdf"));
    EXPECT_EQ(pixelsOf("both.pdf", 1, cream), creamOfOneSheet);
    EXPECT_EQ(pixelsOf("both.pdf", 1, red), 0);
    EXPECT_GT(pixelsOf("both.pdf", 2, red), cells * 2500);
    EXPECT_FALSE(form.Modified());
}
