#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/document/CardStreamProperties.h"
#include "model/document/UndoHistory.h"
#include "model/edit/ArrangeObjects.h"
#include "model/edit/ObjectClipboard.h"

#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

// Duplicate, paste and undo copy a card object through the document's property table. Every row of
// the table has a value here unlike a new object's; a row added to the table without one fails
// the first test, and is then checked to be copied like every other.

namespace {

const QByteArray kSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="6" height="4">
<rect width="6" height="4" fill="#0a0"/></svg>)";

QImage halfTransparent()
{
    QImage picture(6, 4, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 30, 30, 128));
    return picture;
}

// Each stored property's value, unlike that of a new object.
const std::map<QString, PropertyValue> &testValues()
{
    static const std::map<QString, PropertyValue> values = {
        {"Tag", 35},
        {"Left", 30},
        {"Top", 40},
        {"Width", 200},
        {"Height", 120},
        {"Cursor", std::int32_t(crArrow)},
        {"Hint", QStringLiteral("名刺の説明")},
        {"Align", std::int32_t(alTop)},
        {"Visible", false},
        {"Color", 0x00336699},
        {"DragCursor", std::int32_t(crHourGlass)},
        {"DragMode", std::int32_t(dmAutomatic)},
        {"Font.Charset", DEFAULT_CHARSET},
        {"Font.Color", 0x000000FF},
        {"Font.Height", -24},
        {"Font.Name", QStringLiteral("ＭＳ 明朝")},
        {"Font.Pitch", std::int32_t(fpFixed)},
        {"Font.Style", std::int32_t(fsBold | fsUnderline)},
        {"MouseCapture", true},
        {"PopupMenu", QStringLiteral("frmMain.Popup1")},
        {"ParentShowHint", false},
        {"ShowHint", true},
        {"FrameColor", 0x000000FF},
        {"FrameWidth", 3},
        {"FrameStyle", std::int32_t(psDash)},
        {"Caption.Strings", QStringList{QStringLiteral("山田 太郎"), QStringLiteral("営業部")}},
        {"AutoSize", true},
        {"Selected", true},
        {"Bitmap.Data", halfTransparent()},
        {"AntiAlias", true},
        {"AlphaChannel", 60},
        {"DrawMode", std::int32_t(dmCircle)},
        {"PenWidth", 4},
        {"FillDraw", true},
        {"BrushColor", 0x0000FF00},
        {"Vertical", true},
        {"Alignment", std::int32_t(taCenter)},
        {"LineSpacing", 150},
        {"LetterSpacing", 15},
        {"UprightDigits", true},
        {"PictureAlpha", true},
        {"SvgData", kSvg},
        {"QrText", QStringLiteral("https://example.jp/山田")},
        {"QrLevel", std::int32_t(qlHigh)},
        {"QrQuietZone", 2},
        {"Rotation", 90},
        {"CaptionUtf8", QStringLiteral("山田 太郎\n😀")},
    };
    return values;
}

constexpr CardObjectKind kKinds[] = {CardObjectKind::Text, CardObjectKind::Shape, CardObjectKind::Picture,
                                     CardObjectKind::QrCode, CardObjectKind::VectorPicture};

bool isPicture(CardObjectKind kind)
{
    return kind == CardObjectKind::Picture || kind == CardObjectKind::QrCode ||
           kind == CardObjectKind::VectorPicture;
}

// Rows that would make an object of one kind another, or that only one kind stores.
bool belongsTo(const QString &row, CardObjectKind kind)
{
    if (row == QLatin1String("DrawMode"))
        return kind == CardObjectKind::Shape;
    if (row == QLatin1String("Bitmap.Data") || row == QLatin1String("PictureAlpha"))
        return isPicture(kind);
    if (row == QLatin1String("SvgData"))
        return kind == CardObjectKind::VectorPicture;
    if (row.startsWith(QLatin1String("Qr")))
        return kind == CardObjectKind::QrCode;
    return true;
}

// An object of the kind with every property that belongs to it set unlike a new object's.
TVkDragLabel objectOf(CardObjectKind kind)
{
    TVkDragLabel object;
    for (const PropertyRow<TVkDragLabel> &row : DragLabelProperties()) {
        if (belongsTo(row.name, kind))
            row.set(object, testValues().at(row.name));
    }
    // Reading a document leaves the menu to the program, so its row sets nothing.
    object.SetPopupMenu(std::get<QString>(testValues().at("PopupMenu")));
    object.SetKind(kind);
    return object;
}

void expectEqual(const TVkDragLabel &read, const TVkDragLabel &expected)
{
    for (const PropertyRow<TVkDragLabel> &row : DragLabelProperties())
        EXPECT_TRUE(row.get(read) == row.get(expected)) << row.name;
    EXPECT_EQ(read.Kind(), expected.Kind());
    EXPECT_TRUE(read == expected);
}

} // namespace

TEST(CardObjectCopy, EveryStoredPropertyHasAValueUnlikeANewObjects)
{
    const TVkDragLabel fresh;
    std::set<QString> rows;
    for (const PropertyRow<TVkDragLabel> &row : DragLabelProperties()) {
        rows.insert(row.name);
        ASSERT_TRUE(testValues().contains(row.name)) << row.name << " has no test value";
        if (qstrcmp(row.name, "PopupMenu") == 0)
            continue;
        const CardObjectKind kind =
            *std::ranges::find_if(kKinds, [&row](CardObjectKind k) { return belongsTo(row.name, k); });
        EXPECT_FALSE(row.get(objectOf(kind)) == row.get(fresh)) << row.name;
    }
    EXPECT_EQ(rows.size(), testValues().size());
    for (const char *name : PropertiesNotDuplicated())
        EXPECT_TRUE(rows.contains(name)) << name;
}

