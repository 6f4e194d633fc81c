#include "model/merge/XlsxNumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct CodeCase {
    QStringView code;
    double value;
    QString expected;
};

void expectTexts(std::initializer_list<CodeCase> cases)
{
    for (const auto &[code, value, expected] : cases)
        EXPECT_EQ(XlsxNumberFormat::FromCode(code).Text(value, XlsxNumberFormat::DateSystem::From1900),
                  expected)
            << code.toString().toStdString();
}

} // namespace

TEST(XlsxNumberFormat, DatesAndTimesAreToldByTheLettersOutsideQuotesEscapesAndBrackets)
{
    expectTexts({
        {u"yyyy/mm/dd", 45383, "2024/4/1"},
        {u"[$-411]ggge\"年\"m\"月\"d\"日\";@", 45383, "2024/4/1"},
        {u"yyyy年m月d日", 45383.25, "2024/4/1"},
        {u"[DBNum3]m\"月\"d\"日\"", 45383, "2024/4/1"},
        {u"h:mm:ss AM/PM", 0.5 + 15.0 / 86400, "12:00:15"},
        {u"hh\"時\"mm\"分\"", 0.39583333333333331, "9:30"},
        {u"mm:ss", 65.4 / 86400, "0:01:05"},
        {u"[h]:mm", 1.5, "36:00"},
        {u"yyyy/m/d h:mm:ss", 45383.5 + 1.4 / 86400, "2024/4/1 12:00:01"},
        // Letters quoted, escaped or in brackets are no dates.
        {u"0\"日\"", 5, "5日"},
        {u"\\h00", 5, "h05"},
        {u"[Red]0.00", 45383, "45383"},
        {u"0.0E+00", 45383, "45383"},
        {u"General", 45383, "45383"},
    });
}

TEST(XlsxNumberFormat, ZeroPlaceholderFormatsPadTheRoundedIntegerAndOthersShowItAsGeneral)
{
    expectTexts({
        {u"00000", 123, "00123"},
        {u"000-0000", 1000001, "100-0001"},
        {u"0000\"番\"", 12, "0012番"},
        {u"00-00", 1234567, "12345-67"},
        {u"00000", 122.5, "00123"},
        {u"00000", -123, "-00123"},
        {u"00000", 1e16, "1E+16"},
        {u"00.000", 1.5, "1.5"},
        {u"0%", 0.5, "0.5"},
        {u"00000;-00000", 123, "123"},
        {u"[<=999]000;[<=9999]000-00;000-0000", 1000001, "1000001"},
    });
}

// Serial 60 is the 29 February 1900 that the 1900 system counts and the calendar has not; the days
// around it show as the workbook shows them.
TEST(XlsxNumberFormat, OnlySerialsThatNameARealDayShowAsDates)
{
    const XlsxNumberFormat date = XlsxNumberFormat::BuiltIn(14);
    const auto from1900 = XlsxNumberFormat::DateSystem::From1900;
    const std::pair<double, QString> cases[] = {
        {1, "1900/1/1"}, {59, "1900/2/28"},       {60, "60"},           {61, "1900/3/1"},  {0, "0"},
        {-1, "-1"},      {2958465, "9999/12/31"}, {2958466, "2958466"}, {1e300, "1E+300"},
    };
    for (const auto &[serial, expected] : cases)
        EXPECT_EQ(date.Text(serial, from1900), expected) << serial;
    EXPECT_EQ(date.Text(0, XlsxNumberFormat::DateSystem::From1904), "1904/1/1");
    EXPECT_EQ(XlsxNumberFormat::BuiltIn(20).Text(-0.5, from1900), "-0.5");
    EXPECT_EQ(XlsxNumberFormat::BuiltIn(2).Text(45383, from1900), "45383");
}
