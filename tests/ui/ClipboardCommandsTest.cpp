#include "MainWindowSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/card/TextLimit.h"
#include "model/edit/ObjectClipboard.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Objects added selected join the selection, as Shift-clicking them does.
TVkDragLabel &addObject(TfrmMain &form, QRect bounds, bool selected)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    object->SetSelected(selected);
    TVkDragLabel &added = form.Panel().AddObject(std::move(object));
    form.WireCardObject(added);
    if (selected)
        form.SetObjectActionsEnabled(true);
    return added;
}

// A text in a font of its own, a picture and a rounded rectangle, all selected.
void addThreeKinds(TfrmMain &form)
{
    TVkDragLabel &text = addObject(form, {30, 20, 10, 10}, true);
    CardFont font;
    font.Name = QStringLiteral("Liberation Serif");
    font.SetSizeInPoints(16);
    font.Color = TColor(0x800000); // navy
    text.SetFont(font);
    text.SetAutoSize(true);
    text.LoadCaption({QStringLiteral("佐藤 花子"), QStringLiteral("design@example.jp")});
    TVkDragLabel &picture = addObject(form, {200, 40, 64, 48}, true);
    QImage pixels(30, 20, QImage::Format_RGB32);
    pixels.fill(qRgb(10, 120, 200));
    picture.LoadBitmap(pixels);
    TVkDragLabel &shape = addObject(form, {100, 150, 120, 60}, true);
    shape.SetDrawMode(dmRoundRect);
    shape.SetTag(30);
    shape.SetPenWidth(3);
}

QByteArray savedBytes(TfrmMain &form, const QString &path)
{
    form.Documents().SaveCardFile(path);
    return ReadFileBytes(path);
}

} // namespace

// Two main windows stand for two running programs: they share nothing but the system clipboard,
// which under the offscreen platform carries the data within this process only.
TEST(ClipboardCommands, ObjectsPastedIntoAnotherProgramAreSavedByteForByte)
{
    QGuiApplication::clipboard()->clear();
    ShownMainWindow first;
    TfrmMain *source = first.form.get();
    addThreeKinds(*source);
    source->Action("acClipboardCopy")->trigger();
    EXPECT_EQ(source->Panel().ObjectCount(), 3);
    EXPECT_FALSE(source->Modified());

    ShownMainWindow second;
    TfrmMain *target = second.form.get();
    EXPECT_TRUE(target->Action("acPaste")->isEnabled());
    QTest::keyClick(&target->SurfaceView(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(target->Panel().ObjectCount(), 3);
    EXPECT_TRUE(target->Action("acDelete")->isEnabled());
    EXPECT_EQ(savedBytes(*target, second.folder.filePath("target.vcd")),
              savedBytes(*source, first.folder.filePath("source.vcd")));

    target->Action("acUndo")->trigger();
    EXPECT_EQ(target->Panel().ObjectCount(), 0);
}

TEST(ClipboardCommands, PastingOntoTheSameCardStepsAwayFromTheOriginals)
{
    QGuiApplication::clipboard()->clear();
    ShownMainWindow window;
    TfrmMain *form = window.form.get();
    addObject(*form, {50, 40, 30, 20}, false);
    addObject(*form, {100, 60, 40, 20}, true);
    addObject(*form, {150, 80, 40, 20}, true);
    form->Action("acClipboardCopy")->trigger();
    form->Action("acPaste")->trigger();
    form->Action("acPaste")->trigger();
    TVkVellumPanel &card = form->Panel();
    ASSERT_EQ(card.ObjectCount(), 7);
    EXPECT_EQ(card.Object(3).BoundsRect(), QRect(110, 70, 40, 20));
    EXPECT_EQ(card.Object(6).BoundsRect(), QRect(170, 100, 40, 20));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(card.Object(i).Selected(), i >= 5) << i;
    EXPECT_EQ(form->LastSelectedObject(), &card.Object(6));

    // Cut takes them off as one step; pasted back, they land where they were.
    form->Action("acCut")->trigger();
    EXPECT_EQ(card.ObjectCount(), 5);
    form->Action("acPaste")->trigger();
    EXPECT_EQ(card.Object(6).BoundsRect(), QRect(170, 100, 40, 20));
    form->Action("acUndo")->trigger();
    form->Action("acUndo")->trigger();
    ASSERT_EQ(card.ObjectCount(), 7);
    // Undo rebuilt the objects; the one never selected is still first and unselected.
    EXPECT_EQ(card.Object(0).BoundsRect(), QRect(50, 40, 30, 20));
    EXPECT_FALSE(card.Object(0).Selected());
}

TEST(ClipboardCommands, APictureFromAnotherProgramBecomesAPictureObject)
{
    QGuiApplication::clipboard()->clear();
    ShownMainWindow window;
    TfrmMain *form = window.form.get();
    QImage logo(5, 4, QImage::Format_ARGB32);
    logo.fill(qRgba(255, 255, 255, 0));
    logo.setPixel(2, 1, qRgba(220, 30, 40, 255));
    logo.setPixel(4, 3, qRgba(0, 0, 0, 255));
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), PngBytes(logo));
    QGuiApplication::clipboard()->setMimeData(data.release());

    form->Action("acPaste")->trigger();
    ASSERT_EQ(form->Panel().ObjectCount(), 1);
    const TVkDragLabel &picture = form->Panel().Object(0);
    ASSERT_TRUE(picture.IsPicture());
    ASSERT_EQ(picture.Bitmap().size(), logo.size());
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x)
            EXPECT_EQ(picture.Bitmap().pixel(x, y), logo.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(picture.BoundsRect(), QRect(0, 0, 9, 8)); // the picture and its margins
    EXPECT_TRUE(picture.Selected());
}

