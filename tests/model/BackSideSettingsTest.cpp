#include "model/settings/BackSideSettings.h"
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

TEST(BackSideSettings, EachPrinterKeepsItsOwnOffsetsAndOthersFollowTheSharedOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    // A file from before printers had their own offsets: every printer follows the shared ones.
    WriteFileBytes(path, "[BackSide]\r\nTurn=1\r\nOffsetX=5\r\nOffsetY=-3\r\nManualFeed=0\r\n");
    BackSideSettings settings;
    settings.Load(IniFile(path));
    const BackSidePlacement shared{.Turn = SheetTurn::ShortEdge, .OffsetXTenthMm = 5, .OffsetYTenthMm = -3};
    EXPECT_EQ(settings.PlacementOn("Office [2F]"), shared);

    settings.SetPlacementOn("Office [2F]",
                            {.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 15, .OffsetYTenthMm = -8});
    settings.SetPlacementOn("office [2f]",
                            {.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 12, .OffsetYTenthMm = -8});
    IniFile ini(path);
    ASSERT_TRUE(settings.Save(ini));
    EXPECT_EQ(ReadFileBytes(path).toStdString(),
              std::string("[BackSide]\r\nTurn=0\r\nOffsetX=5\r\nOffsetY=-3\r\nManualFeed=0\r\n"
                          "\r\n[BackSideOffset]\r\nOffice%20%5B2F%5D=1.2,-0.8\r\n"));

    // A value that is no pair of millimetres is left out, and its printer follows the shared offsets.
    WriteFileBytes(path, ReadFileBytes(path) + "Desk=1.5\r\nHall=1,2,99\r\n");
    BackSideSettings read;
    read.Load(IniFile(path));
    EXPECT_EQ(read.PlacementOn("OFFICE [2F]"),
              (BackSidePlacement{.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 12, .OffsetYTenthMm = -8}));
    for (const char *other : {"Desk", "Hall", "Lobby"})
        EXPECT_EQ(read.PlacementOn(other),
                  (BackSidePlacement{.Turn = SheetTurn::LongEdge, .OffsetXTenthMm = 5, .OffsetYTenthMm = -3}))
            << other;
}
