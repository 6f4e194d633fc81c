#include "model/picture/QrCode.h"
#include "PrintTestSupport.h"
#include "QrReading.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/merge/MergeRecord.h"
#include "model/picture/VCard.h"
#include "model/sheet/CardRenderer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const VCardContact kContact{QStringLiteral("山田 太郎"),
                            QStringLiteral("やまだ たろう"),
                            QStringLiteral("株式会社ベラム; 名刺部"),
                            QStringLiteral("課長"),
                            QStringLiteral("03-1234-5678"),
                            QStringLiteral("taro@example.jp"),
                            QStringLiteral("東京都千代田区1-2, 3階"),
                            QStringLiteral("https://example.jp/a,b")};

// A grey card with a QR code of text at (20, 20), side surface pixels square.
struct CardWithCode {
    explicit CardWithCode(const QString &text, int side)
    {
        surface.SetBounds(0, 0, 455, 275);
        surface.SetColor(RGBToColor(200, 200, 200));
        TVkDragLabel &code = surface.AddObject(std::make_unique<TVkDragLabel>());
        code.SetBounds(20, 20, side, side);
        code.LoadBitmap(EncodeQrCode(text, qlMedium, kQrStandardQuietZone));
        code.SetQrText(text);
        code.SetKind(CardObjectKind::QrCode);
    }
    TVkVellumPanel surface;
};

} // namespace

TEST(VCard, ContactBecomesAVCardAndComesBack)
{
    const QString expected = QStringLiteral("BEGIN:VCARD\r\n"
                                            "VERSION:3.0\r\n"
                                            "N:山田;太郎;;;\r\n"
                                            "FN:山田 太郎\r\n"
                                            "SORT-STRING:やまだ たろう\r\n"
                                            "X-PHONETIC-LAST-NAME:やまだ\r\n"
                                            "X-PHONETIC-FIRST-NAME:たろう\r\n"
                                            "ORG:株式会社ベラム\\; 名刺部\r\n"
                                            "TITLE:課長\r\n"
                                            "TEL;TYPE=WORK,VOICE:03-1234-5678\r\n"
                                            "EMAIL;TYPE=INTERNET:taro@example.jp\r\n"
                                            "ADR;TYPE=WORK:;;東京都千代田区1-2\\, 3階;;;;\r\n"
                                            "URL:https://example.jp/a,b\r\n"
                                            "END:VCARD\r\n");
    EXPECT_EQ(BuildVCard(kContact), expected);
    EXPECT_EQ(ParseVCard(expected), kContact);

    // A company alone still has a formatted name; merge fields pass through as typed.
    const VCardContact company{{}, {}, QStringLiteral("{{会社}}"), {}, {}, {}, {}, {}};
    const QString companyCard = BuildVCard(company);
    EXPECT_TRUE(companyCard.contains(QStringLiteral("\r\nN:;;;;\r\nFN:{{会社}}\r\nORG:{{会社}}\r\n")));
    EXPECT_EQ(ParseVCard(companyCard), company);

    EXPECT_FALSE(ParseVCard(QStringLiteral("https://example.jp/")).has_value());
}

