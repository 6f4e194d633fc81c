// Writes the sample designs that the new card gallery offers, as card documents, through the same
// card model the program uses: vellumia_sample_cards <CardDef.Def> <output folder>.

#include "model/card/CardFont.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "model/picture/PictureLoader.h"
#include "model/picture/QrCode.h"
#include "model/platform/FontSubstitutions.h"
#include "model/sheet/CardDefinitions.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr TColor rgb(int red, int green, int blue)
{
    return TColor(red | (green << 8) | (blue << 16));
}

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kMincho = QStringLiteral("ＭＳ 明朝");
const QString kSans = QStringLiteral("Arial");
const QString kSerif = QStringLiteral("Times New Roman");
constexpr TColor kInk = rgb(40, 40, 40);
constexpr TColor kGreen = rgb(46, 125, 50);
constexpr TColor kNavy = rgb(26, 54, 104);
constexpr TColor kVermilion = rgb(200, 60, 40);

// Our own logos, simple shapes drawn as vectors.
const QByteArray kLeafLogo =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
<circle cx="32" cy="32" r="30" fill="#2e7d32"/>
<path d="M18 44 C18 26 30 16 48 16 C48 34 38 46 20 46 Z" fill="#ffffff"/>
<path d="M20 46 L40 26" stroke="#2e7d32" stroke-width="3" fill="none"/>
</svg>)";
const QByteArray kSquaresLogo =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
<rect x="4" y="4" width="34" height="34" fill="#1a3668"/>
<rect x="26" y="26" width="34" height="34" fill="#c83c28" fill-opacity="0.85"/>
</svg>)";
const QByteArray kSunLogo =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
<circle cx="32" cy="32" r="14" fill="#c83c28"/>
<circle cx="32" cy="32" r="22" fill="none" stroke="#c83c28" stroke-width="3"/>
<circle cx="32" cy="32" r="29" fill="none" stroke="#c83c28" stroke-width="2"/>
</svg>)";

struct Style {
    QString face = kGothic;
    int points = 9;
    TColor color = kInk;
    bool bold = false;
    TTextAlignment alignment = taLeftJustify;
    bool vertical = false;
};

// Where a text stands along one side: from its start, centred, or ending at the given position.
enum class At { Start, Centre, End };

int placed(int position, int length, At at)
{
    return at == At::Start ? position : at == At::Centre ? position - length / 2 : position - length;
}

TVkDragLabel &text(TVkVellumPanel &card, const QStringList &lines, const Style &style, int x, int y,
                   At across = At::Start, At down = At::Start)
{
    auto object = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = style.face;
    font.SetSizeInPoints(style.points);
    font.Color = style.color;
    font.Style = style.bold ? fsBold : 0;
    object->SetFont(font);
    object->SetAlignment(style.alignment);
    object->SetVertical(style.vertical);
    object->SetAutoSize(true);
    object->LoadCaption(lines);
    object->SetLeft(placed(x, object->Width(), across));
    object->SetTop(placed(y, object->Height(), down));
    return card.AddObject(std::move(object));
}

void shape(TVkDragLabel &object, TDrawMode mode, const QRect &bounds, TColor pen, int penWidth)
{
    object.SetDrawMode(mode);
    object.SetColor(pen);
    object.SetPenWidth(penWidth);
    object.SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
}

void line(TVkVellumPanel &card, TDrawMode mode, const QRect &bounds, TColor pen, int penWidth = 1)
{
    shape(card.AddObject(std::make_unique<TVkDragLabel>()), mode, bounds, pen, penWidth);
}

void filledBox(TVkVellumPanel &card, const QRect &bounds, TColor colour)
{
    TVkDragLabel &box = card.AddObject(std::make_unique<TVkDragLabel>());
    shape(box, dmRectangle, bounds, colour, 1);
    box.SetFillDraw(true);
    box.SetBrushColor(colour);
}

void logo(TVkVellumPanel &card, const QByteArray &svg, const QRect &bounds)
{
    TVkDragLabel &picture = card.AddObject(std::make_unique<TVkDragLabel>());
    picture.SetBitmap(RenderSvgPicture(svg));
    picture.SetSvgData(svg);
    picture.SetKind(CardObjectKind::VectorPicture);
    picture.SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
}

