#include "model/platform/BackSideSettings.h"
#include "FileBytes.h"
#include "model/platform/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BackSideSettings, KeptInASectionOfTheirOwnAndHeldToSenseOnReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    BackSideSettings settings;
    settings.Load(IniFile(path));
    EXPECT_EQ(settings.Placement, BackSidePlacement{});
    EXPECT_FALSE(settings.ManualFeed);

    settings.Placement = {.Turn = SheetTurn::ShortEdge, .OffsetXTenthMm = -12, .OffsetYTenthMm = 7};
    settings.ManualFeed = true;
    IniFile ini(path);
    ASSERT_TRUE(settings.Save(ini));
    EXPECT_EQ(ReadFileBytes(path),
              QByteArray("[BackSide]\r\nTurn=1\r\nOffsetX=-12\r\nOffsetY=7\r\nManualFeed=1\r\n"));
    BackSideSettings read;
    read.Load(IniFile(path));
    EXPECT_EQ(read.Placement, settings.Placement);
    EXPECT_TRUE(read.ManualFeed);

    WriteFileBytes(path, "[BackSide]\r\nTurn=7\r\nOffsetX=99999\r\nOffsetY=-99999\r\n");
    read.Load(IniFile(path));
    EXPECT_EQ(read.Placement.Turn, SheetTurn::LongEdge);
    EXPECT_EQ(read.Placement.OffsetXTenthMm, 1000);
    EXPECT_EQ(read.Placement.OffsetYTenthMm, -1000);
}
