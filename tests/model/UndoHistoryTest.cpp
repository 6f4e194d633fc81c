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

TEST_F(UndoHistoryTest, TheDeepestHistoryKeepsAHundredSteps)
{
    history.SetUndoCount(250);
    EXPECT_EQ(history.UndoCount(), 100);
    for (int i = 1; i <= 102; ++i)
        change(i);
    EXPECT_EQ(history.UndoPosition(), 100);
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(undo());
    EXPECT_EQ(markers(), std::vector<int>({1, 2}));
    EXPECT_FALSE(history.CanUndo());
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
    EXPECT_EQ(UndoHistory::ParseUndoCount(QStringLiteral("250")), 100);
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

namespace {

// A picture whose every pixel tells where it is and which picture it belongs to.
QImage numberedPicture(int width, int height, int seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + seed * 31) & 0xFF, (y * 5 + seed) & 0xFF, (x ^ y) & 0xFF));
    }
    return picture;
}

QImage greyPalettePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_Indexed8);
    for (int i = 0; i < 256; ++i)
        picture.setColor(i, qRgb(i, i, i));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, uint((x * 13 + y * 3) & 0xFF));
    }
    return picture;
}

class UndoHistoryPictureTest : public UndoHistoryTest {
protected:
    // At the deepest history, where sharing the pictures between steps matters most.
    UndoHistoryPictureTest()
    {
        history.SetUndoCount(UndoHistory::kMaxUndoCount);
        surface.SetBounds(0, 0, 120, 80);
        surface.SetBitmap(numberedPicture(480, 320, 1));
        addPicture(numberedPicture(40, 30, 2), 5);
        addPicture(greyPalettePicture(30, 20), 50);
        TVkDragLabel &text = surface.AddObject(std::make_unique<TVkDragLabel>());
        text.SetCaption({QStringLiteral("Vellumia")});
        text.SetBounds(10, 50, 60, 20);
    }

    void addPicture(const QImage &picture, int left)
    {
        TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
        object.LoadBitmap(picture);
        object.SetBounds(left, 5, 30, 24);
    }

    TVkDragLabel &text() { return surface.Object(2); }

    QImage drawn()
    {
        QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
        surface.Paint(image, image.rect());
        return image;
    }

    // One step: the card as it is, then its snapshot and a small edit, the picture of one step
    // replaced by a new one.
    void step(int number)
    {
        documents.push_back(card());
        looks.push_back(drawn());
        history.TakeUndoSnapshot(surface, cardDef);
        if (number == 6)
            surface.Object(0).LoadBitmap(numberedPicture(40, 30, 9));
        else
            text().SetLeft(text().Left() + 1);
    }

    std::vector<QByteArray> documents;
    std::vector<QImage> looks;
};

} // namespace

TEST_F(UndoHistoryPictureTest, AHundredStepsComeBackExactlyBothWays)
{
    for (int i = 0; i < UndoHistory::kMaxUndoCount; ++i)
        step(i);
    // Each step holds only its objects: the pictures it shares with the others are held once.
    EXPECT_LT(history.MemoryBytes(), 2 * history.SlotSize(1));
    const QByteArray last = card();
    const QImage lastLook = drawn();
    for (int slot = 1; slot <= UndoHistory::kMaxUndoCount; ++slot)
        ASSERT_TRUE(history.Slot(slot) == documents[std::size_t(slot - 1)]) << "slot " << slot;

    for (int i = UndoHistory::kMaxUndoCount - 1; i >= 0; --i) {
        ASSERT_TRUE(undo());
        EXPECT_EQ(card(), documents[std::size_t(i)]) << "undo to step " << i;
        EXPECT_EQ(drawn(), looks[std::size_t(i)]) << "undo to step " << i;
    }
    for (int i = 1; i <= UndoHistory::kMaxUndoCount; ++i) {
        ASSERT_TRUE(redo());
        const bool isLast = i == UndoHistory::kMaxUndoCount;
        EXPECT_EQ(card(), isLast ? last : documents[std::size_t(i)]) << "redo to step " << i;
        EXPECT_EQ(drawn(), isLast ? lastLook : looks[std::size_t(i)]) << "redo to step " << i;
    }
}

TEST_F(UndoHistoryPictureTest, ReplacingAPictureAfterUndoLeavesTheEarlierStepsAlone)
{
    for (int i = 0; i < 10; ++i)
        step(i);
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(undo());
    // Back at step 4, a new change replaces the background.
    documents.resize(4);
    looks.resize(4);
    step(4);
    QImage background = numberedPicture(480, 320, 5);
    background.setPixel(0, 0, qRgb(1, 2, 3));
    surface.SetBitmap(background);
    const QByteArray replaced = card();

    for (int i = 4; i >= 0; --i) {
        ASSERT_TRUE(undo());
        EXPECT_EQ(card(), documents[std::size_t(i)]) << i;
        EXPECT_EQ(drawn(), looks[std::size_t(i)]) << i;
    }
    EXPECT_FALSE(history.CanUndo());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(redo());
    EXPECT_EQ(card(), replaced);
    EXPECT_EQ(surface.Bitmap().pixel(0, 0), qRgb(1, 2, 3));
}

TEST_F(UndoHistoryPictureTest, PicturesThatStayTheSameAreHeldOnce)
{
    history.SetUndoCount(UndoHistory::kDefaultUndoCount);
    for (int i = 0; i < 6; ++i)
        step(i); // the sixth replaces no picture yet
    // A picture loaded again is a new image with the same pixels.
    surface.SetBitmap(numberedPicture(480, 320, 1));
    for (int i = 7; i < UndoHistory::kDefaultUndoCount + 2; ++i)
        step(i);
    const qsizetype snapshot = history.SlotSize(1);
    EXPECT_LT(history.MemoryBytes(), snapshot + snapshot / 4);

    history.Forget();
    EXPECT_LT(history.MemoryBytes(), snapshot / 4) << "forgotten steps let go of their pictures";
}

TEST_F(UndoHistoryTest, UndoAndRedoTakeTheTypesettingBackAndForth)
{
    TVkDragLabel &text = surface.AddObject(std::make_unique<TVkDragLabel>());
    text.SetCaption({QStringLiteral("山田太郎")});
    const TextStyle vertical{true, taCenter, 120, 15, true};
    history.TakeUndoSnapshot(surface, cardDef);
    text.SetTypesetting(vertical);

    ASSERT_TRUE(undo());
    EXPECT_EQ(surface.Object(0).Typesetting(), TextStyle());
    ASSERT_TRUE(redo());
    EXPECT_EQ(surface.Object(0).Typesetting(), vertical);
}
