#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

TVkDragLabel &addBox(TVkVellumPanel &panel, QRect bounds)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetDrawMode(dmRectangle);
    object->SetPenWidth(1);
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    object->SetSelected(false);
    return panel.AddObject(std::move(object));
}

void drag(QWidget &view, QPoint from, QPoint to)
{
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, (from + to) / 2);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

// A program folder with the shipped card sheets and the main window started in it, shown.
struct StartedWindow {
    StartedWindow()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
        EXPECT_TRUE(form.Startup({}));
        form.resize(900, 700);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ScopedProgramFolder folder;
    TfrmMain form;
};

} // namespace

TEST(CardZoomView, MousePositionsMapToSurfacePixelsAtEveryZoom)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    CardSurfaceView view(panel);
    view.ObjectMouse().OnPressed = [](TVkDragLabel &pressed) { pressed.SetSelected(true); };
    view.show();
    for (const auto &[zoom, screenPoint, surfacePoint] :
         {std::tuple{25, QPoint(10, 10), QPoint(40, 40)}, std::tuple{100, QPoint(37, 81), QPoint(37, 81)},
          std::tuple{800, QPoint(807, 415), QPoint(100, 51)}}) {
        panel.SetZoom(zoom);
        EXPECT_EQ(view.SurfacePoint(screenPoint), surfacePoint) << zoom;
    }
    panel.SetZoom(200);
    EXPECT_EQ(view.size(), QSize(910, 550));

    // A press picks the object under the pointer in surface pixels; a drag moves it in them.
    panel.SetZoom(25);
    TVkDragLabel &box = addBox(panel, QRect(100, 100, 80, 40));
    drag(view, QPoint(30, 30), QPoint(40, 35)); // 10 x 5 screen pixels are 40 x 20 surface pixels
    EXPECT_EQ(box.BoundsRect(), QRect(140, 120, 80, 40));
    panel.SetZoom(800);
    // 15 screen pixels right and 16 up from the middle of a surface pixel reach 2 surface pixels each.
    drag(view, QPoint(160 * 8 + 4, 140 * 8 + 4), QPoint(160 * 8 + 4 + 15, 140 * 8 + 4 - 16));
    EXPECT_EQ(box.BoundsRect(), QRect(142, 118, 80, 40));
}

TEST(CardZoomView, ResizeEdgesKeepTheirWidthOnScreen)
{
    TVkVellumPanel panel;
    panel.SetBounds(0, 0, 455, 275);
    CardSurfaceView view(panel);
    view.ObjectMouse().OnPressed = [](TVkDragLabel &pressed) { pressed.SetSelected(true); };
    view.show();
    panel.SetZoom(400);
    TVkDragLabel &box = addBox(panel, QRect(20, 20, 100, 50));
    box.SetSelected(true);
    // 8 screen pixels inside the right edge is two surface pixels: a move, where at 100 % it
    // would be the edge.
    const int right = (20 + 100) * 4;
    drag(view, QPoint(right - 8, 160), QPoint(right - 8 + 40, 160));
    EXPECT_EQ(box.BoundsRect(), QRect(30, 20, 100, 50));
    // 3 screen pixels inside the edge resizes.
    const int movedRight = (30 + 100) * 4;
    drag(view, QPoint(movedRight - 3, 160), QPoint(movedRight - 3 + 40, 160));
    EXPECT_EQ(box.BoundsRect(), QRect(30, 20, 109, 50)); // the edge goes where the pointer is
}