const QStringList kAddress = {QStringLiteral("〒150-0000 東京都渋谷区神南9-9-9 みどりビル5F"),
                              QStringLiteral("TEL 03-0000-0000  FAX 03-0000-0001"),
                              QStringLiteral("taro.yamada@example.jp")};
const QStringList kAddressEn = {QStringLiteral("5F Midori Bldg., 9-9-9 Jinnan, Shibuya-ku"),
                                QStringLiteral("Tokyo 150-0000 Japan"), QStringLiteral("Tel +81-3-0000-0000"),
                                QStringLiteral("taro.yamada@example.jp")};

// Across: 455 x 275 surface pixels; upright: 275 x 455.
void japaneseCentred(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    text(side, {QStringLiteral("株式会社みどり企画")}, {.face = kMincho, .points = 10}, 227, 30, At::Centre);
    text(side, {QStringLiteral("営業部 課長")}, {.face = kMincho, .points = 8}, 227, 92, At::Centre);
    text(side, {QStringLiteral("山田 太郎")}, {.face = kMincho, .points = 22}, 227, 110, At::Centre);
    text(side, kAddress, {.face = kMincho, .points = 7, .alignment = taCenter}, 227, 250, At::Centre,
         At::End);
}

void japaneseLogoLeft(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    logo(side, kLeafLogo, QRect(24, 22, 48, 48));
    text(side, {QStringLiteral("株式会社みどり企画")}, {.points = 10, .color = kGreen, .bold = true}, 82, 46,
         At::Start, At::Centre);
    text(side, {QStringLiteral("営業部 課長")}, {.points = 8}, 32, 100);
    text(side, {QStringLiteral("山田 太郎")}, {.points = 20}, 30, 118);
    line(side, dmLineHorz, QRect(32, 174, 390, 2), kGreen, 2);
    text(side, kAddress, {.points = 7}, 32, 186);
}

void japaneseBand(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    filledBox(side, QRect(0, 0, 38, 275), kNavy);
    text(side, {QStringLiteral("株式会社みどり企画")}, {.points = 9, .color = kNavy}, 64, 28);
    text(side, {QStringLiteral("デザイン部 チーフ")}, {.points = 8}, 64, 88);
    text(side, {QStringLiteral("山田 太郎")}, {.points = 20, .bold = true}, 62, 106);
    text(side, {QStringLiteral("Taro Yamada")}, {.face = kSans, .points = 8, .color = kNavy}, 64, 160);
    text(side, kAddress, {.points = 7}, 64, 196);
}

void japaneseQrCode(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    text(side, {QStringLiteral("株式会社みどり企画")}, {.points = 9}, 30, 26);
    text(side, {QStringLiteral("営業部")}, {.points = 8}, 30, 86);
    text(side, {QStringLiteral("山田 太郎")}, {.points = 20}, 28, 104);
    text(side, kAddress, {.points = 7}, 30, 190);
    TVkDragLabel &qr = side.AddObject(std::make_unique<TVkDragLabel>());
    const QString url = QStringLiteral("https://example.jp/");
    const QImage modules = EncodeQrCode(url, qlMedium, kQrStandardQuietZone);
    qr.SetKind(CardObjectKind::QrCode);
    qr.LoadBitmap(modules);
    qr.SetQrText(url);
    // Three surface pixels, 0.6 mm, a module: as small as a phone reads from a printed card.
    const int codeSide = modules.width() * 3 + 2 * TVkDragLabel::kContentInset;
    qr.SetBounds(430 - codeSide, 250 - codeSide, codeSide, codeSide);
}

