#include "model/document/CardStream.h"
#include "ErrorMessage.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/ComponentStreamWriter.h"
#include "model/document/PictureBudget.h"
#include "model/edit/ObjectDrag.h"
#include "model/picture/BmpCodec.h"
#include "model/platform/VkError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

QByteArray shortString(const QByteArray &text)
{
    return char(text.size()) + text;
}

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

TCardDef cardDef(int widthTenthMm = 910, int heightTenthMm = 550)
{
    TCardDef def{};
    std::strcpy(def.Name, "Standard");
    def.CardSizeX = widthTenthMm;
    def.CardSizeY = heightTenthMm;
    def.Columns = 2;
    def.Lines = 5;
    return def;
}

// The surface as the main window sets it up.
void setUpSurface(TVkVellumPanel &surface)
{
    surface.SetPopupMenu(QStringLiteral("frmMain.Popup2"));
    surface.SetBounds(10, 20, 455, 275);
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

QImage indexed(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    for (int i = 0; i < colors; ++i)
        image.setColor(i, qRgb(i * 15, 255 - i * 15, i * 7));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x * 3 + y) % colors));
    return image;
}

QImage mono(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x ^ y) & 1));
    return image;
}

void expectSamePixels(const QImage &expected, const QImage &actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    EXPECT_EQ(expected.convertToFormat(QImage::Format_RGB32), actual.convertToFormat(QImage::Format_RGB32));
}

// Documents the tests write seed the fuzzer's corpus when CARDSTREAM_CORPUS names a folder.
void keepForCorpus(const QString &name, const QByteArray &document)
{
    const QString folder = qEnvironmentVariable("CARDSTREAM_CORPUS");
    if (folder.isEmpty())
        return;
    QFile file(QDir(folder).filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(document);
}

TVkDragLabel &addObject(TVkVellumPanel &surface)
{
    TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
    object.SetPopupMenu(QStringLiteral("frmMain.Popup1"));
    return object;
}

} // namespace

TEST(CardStreamTest, EmptyWhiteCardIsWrittenByteForByte)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    const TCardDef def = cardDef();
    QByteArray document;
    WriteCardStream(document, surface, def);
    keepForCorpus(QStringLiteral("empty.vkc"), document);

    QByteArray component = "TPF0" + shortString("TVkVellumPanel") + shortString("zzCardBase");
    component += shortString("Left") + QByteArray("\x02\x0A", 2);
    component += shortString("Top") + QByteArray("\x02\x14", 2);
    component += shortString("Width") + QByteArray("\x03\xC7\x01", 3);
    component += shortString("Height") + QByteArray("\x03\x13\x01", 3);
    component += shortString("MouseCapture") + '\x08';
    component += shortString("PopupMenu") + '\x07' + shortString("frmMain.Popup2");
    component += shortString("Color") + '\x07' + shortString("clWhite");
    component += shortString("ShowGrid") + '\x08';
    component += shortString("GridSize") + QByteArray("\x02\x0A", 2);
    component += shortString("FixedGrid") + '\x08';
    component += shortString("GridStyle") + '\x07' + shortString("gsLine");
    component += QByteArray(2, '\0');

    QByteArray expected = QByteArray("Standard") + QByteArray(256 - 8, '\0');
    expected += le32(910) + le32(550) + le32(2) + le32(5) + QByteArray(4 * 4, '\0') + '\0';
    expected += QByteArray("\xFF\x0A\x00"
                           "CARDBASE\x00\x30\x10",
                           14) +
                le32(std::uint32_t(component.size()));
    expected += component;
    EXPECT_EQ(document.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST(CardStreamTest, CardDefinitionIsReadFieldByFieldLittleEndian)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());
    QByteArray header = QByteArray(256, 'n');
    for (const std::uint32_t field : {0x01020304u, 2u, 3u, 4u, 5u, 6u, 7u, 0xFFFFFFF8u})
        header += le32(field);
    header += '\x01';
    document.replace(0, 289, header);

    TVkVellumPanel copy;
    const CardStreamReadResult result = ReadCardStream(document, copy);
    ASSERT_TRUE(result.headerRead);
    const TCardDef &read = result.cardDef;
    EXPECT_EQ(QByteArray(read.Name, 256), QByteArray(256, 'n'));
    EXPECT_EQ(int(read.CardSizeX), 0x01020304);
    EXPECT_EQ(std::vector<int>({read.CardSizeY, read.Columns, read.Lines, read.LeftMargin, read.TopMargin,
                                read.ColumnSpace, read.LineSpace}),
              std::vector<int>({2, 3, 4, 5, 6, 7, -8}));
    EXPECT_EQ(int(read.System), 1);
    QByteArray again;
    WriteCardStream(again, copy, read);
    EXPECT_EQ(again.left(289), header);
}

