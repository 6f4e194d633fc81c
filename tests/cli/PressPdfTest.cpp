#include "PhotoAndFrame.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/sheet/CardDefinitions.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double kPointsPerMm = 72 / 25.4;

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolRun run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromLocal8Bit(process.readAllStandardError())};
}

// An object of qpdf's JSON by its reference ("12 0 R"), or a direct value as it is.
QJsonValue resolved(const QJsonObject &objects, const QJsonValue &value)
{
    if (value.isString() && value.toString().endsWith(QLatin1String(" R")))
        return objects.value(QStringLiteral("obj:") + value.toString())
            .toObject()
            .value(QStringLiteral("value"));
    return value;
}

QRectF box(const QJsonValue &value)
{
    const QJsonArray corners = value.toArray();
    return QRectF(QPointF(corners[0].toDouble(), corners[1].toDouble()),
                  QPointF(corners[2].toDouble(), corners[3].toDouble()));
}

void expectRect(const QRectF &actual, const QRectF &expected)
{
    EXPECT_NEAR(actual.left(), expected.left(), 0.3);
    EXPECT_NEAR(actual.top(), expected.top(), 0.3);
    EXPECT_NEAR(actual.width(), expected.width(), 0.3);
    EXPECT_NEAR(actual.height(), expected.height(), 0.3);
}