TEST(QrCode, ModulesAreExactSquaresWithTheirQuietZone)
{
    const QImage modules = EncodeQrCode(QStringLiteral("HELLO"), qlLow, 4);
    ASSERT_EQ(modules.size(), QSize(21 + 8, 21 + 8)); // version 1 and four light modules each side
    EXPECT_EQ(qGray(modules.pixel(3, 3)), 255);
    EXPECT_EQ(qGray(modules.pixel(4, 4)), 0); // the corner of a finder pattern
    EXPECT_EQ(EncodeQrCode(QStringLiteral("HELLO"), qlLow, 0).size(), QSize(21, 21));

    EXPECT_TRUE(EncodeQrCode(QString(), qlMedium, 4).isNull());
    EXPECT_TRUE(EncodeQrCode(QString(3000, QChar(0x540D)), qlHigh, 4).isNull()); // beyond version 40

    // Over a destination 3 pixels beyond 4 a module, and taller than wide, the code fills the width
    // and is centred down it: each module is whole pixels, 4 or 5 of them, edges at rounded places.
    const int count = modules.width();
    const int side = 4 * count + 3;
    QImage canvas(side, side + 10, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(DrawQrModules(painter, canvas.rect(), modules));
    }
    const auto module = [&](int pixel) {
        int m = 0;
        while ((2 * (m + 1) * side + count) / (2 * count) <= pixel)
            ++m;
        return m;
    };
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inCode = y >= 5 && y < 5 + side;
            const QRgb expected = inCode ? modules.pixel(module(x), module(y - 5)) : qRgb(255, 255, 255);
            ASSERT_EQ(canvas.pixel(x, y), expected | 0xFF000000u) << x << "," << y;
        }
    }
    QPainter painter(&canvas);
    EXPECT_FALSE(DrawQrModules(painter, canvas.rect(), QImage(30, 20, QImage::Format_Mono)));
}

