#include "ui/card/TfrmGrid.h"
#include "ui/platform/HelpTopic.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

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
