#pragma once

#include <QString>
#include <vector>

class MergeTable;
class TVkVellumPanel;
struct TCardDef;

// One thing a print shop would refuse or print badly: the side and object it concerns (-1 for the
// side's background) and what is wrong, in words for the user.
struct PreflightFinding {
    bool Back = false;
    int Object = -1;
    QString Problem;
};

// The checks before a card goes to a print shop that cuts it with a bleed of bleedTenthMm: text
// or pictures so near the finished edge that the cut may touch them, objects that cross the edge
// but stop short of the bleed, pictures of too few dots for print, lines too thin to print, and
// with a merge table, fields that name no column of it.
class PressPreflight {
public:
    static constexpr int kSafetyTenthMm = 30;
    static constexpr int kLeastDpi = 300;
    static constexpr int kThinnestLineHundredthMm = 10;

    PressPreflight(const TCardDef &cardDef, int bleedTenthMm, const MergeTable *table = nullptr);

    // The findings of one side, object by object in the card's order.
    std::vector<PreflightFinding> Check(const TVkVellumPanel &side, bool back) const;
    // "表面 オブジェクト 2 (テキスト「山田太郎」): ..." for a line of a report.
    static QString Describe(const PreflightFinding &finding, const TVkVellumPanel &side);

private:
    const TCardDef &cardDef_;
    int bleedTenthMm_;
    const MergeTable *table_;
};