TEST(CardStreamTest, ValuesTakeTheirShortestForm)
{
    QByteArray bytes;
    ComponentStreamWriter writer(bytes);
    writer.WriteInteger(100);
    writer.WriteInteger(200);
    writer.WriteInteger(70000);
    writer.WriteInteger(-1);
    writer.WriteInteger(-129);
    writer.WriteText(QString(255, QLatin1Char('a')));
    writer.WriteText(QString(150, QChar(0x3042))); // 300 bytes in code page 932
    EXPECT_EQ(bytes.first(16).toHex(' '), "02 64 03 c8 00 04 70 11 01 00 02 ff 03 7f ff 06");
    EXPECT_EQ(std::uint8_t(bytes[16]), 255);
    EXPECT_EQ(bytes.mid(16 + 256, 7).toHex(' '), "0c 2c 01 00 00 82 a0");
    EXPECT_EQ(bytes.size(), 16 + 256 + 5 + 300);
}

TEST(CardStreamTest, EveryKindOfObjectComesBackAsItWas)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    surface.SetColor(0x123456);
    surface.SetBitmap(gradient(37, 21));
    surface.SetShowGrid(true);
    surface.SetGridSize(8);
    surface.SetGridStyle(gsDot);

    TVkDragLabel &text = addObject(surface);
    CardFont font;
    font.Name = QStringLiteral("ＭＳ 明朝");
    font.Height = -27;
    font.Color = 0x0000FF;
    font.Style = fsBold | fsUnderline;
    font.Pitch = fpFixed;
    text.SetFont(font);
    text.SetCaption({QStringLiteral("山田 太郎"), QString(), QString(300, QLatin1Char('x'))});
    text.SetBounds(-5, 12, 130, 40);
    text.SetAntiAlias(true);
    text.SetAlphaChannel(50);
    text.SetAutoSize(true);
    text.SetSelected(true);

    TVkDragLabel &shape = addObject(surface);
    shape.SetDrawMode(dmRoundRect);
    shape.SetTag(35);
    shape.SetColor(0x808080);
    shape.SetFillDraw(true);
    shape.SetBrushColor(0x00C0FFEE);
    shape.SetPenWidth(3);

    const QImage pictures[] = {mono(33, 9), indexed(13, 7, 16), indexed(10, 6, 200), gradient(17, 11)};
    for (const QImage &picture : pictures) {
        TVkDragLabel &object = addObject(surface);
        object.SetBitmap(picture);
        object.SetBounds(40, 50, picture.width(), picture.height());
    }

    QByteArray document;
    WriteCardStream(document, surface, cardDef(860, 605));
    keepForCorpus(QStringLiteral("every-kind.vkc"), document);

    TVkVellumPanel copy;
    copy.SetPopupMenu(QStringLiteral("frmMain.Popup2"));
    std::vector<TVkDragLabel *> wired;
    const CardStreamReadResult result = ReadCardStream(document, copy, [&wired](TVkDragLabel &object) {
        object.SetPopupMenu(QStringLiteral("frmMain.Popup1"));
        wired.push_back(&object);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.headerRead);
    EXPECT_EQ(int(result.cardDef.CardSizeX), 860); // a copy: the packed record leaves the field unaligned
    EXPECT_TRUE(result.showGrid);
    ASSERT_EQ(copy.ObjectCount(), 6);
    EXPECT_EQ(wired.size(), 6u);
    EXPECT_EQ(wired.front(), &copy.Object(0));

    EXPECT_EQ(copy.Name(), QStringLiteral("zzCardBase"));
    EXPECT_EQ(copy.BoundsRect(), surface.BoundsRect());
    EXPECT_EQ(copy.Color(), 0x123456u);
    EXPECT_EQ(copy.GridSize(), 8);
    EXPECT_EQ(copy.GridStyle(), gsDot);
    expectSamePixels(surface.Bitmap(), copy.Bitmap());

    const TVkDragLabel &textCopy = copy.Object(0);
    EXPECT_FALSE(textCopy.ParentFont());
    EXPECT_EQ(textCopy.Font(), font);
    EXPECT_EQ(textCopy.Caption(), text.Caption());
    // AutoSize fitted the text to its content where it was placed.
    EXPECT_EQ(textCopy.BoundsRect(), text.BoundsRect());
    EXPECT_EQ(textCopy.BoundsRect().topLeft(), QPoint(-5, 12));
    EXPECT_TRUE(textCopy.AntiAlias());
    EXPECT_EQ(textCopy.AlphaChannel(), 50);
    EXPECT_TRUE(textCopy.AutoSize());
    EXPECT_FALSE(textCopy.Selected());

    const TVkDragLabel &shapeCopy = copy.Object(1);
    EXPECT_EQ(shapeCopy.DrawMode(), dmRoundRect);
    EXPECT_EQ(shapeCopy.Tag(), 35);
    EXPECT_EQ(shapeCopy.Color(), 0x808080u);
    EXPECT_TRUE(shapeCopy.FillDraw());
    EXPECT_EQ(shapeCopy.BrushColor(), 0x00C0FFEEu);
    EXPECT_EQ(shapeCopy.PenWidth(), 3);
    EXPECT_TRUE(shapeCopy.ParentFont());

    // Each picture keeps its pixels and its depth.
    const QImage::Format formats[] = {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_Indexed8,
                                      QImage::Format_RGB32};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QImage &read = copy.Object(2 + i).Bitmap();
        EXPECT_EQ(read.format(), formats[i]);
        expectSamePixels(pictures[i], read);
    }
    EXPECT_EQ(copy.Object(3).Bitmap().colorCount(), 16);

    // Written again, the copy gives the same bytes, selection aside.
    text.SetSelected(false);
    for (int i = 2; i < 6; ++i)
        surface.Object(i).SetSelected(false);
    WriteCardStream(document, surface, cardDef(860, 605));
    QByteArray again;
    WriteCardStream(again, copy, cardDef(860, 605));
    EXPECT_EQ(again.toHex(' ').toStdString(), document.toHex(' ').toStdString());
}

