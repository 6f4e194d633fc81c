#include "model/platform/ColorText.h"

#include <array>

namespace {

constexpr std::array<NamedColor, 42> kNamedColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
    {"clNone", 0x1FFFFFFF},
}};

} // namespace

std::span<const NamedColor> NamedColors()
{
    return kNamedColors;
}

QString ColorName(TColor color)
{
    for (const NamedColor &named : kNamedColors) {
        if (named.value == color)
            return QString::fromLatin1(named.name);
    }
    return QString();
}

std::optional<TColor> ColorFromName(const QString &name)
{
    for (const NamedColor &named : kNamedColors) {
        if (name.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return std::nullopt;
}

QString ColorToText(TColor color)
{
    const QString name = ColorName(color);
    if (!name.isEmpty())
        return name;
    return u'$' + QString::number(color, 16).toUpper().rightJustified(8, u'0');
}

std::optional<TColor> TextToColor(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (const std::optional<TColor> named = ColorFromName(trimmed))
        return named;
    bool ok = false;
    if (trimmed.startsWith(u'$')) {
        const QStringView digits = QStringView(trimmed).mid(1);
        // More than eight digits would not fit the 32 bits of a colour.
        if (digits.size() > 8)
            return std::nullopt;
        const uint value = digits.toUInt(&ok, 16);
        return ok ? std::optional<TColor>(value) : std::nullopt;
    }
    // Signed values are how the system colours look as decimal numbers (clBtnFace is -2147483633).
    const int value = trimmed.toInt(&ok, 10);
    if (ok)
        return TColor(std::uint32_t(value));
    const uint unsignedValue = trimmed.toUInt(&ok, 10);
    return ok ? std::optional<TColor>(unsignedValue) : std::nullopt;
}
