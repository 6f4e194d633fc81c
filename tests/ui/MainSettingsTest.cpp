#include "model/settings/MainSettings.h"
#include "TestSupport.h"
#include "model/platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QRect kCurrentBounds(20, 20, 430, 500);

MainSettings loadFrom(const QString &path, const QByteArray &content)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();
    MainSettings settings;
    settings.Load(IniFile(path), kCurrentBounds);
    return settings;
}

} // namespace

TEST(MainSettings, MissingFileGivesDefaultsAndCurrentBounds)
{
    QTemporaryDir dir;
    MainSettings settings;
    settings.Position = QRect(1, 2, 3, 4);
    settings.Load(IniFile(dir.filePath("VELLUMAX.INI")), kCurrentBounds);
    EXPECT_EQ(settings.Position, kCurrentBounds);
    EXPECT_EQ(settings.ShowCmd, 5);
    EXPECT_EQ(settings.UndoCount, 16);
    EXPECT_EQ(settings.CardIndex, 0);
    EXPECT_TRUE(settings.OpenDirectory.isEmpty());
    EXPECT_TRUE(settings.ShowGrid);
    EXPECT_EQ(settings.GridSize, 2);
    EXPECT_EQ(settings.GridUnit, 0);
    EXPECT_EQ(settings.GridStyle, 1);
    EXPECT_TRUE(settings.FixedGrid);
    EXPECT_EQ(settings.GuessMark, 0);
    EXPECT_TRUE(settings.ShowToolBar);
    EXPECT_TRUE(settings.ShowStatusBar);
    EXPECT_EQ(settings.Zoom, 100);
}

TEST(MainSettings, WritesEveryKeyInOrderAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    MainSettings written;
    written.Position = QRect(-8, 30, 640, 480);
    written.ShowCmd = MainSettings::ShowMaximized;
    written.UndoCount = 3;
    written.CardIndex = 4;
    written.OpenDirectory = "/home/名刺/開く";
    written.SaveDirectory = "/tmp/save dir";
    written.ImageDirectory = "/img";
    written.ShowGrid = false;
    written.GridSize = 7;
    written.GridUnit = 1;
    written.GridStyle = 0;
    written.FixedGrid = false;
    written.GuessMark = 2;
    written.ShowToolBar = false;
    written.ShowStatusBar = false;
    written.Zoom = 300;
    IniFile ini(path);
    ASSERT_TRUE(written.Save(ini));

    EXPECT_EQ(ReadFileBytes(path).toStdString(),
              std::string("[Placement]\r\nPosition=-8,30,632,510\r\nShowCmd=3\r\n\r\n"
                          "[Settings]\r\nUndoCount=3\r\nCardIndex=4\r\n"
                          "OpenDirectory=/home/\x96\xbc\x8e\x68/\x8a\x4a\x82\xad\r\n"
                          "SaveDirectory=/tmp/save dir\r\nImageDirectory=/img\r\nShowGrid=0\r\n"
                          "GridSize=7\r\nGridUnit=1\r\nGridStyle=0\r\nFixedGrid=0\r\nGuessMark=2\r\n"
                          "ShowToolBar=0\r\nShowStatusBar=0\r\nZoom=300\r\n"));

    MainSettings read;
    read.Load(IniFile(path), kCurrentBounds);
    EXPECT_EQ(read.Position, written.Position);
    EXPECT_EQ(read.ShowCmd, 3);
    EXPECT_EQ(read.UndoCount, 3);
    EXPECT_EQ(read.CardIndex, 4);
    EXPECT_EQ(read.OpenDirectory, written.OpenDirectory);
    EXPECT_EQ(read.SaveDirectory, written.SaveDirectory);
    EXPECT_EQ(read.ImageDirectory, "/img");
    EXPECT_FALSE(read.ShowGrid);
    EXPECT_EQ(read.GridSize, 7);
    EXPECT_EQ(read.GridUnit, 1);
    EXPECT_EQ(read.GridStyle, 0);
    EXPECT_FALSE(read.FixedGrid);
    EXPECT_EQ(read.GuessMark, 2);
    EXPECT_FALSE(read.ShowToolBar);
    EXPECT_FALSE(read.ShowStatusBar);
    EXPECT_EQ(read.Zoom, 300);
}