void japaneseLogoRight(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    logo(side, kSunLogo, QRect(375, 22, 52, 52));
    text(side, {QStringLiteral("株式会社あさひ工房")}, {.face = kMincho, .points = 10, .color = kVermilion},
         30, 30);
    text(side, {QStringLiteral("代表取締役")}, {.face = kMincho, .points = 8}, 30, 98);
    text(side, {QStringLiteral("佐藤 花子")}, {.face = kMincho, .points = 22}, 28, 116);
    line(side, dmLineHorz, QRect(30, 176, 395, 1), kVermilion);
    text(side,
         {QStringLiteral("〒530-0000 大阪府大阪市北区梅田9-9-9"), QStringLiteral("TEL 06-0000-0000"),
          QStringLiteral("hanako.sato@example.jp")},
         {.face = kMincho, .points = 7}, 30, 188);
}

void englishCentred(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    text(side, {QStringLiteral("MIDORI PLANNING INC.")}, {.face = kSerif, .points = 9, .color = kGreen}, 227,
         28, At::Centre);
    text(side, {QStringLiteral("Taro Yamada")}, {.face = kSerif, .points = 20}, 227, 92, At::Centre);
    text(side, {QStringLiteral("Sales Manager")}, {.face = kSerif, .points = 9}, 227, 140, At::Centre);
    text(side, kAddressEn, {.face = kSerif, .points = 7, .alignment = taCenter}, 227, 252, At::Centre,
         At::End);
}

void englishLogoLeft(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    logo(side, kSquaresLogo, QRect(36, 98, 80, 80));
    text(side, {QStringLiteral("Kumo Works")}, {.face = kSans, .points = 9, .color = kNavy, .bold = true}, 76,
         196, At::Centre);
    line(side, dmLineVert, QRect(152, 30, 2, 215), kNavy, 2);
    text(side, {QStringLiteral("Hanako Sato")}, {.face = kSans, .points = 18}, 176, 36);
    text(side, {QStringLiteral("Art Director")}, {.face = kSans, .points = 9, .color = kNavy}, 178, 84);
    text(side, kAddressEn, {.face = kSans, .points = 7}, 178, 150);
}

void verticalJapanese(CardDocument &card, bool withLogo)
{
    TVkVellumPanel &side = card.Surface();
    const Style column{.face = kMincho, .points = 8, .vertical = true};
    if (withLogo)
        logo(side, kSunLogo, QRect(205, 24, 48, 48));
    text(side, {QStringLiteral("株式会社あさひ工房")}, {.face = kMincho, .points = 9, .vertical = true}, 236,
         withLogo ? 90 : 30);
    text(side, {QStringLiteral("代表取締役")}, column, 176, 80);
    text(side, {QStringLiteral("佐藤 花子")}, {.face = kMincho, .points = 24, .vertical = true}, 137, 110,
         At::Centre);
    text(side,
         {QStringLiteral("〒530-0000 大阪府大阪市北区梅田九の九の九"),
          QStringLiteral("電話 〇六-〇〇〇〇-〇〇〇〇")},
         {.face = kMincho, .points = 7, .vertical = true}, 24, 150);
}

void verticalLogoTop(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    logo(side, kLeafLogo, QRect(107, 36, 60, 60));
    text(side, {QStringLiteral("株式会社みどり企画")}, {.points = 9, .color = kGreen, .bold = true}, 137, 110,
         At::Centre);
    text(side, {QStringLiteral("営業部 課長")}, {.points = 8}, 137, 190, At::Centre);
    text(side, {QStringLiteral("山田 太郎")}, {.points = 20}, 137, 210, At::Centre);
    line(side, dmLineHorz, QRect(60, 282, 155, 1), kGreen);
    text(side,
         {QStringLiteral("〒150-0000"), QStringLiteral("東京都渋谷区神南9-9-9"),
          QStringLiteral("TEL 03-0000-0000"), QStringLiteral("taro.yamada@example.jp")},
         {.points = 7, .alignment = taCenter}, 137, 300, At::Centre);
}

void englishUprightLogo(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    logo(side, kSquaresLogo, QRect(107, 40, 60, 60));
    text(side, {QStringLiteral("KUMO WORKS")}, {.face = kSans, .points = 9, .color = kNavy, .bold = true},
         137, 112, At::Centre);
    text(side, {QStringLiteral("Hanako Sato")}, {.face = kSans, .points = 16}, 137, 200, At::Centre);
    text(side, {QStringLiteral("Art Director")}, {.face = kSans, .points = 8, .color = kNavy}, 137, 240,
         At::Centre);
    text(side, kAddressEn, {.face = kSans, .points = 7, .alignment = taCenter}, 137, 420, At::Centre,
         At::End);
}

