#include "ui/card/EditObjectCommand.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/card/CardEditContext.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Card {
    ScopedProgramFolder folder;
    TVkVellumPanel surface;
    int snapshots = 0;
    QString imageDirectory = QStringLiteral("/nowhere");
    QString chosenFile;
    QString askedFolder;
    CardEditContext context{.Surface = surface};

    Card()
    {
        surface.SetBounds(0, 0, 455, 275);
        context.TakeUndoSnapshot = [this] { ++snapshots; };
        context.DeselectAllObjects = [] {};
        context.WireCardObject = [](TVkDragLabel &) {};
        context.ChoosePictureFile = [this](const QString &folder) {
            askedFolder = folder;
            return chosenFile;
        };
        context.ImageDirectory = &imageDirectory;
    }
    TVkDragLabel &addPicture(QSize size)
    {
        TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        object.LoadBitmap(picture);
        object.SetBounds(-30, -200, 80, 60);
        return object;
    }
};

} // namespace

TEST(EditObjectCommand, DispatchesByKindShapeBeforeText)
{
    Card card;
    TVkDragLabel &shape = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    shape.SetCaption({"a shape keeps its stored caption"});
    shape.SetDrawMode(dmCircle);
    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmDraw");
        dialog->findChild<QPushButton *>("Button2")->click();
    });
    EXPECT_FALSE(EditObject(card.context, shape, Qt::ControlModifier));

    TVkDragLabel &text = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    text.SetCaption({"name"});
    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmTextBox");
        dialog->findChild<QPlainTextEdit *>("Memo1")->setPlainText("new name");
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    EXPECT_TRUE(EditObject(card.context, text, Qt::ControlModifier));
    EXPECT_EQ(text.Caption(), QStringList({"new name"}));
    EXPECT_EQ(card.snapshots, 1);
}

TEST(EditObjectCommand, CtrlRestoresAPictureToNaturalSizeWithoutUndoStep)
{
    Card card;
    TVkDragLabel &picture = card.addPicture({200, 100});
    card.chosenFile = "/should/not/be/asked.bmp";
    EXPECT_TRUE(EditObject(card.context, picture, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_TRUE(picture.AutoSize());
    EXPECT_EQ(card.snapshots, 0);
    EXPECT_TRUE(card.askedFolder.isNull());
}

TEST(EditObjectCommand, ReplacingAPictureKeepsItsSizeAndBringsItBack)
{
    Card card;
    TVkDragLabel &picture = card.addPicture({200, 100});
    picture.SetSelected(true);
    const QString file = card.folder.filePath("blue.bmp");
    QImage blue(30, 20, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(file, "BMP"));

    card.chosenFile.clear();
    EXPECT_FALSE(EditObject(card.context, picture, Qt::NoModifier));
    EXPECT_EQ(card.askedFolder, "/nowhere");
    EXPECT_EQ(card.imageDirectory, "/nowhere");

    card.chosenFile = file;
    EXPECT_TRUE(EditObject(card.context, picture, Qt::NoModifier));
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(picture.Bitmap().size(), QSize(30, 20));
    EXPECT_EQ(picture.BoundsRect(), QRect(0, 0, 80, 60));
    EXPECT_TRUE(picture.Selected());
    EXPECT_EQ(card.imageDirectory, card.folder.path());
}

TEST(EditObjectCommand, AnUnreadablePictureChangesOnlyTheFolder)
{
    Card card;
    TVkDragLabel &picture = card.addPicture({200, 100});
    const QString file = card.folder.filePath("sub/broken.jpg");
    QDir(card.folder.path()).mkdir("sub");
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();

    card.chosenFile = file;
    EXPECT_FALSE(EditObject(card.context, picture, Qt::NoModifier));
    EXPECT_EQ(card.snapshots, 0);
    EXPECT_EQ(picture.Bitmap().size(), QSize(200, 100));
    EXPECT_EQ(picture.BoundsRect(), QRect(-30, -200, 80, 60));
    EXPECT_EQ(card.imageDirectory, card.folder.filePath("sub"));
}
