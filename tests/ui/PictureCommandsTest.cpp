#include "ui/card/PictureCommands.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/VkError.h"
#include "ui/card/BackgroundCommands.h"
#include "ui/card/CardEditContext.h"

#include <QColorDialog>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A bare 455 x 275 card with the main window's part played by counters.
struct PictureCard {
    QTemporaryDir folder;
    TVkVellumPanel surface;
    QString chosenFile;
    QString imageDirectory = QStringLiteral("/before");
    int snapshots = 0;
    int deselections = 0;
    int wired = 0;
    CardEditContext context{.Surface = surface,
                            .TakeUndoSnapshot = [this] { ++snapshots; },
                            .DeselectAllObjects = [this] { ++deselections; },
                            .WireCardObject = [this](TVkDragLabel &) { ++wired; },
                            .ChoosePictureFile = [this](const QString &) { return chosenFile; },
                            .ImageDirectory = &imageDirectory};

    PictureCard() { surface.SetBounds(0, 0, 455, 275); }

    QString writePicture(const QString &name, QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString path = folder.filePath(name);
        picture.save(path);
        return path;
    }
    QString writeText(const QString &name)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("not a picture at all");
        return path;
    }
};

} // namespace

TEST(PictureCommands, AddImagePutsASelectedPictureAtTheCornerOnTop)
{
    PictureCard card;
    card.surface.AddObject(std::make_unique<TVkDragLabel>());
    card.chosenFile = card.writePicture("logo.bmp", QSize(120, 80));
    TVkDragLabel *object = AddImage(card.context);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(&card.surface.Object(1), object);
    EXPECT_EQ(object->BoundsRect().topLeft(), QPoint(0, 0));
    EXPECT_TRUE(object->IsPicture() && object->Selected() && object->AutoSize());
    EXPECT_EQ(object->Bitmap().size(), QSize(120, 80));
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(card.deselections, 1);
    EXPECT_EQ(card.wired, 1);
    EXPECT_EQ(card.imageDirectory, card.folder.path());
}

TEST(PictureCommands, APictureLargerThanTheCardIsFittedInsideKeepingItsAspect)
{
    PictureCard card;
    card.chosenFile = card.writePicture("wide.png", QSize(2000, 500));
    TVkDragLabel *wide = AddImage(card.context);
    ASSERT_NE(wide, nullptr);
    // 455 pixels across less the two 2-pixel insets: 451 x 112.75 of picture.
    EXPECT_EQ(wide->BoundsRect(), QRect(0, 0, 455, 117));
    EXPECT_FALSE(wide->AutoSize());
    EXPECT_EQ(wide->Bitmap().size(), QSize(2000, 500)) << "the picture itself is kept whole";

    card.chosenFile = card.writePicture("tall.png", QSize(300, 900));
    TVkDragLabel *tall = AddImage(card.context);
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(tall->BoundsRect(), QRect(0, 0, 94, 275));
}

TEST(PictureCommands, FailuresSayWhyAndTheFolderFollowsTheChoice)
{
    PictureCard card;
    EXPECT_EQ(AddImage(card.context), nullptr); // cancelled
    EXPECT_EQ(card.imageDirectory, "/before");

    // A bitmap whose header claims 40000 pixels across.
    const QString huge = card.writePicture("huge.bmp", QSize(10, 10));
    QByteArray bytes = ReadFileBytes(huge);
    bytes[18] = char(40000 & 0xFF);
    bytes[19] = char(40000 >> 8);
    WriteFileBytes(huge, bytes);
    // A PNG cut short after its header, and a whole PNG under a JPEG's name.
    const QString cut = card.writePicture("cut.png", QSize(40, 40));
    WriteFileBytes(cut, ReadFileBytes(cut).left(60));
    const QString misnamed = card.folder.filePath("photo.jpg");
    QFile::rename(card.writePicture("photo.png", QSize(40, 40)), misnamed);
    const QString empty = card.folder.filePath("empty.gif");
    WriteFileBytes(empty, {});
    const std::pair<QString, QString> failures[] = {
        {card.writeText("letter.jpg"),
         QStringLiteral("画像が壊れているか、拡張子とは違う種類のファイルです。")},
        {cut, QStringLiteral("画像が壊れているか、拡張子とは違う種類のファイルです。")},
        {misnamed, QStringLiteral("中身は PNG の画像で、拡張子 .jpg の種類とは違います。")},
        {empty, QStringLiteral("ファイルが空です。")},
        {card.writeText("broken.svg"),
         QStringLiteral("SVG の図形が壊れているか、大きさが決まっていません。")},
        {card.writeText("letter.txt"),
         QStringLiteral(
             "この種類のファイルは読めません。BMP、DIB、JPEG、PNG、GIF、WebP、TIFF、SVG の画像が使えます。")},
        {huge, QStringLiteral("画像が大きすぎます。縦横 32767 ピクセル、128 MB までの画像が使えます。")},
        {card.folder.filePath("gone.bmp"), QStringLiteral("ファイルを開けません。")},
    };
    for (const auto &[file, reason] : failures) {
        SCOPED_TRACE(file.toStdString());
        card.chosenFile = file;
        const QString expected = file + QStringLiteral(" を読み込めません。\n") + reason;
        for (const auto &command : {std::function<void()>([&card] { AddImage(card.context); }),
                                    std::function<void()>([&card] { ChooseBackground(card.context); })}) {
            try {
                command();
                ADD_FAILURE() << "no message";
            } catch (const VkError &error) {
                EXPECT_EQ(error.Message(), expected);
            }
        }
    }
    EXPECT_EQ(card.surface.ObjectCount(), 0);
    EXPECT_TRUE(card.surface.Bitmap().isNull());
    EXPECT_EQ(card.snapshots, 0);
    EXPECT_EQ(card.imageDirectory, card.folder.path());
}

TEST(BackgroundCommands, PictureAndClearingEachTakeOneUndoStep)
{
    PictureCard card;
    card.chosenFile = card.writePicture("paper.bmp", QSize(300, 300));
    EXPECT_TRUE(ChooseBackground(card.context));
    EXPECT_EQ(card.surface.Bitmap().size(), QSize(300, 300));
    EXPECT_EQ(card.snapshots, 1);

    ClearBackground(card.context);
    ClearBackground(card.context); // no picture left: still a step of its own
    EXPECT_TRUE(card.surface.Bitmap().isNull());
    EXPECT_EQ(card.snapshots, 3);
}

TEST(BackgroundCommands, ColourDialogChangesTheCardOnlyOnOk)
{
    PictureCard card;
    OnNextModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    EXPECT_FALSE(ChooseBackgroundColor(card.context));
    EXPECT_EQ(card.surface.Color(), clWhite);
    EXPECT_EQ(card.snapshots, 0);

    OnNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        EXPECT_EQ(dialog->currentColor(), QColor(Qt::white)); // preset to the card's colour
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    EXPECT_TRUE(ChooseBackgroundColor(card.context));
    EXPECT_EQ(card.surface.Color(), RGBToColor(0x12, 0x34, 0x56));
    EXPECT_EQ(card.snapshots, 1);
}