TEST(CardObjectCopy, DuplicateCopiesEveryStoredPropertyButTheNamedOnes)
{
    const TVkDragLabel fresh;
    for (CardObjectKind kind : kKinds) {
        SCOPED_TRACE(int(kind));
        TVkVellumPanel surface;
        surface.SetBounds(0, 0, 455, 275);
        TVkDragLabel &source = surface.AddObject(std::make_unique<TVkDragLabel>(objectOf(kind)));
        TVkDragLabel expected = source;
        for (const PropertyRow<TVkDragLabel> &row : DragLabelProperties()) {
            if (std::ranges::any_of(PropertiesNotDuplicated(),
                                    [&row](const char *name) { return qstrcmp(name, row.name) == 0; }))
                row.set(expected, row.get(fresh));
        }
        expected.SetSelected(true);
        expected.SetBounds(source.Left() + 10, source.Top() + 10, source.Width(), source.Height());

        const TVkDragLabel *copy = DuplicateSelectedObjects(surface, {});
        ASSERT_EQ(surface.ObjectCount(), 2);
        ASSERT_EQ(copy, &surface.Object(1));
        EXPECT_FALSE(source.Selected());
        expectEqual(*copy, expected);
    }
}

TEST(CardObjectCopy, AVerticalTextAtOneAndAHalfLinesIsDuplicatedAsItIs)
{
    TVkVellumPanel surface;
    surface.SetBounds(0, 0, 455, 275);
    TVkDragLabel &text = surface.AddObject(std::make_unique<TVkDragLabel>());
    text.SetCaption({QStringLiteral("山田"), QStringLiteral("太郎")});
    text.SetVertical(true);
    text.SetLineSpacing(150);
    text.SetSelected(true);
    const TVkDragLabel &copy = *DuplicateSelectedObjects(surface, {});
    EXPECT_TRUE(copy.Vertical());
    EXPECT_EQ(copy.LineSpacing(), 150);
    EXPECT_TRUE(copy.IsText());
}

TEST(CardObjectCopy, PasteGivesBackAnEqualObject)
{
    for (CardObjectKind kind : kKinds) {
        SCOPED_TRACE(int(kind));
        TVkVellumPanel surface;
        surface.SetBounds(0, 0, 455, 275);
        TVkDragLabel *source = &surface.AddObject(std::make_unique<TVkDragLabel>(objectOf(kind)));
        const std::unique_ptr<QMimeData> data = CardObjectsMimeData(surface, std::span(&source, 1));
        const ClipboardContent pasted = ReadClipboardContent(*data);
        ASSERT_EQ(pasted.Objects.size(), 1u);
        TVkDragLabel expected = *source;
        expected.SetPopupMenu(QString()); // the program gives a pasted object its menu
        expectEqual(*pasted.Objects[0], expected);
    }
}

TEST(CardObjectCopy, UndoGivesBackAnEqualObject)
{
    for (CardObjectKind kind : kKinds) {
        SCOPED_TRACE(int(kind));
        TVkVellumPanel surface;
        surface.SetBounds(0, 0, 455, 275);
        TCardDef cardDef{};
        cardDef.CardSizeX = 910;
        cardDef.CardSizeY = 550;
        TVkDragLabel &source = surface.AddObject(std::make_unique<TVkDragLabel>(objectOf(kind)));
        TVkDragLabel expected = source;
        UndoHistory history;
        history.TakeUndoSnapshot(surface, cardDef);
        surface.ClearObjects();
        ASSERT_TRUE(history.Undo(surface, cardDef, {}));
        ASSERT_EQ(surface.ObjectCount(), 1);
        // A card read back has no selection; the program gives each object its menu.
        expected.SetSelected(false);
        expected.SetPopupMenu(QString());
        expectEqual(surface.Object(0), expected);
    }
}

TEST(CardObjectCopy, AnObjectFollowingItsCardsColourTakesTheColourOfTheCardItIsOn)
{
    TVkVellumPanel front;
    front.SetColor(clRed);
    TVkDragLabel &shape = front.AddObject(std::make_unique<TVkDragLabel>());
    shape.SetDrawMode(dmRectangle);
    TVkDragLabel &own = front.AddObject(std::make_unique<TVkDragLabel>());
    own.SetColor(TColor(0x00FF00));
    EXPECT_EQ(shape.Color(), clRed);
    front.SetColor(TColor(0xFF0000));
    EXPECT_EQ(shape.Color(), TColor(0xFF0000));
    EXPECT_EQ(own.Color(), TColor(0x00FF00));

    TVkVellumPanel back;
    back.SetColor(TColor(0x00FFFF));
    const TVkDragLabel &copy = back.AddObject(std::make_unique<TVkDragLabel>(shape));
    EXPECT_EQ(copy.Color(), TColor(0x00FFFF));
    EXPECT_TRUE(copy.ParentColor());

    // Each card repaints what its own objects ask for, and nothing for an object it let go.
    std::vector<QRect> repainted;
    front.OnRepaintRequested = [&repainted](const QRect &rect) { repainted.push_back(rect); };
    shape.SetBounds(10, 20, 30, 40);
    EXPECT_EQ(repainted.back(), QRect(10, 20, 30, 40));
    std::unique_ptr<TVkDragLabel> taken = front.TakeObject(&shape);
    repainted.clear();
    taken->SetTag(5);
    EXPECT_TRUE(repainted.empty());
}