TEST(MainSettings, KeySchemeIsWrittenOnlyOnceChosen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    EXPECT_FALSE(loadFrom(path, "[Settings]\r\nUndoCount=3\r\n").StandardKeys);
    MainSettings settings;
    IniFile ini(path);
    ASSERT_TRUE(settings.Save(ini));
    EXPECT_FALSE(ReadFileBytes(path).contains("StandardKeys"));

    settings.StandardKeys = true;
    ASSERT_TRUE(settings.Save(ini));
    EXPECT_TRUE(loadFrom(path, ReadFileBytes(path)).StandardKeys);
    // Going back to the program's own keys is a choice too: it stays written.
    settings.StandardKeys = false;
    ASSERT_TRUE(settings.Save(ini));
    EXPECT_TRUE(ReadFileBytes(path).contains("StandardKeys=0\r\n"));
    EXPECT_FALSE(loadFrom(path, ReadFileBytes(path)).StandardKeys);
}

TEST(MainSettings, FoldersTheFileCannotHoldAreRememberedAsTheNearestThatItCan)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    MainSettings written;
    written.OpenDirectory = "/home/user/Café/cartes";
    written.SaveDirectory = "/home/名刺/😀";
    written.ImageDirectory = "/Ärger";
    IniFile ini(path);
    ASSERT_TRUE(written.Save(ini));
    MainSettings read;
    read.Load(IniFile(path), kCurrentBounds);
    EXPECT_EQ(read.OpenDirectory, "/home/user");
    EXPECT_EQ(read.SaveDirectory, "/home/名刺");
    EXPECT_EQ(read.ImageDirectory, "/");
    EXPECT_EQ(written.OpenDirectory, "/home/user/Café/cartes");

    written.OpenDirectory = "/tmp/two\nlines/cards";
    written.SaveDirectory = "/tmp/return\r";
    ASSERT_TRUE(written.Save(ini));
    read.Load(IniFile(path), kCurrentBounds);
    EXPECT_EQ(read.OpenDirectory, "/tmp");
    EXPECT_EQ(read.SaveDirectory, "/tmp");
}

TEST(MainSettings, BrokenValuesFallBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    const QRect fallback(0, 0, 600, 400);

    MainSettings settings = loadFrom(path, "[Placement]\r\nPosition=10,20,300\r\n"
                                           "[Settings]\r\nUndoCount=250\r\nGridStyle=7\r\nShowGrid=yes\r\n"
                                           "GridSize=\x82\xa0\r\nCardIndex=-3\r\n");
    EXPECT_EQ(settings.Position, fallback);
    EXPECT_EQ(settings.UndoCount, 100);
    EXPECT_EQ(settings.GridStyle, 1);
    EXPECT_TRUE(settings.ShowGrid);
    EXPECT_EQ(settings.GridSize, 2);
    EXPECT_EQ(settings.CardIndex, -3); // the card sheet selection corrects it

    EXPECT_EQ(loadFrom(path, "[Settings]\r\nUndoCount=-5\r\n").UndoCount, 0);
    EXPECT_EQ(loadFrom(path, "[Placement]\r\nPosition=1,2,3,4,5\r\n").Position, fallback);
    EXPECT_EQ(loadFrom(path, "[Placement]\r\nPosition=a,b,c,d\r\n").Position, fallback);
    EXPECT_EQ(loadFrom(path, "[Placement]\r\nPosition=\r\n").Position, fallback);
    // A rectangle with no area would leave a window nobody can find.
    EXPECT_EQ(loadFrom(path, "[Placement]\r\nPosition=500,500,100,100\r\n").Position, fallback);
    // A zoom out of reach is the nearest one the view has.
    EXPECT_EQ(loadFrom(path, "[Settings]\r\nZoom=5000\r\n").Zoom, 800);
    EXPECT_EQ(loadFrom(path, "[Settings]\r\nZoom=0\r\n").Zoom, 25);
    EXPECT_EQ(loadFrom(path, "[Settings]\r\nZoom=big\r\n").Zoom, 100);
}

TEST(MainSettings, PositionItemsSplitAtCommasAndBlanksAndMayBeQuoted)
{
    EXPECT_EQ(ParsePositionText("20,20,450,520"), QRect(20, 20, 430, 500));
    EXPECT_EQ(ParsePositionText("  20 20\t450 , 520 "), QRect(20, 20, 430, 500));
    EXPECT_EQ(ParsePositionText("\"20\",\"20\" 450,\"520\""), QRect(20, 20, 430, 500));
    EXPECT_EQ(ParsePositionText("\"20 20\",450,520"), std::nullopt); // one quoted item, not two
    EXPECT_EQ(ParsePositionText("20,,450,520"), std::nullopt);
    EXPECT_EQ(ParsePositionText("-2147483648,0,2147483647,10"), std::nullopt);
    EXPECT_EQ(FormatPositionText(QRect(-5, 7, 100, 50)), "-5,7,95,57");
}