TEST(CardStreamTest, OlderLayoutsAreRead)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    addObject(surface).SetCaption({QStringLiteral("one")});
    addObject(surface).SetDrawMode(dmCircle);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());

    const QByteArray withoutHeader = document.mid(289);
    const QByteArray withPrefix = QByteArray(8, '\x01') + withoutHeader;
    keepForCorpus(QStringLiteral("no-header.vkc"), withoutHeader);
    keepForCorpus(QStringLiteral("prefix.vkc"), withPrefix);
    EXPECT_TRUE(HasCardDocumentLayout(document.first(320)));
    for (const QByteArray &older : {withoutHeader, withPrefix}) {
        EXPECT_TRUE(HasCardDocumentLayout(older.first(40)));
        TVkVellumPanel copy;
        const CardStreamReadResult result = ReadCardStream(older, copy);
        EXPECT_TRUE(result.ok);
        EXPECT_FALSE(result.headerRead);
        ASSERT_EQ(copy.ObjectCount(), 2);
        EXPECT_EQ(copy.Object(0).Caption(), QStringList{QStringLiteral("one")});
        EXPECT_EQ(copy.Object(1).DrawMode(), dmCircle);
    }
}

TEST(CardStreamTest, ObjectsThatCannotBeReadAreCounted)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    for (int i = 0; i < 3; ++i)
        addObject(surface).SetLeft(i);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());

    // The last entry cut short, and up to eight stray bytes after a whole document.
    const QByteArray truncated = document.left(document.size() - 20);
    const QByteArray trailing = document + QByteArray(8, 'z');
    const QByteArray garbage = document + QByteArray(9, 'z');
    const std::tuple<QByteArray, int, int> cases[] = {{truncated, 2, 1}, {trailing, 3, 0}, {garbage, 3, 0}};
    for (const auto &[bytes, objects, lost] : cases) {
        TVkVellumPanel copy;
        const CardStreamReadResult result = ReadCardStream(bytes, copy);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(copy.ObjectCount(), objects);
        EXPECT_EQ(result.objectsLost, lost);
    }

    // Entries holding no property at all, more of them than any card has.
    const QByteArray component = "TPF0" + shortString("TVkDragLabel") + QByteArray(3, '\0');
    const QByteArray empty = QByteArray("\xFF\x0A\x00"
                                        "7\x00\x30\x10",
                                        7) +
                             le32(std::uint32_t(component.size())) + component;
    TVkVellumPanel copy;
    const CardStreamReadResult many = ReadCardStream(document + empty.repeated(kMaxCardObjects), copy);
    EXPECT_EQ(many.objectsRead, kMaxCardObjects);
    EXPECT_EQ(many.objectsLost, 3);
}

TEST(CardStreamTest, ButtonFaceColourIsNotStoredYetComesBack)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    surface.SetColor(clBtnFace);
    QByteArray document;
    WriteCardStream(document, surface, cardDef(), &surface);
    EXPECT_FALSE(document.contains("Color"));

    TVkVellumPanel copy;
    TVkVellumPanel back;
    copy.SetColor(0x00ABCDEF);
    ASSERT_TRUE(ReadCardStream(document, copy, {}, &back).ok);
    EXPECT_EQ(copy.Color(), clBtnFace) << "not the colour the surface had before";
    EXPECT_EQ(back.Color(), clBtnFace);
}

TEST(CardStreamTest, WritingToADeviceCutsOffOlderContent)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("card.vkc")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(5000, 'q'));
    TVkVellumPanel surface;
    setUpSurface(surface);
    ASSERT_TRUE(WriteCardStream(file, surface, cardDef()));
    QByteArray expected;
    WriteCardStream(expected, surface, cardDef());
    file.seek(0);
    EXPECT_EQ(file.readAll(), expected);
}

namespace {

// A document with one object whose component stream is replaced by the given properties.
QByteArray documentWithObjectProperties(const QByteArray &properties)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());
    const QByteArray component =
        "TPF0" + shortString("TVkDragLabel") + '\0' + properties + QByteArray(2, '\0');
    document += QByteArray("\xFF\x0A\x00"
                           "0\x00\x30\x10",
                           7) +
                le32(std::uint32_t(component.size())) + component;
    return document;
}

} // namespace

