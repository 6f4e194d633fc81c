#include "model/card/TVkDragLabel.h"

#include "model/picture/PictureAlpha.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

TVkDragLabel::TVkDragLabel() = default;
TVkDragLabel::~TVkDragLabel() = default;

// The members that make the object's value, in declaration order; a new one belongs here.
template <class Self> auto TVkDragLabel::values(Self &o)
{
    return std::tie(o.kind_, o.left_, o.top_, o.width_, o.height_, o.name_, o.tag_, o.cursor_, o.hint_,
                    o.align_, o.visible_, o.color_, o.parentColor_, o.dragCursor_, o.dragMode_, o.font_,
                    o.parentFont_, o.mouseCapture_, o.popupMenu_, o.parentShowHint_, o.showHint_,
                    o.frameColor_, o.frameWidth_, o.frameStyle_, o.caption_, o.autoSize_, o.selected_,
                    o.bitmap_, o.antiAlias_, o.alphaChannel_, o.drawMode_, o.penWidth_, o.fillDraw_,
                    o.brushColor_, o.textStyle_, o.svg_, o.qrText_, o.qrLevel_, o.qrQuietZone_, o.rotation_);
}

TVkDragLabel::TVkDragLabel(const TVkDragLabel &other)
{
    values(*this) = values(other);
}

TVkDragLabel &TVkDragLabel::operator=(const TVkDragLabel &other)
{
    if (this == &other)
        return *this;
    Invalidate();
    values(*this) = values(other);
    Invalidate();
    return *this;
}

bool TVkDragLabel::operator==(const TVkDragLabel &other) const
{
    return values(*this) == values(other);
}

void TVkDragLabel::Invalidate()
{
    if (OnRepaintRequested)
        OnRepaintRequested(BoundsRect());
}

void TVkDragLabel::SetBounds(int left, int top, int width, int height)
{
    // An object with AutoSize keeps the size of its content, whatever size it is given.
    if (autoSize_ && drawMode_ == dmNone && !reading_) {
        const QSize natural = autoSized(MeasureContent());
        width = natural.width();
        height = natural.height();
    }
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TVkDragLabel::SetLeft(int left)
{
    SetBounds(left, Top(), Width(), Height());
}

void TVkDragLabel::SetTop(int top)
{
    SetBounds(Left(), top, Width(), Height());
}

void TVkDragLabel::SetWidth(int width)
{
    SetBounds(Left(), Top(), width, Height());
}

void TVkDragLabel::SetHeight(int height)
{
    SetBounds(Left(), Top(), Width(), height);
}

void TVkDragLabel::SetTag(int tag)
{
    if (tag == tag_)
        return;
    tag_ = tag;
    Invalidate();
}

void TVkDragLabel::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Invalidate();
}

void TVkDragLabel::FollowParentColor(TColor color)
{
    if (!parentColor_ || color == color_)
        return;
    color_ = color;
    Invalidate();
}

void TVkDragLabel::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    Invalidate();
}

void TVkDragLabel::SetFont(const CardFont &font)
{
    parentFont_ = false;
    font_ = font;
    Invalidate();
    ApplyAutoSize();
}

