#include "model/picture/PictureFile.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/CardRenderer.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

TEST(PictureFile, TheExtensionNamesTheTypeInAnyCase)
{
    EXPECT_EQ(PictureFileTypeOfName("/a/card.PNG"), PictureFileType::Png);
    EXPECT_EQ(PictureFileTypeOfName("card.jpeg"), PictureFileType::Jpeg);
    EXPECT_EQ(PictureFileTypeOfName("card.Jpg"), PictureFileType::Jpeg);
    EXPECT_EQ(PictureFileTypeOfName("card.dib"), PictureFileType::Bmp);
    EXPECT_EQ(PictureFileTypeOfName("card.bmp"), PictureFileType::Bmp);
    EXPECT_FALSE(PictureFileTypeOfName("card.gif"));
    EXPECT_FALSE(PictureFileTypeOfName("png"));
}

TEST(PictureFile, EveryTypeCarriesItsResolution)
{
    QImage picture(40, 30, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    for (const PictureFileType type : {PictureFileType::Bmp, PictureFileType::Jpeg, PictureFileType::Png}) {
        QByteArray bytes = EncodePictureFile(picture, type, 600, 90);
        QBuffer buffer(&bytes);
        const QImage read = QImageReader(&buffer).read();
        EXPECT_EQ(read.size(), picture.size()) << int(type);
        // 600 dots per inch are 23622 dots per metre; JPEG keeps whole dots per inch.
        EXPECT_NEAR(read.dotsPerMeterX(), 23622, 1) << int(type);
        EXPECT_NEAR(read.dotsPerMeterY(), 23622, 1) << int(type);
    }
}

TEST(PictureFile, CardSizesAtAResolutionAreRounded)
{
    // 91 mm at 300 dpi: 910 x 300 / 254 = 1074.8; 55 mm: 649.6.
    const TCardDef card = ParseCardDef("\"c\",910,550,2,5,140,110,0,0,0");
    EXPECT_EQ(CardSizeAtDpi(card, 300), QSize(1075, 650));
    EXPECT_EQ(CardSizeAtDpi(card, 72), QSize(258, 156));
    EXPECT_EQ(CardSizeAtDpi(card, 1200), QSize(4299, 2598));
}
