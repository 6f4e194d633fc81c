#include "model/document/CardStreamProperties.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/PictureAlpha.h"
#include "model/platform/Cp932.h"

#include <algorithm>

namespace {

namespace names = CardStreamNames;

template <class C> using Stored = std::function<bool(const C &)>;

// Rows for a getter and setter pair; the value travels as the kind's variant member.
template <class C, class Value, class Get, class Set>
PropertyRow<C> row(const char *name, PropertyKind kind, Get get, Set set, Stored<C> stored = {},
                   names::MemberNames members = {})
{
    return {name,
            kind,
            members,
            [get](const C &c) { return PropertyValue(Value((c.*get)())); },
            [set](C &c, const PropertyValue &v) { (c.*set)(std::get<Value>(v)); },
            std::move(stored)};
}

template <class C>
PropertyRow<C> integer(const char *name, int (C::*get)() const, void (C::*set)(int), Stored<C> stored = {})
{
    return row<C, std::int32_t>(name, PropertyKind::Integer, get, set, std::move(stored));
}

template <class C>
PropertyRow<C> boolean(const char *name, bool (C::*get)() const, void (C::*set)(bool), Stored<C> stored = {})
{
    return row<C, bool>(name, PropertyKind::Boolean, get, set, std::move(stored));
}

template <class C>
PropertyRow<C> text(const char *name, const QString &(C::*get)() const, void (C::*set)(const QString &),
                    Stored<C> stored = {})
{
    return {name,
            PropertyKind::Text,
            {},
            [get](const C &c) { return PropertyValue((c.*get)()); },
            [set](C &c, const PropertyValue &v) { (c.*set)(std::get<QString>(v)); },
            std::move(stored)};
}

template <class C>
PropertyRow<C> color(const char *name, TColor (C::*get)() const, void (C::*set)(TColor),
                     Stored<C> stored = {})
{
    return {name,
            PropertyKind::Color,
            {},
            [get](const C &c) { return PropertyValue(std::int32_t((c.*get)())); },
            [set](C &c, const PropertyValue &v) { (c.*set)(TColor(std::get<std::int32_t>(v))); },
            std::move(stored)};
}

template <class C>
PropertyRow<C> cursor(const char *name, int (C::*get)() const, void (C::*set)(int), Stored<C> stored)
{
    return row<C, std::int32_t>(name, PropertyKind::Cursor, get, set, std::move(stored));
}

template <class C, class E>
PropertyRow<C> enumeration(const char *name, E (C::*get)() const, void (C::*set)(E),
                           names::MemberNames members, Stored<C> stored = {})
{
    return {name,
            PropertyKind::Enumeration,
            members,
            [get](const C &c) { return PropertyValue(std::int32_t((c.*get)())); },
            [set](C &c, const PropertyValue &v) { (c.*set)(E(std::get<std::int32_t>(v))); },
            std::move(stored)};
}

// The pop-up menu is wired by the program itself after reading, so the stored name is not applied.
template <class C> PropertyRow<C> popupMenu()
{
    return {"PopupMenu",
            PropertyKind::MenuReference,
            {},
            [](const C &c) { return PropertyValue(c.PopupMenu()); },
            [](C &, const PropertyValue &) {},
            [](const C &c) { return !c.PopupMenu().isEmpty(); }};
}

template <class C> PropertyRow<C> bitmapData(std::function<void(C &, const QImage &)> load)
{
    return {"Bitmap.Data",
            PropertyKind::Bitmap,
            {},
            [](const C &c) { return PropertyValue(c.Bitmap()); },
            [load](C &c, const PropertyValue &v) { load(c, std::get<QImage>(v)); },
            [](const C &c) { return !c.Bitmap().isNull(); }};
}

// The source of a vector picture, written only while the picture is drawn from it.
template <class C> PropertyRow<C> svgData(Stored<C> vectorPicture)
{
    return {"SvgData",
            PropertyKind::Bytes,
            {},
            [](const C &c) { return PropertyValue(c.SvgData()); },
            [](C &c, const PropertyValue &v) { c.SetSvgData(std::get<QByteArray>(v)); },
            [vectorPicture](const C &c) { return !c.SvgData().isEmpty() && vectorPicture(c); }};
}

template <class C, class T> Stored<C> unless(T (C::*get)() const, T value)
{
    return [get, value](const C &c) { return (c.*get)() != value; };
}

// A font field: written only when the object has a font of its own; reading one gives it one.
template <class Field>
PropertyRow<TVkDragLabel> fontField(const char *name, PropertyKind kind, Field CardFont::*field,
                                    Stored<TVkDragLabel> stored = {}, names::MemberNames members = {})
{
    auto ownFont = [stored](const TVkDragLabel &o) { return !o.ParentFont() && (!stored || stored(o)); };
    return {name,
            kind,
            members,
            [field](const TVkDragLabel &o) {
                if constexpr (std::is_same_v<Field, QString>)
                    return PropertyValue(o.Font().*field);
                else
                    return PropertyValue(std::int32_t(o.Font().*field));
            },
            [field](TVkDragLabel &o, const PropertyValue &v) {
                CardFont font = o.Font();
                if constexpr (std::is_same_v<Field, QString>)
                    font.*field = std::get<QString>(v);
                else
                    font.*field = Field(std::get<std::int32_t>(v));
                o.SetFont(font);
            },
            ownFont};
}

// A face named "@Face" is the vertical setting of Face, as Windows names it: the object takes Face
// and sets its text vertically.
PropertyRow<TVkDragLabel> fontName()
{
    PropertyRow<TVkDragLabel> row = fontField("Font.Name", PropertyKind::Text, &CardFont::Name,
                                              [](const TVkDragLabel &o) { return !o.Font().Name.isEmpty(); });
    row.set = [](TVkDragLabel &o, const PropertyValue &v) {
        const QString &name = std::get<QString>(v);
        CardFont font = o.Font();
        font.Name = name.startsWith(u'@') ? name.mid(1) : name;
        o.SetFont(font);
        if (name.startsWith(u'@'))
            o.SetVertical(true);
    };
    return row;
}

// An own font's name is written only when it is not empty, always after its character set, which
// an own font always writes: a font read without a name has none.
PropertyRow<TVkDragLabel> fontCharset()
{
    PropertyRow<TVkDragLabel> row = fontField("Font.Charset", PropertyKind::Charset, &CardFont::Charset);
    row.set = [](TVkDragLabel &o, const PropertyValue &v) {
        CardFont font = o.Font();
        font.Charset = std::get<std::int32_t>(v);
        font.Name.clear();
        o.SetFont(font);
    };
    return row;
}

using Panel = TVkVellumPanel;
using Label = TVkDragLabel;

} // namespace

