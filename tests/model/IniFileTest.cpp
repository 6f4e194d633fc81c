#include "model/platform/IniFile.h"
#include "FileBytes.h"
#include "model/platform/Cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniFile, MissingFileAndBadValuesReadAsDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    IniFile missing(path);
    EXPECT_EQ(missing.ReadInteger("Settings", "UndoCount", 16), 16);
    EXPECT_EQ(missing.ReadString("Placement", "Position", "20,20,450,520"), "20,20,450,520");

    WriteFileBytes(path, "[settings]\r\nundocount=abc\r\nGridSize = 7 \r\nShowGrid=0\r\n\x01\x02garbage\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Settings", "UndoCount", 16), 16);
    EXPECT_EQ(ini.ReadInteger("SETTINGS", "GRIDSIZE", 2), 7);
    EXPECT_FALSE(ini.ReadBool("Settings", "ShowGrid", true));
    EXPECT_TRUE(ini.ReadBool("Settings", "Missing", true));
}

TEST(IniFile, WritesKeepOtherContentAndOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    WriteFileBytes(path, "; kept comment\r\n[TextBox]\r\nColor=clRed\r\n\r\n[Settings]\r\nGridSize=3\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteInteger("Settings", "GridSize", 5));
    ASSERT_TRUE(ini.WriteInteger("settings", "UndoCount", 9));
    ASSERT_TRUE(ini.WriteString("Placement", "Position", "1,2,3,4"));
    ASSERT_TRUE(ini.WriteBool("TextBox", "Bold", true));
    EXPECT_EQ(ReadFileBytes(path), QByteArray("; kept comment\r\n[TextBox]\r\nColor=clRed\r\nBold=1\r\n\r\n"
                                              "[Settings]\r\nGridSize=5\r\nUndoCount=9\r\n\r\n"
                                              "[Placement]\r\nPosition=1,2,3,4\r\n"));
    EXPECT_EQ(IniFile(path).ReadString("Placement", "Position", ""), "1,2,3,4");
}

TEST(IniFile, StoresTextAsCp932)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("Settings", "OpenDirectory", QString::fromUtf8("/home/名刺")));
    EXPECT_TRUE(ReadFileBytes(path).contains(Cp932::Encode(QString::fromUtf8("名刺"))));
    EXPECT_EQ(IniFile(path).ReadString("Settings", "OpenDirectory", ""), QString::fromUtf8("/home/名刺"));
}

TEST(IniFile, UnwritableFolderFailsWithoutCrashing)
{
    IniFile ini("/proc/vellumia-no-such-folder/VELLUMAX.INI");
    EXPECT_FALSE(ini.WriteInteger("Settings", "UndoCount", 3));
    EXPECT_EQ(ini.ReadInteger("Settings", "UndoCount", 16), 16);
}

TEST(Cp932, RoundTripAndRefusedCharacters)
{
    const QString text = QString::fromUtf8("ﾌｧｲﾙ名刺～①");
    EXPECT_EQ(Cp932::Decode(Cp932::Encode(text)), text);
    EXPECT_EQ(Cp932::UnencodableCharacters(text), QString());
    EXPECT_EQ(Cp932::UnencodableCharacters(QString::fromUtf8("a😀b😀𠮷")), QString::fromUtf8("😀𠮷"));
    EXPECT_FALSE(Cp932::Decode(QByteArray("\x82\xa0\xff\x81", 4)).isEmpty());

    // Marks as this system's input methods type them are stored as their code page forms.
    const QString typed = QString::fromUtf8("9:00\u301C18:00 \u2212\u2016\u00A2\u00A3\u00AC\u00A6\u2014");
    EXPECT_EQ(Cp932::UnencodableCharacters(typed), QString());
    EXPECT_EQ(Cp932::Encode(typed), QByteArray("9:00\x81\x60"
                                               "18:00 \x81\x7c\x81\x61\x81\x91\x81\x92\x81\xca"
                                               "\xfa\x55\x81\x5c"));
}
