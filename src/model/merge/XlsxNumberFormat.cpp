#include "model/merge/XlsxNumberFormat.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// XML cannot hold U+FFFF, so no format code read from a workbook contains it.
constexpr QChar kPlaceholder = QChar(0xFFFF);
constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
// 9999-12-31, the last day a workbook shows, is serial 2958465 in the 1900 system.
constexpr double kSerialLimit = 2958466;
// Integers a double holds exactly, with room to round.
constexpr double kPaddedLimit = 1e15;

// The formats a workbook refers to by number alone that show dates and times, with the codes the
// Japanese locale gives them; every other built-in format shows a number as General does.
struct BuiltInCode {
    int id;
    const char16_t *code;
};
constexpr BuiltInCode kBuiltInDateCodes[] = {
    {14, u"yyyy/m/d"},
    {15, u"d-mmm-yy"},
    {16, u"d-mmm"},
    {17, u"mmm-yy"},
    {18, u"h:mm AM/PM"},
    {19, u"h:mm:ss AM/PM"},
    {20, u"h:mm"},
    {21, u"h:mm:ss"},
    {22, u"yyyy/m/d h:mm"},
    {27, u"[$-411]ge.m.d"},
    {28, u"[$-411]ggge\"年\"m\"月\"d\"日\""},
    {29, u"[$-411]ggge\"年\"m\"月\"d\"日\""},
    {30, u"m/d/yy"},
    {31, u"yyyy\"年\"m\"月\"d\"日\""},
    {32, u"h\"時\"mm\"分\""},
    {33, u"h\"時\"mm\"分\"ss\"秒\""},
    {34, u"yyyy\"年\"m\"月\""},
    {35, u"m\"月\"d\"日\""},
    {36, u"[$-411]ge.m.d"},
    {45, u"mm:ss"},
    {46, u"[h]:mm:ss"},
    {47, u"mmss.0"},
    {50, u"[$-411]ge.m.d"},
    {51, u"[$-411]ggge\"年\"m\"月\"d\"日\""},
    {52, u"yyyy\"年\"m\"月\""},
    {53, u"m\"月\"d\"日\""},
    {54, u"[$-411]ggge\"年\"m\"月\"d\"日\""},
    {55, u"yyyy\"年\"m\"月\""},
    {56, u"m\"月\"d\"日\""},
    {57, u"[$-411]ge.m.d"},
    {58, u"[$-411]ggge\"年\"m\"月\"d\"日\""},
};

// A piece of a format code: an unquoted character, a literal character (quoted or escaped), the
// contents of [brackets], an AM/PM marker, or a character that only spaces or fills ("_x", "*x").
struct Token {
    enum class Type { Plain, Literal, Bracket, AmPm, Spacing };
    Type type;
    QStringView text;
};

struct Section {
    std::vector<Token> tokens;
    bool isOnly = true;
};

// The length of the AM/PM or A/P marker at the position, or 0.
qsizetype amPmLengthAt(QStringView code, qsizetype at)
{
    for (const QStringView marker : {u"AM/PM", u"A/P"})
        if (code.mid(at, marker.size()).compare(marker, Qt::CaseInsensitive) == 0)
            return marker.size();
    return 0;
}

// The format's first section: the one that shows positive numbers, and dates.
Section firstSectionOf(QStringView code)
{
    Section section;
    auto &tokens = section.tokens;
    qsizetype at = 0;
    while (at < code.size()) {
        const QChar character = code[at];
        if (character == u';') {
            section.isOnly = false;
            break;
        }
        if (character == u'"' || character == u'[') {
            const qsizetype end = code.indexOf(character == u'"' ? u'"' : u']', at + 1);
            const qsizetype stop = end < 0 ? code.size() : end;
            if (character == u'[')
                tokens.push_back({Token::Type::Bracket, code.sliced(at + 1, stop - at - 1)});
            else
                for (qsizetype index = at + 1; index < stop; ++index)
                    tokens.push_back({Token::Type::Literal, code.sliced(index, 1)});
            at = stop + 1;
        } else if (character == u'\\' || character == u'_' || character == u'*') {
            if (at + 1 < code.size())
                tokens.push_back({character == u'\\' ? Token::Type::Literal : Token::Type::Spacing,
                                  code.sliced(at + 1, 1)});
            at += 2;
        } else if (const qsizetype marker = amPmLengthAt(code, at)) {
            tokens.push_back({Token::Type::AmPm, {}});
            at += marker;
        } else {
            tokens.push_back({Token::Type::Plain, code.sliced(at, 1)});
            ++at;
        }
    }
    return section;
}

// The unit a token shows: y, M (month), d, h, n (minute), s, a (AM/PM), m (minute or month, told by
// its neighbours), or none.
QChar unitOf(const Token &token, bool &elapsed)
{
    if (token.type == Token::Type::AmPm)
        return u'a';
    if (token.type == Token::Type::Bracket) {
        const QString inside = token.text.toString().toLower();
        const bool isElapsed =
            !inside.isEmpty() && QStringLiteral("hms").contains(inside[0]) &&
            std::all_of(inside.begin(), inside.end(), [&](QChar c) { return c == inside[0]; });
        elapsed = elapsed || isElapsed;
        return !isElapsed ? QChar() : inside[0] == u'm' ? QChar(u'n') : inside[0];
    }
    if (token.type != Token::Type::Plain)
        return {};
    const QChar letter = token.text[0].toLower();
    if (QStringLiteral("ymdhs").contains(letter))
        return letter;
    const qsizetype kanji = QStringLiteral("年月日時分秒").indexOf(token.text[0]);
    return kanji < 0 ? QChar() : QStringLiteral("yMdhns")[kanji];
}

