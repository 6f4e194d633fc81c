#include "model/edit/AlignObjects.h"
#include "model/card/TVkDragLabel.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A (10, 20) 40 x 30, B (100, 50) 60 x 20 and C (200, 5) 30 x 50; C was selected last.
struct ThreeObjects {
    std::array<std::unique_ptr<TVkDragLabel>, 3> made;
    std::vector<TVkDragLabel *> all;
    ThreeObjects() : ThreeObjects({QRect(10, 20, 40, 30), QRect(100, 50, 60, 20), QRect(200, 5, 30, 50)}) {}
    explicit ThreeObjects(std::array<QRect, 3> bounds)
    {
        for (std::size_t i = 0; i < 3; ++i) {
            made[i] = std::make_unique<TVkDragLabel>();
            made[i]->SetBounds(bounds[i].x(), bounds[i].y(), bounds[i].width(), bounds[i].height());
            all.push_back(made[i].get());
        }
    }
    std::vector<QPoint> places() const
    {
        return {made[0]->BoundsRect().topLeft(), made[1]->BoundsRect().topLeft(),
                made[2]->BoundsRect().topLeft()};
    }
};

} // namespace

TEST(AlignObjectsTest, EdgesAndCentresMeetTheLastSelected)
{
    const std::vector<std::pair<AlignEdge, std::vector<QPoint>>> cases = {
        {AlignEdge::Left, {{200, 20}, {200, 50}, {200, 5}}},
        {AlignEdge::Centre, {{195, 20}, {185, 50}, {200, 5}}}, // C's centre line is x = 215
        {AlignEdge::Right, {{190, 20}, {170, 50}, {200, 5}}},
        {AlignEdge::Top, {{10, 5}, {100, 5}, {200, 5}}},
        {AlignEdge::Middle, {{10, 15}, {100, 20}, {200, 5}}}, // C's middle line is y = 30
        {AlignEdge::Bottom, {{10, 25}, {100, 35}, {200, 5}}},
    };
    for (const auto &[edge, expected] : cases) {
        ThreeObjects objects;
        AlignObjects(objects.all, *objects.made[2], edge);
        EXPECT_EQ(objects.places(), expected) << int(edge);
    }
    // A centre between two pixels goes to the left one: (30 - 41) / 2 is -5.5.
    ThreeObjects odd({QRect(0, 0, 41, 10), QRect(0, 0, 10, 10), QRect(200, 5, 30, 50)});
    AlignObjects(odd.all, *odd.made[2], AlignEdge::Centre);
    EXPECT_EQ(odd.made[0]->Left(), 194);
}

TEST(AlignObjectsTest, DistributingLeavesEqualGaps)
{
    ThreeObjects across;
    // From 10 to 230 with 130 pixels of objects: two gaps of 45.
    DistributeObjects(across.all, Qt::Horizontal);
    EXPECT_EQ(across.places(), (std::vector<QPoint>{{10, 20}, {95, 50}, {200, 5}}));

    // Taken in the order of their tops, whatever the selection order: C (5), then A (20), B (50).
    // From 5 to 70 with 100 pixels of objects: overlapping by 17.5 each, rounded to 17 and 35.
    ThreeObjects down;
    DistributeObjects(down.all, Qt::Vertical);
    EXPECT_EQ(down.places(), (std::vector<QPoint>{{10, 38}, {100, 50}, {200, 5}}));

    // 64 pixels of gap over three: 21.3, 42.7 -> 21 and 43.
    ThreeObjects four({QRect(0, 0, 10, 10), QRect(0, 15, 10, 20), QRect(0, 101, 10, 10)});
    TVkDragLabel d;
    d.SetBounds(0, 50, 10, 7);
    std::vector<TVkDragLabel *> all = four.all;
    all.push_back(&d);
    DistributeObjects(all, Qt::Vertical);
    EXPECT_EQ(four.made[1]->Top(), 31);
    EXPECT_EQ(d.Top(), 73);
    EXPECT_EQ(four.made[2]->Top(), 101);

    ThreeObjects two;
    DistributeObjects(std::span(two.all).first(2), Qt::Horizontal);
    EXPECT_EQ(two.made[1]->Left(), 100);
}

TEST(AlignObjectsTest, CentringOnTheCardMovesTheGroupAsOne)
{
    ThreeObjects objects;
    // The group is 220 x 65 from (10, 5); on 455 x 275 it goes to (117, 105).
    CentreOnCard(objects.all, QSize(455, 275));
    EXPECT_EQ(objects.places(), (std::vector<QPoint>{{117, 120}, {207, 150}, {307, 105}}));
}
