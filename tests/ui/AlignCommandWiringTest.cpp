#include "MainWindowSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

TVkDragLabel &addText(TfrmMain &form, QRect bounds)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    object->LoadCaption({QStringLiteral("名刺")});
    TVkDragLabel &added = form.Panel().AddObject(std::move(object));
    form.WireCardObject(added);
    return added;
}

void shiftClick(TfrmMain &form, const TVkDragLabel &object)
{
    QTest::mouseClick(&form.SurfaceView(), Qt::LeftButton, Qt::ShiftModifier, object.BoundsRect().center());
}

} // namespace

TEST(AlignCommandWiring, ObjectsLineUpWithTheOneClickedLastAndStayOffTheGrid)
{
    ShownMainWindow window("[Settings]\r\nShowGrid=1\r\nFixedGrid=1\r\n");
    TfrmMain &form = *window.form;
    ASSERT_TRUE(form.Action("acFixedGrid")->isChecked());
    TVkDragLabel &a = addText(form, {10, 20, 40, 30});
    TVkDragLabel &b = addText(form, {100, 50, 60, 20});
    TVkDragLabel &c = addText(form, {203, 7, 30, 50});
    EXPECT_FALSE(form.Action("acAlignLeft")->isEnabled());

    QTest::keyPress(&form, Qt::Key_Shift, Qt::ShiftModifier);
    for (const TVkDragLabel *object : {&c, &a, &b})
        shiftClick(form, *object);
    QTest::keyRelease(&form, Qt::Key_Shift);
    ASSERT_TRUE(a.Selected() && b.Selected() && c.Selected());
    ASSERT_EQ(form.LastSelectedObject(), &b);
    EXPECT_TRUE(form.Action("acAlignLeft")->isEnabled());

    form.Action("acAlignBottom")->trigger(); // to B's bottom edge at y = 70
    EXPECT_EQ(a.BoundsRect().topLeft(), QPoint(10, 40));
    EXPECT_EQ(c.BoundsRect().topLeft(), QPoint(203, 20));
    form.Action("acDistributeHorz")->trigger(); // 10 to 233 with 130 of objects: gaps of 46.5
    EXPECT_EQ(b.Left(), 97);
    EXPECT_EQ(c.Left(), 203);

    // Each command is one step back, to where the objects were before it.
    form.Action("acUndo")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 3);
    EXPECT_EQ(form.Panel().Object(1).BoundsRect().topLeft(), QPoint(100, 50));
    EXPECT_EQ(form.Panel().Object(2).BoundsRect().topLeft(), QPoint(203, 20));
    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().Object(2).BoundsRect().topLeft(), QPoint(203, 7));
}

TEST(AlignCommandWiring, TheCommandsAreInTheEditMenuAndTheToolBar)
{
    TfrmMain form;
    QMenu *align = form.MainMenu1()->findChild<QMenu *>(QStringLiteral("mnuAlign"));
    ASSERT_NE(align, nullptr);
    for (const MainActionName name :
         {MainActionName("acAlignLeft"), MainActionName("acAlignCentre"), MainActionName("acAlignRight"),
          MainActionName("acAlignTop"), MainActionName("acAlignMiddle"), MainActionName("acAlignBottom"),
          MainActionName("acDistributeHorz"), MainActionName("acDistributeVert"),
          MainActionName("acCentreOnCard")}) {
        EXPECT_TRUE(align->actions().contains(form.Action(name))) << name.Name();
        EXPECT_TRUE(form.ToolBar1()->actions().contains(form.Action(name))) << name.Name();
    }
}

TEST(AlignCommandWiring, TurningTheSelectionIsOneStep)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    TVkDragLabel &text = addText(form, {100, 50, 60, 20});
    TVkDragLabel &other = addText(form, {200, 50, 60, 20});
    text.SetSelected(true);
    EXPECT_TRUE(form.Action("acTurnRight")->isEnabled());
    form.Action("acTurnRight")->trigger();
    form.Action("acTurn180")->trigger();
    EXPECT_EQ(text.Rotation(), 270);
    EXPECT_EQ(text.BoundsRect(), QRect(120, 30, 20, 60));
    EXPECT_EQ(other.Rotation(), 0);
    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().Object(0).Rotation(), 90);
    EXPECT_EQ(form.Panel().Object(0).BoundsRect(), QRect(120, 30, 20, 60));
}
