#pragma once

#include "model/card/CardDrawing.h"
#include "model/card/CardFont.h"
#include "model/card/CardObjectKind.h"
#include "model/card/CardTypes.h"
#include "model/card/HeldObject.h"
#include "model/card/ReachableRect.h"
#include "model/card/StretchCache.h"
#include "model/card/TextEffectCache.h"
#include "model/card/TextLayoutCache.h"
#include "model/card/TextStyle.h"
#include "model/card/ZoomedTextCache.h"
#include "model/picture/SvgPicture.h"
#include "model/platform/TColor.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class FieldValues;
class QPainter;

// Everything placed on a card: a text, a shape or a picture of one of three kinds, as its Kind says.
// The object has no window of its own: the card surface owns it and paints it; the card view moves
// it with the mouse. Positions and sizes are card-surface pixels (5 per millimetre). Every property
// a document stores is reachable here, so the document stream, undo and duplication copy an object
// through its properties alone.
class TVkDragLabel {
public:
    using Event = std::function<void(TVkDragLabel &)>;
    // Text and pictures keep this far from the object's edges, in surface or device pixels.
    static constexpr int kContentInset = 2;

    TVkDragLabel();
    ~TVkDragLabel();
    // An object is a value: a copy and a comparison take its kind, place and every property, not
    // its surface, handlers, mouse state or drawing caches. An object assigned to keeps its surface.
    TVkDragLabel(const TVkDragLabel &other);
    TVkDragLabel &operator=(const TVkDragLabel &other);
    bool operator==(const TVkDragLabel &other) const;