// Cards saved as documents in a folder that also serves as the program's folder, turned into print
// shop PDFs by the built program and read back by tools that are not ours.
class PressPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *tool : {"qpdf", "gs", "pdftoppm", "pdffonts"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), path("CardDef.Def")));
        environment.insert(QStringLiteral("VELLUMAX_HOME"), folder.path());
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    ToolRun vellumax(const QStringList &arguments) const
    {
        return run(QStringLiteral(VELLUMAX_BINARY), arguments, environment);
    }

    enum class Content { Nothing, Text, TextPhotoAndFrame };

    // A 91 x 55 mm card of the background colour, with a line of black text, a photo and a framed
    // rectangle as content says.
    QString saveCard(const QString &name, TColor background,
                     Content content = Content::TextPhotoAndFrame) const
    {
        TVkVellumPanel card;
        card.SetBounds(0, 0, 455, 275);
        card.SetColor(background);
        if (content != Content::Nothing) {
            auto text = std::make_unique<TVkDragLabel>();
            CardFont font;
            font.Height = -30;
            font.Color = RGBToColor(0, 0, 0);
            text->SetFont(font);
            text->SetCaption({QStringLiteral("株式会社ベラム {{氏名}}")});
            text->SetAutoSize(true);
            text->SetBounds(40, 30, 400, 60);
            card.AddObject(std::move(text));
        }
        if (content == Content::TextPhotoAndFrame)
            AddPhotoAndFrame(card);
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(WriteCardStream(file, card, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0")));
        return file.fileName();
    }

    // The file as qpdf's JSON: its header and its objects.
    QJsonArray qpdfJson(const QString &pdf) const
    {
        const ToolRun json =
            run(QStringLiteral("qpdf"), {QStringLiteral("--json"), QStringLiteral("--json-key=qpdf"), pdf});
        EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
        return QJsonDocument::fromJson(json.out).object().value(QStringLiteral("qpdf")).toArray();
    }

    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(PressPdf, HasTheBoxesOutputIntentAndFontsOfAPdfXAndNoRgbLeft)
{
    const QString card = saveCard(QStringLiteral("card.vkc"), RGBToColor(230, 240, 255));
    const ToolRun made =
        vellumax({QStringLiteral("--pdf"), path("press.pdf"), QStringLiteral("--press"), card});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.err.contains(QStringLiteral("Artifex CMYK SWOP Profile"))) << made.err.toStdString();
    EXPECT_EQ(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path("press.pdf")}).exitCode, 0);

    const QJsonArray json = qpdfJson(path("press.pdf"));
    ASSERT_EQ(json.size(), 2);
    EXPECT_EQ(json[0].toObject().value(QStringLiteral("pdfversion")).toString(), QStringLiteral("1.6"));
    const QJsonObject objects = json[1].toObject();
    const QJsonObject trailer =
        objects.value(QStringLiteral("trailer")).toObject().value(QStringLiteral("value")).toObject();
    const QJsonObject info = resolved(objects, trailer.value(QStringLiteral("/Info"))).toObject();
    EXPECT_EQ(info.value(QStringLiteral("/GTS_PDFXVersion")).toString(), QStringLiteral("u:PDF/X-4"));
    EXPECT_EQ(info.value(QStringLiteral("/Trapped")).toString(), QStringLiteral("/False"));
    const QJsonObject root = resolved(objects, trailer.value(QStringLiteral("/Root"))).toObject();
    const QJsonArray intents = resolved(objects, root.value(QStringLiteral("/OutputIntents"))).toArray();
    ASSERT_EQ(intents.size(), 1);
    const QJsonObject intent = resolved(objects, intents[0]).toObject();
    EXPECT_EQ(intent.value(QStringLiteral("/S")).toString(), QStringLiteral("/GTS_PDFX"));
    const QString profileRef = intent.value(QStringLiteral("/DestOutputProfile")).toString();
    const QJsonObject profile = objects.value(QStringLiteral("obj:") + profileRef).toObject();
    EXPECT_EQ(profile.value(QStringLiteral("stream"))
                  .toObject()
                  .value(QStringLiteral("dict"))
                  .toObject()
                  .value(QStringLiteral("/N")),
              4);

    const QJsonObject pages = resolved(objects, root.value(QStringLiteral("/Pages"))).toObject();
    const QJsonArray kids = pages.value(QStringLiteral("/Kids")).toArray();
    ASSERT_EQ(kids.size(), 1); // a card without a back
    const QJsonObject page = resolved(objects, kids[0]).toObject();
    const QRectF trim = box(page.value(QStringLiteral("/TrimBox")));
    const QRectF bleed = box(page.value(QStringLiteral("/BleedBox")));
    const QRectF media = box(page.value(QStringLiteral("/MediaBox")));
    expectRect(trim.normalized(), QRectF(trim.normalized().topLeft(), QSizeF(91, 55) * kPointsPerMm));
    const double threeMm = 3 * kPointsPerMm;
    expectRect(bleed.normalized(), trim.normalized().adjusted(-threeMm, -threeMm, threeMm, threeMm));
    // Room for the marks beyond the bleed.
    EXPECT_TRUE(media.normalized()
                    .adjusted(10 * kPointsPerMm, 10 * kPointsPerMm, -10 * kPointsPerMm, -10 * kPointsPerMm)
                    .contains(bleed.normalized()));

    // No RGB colour space named anywhere, and no RGB colour operator in a content stream.
    ASSERT_EQ(
        run(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"),
                                     path("press.pdf"), path("plain.pdf")})
            .exitCode,
        0);
    QFile plain(path("plain.pdf"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray text = plain.readAll();
    EXPECT_FALSE(text.contains("RGB"));
    EXPECT_FALSE(QString::fromLatin1(text).contains(QRegularExpression(QStringLiteral("\\d (rg|RG)\\n"))));
    EXPECT_TRUE(text.contains("/DeviceCMYK"));

    const QStringList fonts = QString::fromUtf8(run(QStringLiteral("pdffonts"), {path("press.pdf")}).out)
                                  .split(u'\n', Qt::SkipEmptyParts)
                                  .mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(
            font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))))
            << font.toStdString();
}

