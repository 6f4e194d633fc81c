#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/card/CardSurfaceView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <tuple>

namespace {

// A card on screen with the main window's selection rule: a press selects the object.
class MouseCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.SetBounds(0, 0, 455, 275);
        view = std::make_unique<CardSurfaceView>(panel);
        view->OnSurfaceMouseDown = [this](Qt::MouseButton, QPoint) { ++surfacePresses; };
        view->OnContextMenu = [this](TVkDragLabel *object, QPoint) { contextMenuFor = object; };
        view->ObjectMouse().OnPressed = [](TVkDragLabel &sender) { sender.SetSelected(true); };
        view->ObjectMouse().OnDragStarting = [this](TVkDragLabel &) { ++movings; };
        view->ObjectMouse().OnMoved = [this](TVkDragLabel &) { ++moves; };
        view->show();
    }

    TVkDragLabel &add(std::unique_ptr<TVkDragLabel> object, QRect bounds)
    {
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object->SetSelected(false);
        return panel.AddObject(std::move(object));
    }

    TVkDragLabel &addPicture(QRect bounds)
    {
        auto object = std::make_unique<TVkDragLabel>();
        QImage picture(bounds.size(), QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        object->SetBitmap(picture);
        return add(std::move(object), bounds);
    }

    TVkDragLabel &addShape(TDrawMode mode, QRect bounds)
    {
        auto object = std::make_unique<TVkDragLabel>();
        object->SetDrawMode(mode);
        object->SetPenWidth(1);
        return add(std::move(object), bounds);
    }

    // Presses at a point of the object, moves through the other points, releases at the last.
    void drag(const TVkDragLabel &object, QPoint at, std::initializer_list<QPoint> path)
    {
        const QPoint start = object.BoundsRect().topLeft() + at;
        QTest::mousePress(view.get(), Qt::LeftButton, {}, start);
        QPoint last = start;
        for (QPoint surfacePoint : path) {
            QTest::mouseMove(view.get(), surfacePoint);
            last = surfacePoint;
        }
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, last);
    }

    TVkVellumPanel panel;
    std::unique_ptr<CardSurfaceView> view;
    int surfacePresses = 0;
    int movings = 0;
    int moves = 0;
    TVkDragLabel *contextMenuFor = nullptr;
};

QRect rect(const TVkDragLabel &object)
{
    return object.BoundsRect();
}

} // namespace

TEST_F(MouseCard, CornerOfAnUnselectedPictureMovesItAndTheSecondPressResizesKeepingProportions)
{
    TVkDragLabel &picture = addPicture(QRect(20, 20, 200, 100));
    drag(picture, QPoint(198, 98), {QPoint(220, 120)});
    EXPECT_EQ(rect(picture), QRect(22, 22, 200, 100));
    EXPECT_TRUE(picture.Selected());
    EXPECT_EQ(movings, 1);
    EXPECT_EQ(moves, 1);

    picture.SetBounds(20, 20, 200, 100);
    movings = moves = 0;
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(20 + 198, 20 + 98));
    QTest::mouseMove(view.get(), QPoint(20 + 300, 20 + 100));
    EXPECT_EQ(rect(picture), QRect(20, 20, 200, 100)); // the height decides
    QTest::mouseMove(view.get(), QPoint(20 + 300, 20 + 200));
    EXPECT_EQ(rect(picture), QRect(20, 20, 300, 150)); // the width decides
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(20 + 300, 20 + 200));
    EXPECT_EQ(movings, 1);
    EXPECT_EQ(moves, 0); // a resize is never snapped

    // An edge that is not a corner changes one side only.
    drag(picture, QPoint(299, 75), {QPoint(20 + 250, 95)});
    EXPECT_EQ(rect(picture), QRect(20, 20, 250, 150));
}

TEST_F(MouseCard, TopLeftCornerKeepsTheBottomRightCornerInPlace)
{
    TVkDragLabel &box = addShape(dmRectangle, QRect(100, 100, 100, 100));
    box.SetSelected(true);
    drag(box, QPoint(1, 1), {QPoint(80, 90)});
    // 120 x 110 dragged; the square that fits is 110 x 110, anchored at the bottom right.
    EXPECT_EQ(rect(box), QRect(90, 90, 110, 110));
    EXPECT_EQ(rect(box).bottomRight(), QPoint(199, 199));
}

