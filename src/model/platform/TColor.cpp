#include "model/platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    QRgb fallback; // the classic desktop value, used before a GUI application exists
};

// System colour indices 0 to 24 in the order the documents number them, mapped to the palette
// role that plays the same part on this desktop.
const std::array<SystemColor, 25> kSystemColors = {{
    {QPalette::Active, QPalette::Button, 0xFFC8C8C8},          // clScrollBar
    {QPalette::Active, QPalette::Dark, 0xFF3A6EA5},            // clBackground
    {QPalette::Active, QPalette::Highlight, 0xFF0A246A},       // clActiveCaption
    {QPalette::Inactive, QPalette::Mid, 0xFF808080},           // clInactiveCaption
    {QPalette::Active, QPalette::Window, 0xFFD4D0C8},          // clMenu
    {QPalette::Active, QPalette::Base, 0xFFFFFFFF},            // clWindow
    {QPalette::Active, QPalette::Shadow, 0xFF000000},          // clWindowFrame
    {QPalette::Active, QPalette::WindowText, 0xFF000000},      // clMenuText
    {QPalette::Active, QPalette::Text, 0xFF000000},            // clWindowText
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFFFF}, // clCaptionText
    {QPalette::Active, QPalette::Button, 0xFFD4D0C8},          // clActiveBorder
    {QPalette::Inactive, QPalette::Button, 0xFFD4D0C8},        // clInactiveBorder
    {QPalette::Active, QPalette::Mid, 0xFF808080},             // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight, 0xFF0A246A},       // clHighlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFFFF}, // clHighlightText
    {QPalette::Active, QPalette::Button, 0xFFD4D0C8},          // clBtnFace
    {QPalette::Active, QPalette::Dark, 0xFF808080},            // clBtnShadow
    {QPalette::Disabled, QPalette::Text, 0xFF808080},          // clGrayText
    {QPalette::Active, QPalette::ButtonText, 0xFF000000},      // clBtnText
    {QPalette::Inactive, QPalette::WindowText, 0xFFD4D0C8},    // clInactiveCaptionText
    {QPalette::Active, QPalette::Light, 0xFFFFFFFF},           // clBtnHighlight
    {QPalette::Active, QPalette::Shadow, 0xFF404040},          // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight, 0xFFD4D0C8},        // cl3DLight
    {QPalette::Active, QPalette::ToolTipText, 0xFF000000},     // clInfoText
    {QPalette::Active, QPalette::ToolTipBase, 0xFFFFFFE1},     // clInfoBk
}};

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color & clSystemColor) {
        const std::uint32_t index = color & 0xFF;
        if (index >= kSystemColors.size())
            return QColor(Qt::black);
        const SystemColor &system = kSystemColors[index];
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(system.group, system.role);
        return QColor::fromRgb(system.fallback);
    }
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

TColor QColorToColor(const QColor &color)
{
    return RGBToColor(color.red(), color.green(), color.blue());
}
