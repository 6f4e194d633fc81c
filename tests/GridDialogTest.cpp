#include "commands/TfrmGrid.h"
#include "platform/HelpTopic.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QRadioButton *choice(TfrmGrid &dialog, const QString &text)
{
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>()) {
        if (button->text() == text)
            return button;
    }
    ADD_FAILURE() << text.toStdString();
    return nullptr;
}

// Radio buttons take clicks on their mark and caption only, not on the empty rest of their cell.
void clickChoice(TfrmGrid &dialog, const QString &text)
{
    QRadioButton *button = choice(dialog, text);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

TEST(GridDialog, ShowsAndReturnsTheValuesItIsGiven)
{
    TfrmGrid dialog;
    dialog.SetGridSize(10);
    dialog.SetGridUnit(1);
    dialog.SetGridStyle(0);
    dialog.SetShowGrid(true);
    dialog.SetFixedGrid(false);
    EXPECT_EQ(dialog.findChild<QSpinBox *>("edtGridSize")->value(), 10);
    EXPECT_TRUE(choice(dialog, "Pixel")->isChecked());
    EXPECT_TRUE(choice(dialog, "Line")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox *>("chkShowGrid")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>("chkFixedGrid")->isChecked());

    dialog.show();
    clickChoice(dialog, "mm");
    clickChoice(dialog, "Dot");
    QTest::mouseClick(dialog.findChild<QCheckBox *>("chkFixedGrid"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GridSize(), 10); // a change of unit keeps the number
    EXPECT_EQ(dialog.GridUnit(), 0);
    EXPECT_EQ(dialog.GridStyle(), 1);
    EXPECT_TRUE(dialog.ShowGrid());
    EXPECT_TRUE(dialog.FixedGrid());
}

TEST(GridDialog, KeepsValuesInRange)
{
    TfrmGrid dialog;
    dialog.SetGridSize(0);
    EXPECT_EQ(dialog.GridSize(), 1);
    dialog.SetGridSize(250);
    EXPECT_EQ(dialog.GridSize(), 100);
    dialog.SetGridUnit(7);
    dialog.SetGridStyle(-3);
    EXPECT_EQ(dialog.GridUnit(), 1);
    EXPECT_EQ(dialog.GridStyle(), 1);
}

TEST(GridDialog, HelpAsksForItsTopicAndCancelCloses)
{
    TfrmGrid dialog;
    dialog.show();
    int topic = 0;
    SetHelpTopicViewer([&topic](int asked, QWidget *) { topic = asked; });
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnHelp"), Qt::LeftButton);
    SetHelpTopicViewer(nullptr);
    EXPECT_EQ(topic, 64);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}
