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
