#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/platform/IniFile.h"
#include "ui/card/ColorSwatch.h"
#include "ui/card/TfrmDraw.h"
#include "ui/platform/HelpTopic.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QByteArray settingsText(const ScopedProgramFolder &folder)
{
    QFile file(folder.filePath("VELLUMAX.INI"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSettings(const ScopedProgramFolder &folder, const QByteArray &text)
{
    QFile file(folder.filePath("VELLUMAX.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// What is shown for each kind: the fill box, the corner radius, the fill swatch.
struct Shown {
    bool fillBox, corner, fillSwatch;
    bool operator==(const Shown &) const = default;
};

Shown shown(TfrmDraw &dialog)
{
    return {FindChild<QCheckBox>(dialog, "CheckBox1")->isVisibleTo(&dialog),
            FindChild<QDoubleSpinBox>(dialog, "edtRoundRect")->isVisibleTo(&dialog) &&
                FindChild<QLabel>(dialog, "lblRoundRect")->isVisibleTo(&dialog),
            FindChild<ColorSwatch>(dialog, "Panel2")->isVisibleTo(&dialog)};
}

} // namespace

TEST(DrawDialog, ShapeButtonsAndFillBoxDecideWhatIsShown)
{
    ScopedProgramFolder folder;
    TfrmDraw dialog;
    dialog.show();
    auto *fill = FindChild<QCheckBox>(dialog, "CheckBox1");
    const std::pair<const char *, TDrawMode> buttons[] = {
        {"btnLineHorz", dmLineHorz}, {"btnLineVert", dmLineVert},   {"btnLineLR", dmLineLR},
        {"btnLineRL", dmLineRL},     {"btnRectangle", dmRectangle}, {"btnRoundRect", dmRoundRect},
        {"btnCircle", dmCircle},
    };
    for (const auto &[name, mode] : buttons) {
        QTest::mouseClick(FindChild<QToolButton>(dialog, name), Qt::LeftButton);
        EXPECT_EQ(dialog.Kind(), mode) << name;
        const bool closed = mode == dmRectangle || mode == dmRoundRect || mode == dmCircle;
        EXPECT_EQ(shown(dialog), (Shown{closed, mode == dmRoundRect, false})) << name;
        if (closed) {
            QTest::mouseClick(fill, Qt::LeftButton);
            EXPECT_EQ(shown(dialog), (Shown{true, mode == dmRoundRect, true})) << name;
            QTest::mouseClick(fill, Qt::LeftButton);
            EXPECT_FALSE(shown(dialog).fillSwatch) << name;
        }
    }

    // A ticked box belongs to the closed shapes only: a line never fills.
    QTest::mouseClick(fill, Qt::LeftButton);
    EXPECT_TRUE(dialog.Fill());
    QTest::mouseClick(FindChild<QToolButton>(dialog, "btnLineLR"), Qt::LeftButton);
    EXPECT_FALSE(dialog.Fill());
    EXPECT_TRUE(dialog.FillChecked());
    EXPECT_EQ(shown(dialog), (Shown{false, false, false}));
}

TEST(DrawDialog, OkWritesTheSettingsInOrderAndCancelWritesNothing)
{
    ScopedProgramFolder folder;
    {
        TfrmDraw dialog;
        dialog.SetKind(dmRectangle);
        dialog.SetPenWidth(7);
        dialog.show();
        QTest::mouseClick(FindChild<QPushButton>(dialog, "Button2"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("VELLUMAX.INI")));

    {
        TfrmDraw dialog;
        dialog.SetKind(dmLineVert);
        dialog.SetFillChecked(true);
        dialog.SetPenWidth(30);
        dialog.SetPenColor(clRed);
        dialog.SetFillColor(0x00123456);
        dialog.SetCornerRadiusMm(2.5);
        dialog.show();
        QTest::mouseClick(FindChild<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.Fill());
        EXPECT_EQ(dialog.CornerTenthMm(), 0);
    }
    EXPECT_EQ(settingsText(folder), "[DrawMode]\r\nType=1\r\nPenWidth=30\r\nPenColor=clRed\r\nFillDraw=1\r\n"
                                    "FillColor=$00123456\r\nCornerRadius=25\r\n");

    TfrmDraw again;
    EXPECT_EQ(again.Kind(), dmLineVert);
    EXPECT_EQ(again.PenWidth(), 30);
    EXPECT_EQ(again.PenColor(), clRed);
    EXPECT_TRUE(again.FillChecked());
    EXPECT_EQ(again.FillColor(), TColor(0x123456));
    again.SetKind(dmRoundRect);
    EXPECT_EQ(again.CornerTenthMm(), 25);
    EXPECT_TRUE(again.Fill());
}

TEST(DrawDialog, BadSettingsFallBackToDefaultsAndRanges)
{
    ScopedProgramFolder folder;
    writeSettings(folder, "[DrawMode]\r\nType=9\r\nPenWidth=500\r\nPenColor=rosy\r\nFillDraw=x\r\n"
                          "FillColor=$GG\r\nCornerRadius=-4\r\n");
    TfrmDraw dialog;
    EXPECT_EQ(dialog.Kind(), dmLineHorz);
    EXPECT_EQ(dialog.PenWidth(), 100);
    EXPECT_EQ(dialog.PenColor(), clBlack);
    EXPECT_FALSE(dialog.FillChecked());
    EXPECT_EQ(dialog.FillColor(), clBlack);
    EXPECT_DOUBLE_EQ(dialog.CornerRadiusMm(), 0.1);

    writeSettings(folder, "[DrawMode]\r\nType=-1\r\nPenWidth=0\r\nCornerRadius=5000\r\n");
    TfrmDraw other;
    EXPECT_EQ(other.Kind(), dmLineHorz);
    EXPECT_EQ(other.PenWidth(), 1);
    EXPECT_DOUBLE_EQ(other.CornerRadiusMm(), 100.0);
}

TEST(DrawDialog, EditingLoadsTheShapeAndEveryTenthSurvives)
{
    ScopedProgramFolder folder;
    TVkDragLabel shape;
    shape.SetDrawMode(dmRoundRect);
    shape.SetTag(23);
    shape.SetPenWidth(3);
    shape.SetColor(0x00FF8000);
    shape.SetBrushColor(0x0000FF00);
    shape.SetFillDraw(true);
    TfrmDraw dialog;
    dialog.LoadShape(shape);
    EXPECT_EQ(dialog.Kind(), dmRoundRect);
    EXPECT_DOUBLE_EQ(dialog.CornerRadiusMm(), 2.3);
    EXPECT_EQ(dialog.CornerTenthMm(), 23);
    EXPECT_EQ(dialog.PenWidth(), 3);
    EXPECT_EQ(dialog.PenColor(), TColor(0xFF8000));
    EXPECT_EQ(dialog.FillColor(), TColor(0x00FF00));
    EXPECT_EQ(shown(dialog), (Shown{true, true, true}));

    for (int tenths = 1; tenths <= 1000; ++tenths) {
        dialog.SetCornerRadiusMm(tenths / 10.0);
        ASSERT_EQ(dialog.CornerTenthMm(), tenths);
    }
}

TEST(DrawDialog, SwatchOpensTheColourChooserAndHelpKeepsTheDialogOpen)
{
    ScopedProgramFolder folder;
    TfrmDraw dialog;
    dialog.SetKind(dmCircle);
    dialog.SetFillChecked(true);
    dialog.show();
    OnNextModal([](QWidget *modal) {
        auto *chooser = qobject_cast<QColorDialog *>(modal);
        ASSERT_NE(chooser, nullptr);
        chooser->setCurrentColor(QColor(0, 0, 255));
        chooser->accept();
    });
    QTest::mouseClick(FindChild<ColorSwatch>(dialog, "Panel2"), Qt::LeftButton);
    EXPECT_EQ(dialog.FillColor(), TColor(0xFF0000));
    EXPECT_EQ(dialog.PenColor(), clBlack);

    OnNextModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    QTest::mouseClick(FindChild<ColorSwatch>(dialog, "Panel1"), Qt::LeftButton);
    EXPECT_EQ(dialog.PenColor(), clBlack);

    int topic = 0;
    SetHelpTopicViewer([&topic](int asked, QWidget *) { topic = asked; });
    QTest::mouseClick(FindChild<QPushButton>(dialog, "Button3"), Qt::LeftButton);
    SetHelpTopicViewer(nullptr);
    EXPECT_EQ(topic, 63);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(folder.filePath("VELLUMAX.INI")));
}
