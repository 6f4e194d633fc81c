#include "model/document/UndoHistory.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"

#include <gtest/gtest.h>

namespace {

class UndoHistoryTest : public ::testing::Test {
protected:
    UndoHistoryTest()
    {
        surface.SetBounds(12, 34, 455, 275);
        cardDef.CardSizeX = 910;
        cardDef.CardSizeY = 550;
    }

    // One command: the snapshot, then the change (a new object whose Left tells the changes apart).
    void change(int marker)
    {
        history.TakeUndoSnapshot(surface, cardDef);
        surface.AddObject(std::make_unique<TVkDragLabel>()).SetLeft(marker);
    }

    std::optional<CardStreamReadResult> undo() { return history.Undo(surface, cardDef, hooks); }
    std::optional<CardStreamReadResult> redo() { return history.Redo(surface, cardDef, hooks); }

    // The markers of the objects on the card, bottom first.
    std::vector<int> markers() const
    {
        std::vector<int> lefts;
        for (int i = 0; i < surface.ObjectCount(); ++i)
            lefts.push_back(surface.Object(i).Left());
        return lefts;
    }

    QByteArray card() const
    {
        QByteArray bytes;
        WriteCardStream(bytes, surface, cardDef);
        return bytes;
    }

    TVkVellumPanel surface;
    TCardDef cardDef{};
    UndoHistory history;
    int wired = 0;
    UndoHistory::RestoreHooks hooks{{}, [this](TVkDragLabel &) { ++wired; }};
};

} // namespace

TEST_F(UndoHistoryTest, SixteenStepsBackAfterSeventeenChanges)
{
    for (int i = 1; i <= 17; ++i)
        change(i);
    EXPECT_EQ(history.UndoPosition(), 16);
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(undo());
    EXPECT_EQ(markers(), std::vector<int>{1});
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(undo());
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(history.RedoCount(), 16);
}

TEST_F(UndoHistoryTest, RedoReturnsToTheCardBeforeUndo)
{
    surface.SetBitmap(QImage(8, 8, QImage::Format_RGB32));
    change(1);
    change(2);
    surface.Object(1).SetCaption({QStringLiteral("after")});
    const QByteArray before = card();

    ASSERT_TRUE(undo());
    EXPECT_EQ(markers(), std::vector<int>{1});
    ASSERT_TRUE(undo());
    EXPECT_TRUE(markers().empty());
    EXPECT_FALSE(surface.Bitmap().isNull()) << "the background comes back with the snapshot";
    ASSERT_TRUE(redo());
    ASSERT_TRUE(redo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(card(), before);
    EXPECT_GT(wired, 0);
    EXPECT_EQ(surface.BoundsRect(), QRect(12, 34, 455, 275));
}

TEST_F(UndoHistoryTest, AChangeAfterUndoDropsTheRedoSteps)
{
    for (int i = 1; i <= 4; ++i)
        change(i);
    undo();
    undo();
    change(9);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(redo());
    EXPECT_EQ(history.UndoPosition(), 3);
    undo();
    EXPECT_EQ(markers(), (std::vector<int>{1, 2}));
    undo();
    EXPECT_EQ(markers(), std::vector<int>{1});
}

TEST_F(UndoHistoryTest, ALowerCountTakesEffectAtTheNextChange)
{
    for (int i = 1; i <= 10; ++i)
        change(i);
    std::vector<QByteArray> before;
    for (int slot = 1; slot <= 10; ++slot)
        before.push_back(history.Slot(slot));

    history.SetUndoCount(5);
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(undo()) << "the ten steps stay until the next change";
    EXPECT_TRUE(markers().empty());
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(redo());

    change(11);
    EXPECT_EQ(history.UndoPosition(), 5);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(history.Slot(slot), before[std::size_t(slot)]) << slot;
    // The kept snapshots jump from the card before the last change to the old slots 5, 4, 3, 2.
    ASSERT_TRUE(undo());
    EXPECT_EQ(markers().size(), 10u);
    ASSERT_TRUE(undo());
    EXPECT_EQ(markers().size(), 4u);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(undo());
    EXPECT_EQ(markers(), std::vector<int>{1});
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoHistoryTest, CountZeroKeepsNoSnapshots)
{
    history.SetUndoCount(0);
    change(1);
    change(2);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.Slot(1).isEmpty());
    EXPECT_EQ(history.MemoryBytes(), 0);
}

TEST_F(UndoHistoryTest, UndoCountBoxClampsAndIgnoresLetters)
{
    EXPECT_EQ(UndoHistory::ParseUndoCount(QStringLiteral("20")), 16);
    EXPECT_EQ(UndoHistory::ParseUndoCount(QStringLiteral("-3")), 0);
    EXPECT_EQ(UndoHistory::ParseUndoCount(QStringLiteral("7")), 7);
    EXPECT_EQ(UndoHistory::ParseUndoCount(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(UndoHistory::ParseUndoCount(QString()), std::nullopt);
}

TEST_F(UndoHistoryTest, APictureChangedInPlaceIsStoredAnew)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
    object.LoadBitmap(picture);
    history.TakeUndoSnapshot(surface, cardDef);
    QImage edited = object.Bitmap();
    edited.setPixel(1, 1, qRgb(0, 0, 255));
    object.LoadBitmap(edited);
    history.TakeUndoSnapshot(surface, cardDef);
    object.SetLeft(50);

    ASSERT_TRUE(undo());
    EXPECT_EQ(surface.Object(0).Bitmap().pixel(1, 1), qRgb(0, 0, 255));
    ASSERT_TRUE(undo());
    EXPECT_EQ(surface.Object(0).Bitmap().pixel(1, 1), qRgb(255, 0, 0));
}