TEST(ClipboardCommands, TextIsWrittenInTheTextDialogsFont)
{
    ShownMainWindow window(
        "[Font]\r\nFontName=Liberation Sans\r\nFontSize=20\r\nBold=1\r\nFontColor=clRed\r\n");
    TfrmMain *form = window.form.get();
    QGuiApplication::clipboard()->setText(QStringLiteral("Vellumia 株式会社\r\n"));
    form->Action("acPaste")->trigger();
    ASSERT_EQ(form->Panel().ObjectCount(), 1);
    const TVkDragLabel &text = form->Panel().Object(0);
    EXPECT_TRUE(text.IsText());
    EXPECT_EQ(text.Caption(), QStringList{QStringLiteral("Vellumia 株式会社")});
    EXPECT_EQ(text.Font().Name, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(text.Font().SizeInPoints(), 20);
    EXPECT_EQ(text.Font().Style, fsBold);
    EXPECT_EQ(text.Font().Color, clRed);
    EXPECT_TRUE(text.AutoSize());

    // Text beyond Shift_JIS is pasted as it is.
    QGuiApplication::clipboard()->setText(QStringLiteral("smile 😀"));
    form->Action("acPaste")->trigger();
    ASSERT_EQ(form->Panel().ObjectCount(), 2);
    EXPECT_EQ(form->Panel().Object(1).Caption(), QStringList{QStringLiteral("smile 😀")});
}

TEST(ClipboardCommands, TextLongerThanAnObjectHoldsIsRefusedWithNothingChanged)
{
    ShownMainWindow window;
    TfrmMain *form = window.form.get();
    QGuiApplication::clipboard()->setText(QString(kMaxTextLength + 1, u'x'));
    QString refusal;
    OnNextModal([&](QWidget *message) {
        if (auto *box = qobject_cast<QMessageBox *>(message))
            refusal = box->text();
        message->close();
    });
    form->Action("acPaste")->trigger();
    EXPECT_EQ(refusal, QStringLiteral("貼り付ける文字列が長すぎます。65536 文字までの文字列が使えます."));
    EXPECT_EQ(form->Panel().ObjectCount(), 0);
    EXPECT_FALSE(form->Action("acUndo")->isEnabled());
}
