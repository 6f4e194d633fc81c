#include "ui/card/TVkOpenPictureDialog.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

const QSize kBox(146, 146);

QImage redTopLeftQuarter(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, width / 2, height / 2, Qt::red);
    return image;
}

bool near(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) < 16 && std::abs(qGreen(actual) - expected.green()) < 16 &&
           std::abs(qBlue(actual) - expected.blue()) < 16;
}

// Makes the file current in the dialog's list, as a click does, once the folder has been read.
void clickInList(QFileDialog &dialog, const QString &path)
{
    auto *view = dialog.findChild<QListView *>("listView");
    auto *model = qobject_cast<QFileSystemModel *>(view->model());
    ASSERT_TRUE(model);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return model->index(path).isValid() && model->index(path).row() >= 0 &&
               model->rowCount(model->index(QFileInfo(path).path())) > 0;
    }));
    view->setCurrentIndex(model->index(path));
}

class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

} // namespace

TEST(TVkOpenPictureDialog, PreviewRectCentresOrFitsThePicture)
{
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({146, 146}, kBox), QRect(0, 0, 146, 146));
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({100, 51}, kBox), QRect(23, 47, 100, 51));
    // One pixel wider than the box: scaled, 146 * 146 / 147 = 145.01 rows.
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({147, 146}, kBox), QRect(0, 0, 146, 145));
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({300, 300}, kBox), QRect(0, 0, 146, 146));
    // 300 * 146 / 400 = 109.5 and 100 * 146 / 400 = 36.5: halves round up.
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({400, 300}, kBox), QRect(0, 18, 146, 110));
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({100, 400}, kBox), QRect(54, 0, 37, 146));
    // In a box wider than tall, a slightly wide picture is bounded by the height, not cut off.
    EXPECT_EQ(TVkOpenPictureDialog::PreviewRect({200, 190}, {150, 120}), QRect(12, 0, 126, 120));
    EXPECT_TRUE(TVkOpenPictureDialog::PreviewRect({0, 10}, kBox).isEmpty());
}

TEST(TVkOpenPictureDialog, DepthAndDateTexts)
{
    EXPECT_EQ(TVkOpenPictureDialog::BitDepthText(QImage(2, 2, QImage::Format_Mono)), "1 bpp");
    EXPECT_EQ(TVkOpenPictureDialog::BitDepthText(QImage(2, 2, QImage::Format_RGBA64)), "");
    {
        ScopedLocale plain(QLocale::c());
        EXPECT_EQ(TVkOpenPictureDialog::FileSizeText(1234567), "1,234,567 bytes");
    }
    ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TVkOpenPictureDialog::FileSizeText(12345), "12,345 bytes");
    EXPECT_EQ(TVkOpenPictureDialog::FileDateText(QDateTime(QDate(2024, 3, 5), QTime(13, 4, 9, 700))),
              "3/5/24 1:04:09 PM");
    EXPECT_EQ(TVkOpenPictureDialog::FileDateText(QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 400))),
              "3/5/24");
}

TEST(TVkOpenPictureDialog, DefaultAndMainWindowFilters)
{
    TVkOpenPictureDialog dialog;
    EXPECT_EQ(dialog.nameFilters().size(), 8);
    EXPECT_EQ(dialog.nameFilters().value(3), "Device Independent Bitmap (*.dib) (*.dib)");
    dialog.SetFilter("画像ファイル(*.bmp;*.jpg)|*.bmp;*.jpg|ビットマップ (*.bmp;*.dib)|*.bmp;*.dib");
    EXPECT_EQ(dialog.nameFilters(), QStringList({"画像ファイル(*.bmp;*.jpg) (*.bmp *.jpg)",
                                                 "ビットマップ (*.bmp;*.dib) (*.bmp *.dib)"}));
}

TEST(TVkOpenPictureDialog, OpensRoomyAtTheCurrentFolderWhenNoneIsRemembered)
{
    TVkOpenPictureDialog dialog;
    dialog.SetInitialDir(QString());
    dialog.show();
    QCoreApplication::processEvents();
    auto *list = dialog.findChild<QListView *>("listView");
    ASSERT_TRUE(list);
    auto *files = qobject_cast<QFileSystemModel *>(list->model());
    ASSERT_TRUE(files);
    EXPECT_EQ(files->filePath(list->rootIndex()), QDir::currentPath());

    auto *sidebar = dialog.findChild<QWidget *>("sidebar");
    auto *details = dialog.findChild<QTreeView *>("treeView");
    ASSERT_TRUE(sidebar && details);
    EXPECT_GE(list->height(), 12 * list->fontMetrics().height());
    EXPECT_GE(sidebar->width(), sidebar->fontMetrics().horizontalAdvance("コンピュータ") + 32);
    const QString date =
        QLocale::system().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat);
    EXPECT_GT(details->header()->sectionSize(3), details->header()->fontMetrics().horizontalAdvance(date));
    dialog.hide();
}