// Short Japanese bytes also make sense as Shift_JIS; a reader left to guess takes them so.
TEST(QrCode, ShortJapaneseTextReadsBackAsWritten)
{
    if (QrReaderTool().isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    for (const QString &text :
         {QStringLiteral("名刺"), QStringLiteral("ヤマダ タロウ"), QStringLiteral("株式会社")}) {
        const QImage modules = EncodeQrCode(text, qlMedium, kQrStandardQuietZone);
        EXPECT_EQ(ReadQrCode(modules.scaled(modules.size() * 6)), text);
    }
}

TEST(QrCode, CodeReadsBackFromScreenExportAndPdf)
{
    if (QrReaderTool().isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    const QString text = BuildVCard(kContact);
    const int modules = EncodeQrCode(text, qlMedium, kQrStandardQuietZone).width();
    // Three surface pixels a module on screen, as a new code gets.
    CardWithCode card(text, 3 * modules + 4);

    QImage screen(455, 275, QImage::Format_RGB32);
    card.surface.Paint(screen, screen.rect());
    EXPECT_EQ(ReadQrCode(screen), text);

    QImage exported;
    RenderCardToBitmap(card.surface, exported, 1075, 650);
    EXPECT_EQ(ReadQrCode(exported), text);

    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    PrintCardToPdf(card.surface, pdf);
    const QImage printed = RasterisePdf(pdf, 200); // a resolution the modules do not divide
    ASSERT_FALSE(printed.isNull());
    EXPECT_EQ(ReadQrCode(printed), text);
}

TEST(QrCode, AMergeRecordFillsTheCodeWhileItIsShownAndLeavesTheDocumentAsItWas)
{
    if (QrReaderTool().isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    const QString design = QStringLiteral("{{氏名}}さん {{役職}}");
    CardWithCode card(design, 3 * EncodeQrCode(design, qlMedium, kQrStandardQuietZone).width() + 4);
    QByteArray before;
    WriteCardStream(before, card.surface, OneCardSheet());
    // The second name is more than any code of this level holds.
    const MergeTable staff({"氏名"}, {{"山田"}, {QString(3000, QChar(0x540D))}}, TableEncoding::Utf8);

    QImage screen(455, 275, QImage::Format_RGB32);
    MergeRecord shown(staff, 0);
    card.surface.Paint(screen, screen.rect(), {}, &shown);
    EXPECT_EQ(ReadQrCode(screen), QStringLiteral("山田さん {{役職}}"));
    EXPECT_EQ(MergeRecord::MissingColumns(card.surface, staff), QStringList({"役職"}));
    // Rather than the design's code, which would read as the field names, the place stays light.
    shown.Show(1);
    card.surface.Paint(screen, screen.rect(), {}, &shown);
    EXPECT_EQ(ReadQrCode(screen), QString());
    card.surface.Paint(screen, screen.rect());
    EXPECT_EQ(ReadQrCode(screen), design);
    QByteArray after;
    WriteCardStream(after, card.surface, OneCardSheet());
    EXPECT_EQ(after, before);
}

TEST(QrCode, AMergedContactSplitsTheNameAndEscapesItsValues)
{
    if (QrReaderTool().isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    const VCardContact design{QStringLiteral("{{氏名}}"), {}, QStringLiteral("{{会社}}"), {}, {}, {},
                              QStringLiteral("{{住所}}"), {}};
    const QString text = BuildVCard(design);
    CardWithCode card(text, 3 * EncodeQrCode(text, qlMedium, kQrStandardQuietZone).width() + 40);
    const MergeTable staff({"氏名", "会社", "住所"},
                           {{QStringLiteral("山田　太郎"), QStringLiteral("ベラム商事; 名刺部"),
                             QStringLiteral("千代田区1-2, 3階")}},
                           TableEncoding::Utf8);

    QImage screen(455, 275, QImage::Format_RGB32);
    const MergeRecord shown(staff, 0);
    card.surface.Paint(screen, screen.rect(), {}, &shown);
    const QString read = ReadQrCode(screen);
    EXPECT_TRUE(read.contains(QStringLiteral("\r\nN:山田;太郎;;;\r\nFN:山田　太郎\r\n")))
        << read.toStdString();
    EXPECT_TRUE(read.contains(QStringLiteral("\r\nORG:ベラム商事\\; 名刺部\r\n"))) << read.toStdString();
    EXPECT_TRUE(read.contains(QStringLiteral("\r\nADR;TYPE=WORK:;;千代田区1-2\\, 3階;;;;\r\n")))
        << read.toStdString();
}

// However few device pixels a module gets, the code fills its box: on the card view at 80 % and
// 167 %, in a 300-dpi export and in a PDF.
TEST(QrCode, CodeFillsItsBoxAtAnyZoomAndResolution)
{
    const QString text = QStringLiteral("https://example.jp/staff/yamada-taro");
    const int count = EncodeQrCode(text, qlMedium, kQrStandardQuietZone).width();
    // 1.9 surface pixels a module inside the 2-pixel inset: a whole number of them would be 1.
    const int inner = count * 19 / 10;
    CardWithCode card(text, inner + 4);
    const QRect box(20, 20, inner + 4, inner + 4);
    // The dark modules span the code less its quiet zone.
    const double darkShare = double(count - 2 * kQrStandardQuietZone) / count;
    const auto expectFilled = [&](const QImage &image, double scale, bool readable) {
        const QRect area(int(box.left() * scale), int(box.top() * scale), int(box.width() * scale) + 1,
                         int(box.height() * scale) + 1);
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qGray(image.pixel(x, y)) < 100)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        const double expected = (inner + 0.0) * scale * darkShare;
        EXPECT_NEAR(ink.width(), expected, 0.04 * expected + 2);
        EXPECT_NEAR(ink.height(), expected, 0.04 * expected + 2);
        // Centred in the box.
        EXPECT_NEAR(ink.center().x(), (box.left() + box.width() / 2.0) * scale, 2 + scale);
        if (readable && !QrReaderTool().isEmpty()) {
            EXPECT_EQ(ReadQrCode(image), text);
        }
    };
    for (const double zoom : {0.8, 1.67}) {
        SCOPED_TRACE(zoom);
        QImage view(int(460 * zoom), int(280 * zoom), QImage::Format_RGB32);
        QPainter painter(&view);
        card.surface.PaintZoomed(painter, view.rect(), zoom, 1.0);
        painter.end();
        expectFilled(view, zoom, zoom > 1);
    }
    QImage exported;
    RenderCardToBitmap(card.surface, exported, 1075, 650);
    expectFilled(exported, 1075 / 455.0, true);

    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    PrintCardToPdf(card.surface, pdf);
    expectFilled(RasterisePdf(pdf, 254), 254 / 127.0, true);
}