const PropertyTable<TVkVellumPanel> &SurfaceProperties()
{
    static const PropertyTable<Panel> table = {
        integer<Panel>("Tag", &Panel::Tag, &Panel::SetTag, unless(&Panel::Tag, 0)),
        integer<Panel>("Left", &Panel::Left, &Panel::SetLeft),
        integer<Panel>("Top", &Panel::Top, &Panel::SetTop),
        integer<Panel>("Width", &Panel::Width, &Panel::SetWidth),
        integer<Panel>("Height", &Panel::Height, &Panel::SetHeight),
        cursor<Panel>("Cursor", &Panel::Cursor, &Panel::SetCursor, unless(&Panel::Cursor, int(crDefault))),
        text<Panel>("Hint", &Panel::Hint, &Panel::SetHint,
                    [](const Panel &p) { return !p.Hint().isEmpty(); }),
        integer<Panel>("HelpContext", &Panel::HelpContext, &Panel::SetHelpContext,
                       unless(&Panel::HelpContext, 0)),
        boolean<Panel>("MouseCapture", &Panel::MouseCapture, &Panel::SetMouseCapture),
        popupMenu<Panel>(),
        color<Panel>("Color", &Panel::Color, &Panel::SetColor, unless(&Panel::Color, clBtnFace)),
        // The card's background is opaque: the fourth byte of a 32-bit picture is not its alpha.
        bitmapData<Panel>([](Panel &p, const QImage &picture) { p.SetBitmap(OpaquePicture(picture)); }),
        boolean<Panel>("ShowGrid", &Panel::ShowGrid, &Panel::SetShowGrid),
        integer<Panel>("GridSize", &Panel::GridSize, &Panel::SetGridSize),
        boolean<Panel>("FixedGrid", &Panel::FixedGrid, &Panel::SetFixedGrid),
        enumeration<Panel>("GridStyle", &Panel::GridStyle, &Panel::SetGridStyle, names::kGridStyles),
        svgData<Panel>([](const Panel &p) { return !p.Bitmap().isNull(); }),
        // Beyond the properties above: written only for an upright card, so a card across is the
        // same bytes as before.
        enumeration<Panel>("Orientation", &Panel::Orientation, &Panel::SetOrientation,
                           names::kCardOrientations, unless(&Panel::Orientation, coLandscape)),
    };
    return table;
}