TEST(CardZoomView, KeysMenuAndZoomBoxChangeOnlyTheView)
{
    StartedWindow started;
    TfrmMain &form = started.form;
    TVkDragLabel &box = addBox(form.Panel(), QRect(40, 40, 60, 30));
    form.WireCardObject(box);
    EXPECT_EQ(form.ZoomBox().currentText(), "100%");

    QTest::keyClick(&form, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form.Panel().Zoom(), 150);
    QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form.Panel().Zoom(), 200);
    EXPECT_EQ(form.ZoomBox().currentText(), "200%");
    EXPECT_EQ(form.SurfaceView().size(), QSize(910, 550));
    QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(form.Panel().Zoom(), 150);

    // Fit: the whole card in the scroll box, as large as it goes.
    QTest::keyClick(&form, Qt::Key_0, Qt::ControlModifier);
    const QSize client = form.ScrollBox().viewport()->size();
    const QRect shown = form.SurfaceView().geometry();
    EXPECT_GT(form.Panel().Zoom(), 150);
    EXPECT_LE(shown.right(), client.width());
    EXPECT_LE(shown.bottom(), client.height());
    EXPECT_EQ(form.ZoomBox().currentText(), QStringLiteral("%1%").arg(form.Panel().Zoom()));

    // The zoom box takes a step from its list or a typed number.
    form.ZoomBox().setCurrentIndex(form.ZoomBox().findText("50%"));
    emit form.ZoomBox().activated(form.ZoomBox().currentIndex());
    EXPECT_EQ(form.Panel().Zoom(), 50);
    form.ZoomBox().lineEdit()->setText("333");
    emit form.ZoomBox().lineEdit()->editingFinished();
    EXPECT_EQ(form.Panel().Zoom(), 333);
    form.ZoomBox().lineEdit()->setText("big");
    emit form.ZoomBox().lineEdit()->editingFinished();
    EXPECT_EQ(form.ZoomBox().currentText(), "333%");

    // Nothing of the card changed: no undo step, not modified, the object where it was.
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    EXPECT_EQ(box.BoundsRect(), QRect(40, 40, 60, 30));

    EXPECT_TRUE(form.close());
    EXPECT_EQ(IniFile(started.folder.filePath("VELLUMAX.INI")).ReadInteger("Settings", "Zoom", 0), 333);
    TfrmMain again;
    ASSERT_TRUE(again.Startup({}));
    EXPECT_EQ(again.Panel().Zoom(), 333);
}

TEST(CardZoomView, DragAt400PercentMovesInSurfacePixelsAndSnapsToTheGrid)
{
    StartedWindow started;
    TfrmMain &form = started.form;
    form.SetZoom(400);
    TVkDragLabel &box = addBox(form.Panel(), QRect(20, 20, 60, 30));
    form.WireCardObject(box);
    form.Action("acFixedGrid")->setChecked(false);
    CardSurfaceView &view = form.SurfaceView();
    const QPoint grab = view.ScreenRect(box.BoundsRect()).center();
    form.ScrollBox().ensureVisible(view.x() + grab.x(), view.y() + grab.y(), 200, 200);
    drag(view, grab, grab + QPoint(40, 0));
    EXPECT_EQ(box.BoundsRect(), QRect(30, 20, 60, 30));

    // Snapping on, the 2 mm grid is 10 surface pixels: 48 screen pixels (12 surface pixels) from
    // x = 30 come to rest on 40.
    form.Action("acFixedGrid")->setChecked(true);
    const QPoint again = view.ScreenRect(box.BoundsRect()).center();
    drag(view, again, again + QPoint(48, 8));
    EXPECT_EQ(box.BoundsRect(), QRect(40, 20, 60, 30));
}

TEST(CardZoomView, CtrlWheelZoomsAroundThePointer)
{
    StartedWindow started;
    TfrmMain &form = started.form;
    CardSurfaceView &view = form.SurfaceView();
    QWidget *viewport = form.ScrollBox().viewport();
    // The card point under the pointer before and after.
    const QPoint pointer = view.mapTo(viewport, view.ScreenRect(QRect(250, 150, 1, 1)).topLeft());
    const auto underPointer = [&] { return view.SurfacePoint(view.mapFrom(viewport, pointer)); };
    ASSERT_EQ(underPointer(), QPoint(250, 150));
    // Three notches: 150, 200, then 300 %.
    QWheelEvent wheel(QPointF(view.mapFrom(viewport, pointer)), QPointF(viewport->mapToGlobal(pointer)),
                      QPoint(), QPoint(0, 360), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Panel().Zoom(), 300);
    EXPECT_NEAR(underPointer().x(), 250, 1);
    EXPECT_NEAR(underPointer().y(), 150, 1);
    EXPECT_GT(form.ScrollBox().horizontalScrollBar()->value(), 0);
}

TEST(CardZoomView, FirstWindowShowsTheWholeCard)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect card = form.SurfaceView().geometry();
    EXPECT_EQ(card.size(), QSize(455, 275));
    EXPECT_EQ(form.SurfaceView().visibleRegion().boundingRect(), form.SurfaceView().rect());
    EXPECT_GE(card.left(), 8);
    EXPECT_GE(card.top(), 8);

    // A stored position wins, even one that cuts the card.
    form.setGeometry(30, 40, 300, 250);
    EXPECT_TRUE(form.close());
    TfrmMain again;
    ASSERT_TRUE(again.Startup({}));
    EXPECT_EQ(again.geometry(), QRect(30, 40, 300, 250));
}