TEST_F(PressPdf, PrintsBlackTextInBlackInkAloneAndFillsTheBleedWithTheBackground)
{
    // Black text on white: the cut card carries no cyan, magenta or yellow.
    const QString white = saveCard(QStringLiteral("white.vkc"), RGBToColor(255, 255, 255), Content::Text);
    ASSERT_EQ(
        vellumax({QStringLiteral("--pdf"), path("white.pdf"), QStringLiteral("--press"), white}).exitCode, 0);
    const ToolRun ink = run(QStringLiteral("gs"),
                            {QStringLiteral("-q"), QStringLiteral("-dUseTrimBox"), QStringLiteral("-o"),
                             QStringLiteral("-"), QStringLiteral("-sDEVICE=inkcov"), path("white.pdf")});
    const QStringList plates = QString::fromLatin1(ink.out).split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(plates.size(), 4) << ink.out.toStdString() << ink.err.toStdString();
    EXPECT_EQ(plates[0].toDouble(), 0);
    EXPECT_EQ(plates[1].toDouble(), 0);
    EXPECT_EQ(plates[2].toDouble(), 0);
    EXPECT_GT(plates[3].toDouble(), 0);

    // An empty red card: red up to the bleed's edge, white beyond it but for the marks, which are
    // all outside the bleed.
    const QString red = saveCard(QStringLiteral("red.vkc"), RGBToColor(220, 0, 0), Content::Nothing);
    ASSERT_EQ(vellumax({QStringLiteral("--pdf"), path("red.pdf"), QStringLiteral("--press"), red}).exitCode,
              0);
    ASSERT_EQ(
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path("red.pdf"), path("red")})
            .exitCode,
        0);
    const QImage page(path("red.png"));
    ASSERT_FALSE(page.isNull());
    const QJsonArray json = qpdfJson(path("red.pdf"));
    QRectF trim;
    for (const QJsonValue &object : json[1].toObject())
        if (object.toObject().value(QStringLiteral("value")).toObject().contains(QStringLiteral("/TrimBox")))
            trim = box(object.toObject()
                           .value(QStringLiteral("value"))
                           .toObject()
                           .value(QStringLiteral("/TrimBox")));
    // At 254 dpi a pixel is a tenth of a millimetre: the trim's corner in pixels from the top left.
    const double scale = 254 / 72.0;
    const QPoint corner(int(trim.left() * scale), int(page.height() - trim.bottom() * scale));
    const auto isRed = [&page](QPoint at) {
        const QColor colour = page.pixelColor(at);
        return colour.red() > 150 && colour.green() < 100 && colour.blue() < 100;
    };
    const auto isWhite = [&page](QPoint at) { return qGray(page.pixel(at)) > 240; };
    EXPECT_TRUE(isRed(corner + QPoint(-25, 200)));   // 2.5 mm into the bleed, left
    EXPECT_TRUE(isRed(corner + QPoint(200, -25)));   // and above
    EXPECT_TRUE(isWhite(corner + QPoint(-40, 200))); // past the bleed, away from any mark
    // The marks: along the finished edge's line, beyond the bleed, and nowhere inside the bleed.
    int markPixels = 0;
    for (int x = corner.x() - 130; x < corner.x() - 31; ++x)
        for (int y = corner.y() - 1; y <= corner.y() + 1; ++y)
            markPixels += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(markPixels, 50);
    const QRect bleedArea(corner - QPoint(29, 29), QSize(910 + 58, 550 + 58));
    for (int y = bleedArea.top(); y <= bleedArea.bottom(); y += 2)
        for (int x = bleedArea.left(); x <= bleedArea.right(); x += 2)
            if (!isRed(QPoint(x, y)))
                FAIL() << "not background at " << x << "," << y;
}

