#include "commands/ExportCommand.h"
#include "TestSupport.h"
#include "app/DocumentCommands.h"
#include "app/TfrmMain.h"
#include "card/TVkDragLabel.h"
#include "card/TVkVellumPanel.h"
#include "platform/MessageBox.h"

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
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kBitmapType = QStringLiteral("ビットマップイメージ(*.bmp *.dib)");
const QString kJpegType = QStringLiteral("JPEGイメージ(*.jpg)");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The mean difference of the colour channels of two pictures of the same size.
double meanDifference(const QImage &a, const QImage &b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * a.width() * a.height());
}

// Types a name into the file dialog's name box, as the user does.
void typeFileName(QFileDialog &dialog, const QString &name)
{
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(edit);
    edit->setText(name);
}

// Chooses a file type in the dialog's type box with the arrow keys, as the user does.
void chooseFileType(QFileDialog &dialog, const QString &type)
{
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    const int wanted = types->findText(type);
    ASSERT_GE(wanted, 0);
    while (types->currentIndex() != wanted)
        QTest::keyClick(types, types->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
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
        form.WireCardObject(shape);
        shape.SetDrawMode(dmCircle);
        shape.SetBounds(30, 20, 200, 150);
        shape.SetPenWidth(6);
        shape.SetFillDraw(true);
        shape.SetBrushColor(RGBToColor(40, 90, 200));
        TVkDragLabel &text = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
        form.WireCardObject(text);
        text.SetCaption({QStringLiteral("株式会社 ベラム")});
        text.SetBounds(250, 200, 150, 30);
        form.SetModified(false);
    }

    QString path(const QString &name) const { return folder.filePath(QStringLiteral("pictures/") + name); }

    // Runs the export, answering the save dialog with a file type and name (none cancels it) and,
    // for a JPEG, the quality box with a text (none cancels it). Returns the texts the quality box
    // showed: its caption, prompt and proposed value.
    QStringList exportCard(const QString &type, const QString &name,
                           const std::optional<QString> &quality = {})
    {
        QStringList qualityBox;
        OnNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), "画像ファイルとして保存");
            EXPECT_EQ(dialog->nameFilters(), (QStringList{kBitmapType, kJpegType}));
            dialogStartedIn = dialog->directory().absolutePath();
            offeredType = dialog->selectedNameFilter();
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            chooseFileType(*dialog, type);
            typeFileName(*dialog, name);
            if (type == kJpegType) {
                OnNextModal([&](QWidget *box) {
                    auto *input = qobject_cast<QInputDialog *>(box);
                    ASSERT_TRUE(input);
                    qualityBox << input->windowTitle() << input->labelText() << input->textValue();
                    if (quality) {
                        input->setTextValue(*quality);
                        input->accept();
                    } else {
                        input->reject();
                    }
                });
            }
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept is protected
        });
        form.Action("acSaveAsBitmap")->trigger();
        return qualityBox;
    }

    QImage renderedCard() const
    {
        QImage bitmap;
        form.RenderCardToBitmap(bitmap, form.Panel().Width(), form.Panel().Height());
        return bitmap.convertToFormat(QImage::Format_RGB32);
    }

    ScopedProgramFolder folder;
    TfrmMain form;
    QString dialogStartedIn;
    QString offeredType;
};

} // namespace