TEST(TVkOpenPictureDialog, PreviewFollowsTheSelectedFile)
{
    ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QString photo = dir.filePath("photo.jpg");
    ASSERT_TRUE(redTopLeftQuarter(640, 480).save(photo, "JPEG", 95));
    const QString broken = dir.filePath("broken.jpg");
    QFile brokenFile(broken);
    ASSERT_TRUE(brokenFile.open(QIODevice::WriteOnly));
    brokenFile.write("not a picture");
    brokenFile.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    // Few colours are written as a 4-bit bitmap, which is read into an 8-bit image; the file's own
    // depth is the one shown.
    const QString fourBit = dir.filePath("four.bmp");
    QImage palette(3, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
    palette.fill(1);
    ASSERT_TRUE(palette.save(fourBit, "BMP"));

    TVkOpenPictureDialog dialog;
    dialog.SetInitialDir(dir.path());
    dialog.SetPreviewBaseColor(RGBToColor(0, 128, 128));
    bool checked = false;
    OnNextModal([&](QWidget *modal) {
        ASSERT_EQ(modal, &dialog);
        auto *size = dialog.findChild<QLabel *>("PictureLabel1");
        auto *bytes = dialog.findChild<QLabel *>("PictureLabel2");
        auto *date = dialog.findChild<QLabel *>("PictureLabel3");
        auto *check = dialog.findChild<QCheckBox *>("PreviewCheckBox");
        auto *box = dialog.findChild<QWidget *>("PaintBox");
        ASSERT_TRUE(size && bytes && date && check && box);
        EXPECT_EQ(check->text(), "プレビュー(&P)");
        EXPECT_EQ(dialog.findChild<QWidget *>("PaintPanel")->palette().color(QPalette::Window),
                  QColor(0, 128, 128));

        clickInList(dialog, photo);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !size->text().isEmpty(); }));
        EXPECT_EQ(size->text(), "画像ｻｲｽﾞ：\t640 x 480 pixels 24 bpp");
        EXPECT_EQ(bytes->text(),
                  "ﾌｧｲﾙｻｲｽﾞ：\t" + TVkOpenPictureDialog::FileSizeText(QFileInfo(photo).size()));
        EXPECT_EQ(date->text(),
                  "最終更新：\t" + TVkOpenPictureDialog::FileDateText(QFileInfo(photo).lastModified()));
        const QImage shown = box->grab().toImage();
        ASSERT_EQ(shown.size(), kBox);
        EXPECT_TRUE(near(shown.pixel(10, 30), Qt::red)); // 640 x 480 fills rows 18 to 127
        EXPECT_TRUE(near(shown.pixel(140, 120), Qt::white));
        EXPECT_TRUE(near(shown.pixel(0, 0), QColor(192, 192, 192))); // the cross-hatch above it

        clickInList(dialog, dir.filePath("folder"));
        QTest::qWait(50);
        EXPECT_EQ(size->text(), "画像ｻｲｽﾞ：\t640 x 480 pixels 24 bpp");
        EXPECT_FALSE(dialog.PreviewPicture().isNull());

        clickInList(dialog, fourBit);
        EXPECT_TRUE(QTest::qWaitFor([&] { return size->text() == "画像ｻｲｽﾞ：\t3 x 2 pixels 4 bpp"; }))
            << size->text().toStdString();

        clickInList(dialog, broken);
        EXPECT_TRUE(QTest::qWaitFor([&] { return size->text().isEmpty(); }));
        EXPECT_TRUE(bytes->text().isEmpty());
        EXPECT_TRUE(dialog.PreviewPicture().isNull());

        // A name typed in full, in the folder shown or as a whole path, shows its picture too.
        auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
        name->setText(QStringLiteral("four"));
        EXPECT_TRUE(size->text().isEmpty());
        name->setText(QStringLiteral("four.bmp"));
        EXPECT_EQ(size->text(), "画像ｻｲｽﾞ：\t3 x 2 pixels 4 bpp");
        name->setText(photo);
        EXPECT_EQ(size->text(), "画像ｻｲｽﾞ：\t640 x 480 pixels 24 bpp");

        check->click();
        EXPECT_FALSE(dialog.EnablePreview());
        clickInList(dialog, photo);
        QTest::qWait(50);
        EXPECT_TRUE(size->text().isEmpty());
        check->click();
        EXPECT_TRUE(dialog.EnablePreview());
        EXPECT_EQ(size->text(), "画像ｻｲｽﾞ：\t640 x 480 pixels 24 bpp");
        checked = true;
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(checked);
    EXPECT_EQ(dialog.FileName(), photo);

    OnNextModal([&](QWidget *) {
        EXPECT_TRUE(dialog.findChild<QLabel *>("PictureLabel1")->text().isEmpty());
        dialog.reject();
    });
    EXPECT_FALSE(dialog.Execute());
}