TEST_F(MouseCard, LinesResizeAlongTheirLengthAndDiagonalsFreely)
{
    TVkDragLabel &line = addShape(dmLineHorz, QRect(100, 100, 100, 10));
    line.SetSelected(true);
    drag(line, QPoint(1, 1), {QPoint(60, 130)});
    EXPECT_EQ(rect(line), QRect(60, 100, 140, 10));
    drag(line, QPoint(70, 5), {QPoint(140, 125)}); // the middle moves it
    EXPECT_EQ(rect(line), QRect(70, 120, 140, 10));

    TVkDragLabel &diagonal = addShape(dmLineLR, QRect(300, 50, 50, 50));
    diagonal.SetSelected(true);
    drag(diagonal, QPoint(48, 48), {QPoint(300 + 100, 50 + 60)});
    EXPECT_EQ(rect(diagonal), QRect(300, 50, 100, 60));
}

TEST_F(MouseCard, SizesStopAtTenPixelsAndTenPixelsStayOverTheCard)
{
    TVkDragLabel &box = addShape(dmRectangle, QRect(100, 100, 100, 60));
    box.SetSelected(true);
    drag(box, QPoint(99, 30), {QPoint(103, 130)});
    EXPECT_EQ(rect(box), QRect(100, 100, 10, 60));
    drag(box, QPoint(5, 30), {QPoint(454, 130)}); // moving right stops 10 pixels before the edge
    EXPECT_EQ(box.Left(), 455 - 10);
    drag(box, QPoint(5, 30), {QPoint(0, 130)}); // moving left stops with 10 pixels over the card
    EXPECT_EQ(box.Left() + box.Width(), 10);
}

TEST_F(MouseCard, PressesWithoutMovesAndOtherButtons)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(movings, 0);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(rect(picture), QRect(50, 50, 80, 60));

    drag(picture, QPoint(10, 10), {QPoint(61, 60), QPoint(62, 60), QPoint(63, 61)});
    EXPECT_EQ(movings, 1);
    EXPECT_EQ(moves, 3);
    EXPECT_EQ(rect(picture), QRect(53, 51, 80, 60));

    QTest::mousePress(view.get(), Qt::RightButton, {}, QPoint(60, 60));
    QTest::mouseMove(view.get(), QPoint(90, 90));
    QTest::mouseRelease(view.get(), Qt::RightButton, {}, QPoint(90, 90));
    EXPECT_EQ(rect(picture), QRect(53, 51, 80, 60));
    QContextMenuEvent onObject(QContextMenuEvent::Mouse, QPoint(60, 60), view->mapToGlobal(QPoint(60, 60)));
    QApplication::sendEvent(view.get(), &onObject);
    EXPECT_EQ(contextMenuFor, &picture);
    QContextMenuEvent onCard(QContextMenuEvent::Mouse, QPoint(300, 200), view->mapToGlobal(QPoint(300, 200)));
    QApplication::sendEvent(view.get(), &onCard);
    EXPECT_EQ(contextMenuFor, nullptr);

    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(surfacePresses, 1);
}

TEST_F(MouseCard, DoubleClickOpensTheEditorAndStartsNoDrag)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    int edits = 0;
    view->ObjectMouse().OnDoubleClicked = [&](TVkDragLabel &) { ++edits; };
    QTest::mouseDClick(view.get(), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(edits, 1);
    EXPECT_FALSE(view->ObjectMouse().ButtonHeld());
    QTest::mouseMove(view.get(), QPoint(100, 100));
    EXPECT_EQ(rect(picture), QRect(50, 50, 80, 60));
}