TEST(CardStreamTest, MalformedObjectsAreDropped)
{
    const QByteArray left = shortString("Left");
    const QByteArray caption = shortString("Caption.Strings");
    const QByteArray bitmap = shortString("Bitmap.Data");
    const QByteArray malformed[] = {
        left + "\x05" + QByteArray(10, '\0'), // real numbers are never written
        left + "\x0E\x01",                    // unknown tag
        shortString("Nonsense") + "\x0E\x01", // no such property, and a tag no value has
        left + "\x06\x01"
               "a",                                               // text where a number belongs
        shortString("DrawMode") + "\x07" + shortString("dmStar"), // no such member
        shortString("Hint") + "\x0C" + le32(0x7FFFFFF0) + "abc",  // longer than the file
        caption + "\x01\x06\x01"
                  "a\x01\x00\x00",                        // a list inside a list
        bitmap + "\x0A" + le32(0x7FFFFFFF) + "BM",        // binary longer than the file
        bitmap + "\x0A" + le32(8) + le32(100) + "BM\0\0", // picture longer than its binary
        shortString("Font.Style") + "\x0B" + shortString("fsShadow") + '\0',
    };
    for (const QByteArray &properties : malformed) {
        SCOPED_TRACE(properties.toHex(' ').toStdString());
        TVkVellumPanel copy;
        const CardStreamReadResult result = ReadCardStream(documentWithObjectProperties(properties), copy);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(copy.ObjectCount(), 0);
        EXPECT_EQ(result.objectsLost, 1);
    }
    TVkVellumPanel copy;
    EXPECT_EQ(ReadCardStream(documentWithObjectProperties(left + "\x02\x07"), copy).objectsRead, 1);
}

TEST(CardStreamTest, PropertiesOfANewerVersionArePassedOverAndCounted)
{
    // Every kind of value a newer version could write, lists within lists too.
    const QByteArray newer =
        shortString("Shadow") + QByteArrayLiteral("\x01\x02\x05\x01\x06\x01x\x00\x09\x00") +
        shortString("Outline") + "\x0B" + shortString("olInner") + '\0' + shortString("Texture") + "\x0A" +
        le32(3) + "abc" + shortString("Glow") + "\x0C" + le32(2) + "hi" + shortString("Bevel") + "\x04" +
        le32(7) + shortString("Mark") + "\x07" + shortString("mkStar") + shortString("Blur") +
        QByteArrayLiteral("\x03\x01\x00") + shortString("Ink") + "\x0D";
    const QByteArray left = shortString("Left") + "\x02\x07";
    QByteArray document = documentWithObjectProperties(newer + left);
    // The surface's property list ends after its grid style, before the end of its children.
    const QByteArray gridStyle = shortString("GridStyle") + "\x07" + shortString("gsLine");
    const qsizetype surfaceEnd = document.indexOf(gridStyle) + gridStyle.size();
    document.insert(surfaceEnd, shortString("Paper") + "\x06\x05matte");

    TVkVellumPanel copy;
    const CardStreamReadResult result = ReadCardStream(document, copy);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.headerRead);
    ASSERT_EQ(copy.ObjectCount(), 1);
    EXPECT_EQ(copy.Object(0).Left(), 7) << "the properties after them are read";
    EXPECT_EQ(result.objectsLost, 0);
    EXPECT_EQ(result.propertiesSkipped, 9);

    // A value whose tag no value has cannot be passed over: that object is lost, as before.
    TVkVellumPanel again;
    const CardStreamReadResult unknownTag =
        ReadCardStream(documentWithObjectProperties(shortString("Shadow") + "\x05" + left), again);
    EXPECT_EQ(unknownTag.objectsLost, 1);
}