const PropertyTable<TVkDragLabel> &DragLabelProperties()
{
    static const PropertyTable<Label> table = {
        integer<Label>("Tag", &Label::Tag, &Label::SetTag, unless(&Label::Tag, 0)),
        integer<Label>("Left", &Label::Left, &Label::SetLeft),
        integer<Label>("Top", &Label::Top, &Label::SetTop),
        integer<Label>("Width", &Label::Width, &Label::SetWidth),
        integer<Label>("Height", &Label::Height, &Label::SetHeight),
        cursor<Label>("Cursor", &Label::Cursor, &Label::SetCursor, unless(&Label::Cursor, int(crDefault))),
        text<Label>("Hint", &Label::Hint, &Label::SetHint,
                    [](const Label &o) { return !o.Hint().isEmpty(); }),
        enumeration<Label>("Align", &Label::Align, &Label::SetAlign, names::kAligns,
                           unless(&Label::Align, alNone)),
        boolean<Label>("Visible", &Label::Visible, &Label::SetVisible, unless(&Label::Visible, true)),
        color<Label>("Color", &Label::Color, &Label::SetColor,
                     [](const Label &o) { return !o.ParentColor() && o.Color() != clWindow; }),
        cursor<Label>("DragCursor", &Label::DragCursor, &Label::SetDragCursor,
                      unless(&Label::DragCursor, int(crDrag))),
        enumeration<Label>("DragMode", &Label::DragMode, &Label::SetDragMode, names::kDragModes,
                           unless(&Label::DragMode, dmManual)),
        fontCharset(),
        fontField("Font.Color", PropertyKind::Color, &CardFont::Color),
        fontField("Font.Height", PropertyKind::Integer, &CardFont::Height),
        fontName(),
        fontField(
            "Font.Pitch", PropertyKind::Enumeration, &CardFont::Pitch,
            [](const Label &o) { return o.Font().Pitch != fpDefault; }, names::kFontPitches),
        fontField("Font.Style", PropertyKind::Set, &CardFont::Style, {}, names::kFontStyles),
        boolean<Label>("MouseCapture", &Label::MouseCapture, &Label::SetMouseCapture),
        popupMenu<Label>(),
        boolean<Label>("ParentShowHint", &Label::ParentShowHint, &Label::SetParentShowHint,
                       unless(&Label::ParentShowHint, true)),
        boolean<Label>("ShowHint", &Label::ShowHint, &Label::SetShowHint,
                       [](const Label &o) { return !o.ParentShowHint(); }),
        color<Label>("FrameColor", &Label::FrameColor, &Label::SetFrameColor),
        integer<Label>("FrameWidth", &Label::FrameWidth, &Label::SetFrameWidth),
        enumeration<Label>("FrameStyle", &Label::FrameStyle, &Label::SetFrameStyle, names::kPenStyles),
        {"Caption.Strings",
         PropertyKind::Lines,
         {},
         [](const Label &o) { return PropertyValue(o.Caption()); },
         [](Label &o, const PropertyValue &v) { o.LoadCaption(std::get<QStringList>(v)); },
         [](const Label &o) { return !o.Caption().isEmpty(); }},
        boolean<Label>("AutoSize", &Label::AutoSize, &Label::SetAutoSize),
        boolean<Label>("Selected", &Label::Selected, &Label::SetSelected),
        bitmapData<Label>(&Label::LoadBitmap),
        boolean<Label>("AntiAlias", &Label::AntiAlias, &Label::SetAntiAlias),
        integer<Label>("AlphaChannel", &Label::AlphaChannel, &Label::SetAlphaChannel),
        enumeration<Label>("DrawMode", &Label::DrawMode, &Label::SetDrawMode, names::kDrawModes),
        integer<Label>("PenWidth", &Label::PenWidth, &Label::SetPenWidth),
        boolean<Label>("FillDraw", &Label::FillDraw, &Label::SetFillDraw),
        color<Label>("BrushColor", &Label::BrushColor, &Label::SetBrushColor),
        // Properties beyond those above: a reader that knows only those stops reading the card at
        // the first object holding one, so they are written only when they differ from their
        // defaults.
        boolean<Label>("Vertical", &Label::Vertical, &Label::SetVertical, unless(&Label::Vertical, false)),
        enumeration<Label>("Alignment", &Label::Alignment, &Label::SetAlignment, names::kTextAlignments,
                           unless(&Label::Alignment, taLeftJustify)),
        integer<Label>("LineSpacing", &Label::LineSpacing, &Label::SetLineSpacing,
                       unless(&Label::LineSpacing, 100)),
        integer<Label>("LetterSpacing", &Label::LetterSpacing, &Label::SetLetterSpacing,
                       unless(&Label::LetterSpacing, 0)),
        boolean<Label>("UprightDigits", &Label::UprightDigits, &Label::SetUprightDigits,
                       unless(&Label::UprightDigits, false)),
        boolean<Label>("PictureAlpha", &Label::PictureAlpha, &Label::MarkPictureAlpha,
                       [](const Label &o) { return o.PictureAlpha(); }),
        svgData<Label>([](const Label &o) { return o.IsVectorPicture(); }),
        {"QrText",
         PropertyKind::Utf8Text,
         {},
         [](const Label &o) { return PropertyValue(o.QrText()); },
         [](Label &o, const PropertyValue &v) { o.SetQrText(std::get<QString>(v)); },
         [](const Label &o) { return o.IsQrCode(); }},
        enumeration<Label>("QrLevel", &Label::QrLevel, &Label::SetQrLevel, names::kQrLevels,
                           [](const Label &o) { return o.IsQrCode() && o.QrLevel() != qlMedium; }),
        integer<Label>(
            "QrQuietZone", &Label::QrQuietZone, &Label::SetQrQuietZone,
            [](const Label &o) { return o.IsQrCode() && o.QrQuietZone() != kQrStandardQuietZone; }),
        integer<Label>("Rotation", &Label::Rotation, &Label::SetRotation, unless(&Label::Rotation, 0)),
        // Text lines whole, when the code page cannot hold them: "Caption.Strings" then holds
        // them with the unstorable mark in place of what it cannot hold, for readers of that alone.
        {"CaptionUtf8",
         PropertyKind::Utf8Text,
         {},
         [](const Label &o) { return PropertyValue(o.Caption().join(u'\n')); },
         [](Label &o, const PropertyValue &v) { o.LoadCaption(std::get<QString>(v).split(u'\n')); },
         [](const Label &o) { return !o.Caption().isEmpty() && !Cp932::Holds(o.Caption().join(u'\n')); }},
    };
    return table;
}

void CopySurfaceProperties(const TVkVellumPanel &from, TVkVellumPanel &to)
{
    to.SetName(from.Name());
    for (const PropertyRow<TVkVellumPanel> &row : SurfaceProperties())
        row.set(to, row.get(from));
}

void CopyDragLabelProperties(const TVkDragLabel &from, TVkDragLabel &to, std::span<const char *const> leftOut)
{
    to.BeginReading();
    for (const PropertyRow<TVkDragLabel> &row : DragLabelProperties()) {
        const bool named =
            std::ranges::any_of(leftOut, [&row](const char *name) { return qstrcmp(name, row.name) == 0; });
        if (!named && (!row.stored || row.stored(from)))
            row.set(to, row.get(from));
    }
    to.Loaded();
    to.SetKind(from.Kind());
}
