#include "model/card/VerticalRuns.h"

#include <QStringView>
#include <unicode/uchar.h>

namespace {

bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool isMark(char32_t c)
{
    const auto category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
           category == QChar::Mark_SpacingCombining;
}

VerticalRunKind orientationOf(char32_t c, const std::function<bool(char32_t)> &hasVerticalForm)
{
    switch (u_getIntPropertyValue(UChar32(c), UCHAR_VERTICAL_ORIENTATION)) {
    case U_VO_UPRIGHT:
    case U_VO_TRANSFORMED_UPRIGHT: return VerticalRunKind::Upright;
    case U_VO_TRANSFORMED_ROTATED:
        return hasVerticalForm(c) ? VerticalRunKind::Upright : VerticalRunKind::Sideways;
    default: return VerticalRunKind::Sideways;
    }
}

struct Character {
    char32_t code;
    qsizetype start;
    qsizetype length;
};

std::vector<Character> charactersOf(const QString &line)
{
    std::vector<Character> characters;
    for (qsizetype i = 0; i < line.size();) {
        const bool pair =
            line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        const char32_t code =
            pair ? QChar::surrogateToUcs4(line.at(i), line.at(i + 1)) : line.at(i).unicode();
        const qsizetype length = pair ? 2 : 1;
        characters.push_back({code, i, length});
        i += length;
    }
    return characters;
}

// The length of the run of ASCII digits starting at `first`.
std::size_t digitRunLength(const std::vector<Character> &characters, std::size_t first)
{
    std::size_t end = first;
    while (end < characters.size() && isAsciiDigit(characters[end].code))
        ++end;
    return end - first;
}

} // namespace

std::vector<VerticalRun> SplitVerticalRuns(const QString &line, bool uprightDigits,
                                           const std::function<bool(char32_t)> &hasVerticalForm)
{
    const std::vector<Character> characters = charactersOf(line);
    std::vector<VerticalRun> runs;
    const auto append = [&runs](VerticalRunKind kind, const Character &first, qsizetype length) {
        // Sideways characters join into one run so that the font can kern and join them; an
        // upright run holds one cell, since every upright character gets its own.
        if (kind == VerticalRunKind::Sideways && !runs.empty() && runs.back().kind == kind)
            runs.back().length += length;
        else
            runs.push_back({kind, first.start, length});
    };
    for (std::size_t i = 0; i < characters.size();) {
        const Character &c = characters[i];
        if (isMark(c.code) && !runs.empty()) {
            runs.back().length += c.length;
            ++i;
            continue;
        }
        const std::size_t digits = isAsciiDigit(c.code) ? digitRunLength(characters, i) : 0;
        if (uprightDigits && digits > 0) {
            // Digits are one UTF-16 unit each. A longer number reads better lying on its side.
            append(digits <= 2 ? VerticalRunKind::UprightGroup : VerticalRunKind::Sideways, c,
                   qsizetype(digits));
            i += digits;
            continue;
        }
        append(orientationOf(c.code, hasVerticalForm), c, c.length);
        ++i;
    }
    return runs;
}