namespace {

// The common rule of most own properties: an unchanged value does nothing, a new one repaints.
template <typename T> bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TVkDragLabel::SetTypesetting(const TextStyle &style)
{
    TextStyle kept = style;
    kept.LineSpacing = std::clamp(style.LineSpacing, TextStyle::kMinLineSpacing, TextStyle::kMaxLineSpacing);
    kept.LetterSpacing =
        std::clamp(style.LetterSpacing, TextStyle::kMinLetterSpacing, TextStyle::kMaxLetterSpacing);
    if (!assign(textStyle_, kept))
        return;
    Invalidate();
    ApplyAutoSize();
}

template <typename T> void TVkDragLabel::setTextStyleField(T TextStyle::*field, T value)
{
    TextStyle style = textStyle_;
    style.*field = value;
    SetTypesetting(style);
}

void TVkDragLabel::SetVertical(bool vertical)
{
    setTextStyleField(&TextStyle::Vertical, vertical);
}

void TVkDragLabel::SetAlignment(TTextAlignment alignment)
{
    setTextStyleField(&TextStyle::Alignment, alignment);
}

void TVkDragLabel::SetLineSpacing(int percent)
{
    setTextStyleField(&TextStyle::LineSpacing, percent);
}

void TVkDragLabel::SetLetterSpacing(int tenthsOfPoint)
{
    setTextStyleField(&TextStyle::LetterSpacing, tenthsOfPoint);
}

void TVkDragLabel::SetUprightDigits(bool upright)
{
    setTextStyleField(&TextStyle::UprightDigits, upright);
}

void TVkDragLabel::SetFrameColor(TColor color)
{
    if (assign(frameColor_, color))
        Invalidate();
}

void TVkDragLabel::SetFrameWidth(int width)
{
    if (assign(frameWidth_, width))
        Invalidate();
}

void TVkDragLabel::SetFrameStyle(TPenStyle style)
{
    if (assign(frameStyle_, style))
        Invalidate();
}

void TVkDragLabel::SetRotation(int degrees)
{
    const int quarterTurns = int(std::lround(std::remainder(double(degrees), 360.0) / 90.0));
    if (!assign(rotation_, (quarterTurns + 4) % 4 * 90))
        return;
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::SetAutoSize(bool autoSize)
{
    if (!assign(autoSize_, autoSize))
        return;
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::SetAntiAlias(bool antiAlias)
{
    if (assign(antiAlias_, antiAlias))
        Invalidate();
}

void TVkDragLabel::SetAlphaChannel(int alpha)
{
    if (assign(alphaChannel_, alpha))
        Invalidate();
}

void TVkDragLabel::SetDrawMode(TDrawMode mode)
{
    if (IsText() || IsShape())
        kind_ = mode == dmNone ? CardObjectKind::Text : CardObjectKind::Shape;
    if (!assign(drawMode_, mode))
        return;
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::SetKind(CardObjectKind kind)
{
    if (assign(kind_, kind))
        Invalidate();
}

void TVkDragLabel::kindAfterPicture()
{
    if (!bitmap_.isNull() && (IsText() || IsShape()))
        kind_ = CardObjectKind::Picture;
}

// What the object is, told from what a document holds: a picture when its bitmap holds an image
// (a QR code when it keeps the encoded text, a vector picture when it keeps its SVG file),
// otherwise a shape when its DrawMode is not dmNone, otherwise a text.
CardObjectKind TVkDragLabel::kindOfStoredProperties() const
{
    if (!bitmap_.isNull()) {
        if (!qrText_.isEmpty())
            return CardObjectKind::QrCode;
        return svg_.IsEmpty() ? CardObjectKind::Picture : CardObjectKind::VectorPicture;
    }
    return drawMode_ == dmNone ? CardObjectKind::Text : CardObjectKind::Shape;
}

void TVkDragLabel::SetFillDraw(bool fill)
{
    if (assign(fillDraw_, fill))
        Invalidate();
}

void TVkDragLabel::SetBrushColor(TColor color)
{
    if (assign(brushColor_, color))
        Invalidate();
}

void TVkDragLabel::SetCaption(const QStringList &lines)
{
    if (&lines == &caption_)
        return;
    // Text given to a picture turns it back into a text object.
    if (IsPicture()) {
        SetBitmap(QImage());
        kind_ = CardObjectKind::Text;
    }
    caption_ = lines;
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::SetBitmap(const QImage &bitmap)
{
    bitmap_ = bitmap;
    kindAfterPicture();
    Invalidate();
    ApplyAutoSize();
    SetSelected(true);
}

void TVkDragLabel::LoadCaption(const QStringList &lines)
{
    caption_ = lines;
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::LoadBitmap(const QImage &bitmap)
{
    bitmap_ = bitmap;
    kindAfterPicture();
    Invalidate();
    ApplyAutoSize();
}

void TVkDragLabel::SetSvgData(const QByteArray &svg)
{
    svg_.SetSource(svg);
    Invalidate();
}

void TVkDragLabel::SetQrText(const QString &text)
{
    if (assign(qrText_, text))
        Invalidate();
}

void TVkDragLabel::SetQrLevel(TQrLevel level)
{
    if (assign(qrLevel_, level))
        Invalidate();
}

void TVkDragLabel::SetQrQuietZone(int modules)
{
    if (assign(qrQuietZone_, modules))
        Invalidate();
}

void TVkDragLabel::Loaded()
{
    if (!pictureAlphaMarked_ && bitmap_.hasAlphaChannel())
        bitmap_ = OpaquePicture(bitmap_);
    pictureAlphaMarked_ = false;
    reading_ = false;
    kind_ = kindOfStoredProperties();
    ApplyAutoSize();
}

void TVkDragLabel::SetSelected(bool selected)
{
    if (selected == selected_)
        return;
    if (selected && OnSelected)
        OnSelected(*this);
    selected_ = selected;
    Invalidate();
}

void TVkDragLabel::SetPenWidth(int width)
{
    if (width == penWidth_)
        return;
    penWidth_ = width;
    // A stroke must fit: lines are at least as thick as their pen, other shapes twice the pen.
    switch (drawMode_) {
    case dmLineHorz: SetHeight(std::max(penWidth_, 10)); break;
    case dmLineVert: SetWidth(std::max(penWidth_, 10)); break;
    default: {
        // A document may hold any pen width; twice a huge one stops at the largest size.
        const int twicePen = int(std::clamp<qint64>(2 * qint64(penWidth_), std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
        SetWidth(std::max(twicePen, Width()));
        SetHeight(std::max(twicePen, Height()));
        break;
    }
    }
    Invalidate();
}
