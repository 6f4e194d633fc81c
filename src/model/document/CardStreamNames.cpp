#include "model/document/CardStreamNames.h"

#include <array>

namespace CardStreamNames {

namespace {

const std::array<const char *, 8> kDrawModeNames = {"dmNone",   "dmLineHorz",  "dmLineVert",  "dmLineLR",
                                                    "dmLineRL", "dmRectangle", "dmRoundRect", "dmCircle"};
const std::array<const char *, 2> kGridStyleNames = {"gsLine", "gsDot"};
const std::array<const char *, 7> kPenStyleNames = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                                    "psDashDotDot", "psClear", "psInsideFrame"};
const std::array<const char *, 6> kAlignNames = {"alNone", "alTop",   "alBottom",
                                                 "alLeft", "alRight", "alClient"};
const std::array<const char *, 2> kDragModeNames = {"dmManual", "dmAutomatic"};
const std::array<const char *, 3> kFontPitchNames = {"fpDefault", "fpVariable", "fpFixed"};
const std::array<const char *, 4> kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const std::array<const char *, 3> kTextAlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::array<const char *, 4> kQrLevelNames = {"qlLow", "qlMedium", "qlQuartile", "qlHigh"};
const std::array<const char *, 3> kCardOrientationNames = {"coLandscape", "coPortraitClockwise",
                                                           "coPortraitAnticlockwise"};

constexpr std::int32_t kSystem = std::int32_t(0x80000000u);

const std::array<NamedValue, 42> kColorTable = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {kSystem | 0x00, "clScrollBar"},
    {kSystem | 0x01, "clBackground"},
    {kSystem | 0x02, "clActiveCaption"},
    {kSystem | 0x03, "clInactiveCaption"},
    {kSystem | 0x04, "clMenu"},
    {kSystem | 0x05, "clWindow"},
    {kSystem | 0x06, "clWindowFrame"},
    {kSystem | 0x07, "clMenuText"},
    {kSystem | 0x08, "clWindowText"},
    {kSystem | 0x09, "clCaptionText"},
    {kSystem | 0x0A, "clActiveBorder"},
    {kSystem | 0x0B, "clInactiveBorder"},
    {kSystem | 0x0C, "clAppWorkSpace"},
    {kSystem | 0x0D, "clHighlight"},
    {kSystem | 0x0E, "clHighlightText"},
    {kSystem | 0x0F, "clBtnFace"},
    {kSystem | 0x10, "clBtnShadow"},
    {kSystem | 0x11, "clGrayText"},
    {kSystem | 0x12, "clBtnText"},
    {kSystem | 0x13, "clInactiveCaptionText"},
    {kSystem | 0x14, "clBtnHighlight"},
    {kSystem | 0x15, "cl3DDkShadow"},
    {kSystem | 0x16, "cl3DLight"},
    {kSystem | 0x17, "clInfoText"},
    {kSystem | 0x18, "clInfoBk"},
    {0x1FFFFFFF, "clNone"},
}};

// crSizeAll comes before crSize: the first name of a value is the one written.
const std::array<NamedValue, 22> kCursorTable = {{
    {0, "crDefault"},   {-2, "crArrow"},    {-3, "crCross"},     {-4, "crIBeam"},    {-6, "crSizeNESW"},
    {-7, "crSizeNS"},   {-8, "crSizeNWSE"}, {-9, "crSizeWE"},    {-10, "crUpArrow"}, {-11, "crHourGlass"},
    {-12, "crDrag"},    {-13, "crNoDrop"},  {-14, "crHSplit"},   {-15, "crVSplit"},  {-16, "crMultiDrag"},
    {-17, "crSQLWait"}, {-18, "crNo"},      {-19, "crAppStart"}, {-20, "crHelp"},    {-21, "crHandPoint"},
    {-22, "crSizeAll"}, {-22, "crSize"},
}};

const std::array<NamedValue, 18> kCharsetTable = {{
    {0, "ANSI_CHARSET"},
    {1, "DEFAULT_CHARSET"},
    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
}};

bool sameName(QByteArrayView name, const char *candidate)
{
    return QByteArrayView(candidate).compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

const MemberNames kDrawModes = kDrawModeNames;
const MemberNames kGridStyles = kGridStyleNames;
const MemberNames kPenStyles = kPenStyleNames;
const MemberNames kAligns = kAlignNames;
const MemberNames kDragModes = kDragModeNames;
const MemberNames kFontPitches = kFontPitchNames;
const MemberNames kFontStyles = kFontStyleNames;
const MemberNames kTextAlignments = kTextAlignmentNames;
const MemberNames kQrLevels = kQrLevelNames;
const MemberNames kCardOrientations = kCardOrientationNames;

const std::span<const NamedValue> kColors = kColorTable;
const std::span<const NamedValue> kCursors = kCursorTable;
const std::span<const NamedValue> kCharsets = kCharsetTable;

const char *NameOf(std::span<const NamedValue> table, std::int32_t value)
{
    for (const NamedValue &entry : table) {
        if (entry.value == value)
            return entry.name;
    }
    return nullptr;
}

std::optional<std::int32_t> ValueOf(std::span<const NamedValue> table, QByteArrayView name)
{
    for (const NamedValue &entry : table) {
        if (sameName(name, entry.name))
            return entry.value;
    }
    return std::nullopt;
}

std::optional<int> OrdinalOf(MemberNames members, QByteArrayView name)
{
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (sameName(name, members[i]))
            return int(i);
    }
    return std::nullopt;
}

} // namespace CardStreamNames