void englishUprightPlain(CardDocument &card)
{
    TVkVellumPanel &side = card.Surface();
    filledBox(side, QRect(0, 0, 275, 24), kGreen);
    text(side, {QStringLiteral("Taro Yamada")}, {.face = kSerif, .points = 18}, 26, 80);
    text(side, {QStringLiteral("Sales Manager"), QStringLiteral("Midori Planning Inc.")},
         {.face = kSerif, .points = 8, .color = kGreen}, 28, 128);
    text(side, kAddressEn, {.face = kSerif, .points = 7}, 28, 420, At::Start, At::End);
}

// A Japanese front with the same card in English on its back.
void twoSided(CardDocument &card)
{
    japaneseLogoLeft(card);
    TVkVellumPanel &back = card.Side(CardSide::Back);
    logo(back, kLeafLogo, QRect(24, 22, 48, 48));
    text(back, {QStringLiteral("Midori Planning Inc.")},
         {.face = kSans, .points = 10, .color = kGreen, .bold = true}, 82, 46, At::Start, At::Centre);
    text(back, {QStringLiteral("Sales Manager")}, {.face = kSans, .points = 8}, 32, 100);
    text(back, {QStringLiteral("Taro Yamada")}, {.face = kSans, .points = 18}, 30, 118);
    line(back, dmLineHorz, QRect(32, 174, 390, 2), kGreen, 2);
    text(back, kAddressEn, {.face = kSans, .points = 6}, 32, 184);
}

struct Sample {
    const char *file;
    TCardOrientation orientation;
    std::function<void(CardDocument &)> design;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vellumia_sample_cards <CardDef.Def> <output folder>\n");
        return 1;
    }
    InstallFontSubstitutions();
    QFile definitions(QString::fromLocal8Bit(argv[1]));
    if (!definitions.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s cannot be read\n", argv[1]);
        return 1;
    }
    // The cards are laid out for the first shipped sheet, the ten-up 91 x 55 mm one.
    const TCardDef sheet = ParseCardDef(definitions.readLine().trimmed());
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const Sample samples[] = {
        {"01-landscape-ja-centred.vkc", coLandscape, japaneseCentred},
        {"02-landscape-ja-logo-left.vkc", coLandscape, japaneseLogoLeft},
        {"03-landscape-ja-band.vkc", coLandscape, japaneseBand},
        {"04-landscape-ja-qr-code.vkc", coLandscape, japaneseQrCode},
        {"05-landscape-ja-logo-right.vkc", coLandscape, japaneseLogoRight},
        {"06-landscape-en-centred.vkc", coLandscape, englishCentred},
        {"07-landscape-en-logo-left.vkc", coLandscape, englishLogoLeft},
        {"08-landscape-two-sided.vkc", coLandscape, twoSided},
        {"09-portrait-ja-vertical.vkc", coPortraitClockwise,
         [](CardDocument &card) { verticalJapanese(card, false); }},
        {"10-portrait-ja-vertical-logo.vkc", coPortraitClockwise,
         [](CardDocument &card) { verticalJapanese(card, true); }},
        {"11-portrait-ja-logo-top.vkc", coPortraitClockwise, verticalLogoTop},
        {"12-portrait-en-logo-top.vkc", coPortraitClockwise, englishUprightLogo},
        {"13-portrait-en-plain.vkc", coPortraitClockwise, englishUprightPlain},
    };
    for (const Sample &sample : samples) {
        CardDocument card;
        card.SetCardDef(sheet);
        card.Surface().SetOrientation(sample.orientation);
        card.Surface().SetBounds(0, 0, IsPortrait(sample.orientation) ? 275 : 455,
                                 IsPortrait(sample.orientation) ? 455 : 275);
        sample.design(card);
        card.Save(output.filePath(QString::fromLatin1(sample.file)));
    }
    return 0;
}