TEST_F(PressPdf, WritesPdfX1aAndTheBleedAskedAndEachMergedRecordOnItsOwnPage)
{
    const QString card = saveCard(QStringLiteral("card.vkc"), RGBToColor(255, 255, 255));
    QFile table(path("staff.csv"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("氏名\n山田太郎\n佐藤花子\n");
    table.close();
    const ToolRun made = vellumax({QStringLiteral("--pdf"), path("staff.pdf"), QStringLiteral("--press"),
                                   QStringLiteral("--pdfx"), QStringLiteral("1a"), QStringLiteral("--bleed"),
                                   QStringLiteral("5"), QStringLiteral("--merge"), path("staff.csv"), card});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const ToolRun info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), path("staff.pdf")});
    EXPECT_TRUE(
        QString::fromUtf8(info.out).contains(QRegularExpression(QStringLiteral("PDF version: +1\\.3"))))
        << info.out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QRegularExpression(QStringLiteral("Pages: +2"))));
    const ToolRun text = run(QStringLiteral("pdftotext"), {path("staff.pdf"), QStringLiteral("-")});
    const QStringList pages = QString::fromUtf8(text.out).split(u'\f');
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("山田太郎")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("佐藤花子")));
    const QJsonObject objects = qpdfJson(path("staff.pdf"))[1].toObject();
    bool described = false;
    for (const QJsonValue &object : objects) {
        const QJsonObject value = object.toObject().value(QStringLiteral("value")).toObject();
        if (value.contains(QStringLiteral("/GTS_PDFXVersion"))) {
            described = true;
            EXPECT_EQ(value.value(QStringLiteral("/GTS_PDFXConformance")).toString(),
                      QStringLiteral("u:PDF/X-1a:2001"));
        }
        if (value.contains(QStringLiteral("/TrimBox"))) {
            const QRectF trim = box(value.value(QStringLiteral("/TrimBox"))).normalized();
            const QRectF bleed = box(value.value(QStringLiteral("/BleedBox"))).normalized();
            EXPECT_NEAR(trim.left() - bleed.left(), 5 * kPointsPerMm, 0.2);
        }
    }
    EXPECT_TRUE(described);

    // A profile that is not a CMYK output profile, and press options without --press, are refused.
    const ToolRun rgbProfile =
        vellumax({QStringLiteral("--pdf"), path("x.pdf"), QStringLiteral("--press"), QStringLiteral("--icc"),
                  QStringLiteral("/usr/share/color/icc/ghostscript/srgb.icc"), card});
    EXPECT_EQ(rgbProfile.exitCode, 1);
    EXPECT_TRUE(rgbProfile.err.contains(QStringLiteral("srgb.icc")));
    EXPECT_FALSE(QFile::exists(path("x.pdf")));
    EXPECT_EQ(vellumax({QStringLiteral("--pdf"), path("x.pdf"), QStringLiteral("--bleed"),
                        QStringLiteral("3"), card})
                  .exitCode,
              1);
}