TEST(CardStreamTest, EveryIntegerTheWriterWritesReadsBack)
{
    using LabelSetter = void (TVkDragLabel::*)(int);
    const std::pair<const char *, LabelSetter> objectFields[] = {
        {"Tag", &TVkDragLabel::SetTag},
        {"Left", &TVkDragLabel::SetLeft},
        {"Top", &TVkDragLabel::SetTop},
        {"Width", &TVkDragLabel::SetWidth},
        {"Height", &TVkDragLabel::SetHeight},
        {"FrameWidth", &TVkDragLabel::SetFrameWidth},
        {"AlphaChannel", &TVkDragLabel::SetAlphaChannel},
        {"PenWidth", &TVkDragLabel::SetPenWidth},
        {"Font.Height", nullptr},
    };
    using SurfaceSetter = void (TVkVellumPanel::*)(int);
    const std::pair<const char *, SurfaceSetter> surfaceFields[] = {
        {"Tag", &TVkVellumPanel::SetTag},       {"Left", &TVkVellumPanel::SetLeft},
        {"Top", &TVkVellumPanel::SetTop},       {"Width", &TVkVellumPanel::SetWidth},
        {"Height", &TVkVellumPanel::SetHeight}, {"GridSize", &TVkVellumPanel::SetGridSize},
    };
    const int extremes[] = {INT_MIN, -32769, 32768, 40000, 65534, INT_MAX};

    // Read back, written again, drawn and dragged: the values reach the geometry untouched.
    const auto expectRoundTrip = [](const TVkVellumPanel &surface) {
        QByteArray document;
        WriteCardStream(document, surface, cardDef());
        TVkVellumPanel copy;
        setUpSurface(copy);
        const auto wire = [](TVkDragLabel &object) { object.SetPopupMenu(QStringLiteral("frmMain.Popup1")); };
        ASSERT_TRUE(ReadCardStream(document, copy, wire).ok);
        ASSERT_EQ(copy.ObjectCount(), surface.ObjectCount());
        QByteArray again;
        WriteCardStream(again, copy, cardDef());
        EXPECT_TRUE(again == document);
        copy.SetShowGrid(true);
        QImage image(60, 40, QImage::Format_RGB32);
        copy.Paint(image, image.rect());
        for (int i = 0; i < copy.ObjectCount(); ++i) {
            TVkDragLabel &object = copy.Object(i);
            object.SetSelected(true);
            object.Paint(image, image.rect());
            ObjectDrag::Grab(object, QPoint(0, 0), 1.0)
                .Follow(object, QPoint(7, 9), QSize(copy.ClientWidth(), copy.ClientHeight()));
        }
    };
    for (const int value : extremes) {
        for (const auto &[name, set] : objectFields) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(value));
            TVkVellumPanel surface;
            setUpSurface(surface);
            for (const TDrawMode mode : {dmNone, dmRoundRect}) {
                TVkDragLabel &object = addObject(surface);
                object.SetDrawMode(mode);
                object.SetCaption({QStringLiteral("Aa")});
                if (set) {
                    (object.*set)(value);
                } else {
                    CardFont font;
                    font.Height = value;
                    object.SetFont(font);
                }
            }
            expectRoundTrip(surface);
        }
        for (const auto &[name, set] : surfaceFields) {
            SCOPED_TRACE(std::string("surface ") + name + " " + std::to_string(value));
            TVkVellumPanel surface;
            setUpSurface(surface);
            (surface.*set)(value);
            addObject(surface);
            expectRoundTrip(surface);
        }
    }

    // Values past ±32767 in one object leave it and the objects after it in place.
    TVkVellumPanel surface;
    setUpSurface(surface);
    TVkDragLabel &wide = addObject(surface);
    wide.SetTag(40000);
    wide.SetWidth(65534);
    wide.SetAlphaChannel(32768);
    addObject(surface).SetLeft(3);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());
    TVkVellumPanel copy;
    ASSERT_EQ(ReadCardStream(document, copy).objectsRead, 2);
    EXPECT_EQ(copy.Object(0).Tag(), 40000);
    EXPECT_EQ(copy.Object(0).Width(), 65534);
    EXPECT_EQ(copy.Object(0).AlphaChannel(), 32768);
    EXPECT_EQ(copy.Object(1).Left(), 3);
}

TEST(CardStreamTest, AnObjectShowingItsOwnHintKeepsIt)
{
    const QByteArray properties = shortString("ShowHint") + "\x09";
    TVkVellumPanel copy;
    ASSERT_EQ(ReadCardStream(documentWithObjectProperties(properties), copy).objectsRead, 1);
    EXPECT_TRUE(copy.Object(0).ShowHint());
    EXPECT_FALSE(copy.Object(0).ParentShowHint());
    QByteArray written;
    WriteCardStream(written, copy, cardDef());
    EXPECT_TRUE(written.contains(shortString("ParentShowHint") + "\x08" + shortString("ShowHint") + "\x09"));
}

TEST(CardStreamTest, NamesCodePage932CannotHoldAreRefusedBeforeWriting)
{
    const QString snowman = QString::fromUtf8("雪だるま☃と😀");
    const std::function<void(TVkVellumPanel &)> fills[] = {
        [&](TVkVellumPanel &surface) { addObject(surface).SetHint(snowman); },
        [&](TVkVellumPanel &surface) {
            CardFont font;
            font.Name = snowman;
            addObject(surface).SetFont(font);
        },
        [&](TVkVellumPanel &surface) { surface.SetHint(snowman); },
    };
    const QString fields[] = {QStringLiteral("ヒント"), QStringLiteral("フォント名"),
                              QStringLiteral("カードのヒント")};
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("card.vkc")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("kept");
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        TVkVellumPanel surface;
        setUpSurface(surface);
        fills[i](surface);
        try {
            WriteCardStream(file, surface, cardDef());
            ADD_FAILURE() << "written";
        } catch (const VkError &error) {
            EXPECT_TRUE(error.Message().contains(fields[i])) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains(QString::fromUtf8("「☃」(U+2603)、「😀」(U+1F600)")))
                << error.Message().toStdString();
        }
        file.seek(0);
        EXPECT_EQ(file.readAll(), "kept");
    }
    TVkVellumPanel storable;
    setUpSurface(storable);
    addObject(storable).SetCaption({QStringLiteral("山田 太郎 ①")});
    QByteArray document;
    WriteCardStream(document, storable, cardDef());
    EXPECT_EQ(CardDocumentBytes(storable, cardDef()), document);
}