TEST_F(MouseCard, HoverOverASelectedPictureShowsTheEdgeItWouldGrab)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    TVkDragLabel &line = addShape(dmLineVert, QRect(300, 50, 10, 100));
    QTest::mouseMove(view.get(), QPoint(50 + 77, 81));
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor); // unselected
    picture.SetSelected(true);
    line.SetSelected(true);
    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {
        {QPoint(50 + 78, 80), Qt::SizeHorCursor},   {QPoint(51, 80), Qt::SizeHorCursor},
        {QPoint(80, 51), Qt::SizeVerCursor},        {QPoint(80, 50 + 58), Qt::SizeVerCursor},
        {QPoint(51, 51), Qt::SizeFDiagCursor},      {QPoint(50 + 78, 50 + 58), Qt::SizeFDiagCursor},
        {QPoint(50 + 78, 51), Qt::SizeBDiagCursor}, {QPoint(51, 50 + 58), Qt::SizeBDiagCursor},
        {QPoint(80, 80), Qt::ArrowCursor},          {QPoint(305, 51), Qt::SizeVerCursor},
        {QPoint(301, 100), Qt::ArrowCursor},        {QPoint(200, 200), Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        QTest::mouseMove(view.get(), c.at);
        EXPECT_EQ(view->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(MouseCard, ADragWhoseReleaseWentElsewhereEndsAtTheNextMove)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(view.get(), QPoint(70, 65));
    ASSERT_TRUE(view->ObjectMouse().DragStarted());
    // The button came up over a pop-up menu: the card sees only a move with no button held.
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 150), QPointF(view->mapToGlobal(QPoint(200, 150))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &move);
    EXPECT_FALSE(view->ObjectMouse().ButtonHeld());
    EXPECT_FALSE(view->ObjectMouse().DragStarted());
    EXPECT_EQ(rect(picture), QRect(60, 55, 80, 60));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(rect(picture), QRect(60, 55, 80, 60));
}

TEST_F(MouseCard, APressOfAnotherButtonDuringADragGoesToTheDraggedObject)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(view.get(), QPoint(70, 65));
    QTest::mousePress(view.get(), Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_EQ(surfacePresses, 0);
    QTest::mouseRelease(view.get(), Qt::RightButton, {}, QPoint(300, 200));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(70, 65));
    EXPECT_FALSE(view->ObjectMouse().ButtonHeld());
    QTest::mouseMove(view.get(), QPoint(100, 100));
    EXPECT_EQ(rect(picture), QRect(60, 55, 80, 60));
}

TEST_F(MouseCard, AnObjectAsWideAsADocumentAllowsMovesLikeAnyOther)
{
    constexpr int width = std::numeric_limits<int>::max() - 200;
    TVkDragLabel &wide = addShape(dmRectangle, QRect(100, 50, width, 40));
    drag(wide, QPoint(20, 10), {QPoint(270, 60)});
    // Compared field by field: a QRect this wide would overflow its own right edge.
    EXPECT_EQ(std::make_tuple(wide.Left(), wide.Top(), wide.Width(), wide.Height()),
              std::make_tuple(250, 50, width, 40));
}

TEST_F(MouseCard, ADraggedPictureShowsAsItsOutlineUntilItsButtonComesUpAtAnyZoom)
{
    TVkDragLabel &picture = addPicture(QRect(50, 50, 80, 60));
    const QColor green(Qt::darkGreen);
    for (const int zoom : {100, 200}) {
        panel.SetZoom(zoom);
        const auto middle = [&] { return view->ScreenRect(picture.BoundsRect()).center(); };
        const auto shownAtMiddle = [&] { return view->grab().toImage().pixelColor(middle()); };
        EXPECT_EQ(shownAtMiddle(), green) << zoom;
        QTest::mousePress(view.get(), Qt::LeftButton, {}, middle());
        QTest::mouseMove(view.get(), middle() + QPoint(6, 4));
        EXPECT_NE(shownAtMiddle(), green) << zoom;
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, middle());
        EXPECT_EQ(shownAtMiddle(), green) << zoom;

        // A release seen by a pop-up menu instead ends the outline at the next move.
        QTest::mousePress(view.get(), Qt::LeftButton, {}, middle());
        QTest::mouseMove(view.get(), middle() + QPoint(6, 4));
        QMouseEvent lost(QEvent::MouseMove, QPointF(400, 250), QPointF(view->mapToGlobal(QPoint(400, 250))),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &lost);
        EXPECT_EQ(shownAtMiddle(), green) << zoom;
    }
}