// Cards built to have each problem a print shop meets, checked from the command line.
TEST_F(PressPdf, PreflightNamesEachProblemWithItsSideAndObjectAndExitsByWhatItFound)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275); // 5 pixels a millimetre
    auto text = std::make_unique<TVkDragLabel>();
    text->SetCaption({QStringLiteral("山田太郎")});
    text->SetBounds(5, 100, 150, 40); // 1 mm from the left edge
    card.AddObject(std::move(text));
    auto photo = std::make_unique<TVkDragLabel>();
    photo->SetBitmap(QImage(57, 57, QImage::Format_RGB32)); // 57 dots over 20 mm: 72 dpi
    photo->SetBounds(200, 100, 100, 100);
    card.AddObject(std::move(photo));
    const TCardDef cardDef = ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0");
    const auto save = [this, &cardDef](const TVkVellumPanel &side, const QString &name) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(WriteCardStream(file, side, cardDef));
        return file.fileName();
    };
    ToolRun checked = vellumax({QStringLiteral("--preflight"), save(card, QStringLiteral("two.vkc"))});
    EXPECT_EQ(checked.exitCode, 2) << checked.err.toStdString();
    QStringList lines = QString::fromUtf8(checked.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << checked.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(
        QStringLiteral("表面 オブジェクト 1 (テキスト「山田太郎」): 仕上がり線から 3 mm")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("オブジェクト 2 (画像): 画像の解像度が 72 dpi")))
        << lines[1].toStdString();

    // A frame stopping 1 mm past the edge, a hairline and a field the table lacks.
    auto frame = std::make_unique<TVkDragLabel>();
    frame->SetDrawMode(dmRectangle);
    frame->SetPenWidth(2);
    frame->SetBounds(-5, 200, 100, 80);
    card.AddObject(std::move(frame));
    auto hairline = std::make_unique<TVkDragLabel>();
    hairline->SetDrawMode(dmLineHorz);
    hairline->SetPenWidth(0);
    hairline->SetBounds(100, 60, 200, 5);
    card.AddObject(std::move(hairline));
    auto field = std::make_unique<TVkDragLabel>();
    field->SetCaption({QStringLiteral("{{部署}}")});
    field->SetBounds(200, 30, 150, 40);
    card.AddObject(std::move(field));
    QFile table(path("staff.csv"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("氏名\n山田太郎\n");
    table.close();
    checked = vellumax({QStringLiteral("--preflight"), QStringLiteral("--merge"), path("staff.csv"),
                        save(card, QStringLiteral("five.vkc"))});
    EXPECT_EQ(checked.exitCode, 2);
    lines = QString::fromUtf8(checked.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << checked.out.toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("オブジェクト 3 (図形): 仕上がり線を越えていますが")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("オブジェクト 4 (図形): 線の太さが 0.1 mm 未満")));
    EXPECT_TRUE(lines[4].contains(QStringLiteral("差し込みデータに列 部署 がありません")));

    const ToolRun clean =
        vellumax({QStringLiteral("--preflight"),
                  saveCard(QStringLiteral("clean.vkc"), RGBToColor(255, 255, 255), Content::Nothing)});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_TRUE(clean.out.isEmpty());
    EXPECT_EQ(vellumax({QStringLiteral("--preflight"), path("missing.vkc")}).exitCode, 1);
}

} // namespace

// An upright card is cut upright: its page stands, and its text reads across the page.
TEST_F(PressPdf, AnUprightCardStandsOnItsPage)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 275, 455);
    card.SetOrientation(coPortraitClockwise);
    auto text = std::make_unique<TVkDragLabel>();
    text->SetCaption({QStringLiteral("Upright")});
    text->SetAutoSize(true);
    text->SetBounds(30, 200, 10, 10);
    card.AddObject(std::move(text));
    QFile file(path("upright.vkc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WriteCardStream(file, card, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0")));
    file.close();
    const ToolRun made =
        vellumax({QStringLiteral("--pdf"), path("upright.pdf"), QStringLiteral("--press"), file.fileName()});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

    const ToolRun info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), path("upright.pdf")});
    const QRegularExpressionMatch trim =
        QRegularExpression(QStringLiteral("TrimBox: +([\\d.]+) +([\\d.]+) +([\\d.]+) +([\\d.]+)"))
            .match(QString::fromUtf8(info.out));
    ASSERT_TRUE(trim.hasMatch()) << info.out.toStdString();
    const double width = trim.captured(3).toDouble() - trim.captured(1).toDouble();
    const double height = trim.captured(4).toDouble() - trim.captured(2).toDouble();
    EXPECT_NEAR(width, 55 / 25.4 * 72, 1);
    EXPECT_NEAR(height, 91 / 25.4 * 72, 1);

    const ToolRun words =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path("upright.pdf"), QStringLiteral("-")});
    const QRegularExpressionMatch word =
        QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                          "yMax=\"([\\d.]+)\">Upright<"))
            .match(QString::fromUtf8(words.out));
    ASSERT_TRUE(word.hasMatch()) << words.out.toStdString();
    EXPECT_GT(word.captured(3).toDouble() - word.captured(1).toDouble(),
              2 * (word.captured(4).toDouble() - word.captured(2).toDouble()));
}
