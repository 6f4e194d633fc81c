#include "MainWindowSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The real main window, started on the shipped card sheets in a private program folder, on an
// empty 91 x 55 mm card with the grid hidden (so arrow keys move by one pixel).
struct ArrangeWindow : ShownMainWindow {
    ArrangeWindow()
    {
        if (form->Action("acShowGrid")->isChecked())
            form->Action("acShowGrid")->trigger();
    }
    // Objects added selected join the selection (as with Shift held).
    TVkDragLabel &add(QRect bounds, bool selected = false)
    {
        auto object = std::make_unique<TVkDragLabel>();
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object->SetSelected(selected);
        object->LoadCaption({QStringLiteral("名刺")});
        TVkDragLabel &added = form->Panel().AddObject(std::move(object));
        form->WireCardObject(added);
        return added;
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&form->SurfaceView(), Qt::Key(key), modifiers);
    }
};

} // namespace

TEST(ArrangeCommandWiring, TenArrowPressesAreOneUndoStep)
{
    ArrangeWindow window;
    TVkDragLabel &a = window.add({100, 50, 40, 30}, true);
    window.add({200, 60, 40, 30}, true);
    for (int i = 0; i < 10; ++i)
        window.key(Qt::Key_Right);
    window.key(Qt::Key_Down, Qt::ShiftModifier); // Shift moves one grid step (10 pixels)
    EXPECT_EQ(a.BoundsRect().topLeft(), QPoint(110, 60));
    EXPECT_TRUE(window.form->Modified());

    window.form->Action("acUndo")->trigger();
    ASSERT_EQ(window.form->Panel().ObjectCount(), 2);
    EXPECT_EQ(window.form->Panel().Object(0).BoundsRect().topLeft(), QPoint(100, 50));
    EXPECT_EQ(window.form->Panel().Object(1).BoundsRect().topLeft(), QPoint(200, 60));
    EXPECT_FALSE(window.form->Action("acUndo")->isEnabled());
}

TEST(ArrangeCommandWiring, AGridSpacingBelowOnePixelNudgesByOnePixel)
{
    ArrangeWindow window;
    TVkDragLabel &a = window.add({100, 50, 40, 30}, true);
    for (int spacing : {0, -5}) {
        window.form->Panel().SetGridSize(spacing);
        window.key(Qt::Key_Right, Qt::ShiftModifier);
    }
    EXPECT_EQ(a.Left(), 102);
}

TEST(ArrangeCommandWiring, CommandsBetweenNudgesAreStepsOfTheirOwn)
{
    ArrangeWindow window;
    TVkDragLabel &a = window.add({100, 50, 40, 30});
    window.add({10, 10, 40, 30});
    a.SetSelected(true);
    window.key(Qt::Key_Left);
    window.form->Action("acTopMost")->trigger();
    window.key(Qt::Key_Left);
    EXPECT_EQ(window.form->Panel().Object(1).Left(), 98);

    window.form->Action("acUndo")->trigger(); // the second nudge
    EXPECT_EQ(window.form->Panel().Object(1).Left(), 99);
    window.form->Action("acUndo")->trigger(); // bring to front
    EXPECT_EQ(window.form->Panel().Object(0).Left(), 99);
    window.form->Action("acUndo")->trigger(); // the first nudge
    EXPECT_EQ(window.form->Panel().Object(0).Left(), 100);
}

TEST(ArrangeCommandWiring, CopyAndDeleteKeepTheSelectionState)
{
    ArrangeWindow window;
    TfrmMain &form = *window.form;
    TVkDragLabel &a = window.add({100, 50, 40, 30});
    form.SetLastSelectedObject(&a);
    a.SetSelected(true);
    form.Action("acCopy")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 2);
    TVkDragLabel &copy = form.Panel().Object(1);
    EXPECT_EQ(copy.BoundsRect().topLeft(), QPoint(110, 60));
    EXPECT_EQ(form.LastSelectedObject(), &copy);
    EXPECT_TRUE(form.Action("acDelete")->isEnabled());

    // The copy is wired like any object: selecting the original drops it from the selection.
    a.SetSelected(true);
    EXPECT_FALSE(copy.Selected());
    form.Action("acDelete")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 1);
    EXPECT_EQ(form.LastSelectedObject(), &copy);
    EXPECT_FALSE(form.Action("acDelete")->isEnabled());
    EXPECT_FALSE(form.Action("acEditLastSelObject")->isEnabled());
}

TEST(ArrangeCommandWiring, DraggingIsOneUndoStepAndSnapsWhileTheGridShows)
{
    ArrangeWindow window;
    TfrmMain &form = *window.form;
    form.Action("acShowGrid")->trigger();
    ASSERT_TRUE(form.Action("acShowGrid")->isChecked() && form.Action("acFixedGrid")->isChecked());
    ASSERT_EQ(form.Panel().GridSize(), 10);
    TVkDragLabel &a = window.add({100, 50, 40, 30});
    CardSurfaceView &view = form.SurfaceView();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(110, 60));
    QTest::mouseMove(&view, QPoint(117, 62));
    QTest::mouseMove(&view, QPoint(124, 64));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(124, 64));
    EXPECT_EQ(a.Left() % 10, 0);
    EXPECT_EQ(a.Top() % 10, 0);
    EXPECT_NE(a.BoundsRect().topLeft(), QPoint(100, 50));

    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().Object(0).BoundsRect().topLeft(), QPoint(100, 50));
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
}
