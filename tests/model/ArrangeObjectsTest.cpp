#include "model/edit/ArrangeObjects.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/SnapToGrid.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// A 455 x 275 card (91 x 55 mm) with objects named A, B, C ... by their hint, back to front.
struct Card {
    TVkVellumPanel surface;
    explicit Card(int objects)
    {
        surface.SetBounds(0, 0, 455, 275);
        for (int i = 0; i < objects; ++i) {
            auto object = std::make_unique<TVkDragLabel>();
            object->SetHint(QString(QChar(u'A' + i)));
            object->SetBounds(20 * i, 10 * i, 40, 30);
            surface.AddObject(std::move(object));
        }
    }
    TVkDragLabel &named(char name)
    {
        for (int i = 0; i < surface.ObjectCount(); ++i) {
            if (surface.Object(i).Hint() == QString(QChar(name)))
                return surface.Object(i);
        }
        throw std::out_of_range("no such object");
    }
    QString order() const
    {
        QString names;
        for (int i = 0; i < surface.ObjectCount(); ++i)
            names += surface.Object(i).Hint();
        return names;
    }
};

} // namespace

TEST(ArrangeObjects, StackingOrdersReverseTheSelectedAmongThemselves)
{
    Card front(4);
    front.named('B').SetSelected(true);
    front.named('D').SetSelected(true);
    BringSelectedToFront(front.surface);
    EXPECT_EQ(front.order(), "ACDB");

    Card back(4);
    back.named('B').SetSelected(true);
    back.named('D').SetSelected(true);
    SendSelectedToBack(back.surface);
    EXPECT_EQ(back.order(), "DBAC");
}

TEST(ArrangeObjects, DuplicatePlacesSelectedCopiesInFront)
{
    Card card(3);
    TVkDragLabel &a = card.named('A');
    a.SetBounds(100, 50, 40, 30);
    a.SetCaption({"名刺"});
    a.SetAlphaChannel(40);
    card.named('C').SetSelected(true);
    a.SetSelected(true);
    int wired = 0;
    TVkDragLabel *last = DuplicateSelectedObjects(card.surface, [&](TVkDragLabel &) { ++wired; });

    EXPECT_EQ(wired, 2);
    ASSERT_EQ(card.surface.ObjectCount(), 5);
    EXPECT_EQ(card.order(), "ABCCA"); // the copies on top carry their sources' hints
    TVkDragLabel &copyOfC = card.surface.Object(3);
    TVkDragLabel &copyOfA = card.surface.Object(4);
    EXPECT_EQ(last, &copyOfA); // the backmost source is copied last
    EXPECT_EQ(copyOfA.BoundsRect(), QRect(110, 60, 40, 30));
    EXPECT_EQ(copyOfA.Caption(), QStringList{"名刺"});
    EXPECT_EQ(copyOfA.AlphaChannel(), 100); // effects are not carried over
    EXPECT_TRUE(copyOfA.Selected() && copyOfC.Selected());
    EXPECT_FALSE(a.Selected() || card.named('C').Selected());
}

TEST(ArrangeObjects, DuplicateOffTheCardIsPulledBack)
{
    Card card(1);
    TVkDragLabel &a = card.named('A');
    a.SetBounds(450, -45, 40, 30);
    a.SetSelected(true);
    TVkDragLabel *copy = DuplicateSelectedObjects(card.surface, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Left(), 455 - 40); // 460 is right of the card: its right edge meets the card's
    EXPECT_EQ(copy->Top(), 0);         // -35 leaves it wholly above the card
}

TEST(ArrangeObjects, DeleteForgetsTheLastSelectedObject)
{
    Card card(3);
    TVkDragLabel *last = &card.named('B');
    card.named('B').SetSelected(true);
    DeleteSelectedObjects(card.surface, last);
    EXPECT_EQ(card.order(), "AC");
    EXPECT_EQ(last, nullptr);
}

TEST(ArrangeObjects, NudgeKeepsTenPixelsOnTheCardAndReportsMoves)
{
    Card card(2);
    TVkDragLabel &a = card.named('A');
    a.SetBounds(-30, 0, 40, 30);
    a.SetSelected(true);
    int moves = 0;
    const auto moved = [&](TVkDragLabel &) { ++moves; };
    EXPECT_TRUE(NudgeSelectedObjects(card.surface, -1, 0, moved));
    EXPECT_EQ(a.Left(), -30);
    for (int i = 0; i < 100; ++i)
        NudgeSelectedObjects(card.surface, 10, 0, moved);
    EXPECT_EQ(a.Left(), 445);
    EXPECT_EQ(moves, 101);
    EXPECT_EQ(card.named('B').Left(), 20); // unselected objects stay
    NudgeSelectedObjects(card.surface, 0, std::numeric_limits<int>::max(), moved);
    EXPECT_EQ(a.Top(), 265);
    NudgeSelectedObjects(card.surface, 0, std::numeric_limits<int>::min(), moved);
    EXPECT_EQ(a.Top(), -20);

    a.SetSelected(false);
    EXPECT_FALSE(NudgeSelectedObjects(card.surface, 1, 0, moved));
}

TEST(SnapToGrid, RoundsToNearestPointButNeverOffTheCard)
{
    Card card(1);
    TVkDragLabel &a = card.named('A');
    a.SetBounds(23, 47, 40, 30);
    EXPECT_TRUE(SnapToGrid(card.surface, a, 10));
    EXPECT_EQ(a.BoundsRect().topLeft(), QPoint(20, 50));
    a.SetBounds(25, 45, 40, 30);
    SnapToGrid(card.surface, a, 10);
    EXPECT_EQ(a.BoundsRect().topLeft(), QPoint(30, 50));

    a.SetBounds(-36, 4, 40, 30); // snapping to -30 would leave exactly 10 pixels: stays
    EXPECT_FALSE(SnapToGrid(card.surface, a, 10));
    EXPECT_EQ(a.Left(), -36);
    a.SetBounds(446, 100, 40, 30); // 450 is not left of 455 - 10
    EXPECT_FALSE(SnapToGrid(card.surface, a, 10));
    EXPECT_FALSE(SnapToGrid(card.surface, a, 0));
}
