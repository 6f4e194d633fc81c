#include "model/picture/SvgReferences.h"
#include "model/card/TVkDragLabel.h"
#include "model/edit/ObjectClipboard.h"
#include "model/picture/PictureLoader.h"

#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// A 40 x 40 drawing that shows whatever it names over its whole area.
QByteArray drawingNaming(const QString &picture, const QString &styleSheet)
{
    return QStringLiteral(R"(<?xml version="1.0"?>
<?xml-stylesheet type="text/css" href="%2"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="40" height="40">
<style>@import url("%2"); rect { fill: blue }</style>
<image x="0" y="0" width="40" height="40" xlink:href="%1"/>
<image x="0" y="0" width="40" height="40" href="%1"/>
<use xlink:href="%2#shape"/>
</svg>)")
        .arg(picture, styleSheet)
        .toUtf8();
}

bool showsRed(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kRed)
                return true;
    return false;
}

class SvgOutsideReferences : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(kRed);
        redPath_ = dir_.filePath("private.png");
        ASSERT_TRUE(red.save(redPath_));
        // Opening a pipe that nobody writes into waits for ever.
        fifoPath_ = dir_.filePath("pipe.css");
        ASSERT_EQ(mkfifo(QFile::encodeName(fifoPath_).constData(), 0600), 0);
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir_;
    QString redPath_;
    QString fifoPath_;
};

} // namespace

// The user's own picture never shows in a drawing from elsewhere, and a pipe named by it is never
// opened: not on the card, not from a picture file, not from the clipboard.
TEST_F(SvgOutsideReferences, OutsideFilesAreNeitherShownNorOpened)
{
    for (const QString &picture :
         {redPath_, QStringLiteral("private.png"), QUrl::fromLocalFile(redPath_).toString(), fifoPath_}) {
        const QByteArray svg = drawingNaming(picture, fifoPath_);
        EXPECT_EQ(WithoutOutsideReferences(svg).Removed, 5) << picture.toStdString();

        TVkDragLabel object;
        object.SetBounds(0, 0, 40, 40);
        object.SetSvgData(svg);
        object.SetKind(CardObjectKind::VectorPicture);
        QImage card(40, 40, QImage::Format_RGB32);
        card.fill(Qt::white);
        object.DrawTo(card, 0, 0);
        EXPECT_FALSE(showsRed(card)) << picture.toStdString();

        const QImage loaded = LoadPictureFile(write("card.svg", svg));
        ASSERT_EQ(loaded.size(), QSize(40, 40));
        EXPECT_FALSE(showsRed(loaded)) << picture.toStdString();

        QMimeData data;
        data.setData(QStringLiteral("image/svg+xml"), svg);
        const QImage pasted = ReadClipboardContent(data).Picture;
        ASSERT_EQ(pasted.size(), QSize(40, 40));
        EXPECT_FALSE(showsRed(pasted)) << picture.toStdString();
    }
}

// What the file holds itself still draws, and such a file is drawn from its own bytes.
TEST_F(SvgOutsideReferences, PicturesAndShapesHeldInTheFileStay)
{
    QFile red(redPath_);
    ASSERT_TRUE(red.open(QIODevice::ReadOnly));
    const QByteArray svg =
        QByteArrayLiteral(
            R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="40" height="40">
<defs><rect id="dot" width="1" height="1" fill="#ff0000"/></defs>
<image x="0" y="0" width="20" height="40" xlink:href="data:image/png;base64,)") +
        red.readAll().toBase64() + QByteArrayLiteral(R"("/><use xlink:href="#dot" x="30" y="5"/></svg>)");
    const SvgReferences kept = WithoutOutsideReferences(svg);
    EXPECT_EQ(kept.Removed, 0);
    EXPECT_EQ(kept.Svg, svg);
    const QImage image = LoadPictureFile(write("kept.svg", svg));
    EXPECT_EQ(image.pixel(10, 20), kRed);
    EXPECT_EQ(image.pixel(30, 5), kRed);
}
