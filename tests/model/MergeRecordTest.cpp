#include "model/merge/MergeRecord.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/sheet/CardSheetDrawing.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const MergeTable kStaff({"氏名", "部署"}, {{"山田", "営業"}, {"鈴木", "総務"}, {"佐藤", "経理"}},
                        TableEncoding::Utf8);

struct MergeCard {
    TVkVellumPanel card;
    TVkDragLabel *name = nullptr;
    TVkDragLabel *fixed = nullptr;

    MergeCard()
    {
        card.SetBounds(0, 0, 100, 50);
        name = &card.AddObject(std::make_unique<TVkDragLabel>());
        name->LoadCaption({"{{氏名}} ({{役職}})", "{{部署}}"});
        fixed = &card.AddObject(std::make_unique<TVkDragLabel>());
        fixed->LoadCaption({"株式会社"});
    }
};

QByteArray documentBytes(const TVkVellumPanel &card)
{
    QByteArray bytes;
    WriteCardStream(bytes, card, TCardDef{});
    return bytes;
}

bool hasInk(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

TEST(MergeRecord, FillsTheFieldsForTheDrawingWhileTheCardStaysAsTyped)
{
    MergeCard design;
    design.name->SetAutoSize(true);
    const QByteArray before = documentBytes(design.card);
    const QRect designBounds = design.name->BoundsRect();
    int repaints = 0;
    design.card.OnRepaintRequested = [&repaints](const QRect &) { ++repaints; };

    MergeRecord shown(kStaff, 1);
    EXPECT_EQ(shown.Lines(design.name->Caption()), QStringList({"鈴木 ({{役職}})", "総務"}));
    EXPECT_EQ(shown.Lines(design.fixed->Caption()), QStringList({"株式会社"}));
    EXPECT_EQ(MergeRecord::MissingColumns(design.card, kStaff), QStringList({"役職"}));
    // The record's text is shorter than its fields, and an AutoSize text is drawn to its size.
    EXPECT_LT(design.name->ShownRect(&shown).width(), designBounds.width());
    QImage screen(100, 50, QImage::Format_RGB32);
    design.card.Paint(screen, screen.rect(), {}, &shown);
    shown.Show(2);
    EXPECT_EQ(shown.Lines(design.name->Caption()).back(), "経理");

    EXPECT_EQ(documentBytes(design.card), before);
    EXPECT_EQ(design.name->BoundsRect(), designBounds);
    EXPECT_EQ(repaints, 0);
}

TEST(MergeRecord, EachCellOfASheetShowsItsOwnRecordOrStaysEmpty)
{
    MergeCard design;
    design.card.SetColor(clBlack);
    const TVkVellumPanel &card = design.card;
    const QByteArray before = documentBytes(card);
    TCardDef cardDef{};
    cardDef.CardSizeX = 100;
    cardDef.CardSizeY = 50;
    cardDef.Columns = 2;
    cardDef.Lines = 2;
    cardDef.ColumnSpace = 10;
    cardDef.LineSpace = 10;
    // At 254 dpi a tenth of a millimetre is one device pixel.
    const PrinterPage page{QSize(254, 254), QSize(210, 110), QSize(210, 110), QPoint()};
    QImage image(page.PhysicalSize, QImage::Format_RGB32);
    image.fill(Qt::white);

    MergeRecord shown(kStaff, 0);
    std::vector<int> drawn;
    {
        QPainter painter(&image);
        DrawCardSheet(
            painter, page, card, cardDef, cmNone,
            [&](std::int64_t cell) {
                // The first cell of the sheet is already used; the rest take records in order.
                if (cell == 0 || cell > kStaff.RecordCount())
                    return false;
                shown.Show(int(cell - 1));
                drawn.push_back(shown.Record());
                return true;
            },
            &shown);
    }
    EXPECT_EQ(drawn, std::vector<int>({0, 1, 2}));
    EXPECT_FALSE(hasInk(image, QRect(0, 0, 100, 50)));
    EXPECT_TRUE(hasInk(image, QRect(110, 0, 100, 50)));
    EXPECT_TRUE(hasInk(image, QRect(110, 60, 100, 50)));
    EXPECT_EQ(documentBytes(card), before);
}