TEST(CardStreamTest, FilesOfOtherKindsAreNotCardDocuments)
{
    const QByteArray others[] = {QByteArray(), QByteArray("hello, world\r\n"), QByteArray(300, '\xFF'),
                                 QByteArray(100000, '\0')};
    for (const QByteArray &bytes : others) {
        TVkVellumPanel surface;
        surface.SetColor(0x010203);
        EXPECT_FALSE(HasCardDocumentLayout(bytes));
        const CardStreamReadResult result = ReadCardStream(bytes, surface);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(surface.ObjectCount(), 0);
    }
    EXPECT_EQ(NotCardFileMessage(QStringLiteral("/home/a/b.txt")),
              QStringLiteral("/home/a/b.txt は、カードファイルではありません。"));
}

TEST(CardStreamTest, ARefusedDocumentLeavesTheSurfaceAsItWas)
{
    TVkVellumPanel written;
    setUpSurface(written);
    written.SetColor(0x123456);
    written.SetBitmap(gradient(40, 30));
    QByteArray document;
    WriteCardStream(document, written, cardDef());
    document.truncate(document.indexOf("Bitmap.Data") + 100); // cut short inside the picture

    TVkVellumPanel surface;
    surface.SetColor(0x010203);
    surface.SetBounds(1, 2, 3, 4);
    EXPECT_FALSE(ReadCardStream(document, surface).ok);
    EXPECT_EQ(surface.Color(), 0x010203u);
    EXPECT_EQ(surface.BoundsRect(), QRect(1, 2, 3, 4));
    EXPECT_TRUE(surface.Bitmap().isNull());
}

// A card whose text no card can show is refused by the object, before anything sets it in a font.
TEST(CardStreamTest, TextsLongerThanACardCanShowAreRefusedByTheObject)
{
    TVkVellumPanel written;
    setUpSurface(written);
    for (const QStringList &caption : {QStringList({QStringLiteral("short")}),
                                       QStringList({QString(40000, u'a'), QString(40000, u'b')})}) {
        auto object = std::make_unique<TVkDragLabel>();
        object->SetCaption(caption);
        written.AddObject(std::move(object));
    }
    QByteArray document;
    WriteCardStream(document, written, cardDef());
    TVkVellumPanel surface;
    const QString message = ErrorMessageOf([&] { ReadCardStream(document, surface); });
    EXPECT_TRUE(message.contains(QStringLiteral("2 番目のオブジェクト"))) << qPrintable(message);
}

namespace {

QByteArray bmpFile(const QByteArray &info, const QByteArray &palette, const QByteArray &pixels)
{
    const std::uint32_t offset = 14 + std::uint32_t(info.size() + palette.size());
    return "BM" + le32(offset + std::uint32_t(pixels.size())) + le32(0) + le32(offset) + info + palette +
           pixels;
}

QByteArray infoHeader(int width, int height, int bits, int compression, int colors = 0)
{
    return le32(40) + le32(std::uint32_t(width)) + le32(std::uint32_t(height)) + QByteArray("\x01\x00", 2) +
           char(bits) + '\0' + le32(std::uint32_t(compression)) + QByteArray(12, '\0') +
           le32(std::uint32_t(colors)) + le32(0);
}

} // namespace