    // --- Where it sits.
    // Any int a document holds; the rectangle drawing and hit testing use is brought within reach.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    QRect BoundsRect() const { return ReachableRect(left_, top_, width_, height_); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    // --- Inherited control properties that documents store.
    const QString &Name() const { return name_; }
    void SetName(const QString &name) { name_ = name; }
    int Tag() const { return tag_; } // corner radius of a rounded rectangle, 0.1 mm
    void SetTag(int tag);
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { cursor_ = cursor; }
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &hint) { hint_ = hint; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // The pen colour of a shape. Until set, the object follows the colour of the card it is on,
    // which the card hands it through FollowParentColor.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void FollowParentColor(TColor color);
    int DragCursor() const { return dragCursor_; }
    void SetDragCursor(int cursor) { dragCursor_ = cursor; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    // Until set, the object draws in the main window's font and documents store no font.
    const CardFont &Font() const { return font_; }
    void SetFont(const CardFont &font);
    bool ParentFont() const { return parentFont_; }
    bool MouseCapture() const { return mouseCapture_; }
    void SetMouseCapture(bool capture) { mouseCapture_ = capture; }
    const QString &PopupMenu() const { return popupMenu_; } // "frmMain.Popup1" once wired
    void SetPopupMenu(const QString &menu) { popupMenu_ = menu; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value) { parentShowHint_ = value; }
    bool ShowHint() const { return showHint_; }
    // An object given its own ShowHint stops following its parent's, as every control does.
    void SetShowHint(bool value)
    {
        showHint_ = value;
        parentShowHint_ = false;
    }

    // --- Own published properties; each setter follows the object's assignment rules.
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color);
    int FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(int width);
    TPenStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TPenStyle style);
    const QStringList &Caption() const { return caption_; }
    void SetCaption(const QStringList &lines);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    const QImage &Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage &bitmap);
    bool BitmapMode() const { return !bitmap_.isNull(); }
    bool AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(bool antiAlias);
    int AlphaChannel() const { return alphaChannel_; }
    void SetAlphaChannel(int alpha);
    TDrawMode DrawMode() const { return drawMode_; }
    void SetDrawMode(TDrawMode mode);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    bool FillDraw() const { return fillDraw_; }
    void SetFillDraw(bool fill);
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color);
    // Clockwise quarter turns of a picture or a text, in degrees: 0, 90, 180 or 270. The bounds are
    // those of the turned object; other values are taken to the nearest quarter turn. Shapes are
    // turned through their size and kind instead, which every reader of documents knows.
    int Rotation() const { return rotation_; }
    void SetRotation(int degrees);

    // How text is set: writing direction, alignment and spacing. Each setter keeps its value in
    // the style's range.
    const TextStyle &Typesetting() const { return textStyle_; }
    void SetTypesetting(const TextStyle &style);
    bool Vertical() const { return textStyle_.Vertical; }
    void SetVertical(bool vertical);
    TTextAlignment Alignment() const { return textStyle_.Alignment; }
    void SetAlignment(TTextAlignment alignment);
    int LineSpacing() const { return textStyle_.LineSpacing; }
    void SetLineSpacing(int percent);
    int LetterSpacing() const { return textStyle_.LetterSpacing; }
    void SetLetterSpacing(int tenthsOfPoint);
    bool UprightDigits() const { return textStyle_.UprightDigits; }
    void SetUprightDigits(bool upright);

    // Reading a document fills the caption and the picture directly, without the selection
    // change and the picture dropped that the setters make.
    void LoadCaption(const QStringList &lines);
    void LoadBitmap(const QImage &bitmap);

    // --- Pictures beyond the bitmap. Bitmap always holds a picture of the object, so that any
    // reader of the document shows it; these say how the program itself draws it.
    // A picture whose bitmap has an alpha channel is blended over what lies beneath it.
    bool PictureAlpha() const { return bitmap_.hasAlphaChannel(); }
    // The SVG file a picture was made from; while set, the picture is drawn from it as vectors.
    const QByteArray &SvgData() const { return svg_.Source(); }
    void SetSvgData(const QByteArray &svg);
    // A QR code keeps the text it encodes, its error correction level and its quiet zone (in
    // modules); its bitmap holds the modules, one pixel each, which are drawn as exact squares.
    const QString &QrText() const { return qrText_; }
    void SetQrText(const QString &text);
    TQrLevel QrLevel() const { return qrLevel_; }
    void SetQrLevel(TQrLevel level);
    int QrQuietZone() const { return qrQuietZone_; }
    void SetQrQuietZone(int modules);

    // Reading a document: a 32-bit picture keeps its alpha only when the document marks it, and
    // the kind follows from what the document holds; Loaded() settles both once every stored
    // property has been read. Between BeginReading() and Loaded() auto-size waits, so that an
    // object is measured once rather than for each property read.
    void BeginReading() { reading_ = true; }
    void MarkPictureAlpha(bool marked) { pictureAlphaMarked_ = marked; }
    void Loaded();

    // --- Kinds. A new object is a text. Besides SetKind, a picture given to a text or a shape
    // makes it a picture, a draw mode turns a text into a shape and dmNone a shape into a text,
    // and a caption given to a picture makes it a text again.
    CardObjectKind Kind() const { return kind_; }
    void SetKind(CardObjectKind kind);
    bool IsText() const { return kind_ == CardObjectKind::Text; }
    bool IsShape() const { return kind_ == CardObjectKind::Shape; }
    bool IsPicture() const { return IsQrCode() || IsVectorPicture() || kind_ == CardObjectKind::Picture; }
    // Kinds of picture.
    bool IsQrCode() const { return kind_ == CardObjectKind::QrCode; }
    bool IsVectorPicture() const { return kind_ == CardObjectKind::VectorPicture; }

    // Natural size: the picture's size, or the extent of the caption in the font; shapes have none.
    // With a merge record, the size of the lines or the code the record fills in.
    QSize MeasureContent(const FieldValues *record = nullptr) const;
    // Sizes a picture or text whose AutoSize is on to its content and margins. Every change of what
    // it measures does this, and so does any new size given to it, so drawing finds it settled.
    void ApplyAutoSize();
    // Where the object is drawn for a merge record: its bounds, or with AutoSize on, its place at
    // the size of what the record fills in.
    QRect ShownRect(const FieldValues *record) const;

    // --- Drawing. Draw is the object's one drawing, onto any painter, as `how` says (see
    // CardDrawing), with its top-left corner at `at`: in surface pixels for the Surface and Zoomed
    // rules, in device pixels on a Device page, where the sheet places each card's objects. It draws
    // the content alone and changes nothing; the Surface rule needs a painter on an image with no
    // transform. DrawTo draws onto an image at surface pixels. Paint and PaintZoomed draw as the
    // card view shows the object, with its selection marks and as the view draws it while held,
    // clipped to its rectangle and to the view's dirty area.
    void Draw(QPainter &canvas, QPoint at, const CardDrawing &how) const;
    void DrawTo(QImage &canvas, int x, int y, const FieldValues *record = nullptr) const;
    void Paint(QImage &surfaceImage, const QRect &dirty = QRect(), const HeldObject &held = {},
               const FieldValues *record = nullptr) const;
    // Paint at a zoom: see TVkVellumPanel::PaintZoomed.
    void PaintZoomed(QPainter &canvas, const QRect &area, double scale, double markScale,
                     const HeldObject &held = {}, const FieldValues *record = nullptr) const;

    // --- Events; each carries the object.
    Event OnSelected; // Selected becomes true; raised before the value is stored

    // Asks whoever shows the object to repaint its rectangle: the card sets the handler when it
    // takes the object and clears it when it lets go.
    std::function<void(const QRect &)> OnRepaintRequested;
    void Invalidate();

