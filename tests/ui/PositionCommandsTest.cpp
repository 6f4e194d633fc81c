#include "MainWindowSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PositionWindow : ShownMainWindow {
    PositionWindow() : ShownMainWindow("[Settings]\r\nShowGrid=0\r\n") {}
    TVkDragLabel &addPicture(QRect bounds)
    {
        auto object = std::make_unique<TVkDragLabel>();
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        QImage pixels(8, 6, QImage::Format_RGB32);
        pixels.fill(Qt::darkGreen);
        object->LoadBitmap(pixels);
        TVkDragLabel &added = form->Panel().AddObject(std::move(object));
        form->WireCardObject(added);
        return added;
    }
};

// Types a value into a field as the user does: the text, then Return.
void type(QWidget &dialog, const char *field, const QString &text)
{
    auto *box = FindChild<QDoubleSpinBox>(dialog, field);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

double shown(QWidget &dialog, const char *field)
{
    return FindChild<QDoubleSpinBox>(dialog, field)->value();
}

} // namespace

TEST(PositionCommands, PlaceAndSizeAreTypedInMillimetresToTheCardsPixels)
{
    PositionWindow window;
    TVkDragLabel &picture = window.addPicture({23, 12, 64, 48});
    window.form->SurfaceView().ObjectMouse().OnPressed(picture);
    std::vector<double> opened, typed;
    OnNextModal([&](QWidget *dialog) {
        for (const char *field : {"edtLeft", "edtTop", "edtWidth", "edtHeight"})
            opened.push_back(shown(*dialog, field));
        EXPECT_TRUE(FindChild<QCheckBox>(*dialog, "chkKeepAspect")->isChecked());
        type(*dialog, "edtLeft", QStringLiteral("5.1"));   // 25.5 pixels: shown as the 26 the card holds
        type(*dialog, "edtWidth", QStringLiteral("25.6")); // 128 pixels, so 96 high at 4 : 3
        for (const char *field : {"edtLeft", "edtTop", "edtWidth", "edtHeight"})
            typed.push_back(shown(*dialog, field));
        FindChild<QPushButton>(*dialog, "btnOK")->click();
    });
    window.form->Action("acPositionSize")->trigger();
    EXPECT_EQ(opened, (std::vector<double>{4.6, 2.4, 12.8, 9.6}));
    EXPECT_EQ(typed, (std::vector<double>{5.2, 2.4, 25.6, 19.2}));
    EXPECT_EQ(picture.BoundsRect(), QRect(26, 12, 128, 96));
    EXPECT_FALSE(picture.AutoSize());

    window.form->Action("acUndo")->trigger();
    EXPECT_EQ(window.form->Panel().Object(0).BoundsRect(), QRect(23, 12, 64, 48));
}

TEST(PositionCommands, AltDoubleClickOpensTheDialogAndTheCardKeepsTenPixels)
{
    PositionWindow window;
    TVkDragLabel &picture = window.addPicture({100, 100, 40, 30});
    OnNextModal([](QWidget *dialog) {
        type(*dialog, "edtLeft", QStringLiteral("-50"));
        FindChild<QPushButton>(*dialog, "btnOK")->click();
    });
    CardSurfaceView &view = window.form->SurfaceView();
    const QPoint at(120, 115);
    QTest::keyPress(&view, Qt::Key_Alt, Qt::AltModifier);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::AltModifier, at);
    // The platform reports the second press of a double click as a double click of its own.
    QMouseEvent second(QEvent::MouseButtonDblClick, at, view.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::AltModifier);
    QApplication::sendEvent(&view, &second);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::AltModifier, at);
    QTest::keyRelease(&view, Qt::Key_Alt);
    EXPECT_EQ(picture.BoundsRect(), QRect(-30, 100, 40, 30));
}

TEST(PositionCommands, TheStatusBarFollowsAnObjectBeingDragged)
{
    PositionWindow window;
    TVkDragLabel &picture = window.addPicture({100, 50, 40, 30});
    CardSurfaceView &view = window.form->SurfaceView();
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(120, 65)); // selects it, showing its handles
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(120, 65));
    QTest::mouseMove(&view, QPoint(127, 70));
    EXPECT_EQ(window.form->HintPanel().text(), QStringLiteral("位置 21.4, 11.0 mm   サイズ 8.0 x 6.0 mm"));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(127, 70));
    // Resizing by the bottom-right handle, keeping 4 : 3.
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(146, 84));
    QTest::mouseMove(&view, QPoint(159, 94));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(159, 94));
    EXPECT_EQ(picture.BoundsRect(), QRect(107, 55, 52, 39));
    EXPECT_EQ(window.form->HintPanel().text(), QStringLiteral("位置 21.4, 11.0 mm   サイズ 10.4 x 7.8 mm"));
}