TEST(CardStreamTest, PicturesOfOtherWritersAreRead)
{
    // An old-style header: 2 x 1 pixels of 24 bits, red then blue.
    const QByteArray core = le32(12) + QByteArray("\x02\x00\x01\x00\x01\x00\x18\x00", 8);
    const QImage fromCore =
        BmpCodec::DecodeBmp(bmpFile(core, {}, QByteArray("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8)));
    ASSERT_FALSE(fromCore.isNull());
    EXPECT_EQ(fromCore.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(fromCore.pixel(1, 0), qRgb(0, 0, 255));

    // Run-length coded, 8 bits: a run of four pixels of colour 1, end of bitmap. Its few bytes
    // describe a whole picture, so the pixel bytes need not be there.
    const QByteArray palette = le32(0x000000) + le32(0x00FF00);
    const QImage rle = BmpCodec::DecodeBmp(
        bmpFile(infoHeader(4, 2, 8, 1, 2), palette, QByteArray("\x04\x01\x00\x00\x00\x01", 6)));
    ASSERT_FALSE(rle.isNull());
    EXPECT_EQ(rle.pixel(3, 1), qRgb(0, 255, 0));

    // Pictures with pixels whose colours the file does not list: a run-length one of 4 bits with
    // runs past the row's end and pixels skipped by moves, and a 1-bit one listing one colour.
    // Written back, each keeps the pixels it drew.
    for (const char *base64 :
         {"Qk2KAAAAAAAAAHYAAAAoAAAABQAAAAMAAAABAAQAAgAAABQAAAAAAAAAAAAAAAAAAAAAAAAAAP8AAAHvEAAC3yAAA88wAA"
          "S/QAAFr1AABp9gAAePcAAIf4AACW+QAApfoAALT7AADD/AAA0v0AAOH+AADw/wAAMSAAAABTRWcAAAAAACAwAC7wAB",
          "Qk0+AAAAAAAANlQAAAAoAAAAAwAAAAEAAAABAAEAAAAAAAADEAAAAACtCEJNDgEAAAAAAABCAAAAKAAAABgAAAARAAAA"
          "AQAEAAAAAAAREREiIiIiIiIREREREREiIiIiIiIREREREREiIiIiIhERIiIiIiIiEREAAAAAABHDEREREQAAAEIfABEAAA="
          "="}) {
        const QImage picture = BmpCodec::DecodeBmp(QByteArray::fromBase64(base64));
        ASSERT_FALSE(picture.isNull());
        QByteArray rewritten;
        BmpCodec::AppendBmp(rewritten, picture);
        EXPECT_EQ(BmpCodec::DecodeBmp(rewritten).convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32));
    }

    // 16 bits with bit fields 5-6-5.
    const QByteArray masks = le32(0xF800) + le32(0x07E0) + le32(0x001F);
    const QImage fields =
        BmpCodec::DecodeBmp(bmpFile(infoHeader(1, 1, 16, 3), masks, QByteArray("\x00\xF8\0\0", 4)));
    ASSERT_FALSE(fields.isNull());
    EXPECT_GE(qRed(fields.pixel(0, 0)), 248);
    EXPECT_EQ(qGreen(fields.pixel(0, 0)), 0);

    // Refused before anything is allocated: an absurd side, too many pixels, missing pixel rows.
    EXPECT_TRUE(BmpCodec::DecodeBmp(bmpFile(infoHeader(40000, 1, 24, 0), {}, {})).isNull());
    EXPECT_TRUE(
        BmpCodec::DecodeBmp(bmpFile(infoHeader(30000, 30000, 24, 1), {}, QByteArray(2, '\0'))).isNull());
    EXPECT_TRUE(
        BmpCodec::DecodeBmp(bmpFile(infoHeader(100, 100, 24, 0), {}, QByteArray(100, '\0'))).isNull());
}

TEST(CardStreamTest, PicturesPastTheCardsBudgetAreLeftOut)
{
    // Run-length pictures of 4096 x 4096 that each take 16 MB from a few bytes; 40 of them would
    // take 640 MB, and then a text object.
    // Each picture has a colour of its own: the same picture twice is read once and shared.
    const auto picture = [](int i) {
        const QByteArray rle =
            bmpFile(infoHeader(4096, 4096, 8, 1, 2), QByteArray(1, char(i)) + QByteArray(7, '\0'),
                    QByteArray("\x00\x01", 2));
        return shortString("Bitmap.Data") + '\x0A' + le32(std::uint32_t(rle.size() + 4)) +
               le32(std::uint32_t(rle.size())) + rle;
    };
    const auto entry = [](const QByteArray &properties) {
        const QByteArray component =
            "TPF0" + shortString("TVkDragLabel") + '\0' + properties + QByteArray(2, '\0');
        return QByteArray("\xFF\x0A\x00"
                          "0\x00\x30\x10",
                          7) +
               le32(std::uint32_t(component.size())) + component;
    };
    QByteArray document = documentWithObjectProperties(shortString("Left") + "\x02\x05");
    for (int i = 0; i < 40; ++i)
        document += entry(shortString("Top") + char(2) + char(i) + picture(i));
    document += entry(shortString("Left") + "\x02\x07");

    TVkVellumPanel copy;
    const CardStreamReadResult result = ReadCardStream(document, copy);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.picturesRefused, 8);
    ASSERT_EQ(copy.ObjectCount(), 1 + 32 + 1);
    EXPECT_EQ(copy.Object(32).Top(), 31);
    EXPECT_EQ(copy.Object(33).Left(), 7);
    EXPECT_EQ(PictureBudget::Of(copy).UsedBytes(), PictureBudget::kCardPictureBytes);

    // The same picture again costs nothing; another one is refused with a message.
    EXPECT_NO_THROW(PictureBudget::CheckRoomFor(copy, copy.Object(1).Bitmap()));
    EXPECT_THROW(PictureBudget::CheckRoomFor(copy, QImage(4, 4, QImage::Format_RGB32)), VkError);
    EXPECT_EQ(
        PictureBudgetMessage(8),
        QStringLiteral("カードの画像が合わせて 512 MB を超えるため、8 個の画像を読み込みませんでした。"));
}

TEST(CardStreamTest, TypesettingIsStoredAfterTheOlderPropertiesOnlyWhenSet)
{
    const char *const names[] = {"Vertical", "Alignment", "LineSpacing", "LetterSpacing", "UprightDigits"};
    TVkVellumPanel surface;
    setUpSurface(surface);
    addObject(surface).SetCaption({QStringLiteral("plain")});
    QByteArray plain;
    WriteCardStream(plain, surface, cardDef());
    for (const char *name : names)
        EXPECT_FALSE(plain.contains(name)) << name;

    TVkDragLabel &set = addObject(surface);
    set.SetCaption({QStringLiteral("山田"), QStringLiteral("太郎")});
    const TextStyle style{true, taCenter, 180, -15, true};
    set.SetTypesetting(style);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());
    EXPECT_TRUE(document.startsWith(plain.left(plain.size() - 2)));
    EXPECT_LT(document.lastIndexOf("BrushColor"), document.indexOf("Vertical"));

    TVkVellumPanel copy;
    copy.SetPopupMenu(QStringLiteral("frmMain.Popup2"));
    const auto wire = [](TVkDragLabel &object) { object.SetPopupMenu(QStringLiteral("frmMain.Popup1")); };
    ASSERT_TRUE(ReadCardStream(document, copy, wire).ok);
    ASSERT_EQ(copy.ObjectCount(), 2);
    EXPECT_EQ(copy.Object(0).Typesetting(), TextStyle());
    EXPECT_EQ(copy.Object(1).Typesetting(), style);
    QByteArray again;
    WriteCardStream(again, copy, cardDef());
    EXPECT_EQ(again.toHex(' ').toStdString(), document.toHex(' ').toStdString());
}

TEST(CardStreamTest, TypesettingIsReadInAnyOrderAndVerticalFacesSetTextVertically)
{
    QByteArray component = "TPF0" + shortString("TVkDragLabel") + shortString("");
    component += shortString("Font.Name") + '\x06' + shortString("@\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
    component += shortString("UprightDigits") + '\x09';
    component += shortString("LetterSpacing") + QByteArray("\x02\x0C", 2);
    component += shortString("Alignment") + '\x07' + shortString("taRightJustify");
    component += shortString("LineSpacing") + QByteArray("\x02\x4B", 2);
    component += QByteArray(2, '\0');
    TVkVellumPanel surface;
    setUpSurface(surface);
    QByteArray document;
    WriteCardStream(document, surface, cardDef());
    document += QByteArray("\xFF\x0A\x00"
                           "0\x00\x30\x10",
                           7) +
                le32(std::uint32_t(component.size())) + component;
    keepForCorpus(QStringLiteral("typesetting.vkc"), document);

    TVkVellumPanel copy;
    ASSERT_TRUE(ReadCardStream(document, copy).ok);
    ASSERT_EQ(copy.ObjectCount(), 1);
    const TVkDragLabel &object = copy.Object(0);
    EXPECT_EQ(object.Font().Name, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(object.Typesetting(), (TextStyle{true, taRightJustify, 75, 12, true}));
}

TEST(CardStreamTest, TextBeyondCodePage932IsKeptInUtf8WithTheMarkForOlderReaders)
{
    TVkVellumPanel surface;
    setUpSurface(surface);
    const QStringList lines = {QStringLiteral("𠮷野 髙﨑"), QStringLiteral("Café ♥ 😀 ¥")};
    addObject(surface).SetCaption(lines);
    CardFont noName;
    noName.Name.clear();
    addObject(surface).SetFont(noName);
    const QByteArray document = CardDocumentBytes(surface, cardDef());
    // "Caption.Strings" holds the nearest Shift_JIS text: the mark for each character it cannot hold.
    EXPECT_TRUE(document.contains(QByteArray("\x06\x09\x81\xAC\x96\xEC\x20\xFB\xFC\xFA\xB1", 11)));
    EXPECT_TRUE(document.contains(QByteArray("Caf\x81\xAC \x81\xAC \x81\xAC \x81\x8F")));
    EXPECT_TRUE(document.contains("CaptionUtf8"));

    TVkVellumPanel copy;
    const CardStreamReadResult result = ReadCardStream(document, copy);
    ASSERT_EQ(copy.ObjectCount(), 2);
    EXPECT_EQ(copy.Object(0).Caption(), lines);
    EXPECT_EQ(result.charactersLost, 0);
    EXPECT_EQ(copy.Object(1).Font().Name, QString()) << "a text's own empty font name stays empty";

    // A reader of "Caption.Strings" alone shows the marks in their place.
    TVkVellumPanel older;
    ReadCardStream(document.left(document.indexOf("CaptionUtf8") - 1) + QByteArray(2, '\0'), older);
    ASSERT_GE(older.ObjectCount(), 1);
    EXPECT_EQ(older.Object(0).Caption(),
              (QStringList{QStringLiteral("〓野 髙﨑"), QStringLiteral("Caf〓 〓 〓 ￥")}));
}

TEST(CardStreamTest, CharactersAnOlderVersionLostReadAsTheMark)
{
    const QByteArray old = shortString("Caption.Strings") + QByteArrayLiteral("\x01\x06\x04"
                                                                              "a\xFC\xFC"
                                                                              "b\x00");
    TVkVellumPanel copy;
    const CardStreamReadResult result = ReadCardStream(documentWithObjectProperties(old), copy);
    ASSERT_EQ(copy.ObjectCount(), 1);
    EXPECT_EQ(copy.Object(0).Caption(), QStringList{QStringLiteral("a〓b")});
    EXPECT_EQ(result.charactersLost, 1);
    QByteArray again;
    WriteCardStream(again, copy, cardDef());
    EXPECT_TRUE(again.contains("a\x81\xAC"
                               "b"));
    EXPECT_FALSE(again.contains("CaptionUtf8"));
}
