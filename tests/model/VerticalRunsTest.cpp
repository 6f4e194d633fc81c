#include "model/card/VerticalRuns.h"

#include <gtest/gtest.h>

namespace {

using Kind = VerticalRunKind;

// A font with vertical forms for the brackets and the long vowel mark, and none for the wave dash.
bool fontForms(char32_t c)
{
    return c == U'「' || c == U'」' || c == U'ー';
}

} // namespace

TEST(VerticalRuns, CjkStandsLatinTurnsAndBracketsFollowTheFont)
{
    const QString line = QStringLiteral("「山田」Tom Sato、ー〜");
    const std::vector<VerticalRun> runs = SplitVerticalRuns(line, false, fontForms);
    const std::vector<VerticalRun> expected = {
        {Kind::Upright, 0, 1},  {Kind::Upright, 1, 1},  {Kind::Upright, 2, 1},  {Kind::Upright, 3, 1},
        {Kind::Sideways, 4, 8}, {Kind::Upright, 12, 1}, {Kind::Upright, 13, 1}, {Kind::Sideways, 14, 1},
    };
    EXPECT_EQ(runs, expected);
}

TEST(VerticalRuns, OneOrTwoDigitsStandTogetherOnlyWhenAsked)
{
    const QString line = QStringLiteral("第7回12月2026年");
    const std::vector<VerticalRun> grouped = SplitVerticalRuns(line, true, fontForms);
    const std::vector<VerticalRun> expected = {
        {Kind::Upright, 0, 1}, {Kind::UprightGroup, 1, 1}, {Kind::Upright, 2, 1},  {Kind::UprightGroup, 3, 2},
        {Kind::Upright, 5, 1}, {Kind::Sideways, 6, 4},     {Kind::Upright, 10, 1},
    };
    EXPECT_EQ(grouped, expected);

    const std::vector<VerticalRun> plain = SplitVerticalRuns(QStringLiteral("12月"), false, fontForms);
    const std::vector<VerticalRun> sideways = {{Kind::Sideways, 0, 2}, {Kind::Upright, 2, 1}};
    EXPECT_EQ(plain, sideways);
}

TEST(VerticalRuns, MarksAndSurrogatePairsStayWithTheirCharacter)
{
    // か + combining voiced mark, an ideograph beyond the basic plane, then a turned e + acute.
    const QString line = QStringLiteral("か\u3099\U00020B9Fe\u0301");
    const std::vector<VerticalRun> runs = SplitVerticalRuns(line, false, fontForms);
    const std::vector<VerticalRun> expected = {
        {Kind::Upright, 0, 2}, {Kind::Upright, 2, 2}, {Kind::Sideways, 4, 2}};
    EXPECT_EQ(runs, expected);
}
