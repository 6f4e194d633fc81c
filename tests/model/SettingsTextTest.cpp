#include "model/platform/ColorText.h"
#include "model/platform/FolderPart.h"
#include "model/platform/LineListText.h"

#include <gtest/gtest.h>

TEST(ColorText, NamesHexAndDecimalRoundTrip)
{
    EXPECT_EQ(ColorToText(clBlack), "clBlack");
    EXPECT_EQ(ColorToText(0x80000005), "clWindow");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColorToText(0x00123456), "$00123456");
    EXPECT_EQ(ColorToText(0x00ABCDEF), "$00ABCDEF");

    EXPECT_EQ(TextToColor("clAqua"), TColor(0xFFFF00));
    EXPECT_EQ(TextToColor("CLBTNFACE"), TColor(0x8000000F));
    EXPECT_EQ(TextToColor("$00abcdef"), TColor(0xABCDEF));
    EXPECT_EQ(TextToColor("255"), TColor(0xFF));
    EXPECT_EQ(TextToColor("-2147483633"), TColor(0x8000000F));
    EXPECT_EQ(TextToColor("4294967295"), TColor(0xFFFFFFFF));
}

TEST(ColorText, GarbageHasNoColour)
{
    for (const char *text : {"", "clPink", "$", "$12345678901", "$xyz", "12abc", "99999999999", "#FF0000"})
        EXPECT_FALSE(TextToColor(text).has_value()) << text;
}

TEST(LineListText, QuotingAndTrailingComma)
{
    EXPECT_EQ(LineListToText({"a,b", "cd"}), "\"a,b\",cd,");
    EXPECT_EQ(LineListToText({"a b"}), "\"a b\",");
    EXPECT_EQ(LineListToText({}), ",");
    EXPECT_EQ(LineListToText({""}), "\"\",");
    EXPECT_EQ(LineListToText({"say \"hi\""}), "\"say \"\"hi\"\"\",");
    EXPECT_EQ(LineListToText({"x", "", "y"}), "x,,y,");
    EXPECT_EQ(LineListToText({"名刺", "tab\there"}), "名刺,\"tab\there\",");
}

TEST(LineListText, ReadsBackWhatItWrites)
{
    const QList<QStringList> lists = {{"a,b", "cd"},
                                      {"a b"},
                                      {""},
                                      {"say \"hi\""},
                                      {"x", "", "y"},
                                      {"  lead", "trail  "},
                                      {"\"", ",", " "},
                                      {QString::fromUtf8("　")}};
    for (const QStringList &lines : lists)
        EXPECT_EQ(TextToLineList(LineListToText(lines)), lines) << LineListToText(lines).toStdString();
}

TEST(LineListText, ReadsHandWrittenAndBrokenValues)
{
    EXPECT_EQ(TextToLineList("10, 20 ,30,40"), QStringList({"10", "20", "30", "40"}));
    EXPECT_EQ(TextToLineList("  one two"), QStringList({"one", "two"}));
    EXPECT_EQ(TextToLineList("\"unterminated, quote"), QStringList({"unterminated, quote"}));
    EXPECT_EQ(TextToLineList("\"a\"b,c"), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(TextToLineList("").isEmpty());
    EXPECT_TRUE(TextToLineList("   ").isEmpty());
    EXPECT_TRUE(TextToLineList(" , ").isEmpty());
    EXPECT_EQ(TextToLineList(",,"), QStringList({"", ""}));
}

TEST(FolderPart, RootAndBareNames)
{
    EXPECT_EQ(FolderPart("/home/taro/cards/logo.bmp"), "/home/taro/cards");
    EXPECT_EQ(FolderPart("/logo.bmp"), "/");
    EXPECT_EQ(FolderPart("logo.bmp"), "");
}