private:
    template <class Self> static auto values(Self &object);
    void kindAfterPicture();
    CardObjectKind kindOfStoredProperties() const;
    template <typename T> void setTextStyleField(T TextStyle::*field, T value);
    QSize autoSized(const QSize &natural) const; // the bounds' size AutoSize gives
    // What the object shows for a merge record: the lines of its text, the modules of its code.
    struct Shown {
        QStringList lines;
        QImage picture;
    };
    Shown shownFor(const FieldValues *record) const;
    QSize measure(const Shown &shown) const;
    QSize shownSize(const Shown &shown, const FieldValues *record) const;
    // A plain drawing leaves out the text's opacity and edge smoothing.
    static QRect surfaceClip(const QPainter &canvas);
    void drawSurface(QPainter &canvas, const QRect &box, bool plain, const Shown &shown) const;
    void drawSurfaceUnturned(QPainter &canvas, const QRect &box, bool plain, const Shown &shown) const;
    void drawSurfaceTurned(QPainter &canvas, const QRect &box, bool plain, const Shown &content) const;
    void drawText(QPainter &canvas, const QRect &box, bool plain, const QStringList &lines) const;
    void drawTextEffects(QPainter &canvas, const QRect &box, const QRect &visible,
                         TextEffectCache::Recipe recipe, const QStringList &lines) const;
    void drawZoomed(QPainter &canvas, const QRect &box, double scale, bool plain, const Shown &shown) const;
    void drawOnDevice(QPainter &canvas, const QRect &box, double scale, const Shown &shown) const;
    void drawPicture(QPainter &canvas, const QRect &box, const QImage &picture) const;
    // The marks over the object's rectangle box on the canvas; mark is one screen pixel in canvas
    // pixels, so that the marks keep their size on screen at any zoom.
    void drawDragOutline(QPainter &canvas, const QRect &box, int mark) const;
    void drawSelectionMarks(QPainter &canvas, const QRect &box, int mark) const;

    CardObjectKind kind_ = CardObjectKind::Text;
    int left_ = 0, top_ = 0, width_ = 100, height_ = 100;

    QString name_;
    int tag_ = 0;
    int cursor_ = crDefault;
    QString hint_;
    TAlign align_ = alNone;
    bool visible_ = true;
    TColor color_ = clWhite;
    bool parentColor_ = true;
    int dragCursor_ = crDrag;
    TDragMode dragMode_ = dmManual;
    CardFont font_;
    bool parentFont_ = true;
    bool mouseCapture_ = false;
    QString popupMenu_;
    bool parentShowHint_ = true;
    bool showHint_ = false;

    TColor frameColor_ = clBlack;
    int frameWidth_ = 0;
    TPenStyle frameStyle_ = psSolid;
    QStringList caption_;
    bool autoSize_ = false;
    bool selected_ = false;
    QImage bitmap_;
    bool antiAlias_ = false;
    int alphaChannel_ = 100;
    TDrawMode drawMode_ = dmNone;
    int penWidth_ = 0;
    bool fillDraw_ = false;
    TColor brushColor_ = clBlack;
    TextStyle textStyle_;
    SvgPicture svg_;
    QString qrText_;
    TQrLevel qrLevel_ = qlMedium;
    int qrQuietZone_ = kQrStandardQuietZone;
    bool pictureAlphaMarked_ = false;
    bool reading_ = false;
    int rotation_ = 0;

    // Work images of the text effects (composite, mask, smoothed); emptied after each drawing.
    mutable QImage compositeImage_, maskImage_, smoothImage_;
    // The effects' last result, drawn again while nothing under the text changes.
    mutable TextEffectCache textEffects_;
    // The picture stretched to its place, reused while neither changes.
    mutable StretchCache pictureCache_;
    // The text laid out, reused while neither the text nor its look changes.
    mutable TextLayoutCache textLayouts_;
    mutable ZoomedTextCache zoomedText_;
};