TEST_F(ExportCommandTest, BitmapAndJpegFilesHoldTheCardAtItsScreenSize)
{
    exportCard(kBitmapType, path("card"));
    const QByteArray bmp = readAll(path("card.bmp"));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(dialogStartedIn, folder.path());
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24u);
    EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 30), 0u);
    EXPECT_GT(qFromLittleEndian<qint32>(bmp.constData() + 22), 0); // rows bottom-up
    const QImage expected = renderedCard();
    EXPECT_EQ(expected.size(), QSize(form.Panel().Width(), form.Panel().Height()));
    EXPECT_EQ(QImage(path("card.bmp")).convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_EQ(form.Settings().SaveDirectory, folder.filePath("pictures"));

    // A bare name gets the chosen type's extension.
    const QStringList box = exportCard(kJpegType, path("best"), QStringLiteral("100"));
    EXPECT_EQ(box, (QStringList{"JPEG保存品質", "1 (低品質)～100 (高品質)", "80"}));
    const QImage best(path("best.jpg"));
    ASSERT_EQ(best.size(), expected.size());
    EXPECT_LT(meanDifference(best, expected), 2.0);
    exportCard(kJpegType, path("worst.jpg"), QStringLiteral("0"));
    EXPECT_EQ(offeredType, kJpegType); // the type chosen last time
    exportCard(kJpegType, path("typed.jpg"), QStringLiteral("abc"));
    exportCard(kJpegType, path("eighty.jpg"), QStringLiteral("80"));
    const qint64 worst = QFileInfo(path("worst.jpg")).size();
    EXPECT_GT(worst, 0);
    EXPECT_LT(worst, QFileInfo(path("eighty.jpg")).size());
    EXPECT_LT(QFileInfo(path("eighty.jpg")).size(), QFileInfo(path("best.jpg")).size());
    EXPECT_EQ(readAll(path("typed.jpg")), readAll(path("eighty.jpg")));

    // The card and its history are untouched; save-as still adds its own extension.
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    EXPECT_EQ(form.Documents().SaveDialog().defaultSuffix(), "vkc");
}

TEST_F(ExportCommandTest, TheChosenTypeDecidesTheFormatWhateverTheExtension)
{
    exportCard(kBitmapType, path("looks-like.jpg"));
    EXPECT_TRUE(readAll(path("looks-like.jpg")).startsWith("BM"));
    exportCard(kJpegType, path("looks-like.bmp"), QStringLiteral("50"));
    EXPECT_TRUE(readAll(path("looks-like.bmp")).startsWith("\xFF\xD8\xFF"));
}

TEST_F(ExportCommandTest, CancellingEitherQuestionWritesNothing)
{
    exportCard(kBitmapType, QString());
    exportCard(kJpegType, path("cancelled"), std::nullopt);
    EXPECT_TRUE(QDir(folder.filePath("pictures")).isEmpty());
    EXPECT_EQ(form.Settings().SaveDirectory, folder.path());
}

TEST_F(ExportCommandTest, UnwritableFileShowsTheErrorAndKeepsTheSaveFolder)
{
    QFile blocker(path("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep");
    blocker.close();
    const QString impossible = path("not-a-folder/card.bmp");
    QString message;
    OnNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        OnNextModal([&](QWidget *box) {
            auto *error = qobject_cast<QMessageBox *>(box);
            ASSERT_TRUE(error);
            message = error->text();
            error->button(QMessageBox::Ok)->click();
        });
        typeFileName(*dialog, impossible);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept is protected
    });
    form.Action("acSaveAsBitmap")->trigger();
    EXPECT_EQ(message, QStringLiteral("ファイル %1 を作成できません.").arg(impossible));
    EXPECT_EQ(form.Settings().SaveDirectory, folder.path());
    EXPECT_EQ(readAll(path("not-a-folder")), "keep");
}

TEST(ExportQuality, TextsOutsideTheRangeOrNotNumbers)
{
    EXPECT_EQ(ParseJpegQuality("abc"), 80);
    EXPECT_EQ(ParseJpegQuality(""), 80);
    EXPECT_EQ(ParseJpegQuality("12.5"), 80);
    EXPECT_EQ(ParseJpegQuality("99999999999999999999"), 80);
    EXPECT_EQ(ParseJpegQuality("0"), 1);
    EXPECT_EQ(ParseJpegQuality("-7"), 1);
    EXPECT_EQ(ParseJpegQuality("150"), 100);
    EXPECT_EQ(ParseJpegQuality(" 55 "), 55);
}

TEST(ExportFiles, EmptyPictureIsAnErrorNotAnEmptyFile)
{
    QTemporaryDir dir;
    EXPECT_THROW(WriteBmpFile(dir.filePath("a.bmp"), QImage()), VkError);
    EXPECT_THROW(WriteJpegFile(dir.filePath("a.jpg"), QImage(), 80), VkError);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.bmp")));
    EXPECT_FALSE(QFile::exists(dir.filePath("a.jpg")));
}