// The units a section shows, in order, a run of one letter (yyyy) being one unit. An m right after
// hours or right before seconds is minutes; any other m is the month.
QString unitsOf(const Section &section, bool &elapsed)
{
    QString units;
    for (const Token &token : section.tokens) {
        const QChar unit = unitOf(token, elapsed);
        if (!unit.isNull() && !units.endsWith(unit))
            units += unit;
    }
    for (qsizetype index = 0; index < units.size(); ++index)
        if (units[index] == u'm')
            units[index] = (index > 0 && units[index - 1] == u'h') ||
                                   (index + 1 < units.size() && units[index + 1] == u's')
                               ? u'n'
                               : u'M';
    return units;
}

// The format as literal characters and kPlaceholder digits, when it is only zero placeholders and
// separators or literal characters.
std::optional<QString> paddedPatternOf(const Section &section)
{
    QString pattern;
    for (const Token &token : section.tokens) {
        const QChar character = token.text.isEmpty() ? QChar() : token.text[0];
        if (token.type == Token::Type::Literal)
            pattern += character;
        else if (token.type == Token::Type::Plain && character == u'0')
            pattern += kPlaceholder;
        else if (token.type == Token::Type::Plain && QStringLiteral("-/ ").contains(character))
            pattern += character;
        else
            return std::nullopt;
    }
    if (!section.isOnly || !pattern.contains(kPlaceholder))
        return std::nullopt;
    return pattern;
}

// A workbook in the 1900 system counts a 29 February 1900 that never was: serials from 61 on count
// from 1899-12-30, earlier ones from 1899-12-31, so that 1 is 1900-01-01 as the workbook shows it.
// Day 0 (shown as 1900/1/0) and day 60 (1900/2/29) name no real day.
std::optional<QDate> dateOfDay(qint64 day, XlsxNumberFormat::DateSystem system)
{
    if (system == XlsxNumberFormat::DateSystem::From1904)
        return QDate(1904, 1, 1).addDays(day);
    if (day == 0 || day == 60)
        return std::nullopt;
    return QDate(1899, 12, day < 60 ? 31 : 30).addDays(day);
}

} // namespace

XlsxNumberFormat XlsxNumberFormat::BuiltIn(int id)
{
    const auto *found = std::find_if(std::begin(kBuiltInDateCodes), std::end(kBuiltInDateCodes),
                                     [id](const BuiltInCode &builtIn) { return builtIn.id == id; });
    return found == std::end(kBuiltInDateCodes) ? XlsxNumberFormat() : FromCode(found->code);
}

XlsxNumberFormat XlsxNumberFormat::FromCode(QStringView code)
{
    XlsxNumberFormat format;
    const Section section = firstSectionOf(code);
    const QString units = unitsOf(section, format.elapsed_);
    const bool showsDate = units.contains(u'y') || units.contains(u'M') || units.contains(u'd');
    const bool showsTime =
        units.contains(u'h') || units.contains(u'n') || units.contains(u's') || units.contains(u'a');
    if (showsDate || showsTime) {
        format.kind_ = showsDate && showsTime ? Kind::DateTime : showsDate ? Kind::Date : Kind::Time;
        format.showsSeconds_ = units.contains(u's');
    } else if (std::optional<QString> pattern = paddedPatternOf(section)) {
        format.kind_ = Kind::Padded;
        format.pattern_ = std::move(*pattern);
    }
    return format;
}

QString XlsxNumberFormat::Text(double value, DateSystem system) const
{
    switch (kind_) {
    case Kind::General: return GeneralText(value);
    case Kind::Padded: return paddedText(value);
    case Kind::Date:
    case Kind::Time:
    case Kind::DateTime: return dateTimeText(value, system);
    }
    return GeneralText(value);
}

QString XlsxNumberFormat::GeneralText(double value)
{
    return QString::number(value, 'g', 15).toUpper();
}

// Negative serials and those past the year 9999 are no dates; they show as plain numbers.
QString XlsxNumberFormat::dateTimeText(double serial, DateSystem system) const
{
    if (!(serial >= 0 && serial < kSerialLimit))
        return GeneralText(serial);
    const qint64 seconds = std::llround(serial * kSecondsPerDay);
    if (kind_ == Kind::Time)
        return timeText(elapsed_ ? seconds : seconds % kSecondsPerDay);
    const std::optional<QDate> date = dateOfDay(seconds / kSecondsPerDay, system);
    if (!date || date->year() > 9999)
        return GeneralText(serial);
    QString text = QStringLiteral("%1/%2/%3").arg(date->year()).arg(date->month()).arg(date->day());
    if (kind_ == Kind::DateTime)
        text += u' ' + timeText(seconds % kSecondsPerDay);
    return text;
}

QString XlsxNumberFormat::timeText(qint64 seconds) const
{
    const QString text =
        QStringLiteral("%1:%2").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
    return showsSeconds_ ? text + QStringLiteral(":%1").arg(seconds % 60, 2, 10, QLatin1Char('0')) : text;
}

// Rounded to an integer as the format shows it; digits beyond the placeholders go before the first.
QString XlsxNumberFormat::paddedText(double value) const
{
    if (!(std::abs(value) < kPaddedLimit))
        return GeneralText(value);
    const qint64 rounded = std::llround(value);
    const qsizetype places = pattern_.count(kPlaceholder);
    const QString digits = QString::number(std::abs(rounded)).rightJustified(places, u'0');
    QString text = rounded < 0 ? QStringLiteral("-") : QString();
    qsizetype next = 0;
    for (const QChar character : pattern_) {
        if (character != kPlaceholder) {
            text += character;
            continue;
        }
        const qsizetype count = next == 0 ? digits.size() - places + 1 : 1;
        text += QStringView(digits).sliced(next, count);
        next += count;
    }
    return text;
}
