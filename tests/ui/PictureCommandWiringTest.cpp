#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

void choosePicture(const QString &path)
{
    OnNextModal([path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed into the name box as a user does: selectFile leaves the box alone once it has the
        // keyboard focus, which depends on how soon the dialog's window becomes active.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

TEST(PictureCommandWiring, PictureAndBackgroundGoThroughThePictureDialogAndUndo)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkMagenta);
    const QString path = folder.filePath("logo.bmp");
    ASSERT_TRUE(picture.save(path));

    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    choosePicture(path);
    form.Action("acAddImage")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 1);
    EXPECT_EQ(form.Panel().Object(0).Bitmap().size(), QSize(64, 48));
    EXPECT_TRUE(form.Action("acDelete")->isEnabled()); // the new picture is selected
    EXPECT_EQ(form.Settings().ImageDirectory, folder.path());

    choosePicture(path);
    form.Action("acBackground")->trigger();
    EXPECT_EQ(form.Panel().Bitmap().size(), QSize(64, 48));
    EXPECT_TRUE(form.Modified());

    form.Action("acUndo")->trigger();
    EXPECT_TRUE(form.Panel().Bitmap().isNull());
    EXPECT_EQ(form.Panel().ObjectCount(), 1);
    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
}

TEST(PictureCommandWiring, PngLogoKeepsItsTransparencyAndSvgLogoStaysVector)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    QImage logo(40, 20, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    logo.setPixel(0, 0, qRgb(0, 0, 255));
    const QString png = folder.filePath("logo.png");
    ASSERT_TRUE(logo.save(png));
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="30" height="10">)"
                           R"(<circle cx="5" cy="5" r="5" fill="#f00"/></svg>)";
    const QString svgPath = folder.filePath("logo.svg");
    WriteFileBytes(svgPath, svg);

    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    choosePicture(png);
    form.Action("acAddImage")->trigger();
    const auto *dialog = form.findChild<QFileDialog *>(QStringLiteral("OpenPictureDialog1"));
    ASSERT_NE(dialog, nullptr);
    const QString offered = dialog->nameFilters().value(0);
    for (const char *pattern : {"*.png", "*.gif", "*.webp", "*.tif", "*.tiff", "*.svg"})
        EXPECT_TRUE(offered.contains(QLatin1String(pattern))) << pattern;
    ASSERT_EQ(form.Panel().ObjectCount(), 1);
    EXPECT_TRUE(form.Panel().Object(0).PictureAlpha());
    EXPECT_EQ(form.Panel().Object(0).Bitmap().size(), QSize(40, 20));

    choosePicture(svgPath);
    form.Action("acAddImage")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 2);
    EXPECT_TRUE(form.Panel().Object(1).IsVectorPicture());
    EXPECT_EQ(form.Panel().Object(1).SvgData(), svg);
    EXPECT_EQ(form.Panel().Object(1).Bitmap().size(), QSize(30, 10));

    // A see-through background is stored over the card's colour; an SVG one keeps its source.
    choosePicture(png);
    form.Action("acBackground")->trigger();
    EXPECT_FALSE(form.Panel().Bitmap().hasAlphaChannel());
    choosePicture(svgPath);
    form.Action("acBackground")->trigger();
    EXPECT_EQ(form.Panel().SvgData(), svg);
    form.Action("acClearBackground")->trigger();
    EXPECT_TRUE(form.Panel().SvgData().isEmpty());
}
