#include "FileBytes.h"
#include "PhotoAndFrame.h"
#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "XlsxFile.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/sheet/CardDefinitions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCardText = QStringLiteral("株式会社ベラム 山田太郎");

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// A tool of poppler-utils on the file; its standard output, or nothing when it is not installed.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Cards as people make them, saved as documents in a folder of their own that also serves as the
// program's folder, with the shipped card sheets, no display to be had and no session, as a
// scheduled job runs them.
class BatchCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), path("CardDef.Def")));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("VELLUMAX_HOME"), folder.path());
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    Outcome vellumax(const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(VELLUMAX_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // Black text at 40 pixels, near the card's top-left corner.
    static std::unique_ptr<TVkDragLabel> lineOfText(const QString &line)
    {
        auto text = std::make_unique<TVkDragLabel>();
        CardFont font;
        // Small enough for the line to stay on the card, where print shows it as the screen does.
        font.Height = -30;
        font.Color = RGBToColor(0, 0, 0);
        text->SetFont(font);
        text->SetCaption({line});
        text->SetAutoSize(true);
        text->SetBounds(20, 30, 400, 60);
        return text;
    }

    // A 91 x 55 mm card for the ten-up A4 sheet: a pale background, a line of Japanese text, a
    // picture and a framed rectangle.
    QString saveBusinessCard(const QString &name) const
    {
        TVkVellumPanel card;
        card.SetBounds(0, 0, 455, 275);
        card.SetColor(RGBToColor(255, 255, 255));
        card.AddObject(lineOfText(kCardText));
        AddPhotoAndFrame(card);
        return save(card, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), name);
    }

    QString save(const TVkVellumPanel &card, const TCardDef &cardDef, const QString &name,
                 const TVkVellumPanel *back = nullptr) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(WriteCardStream(file, card, cardDef, back));
        return file.fileName();
    }

    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The pictures a PDF file stores, as `pdfimages -list` names them, each once however often it is
// drawn: "width x height" by object.
QMap<QString, QString> storedImages(const QString &pdf)
{
    QMap<QString, QString> images;
    const QStringList rows = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                 .split(u'\n', Qt::SkipEmptyParts)
                                 .mid(2);
    for (const QString &row : rows) {
        const QStringList columns = row.split(u' ', Qt::SkipEmptyParts);
        if (columns.size() > 11)
            images.insert(columns[10] + u' ' + columns[11], columns[3] + QStringLiteral(" x ") + columns[4]);
    }
    return images;
}

// Lengths of the runs of grey pixels (neither near white nor near black) along the rows of the
// area: where dark ink meets white, a sharp edge takes one pixel of grey, an enlarged one several.
double shareOfWideGreyRuns(const QImage &picture, const QRect &area)
{
    int runs = 0, wide = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int length = 0;
        for (int x = area.left(); x <= area.right() + 1; ++x) {
            const int grey = x <= area.right() ? qGray(picture.pixel(x, y)) : 255;
            if (grey > 40 && grey < 215) {
                ++length;
            } else if (length > 0) {
                ++runs;
                wide += length > 2;
                length = 0;
            }
        }
    }
    return runs ? double(wide) / runs : 1.0;
}

} // namespace

TEST_F(BatchCommands, ExportWritesPicturesAtTheScreenSizeOrTheResolutionAsked)
{
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    Outcome run = vellumax({QStringLiteral("--export"), path("screen.bmp"), card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // A run that succeeds says nothing, so a scheduled job mails nobody.
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(QImage(path("screen.bmp")).size(), QSize(455, 275));

    run = vellumax({QStringLiteral("--export"), path("sharp.png"), QStringLiteral("--dpi"),
                    QStringLiteral("300"), card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QImage sharp(path("sharp.png"));
    ASSERT_EQ(sharp.size(), QSize(1075, 650));
    EXPECT_EQ(sharp.dotsPerMeterX(), 11811); // 300 dpi
    // The text's band: ink drawn at 300 dpi, its edges one pixel of grey wide.
    const QRect textBand(40, 70, 950, 100);
    int ink = 0;
    for (int y = textBand.top(); y <= textBand.bottom(); ++y)
        for (int x = textBand.left(); x <= textBand.right(); ++x)
            ink += qGray(sharp.pixel(x, y)) < 60;
    EXPECT_GT(ink, 2000);
    EXPECT_LT(shareOfWideGreyRuns(sharp, textBand), 0.2);
    // The same card enlarged from its screen picture does not pass that test.
    QImage screen(path("screen.bmp"));
    const QImage enlarged = screen.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(shareOfWideGreyRuns(enlarged, textBand), 0.4);

    run = vellumax({QStringLiteral("--export"), path("photo.JPG"), QStringLiteral("--dpi"),
                    QStringLiteral("600"), QStringLiteral("--quality"), QStringLiteral("90"), card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray jpeg = ReadFileBytes(path("photo.JPG"));
    ASSERT_GT(jpeg.size(), 18);
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF\xE0"));
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(jpeg[13], 1); // dots per inch
    EXPECT_EQ(jpeg.mid(14, 4), QByteArray("\x02\x58\x02\x58", 4));
    EXPECT_EQ(QImage(path("photo.JPG")).size(), QSize(2150, 1299));
}

TEST_F(BatchCommands, PdfHoldsTheSheetWithTextFontsAndEachPictureOnce)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    const Outcome run = vellumax({QStringLiteral("--pdf"), path("sheet.pdf"), QStringLiteral("--marks"),
                                  QStringLiteral("cross"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path("sheet.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    // Ten cards, one picture: stored once at its own 64 x 48 pixels.
    const QMap<QString, QString> images = storedImages(path("sheet.pdf"));
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images.first(), "64 x 48");

    const QStringList fonts = popplerOutput(QStringLiteral("pdffonts"), {path("sheet.pdf")})
                                  .split(u'\n', Qt::SkipEmptyParts)
                                  .mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(
            QRegularExpression(QStringLiteral("\\syes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))))
            << "not embedded: " << font.toStdString();

    const QString text = popplerOutput(QStringLiteral("pdftotext"), {path("sheet.pdf"), QStringLiteral("-")});
    EXPECT_EQ(text.count(kCardText), 10) << text.toStdString();
}

TEST_F(BatchCommands, PdfOnANamedSheetFillsItsCells)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    Outcome run = vellumax({QStringLiteral("--pdf"), path("eight.pdf"), QStringLiteral("--sheet"),
                            QStringLiteral("名刺 91×55mm B5 8面"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {path("eight.pdf"), QStringLiteral("-")});
    EXPECT_EQ(text.count(kCardText), 8);

    run = vellumax({QStringLiteral("--pdf"), path("none.pdf"), QStringLiteral("--sheet"),
                    QStringLiteral("No such sheet"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No such sheet"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.pdf")));
}

TEST_F(BatchCommands, PrintSendsTheSheetThroughTheQueue)
{
    if (const std::string missing = TestQueueMissing(false); !missing.empty())
        GTEST_SKIP() << missing;
    // The job is named after the card's file, and cups-pdf names its file after the job.
    const QString token = QStringLiteral("VellumiaBatch%1").arg(QCoreApplication::applicationPid());
    const QString card = saveBusinessCard(token + QStringLiteral(".vkc"));
    const Outcome run = vellumax({QStringLiteral("--print"), QStringLiteral("--printer"), kQueue,
                                  QStringLiteral("--marks"), QStringLiteral("cross"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QString pdf = WaitForCupsPdfJob(token);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue in " << CupsPdfFolders().join(' ').toStdString();
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QFile::remove(pdf);
    // The queue embeds the fonts again in its own way, so their characters need not come back out of
    // its file; the card's line of text does stand once in each of the ten cells.
    QMap<QString, int> lines;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts))
        if (!line.trimmed().isEmpty())
            ++lines[line.trimmed()];
    ASSERT_EQ(lines.size(), 1) << text.toStdString();
    EXPECT_EQ(lines.first(), 10) << text.toStdString();
}

TEST_F(BatchCommands, PdfMovesByTheOffsetAndStartsAtTheCellAsked)
{
    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    Outcome run = vellumax({QStringLiteral("--pdf"), path("plain.pdf"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = vellumax({QStringLiteral("--pdf"), path("moved.pdf"), QStringLiteral("--offset"),
                    QStringLiteral("1.5,-0.8"), QStringLiteral("--start"), QStringLiteral("4"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // At 254 dpi a pixel is a tenth of a millimetre.
    const QImage plain = RasterisePdf(path("plain.pdf"), 254);
    const QImage moved = RasterisePdf(path("moved.pdf"), 254);
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(moved.isNull());
    for (int cell = 0; cell < 10; ++cell) {
        const QRect around =
            QRect(140 + cell % 2 * 910, 110 + cell / 2 * 550, 910, 550).adjusted(-20, -20, 20, 20);
        const QRect before = InkBounds(plain, around);
        const QRect after = InkBounds(moved, around);
        ASSERT_FALSE(before.isEmpty()) << cell;
        if (cell < 3) {
            EXPECT_TRUE(after.isEmpty()) << cell;
            continue;
        }
        EXPECT_NEAR(after.left() - before.left(), 15, 1) << cell;
        EXPECT_NEAR(after.top() - before.top(), -8, 1) << cell;
    }

    // Three cards from the ninth cell run onto a second sheet.
    run = vellumax({QStringLiteral("--pdf"), path("three.pdf"), QStringLiteral("--start"),
                    QStringLiteral("9"), QStringLiteral("--cards"), QStringLiteral("3"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {path("three.pdf"), QStringLiteral("-")});
    EXPECT_EQ(text.count(kCardText), 3);
    EXPECT_EQ(text.count(u'\f'), 2); // a form feed ends each page

    run = vellumax(
        {QStringLiteral("--pdf"), path("beyond.pdf"), QStringLiteral("--start"), QStringLiteral("11"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--start"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("beyond.pdf")));

    // A sheet with no cells is the card's own fault, not that of a start nobody gave.
    TVkVellumPanel blank;
    blank.SetBounds(0, 0, 455, 275);
    const QString empty = save(blank, ParseCardDef("\"No cells\",910,550,0,5,140,110,0,0,0"), "empty.vkc");
    run = vellumax({QStringLiteral("--pdf"), path("empty.pdf"), empty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.contains(QStringLiteral("--start"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("No cells"))) << run.err.toStdString();
}

TEST_F(BatchCommands, PrintFollowsThePrintersCorrectionUnlessAnOffsetReplacesIt)
{
    if (const std::string missing = TestQueueMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    WriteFileBytes(path("VELLUMAX.INI"), "[PrintAdjustment]\r\n" + kQueue.toLatin1() + "=2,-1\r\n");
    const auto printed = [this](const QString &name, const QStringList &options) {
        const QString token =
            QStringLiteral("VellumiaBatch%1%2").arg(name).arg(QCoreApplication::applicationPid());
        const QString card = saveBusinessCard(token + QStringLiteral(".vkc"));
        const Outcome run =
            vellumax(QStringList{QStringLiteral("--print"), QStringLiteral("--printer"), kQueue} + options +
                     QStringList{card});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString pdf = WaitForCupsPdfJob(token);
        EXPECT_FALSE(pdf.isEmpty());
        const QImage page = RasterisePdf(pdf, 254);
        QFile::remove(pdf);
        return InkBounds(page, QRect(0, 0, 2100, 2970));
    };
    const QRect stored = printed(QStringLiteral("Stored"), {});
    const QRect replaced =
        printed(QStringLiteral("Replaced"), {QStringLiteral("--offset"), QStringLiteral("0,0")});
    ASSERT_FALSE(stored.isEmpty());
    ASSERT_FALSE(replaced.isEmpty());
    EXPECT_NEAR(stored.left() - replaced.left(), 20, 1);
    EXPECT_NEAR(stored.top() - replaced.top(), -10, 1);
}

TEST_F(BatchCommands, FailuresNameTheirCauseOnStandardErrorAndExitWithOne)
{
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    const auto fails = [this](const QStringList &arguments, const QString &named) {
        const Outcome run = vellumax(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
    };
    fails({QStringLiteral("--export"), path("out.png"), path("missing.vkc")}, path("missing.vkc"));
    fails({QStringLiteral("--export"), path("out.png"), folder.path()}, folder.path());
    WriteFileBytes(path("notes.vkc"), QByteArray(600, 'x'));
    fails({QStringLiteral("--pdf"), path("out.pdf"), path("notes.vkc")}, path("notes.vkc"));
    fails({QStringLiteral("--export"), path("out.png"), QStringLiteral("--colour"), card},
          QStringLiteral("--colour"));
    fails({QStringLiteral("--export"), path("out.gif"), card}, path("out.gif"));
    fails({QStringLiteral("--export"), path("no-folder/out.png"), card}, path("no-folder/out.png"));
    fails({QStringLiteral("--pdf"), path("no-folder/out.pdf"), card}, path("no-folder/out.pdf"));
    fails({QStringLiteral("--print"), QStringLiteral("--printer"), QStringLiteral("NoSuchPrinter"), card},
          QStringLiteral("NoSuchPrinter"));
    EXPECT_FALSE(QFile::exists(path("out.png")));
    EXPECT_FALSE(QFile::exists(path("out.pdf")));

    // A failed export leaves the file it would have replaced as it was.
    WriteFileBytes(path("kept.png"), "old");
    fails({QStringLiteral("--export"), path("kept.png"), path("missing.vkc")}, path("missing.vkc"));
    EXPECT_EQ(ReadFileBytes(path("kept.png")), "old");
}

TEST_F(BatchCommands, ADamagedCardIsRefusedSayingWhatWasLost)
{
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    QByteArray bytes = ReadFileBytes(card);
    const qsizetype frame = bytes.indexOf("DrawMode", bytes.lastIndexOf("TPF0"));
    ASSERT_GT(frame, 0);
    bytes[frame + 8] = '\x55'; // the frame's drawing mode given a value tag that no value has
    WriteFileBytes(card, bytes);

    const Outcome run = vellumax({QStringLiteral("--export"), path("out.png"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("・表面のオブジェクト 1 個"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(card));
    EXPECT_FALSE(QFile::exists(path("out.png")));
}

TEST_F(BatchCommands, ACardFromANewerVersionIsDrawnAndTheSkippedPropertiesNamed)
{
    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    QByteArray bytes = ReadFileBytes(card);
    const qsizetype frame = bytes.indexOf("\x08"
                                          "DrawMode",
                                          bytes.lastIndexOf("TPF0"));
    ASSERT_GT(frame, 0);
    bytes.insert(frame, QByteArray("\x06"
                                   "Shadow"
                                   "\x02\x03",
                                   9)); // a property this version lacks
    WriteFileBytes(card, bytes);

    const Outcome run = vellumax({QStringLiteral("--export"), path("out.png"), card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("知らない 1 個の設定を読み飛ばしました")))
        << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("out.png")));
}

TEST_F(BatchCommands, TextBeyondShiftJisIsPrintedAsText)
{
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    const QString name = QStringLiteral("𠮷野 髙﨑 Café ♥ 😀");
    card.AddObject(lineOfText(name));
    const QString saved = save(card, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), "name.vkc");

    const Outcome run = vellumax({QStringLiteral("--pdf"), path("name.pdf"), saved});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {path("name.pdf"), QStringLiteral("-")});
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    // The writer maps no character beyond the basic plane back to text, so 𠮷 and the emoji are
    // looked for as the fonts drawing them: the fallbacks that have their glyphs.
    EXPECT_EQ(text.count(QStringLiteral("野 髙﨑 Café ♥")), 10) << text.toStdString();
    const QString fonts = popplerOutput(QStringLiteral("pdffonts"), {path("name.pdf")});
    EXPECT_TRUE(fonts.contains(QStringLiteral("NotoSansCJK"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSans"))) << fonts.toStdString();
}

TEST_F(BatchCommands, HelpAndVersionAnswerOnStandardOutput)
{
    Outcome run = vellumax({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "vellumax 1.20\n");
    run = vellumax({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(QStringLiteral("--export")));
    EXPECT_TRUE(run.err.isEmpty());
}

// The command line speaks the window's language: English on a desktop in another language,
// Japanese when VELLUMAX_LANG asks for it whatever the desktop.
TEST_F(BatchCommands, MessagesAndHelpFollowTheChosenLanguage)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "VELLUMAX_LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    Outcome run = vellumax({QStringLiteral("--export"), path("out.png"), path("missing.vkc")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("The file %1 cannot be opened").arg(path("missing.vkc"))))
        << run.err.toStdString();
    EXPECT_TRUE(
        QString::fromUtf8(vellumax({QStringLiteral("--help")}).out).startsWith(QStringLiteral("Usage:")));

    environment.insert(QStringLiteral("VELLUMAX_LANG"), QStringLiteral("ja"));
    run = vellumax({QStringLiteral("--export"), path("out.png"), path("missing.vkc")});
    EXPECT_TRUE(run.err.contains(QStringLiteral("ファイル %1 は開けません").arg(path("missing.vkc"))))
        << run.err.toStdString();
}

TEST_F(BatchCommands, MergeGivesEachRecordItsSheetCardOrPicture)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel design;
    design.SetBounds(0, 0, 455, 275);
    auto text = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Height = -40;
    text->SetFont(font);
    text->SetCaption({QStringLiteral("{{氏名}} {{役職}}")});
    text->SetBounds(20, 30, 400, 60);
    design.AddObject(std::move(text));
    const QString card = save(design, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), "merge.vkc");
    QByteArray csv = "氏名\r\n";
    for (int person = 1; person <= 12; ++person)
        csv += QStringLiteral("社員%1\r\n").arg(person, 2, 10, QLatin1Char('0')).toUtf8();
    WriteFileBytes(path("staff.csv"), csv);

    Outcome run =
        vellumax({"--pdf", path("cards.pdf"), "--merge", path("staff.csv"), "--per-record", "card", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("役職"))) << run.err.toStdString();
    EXPECT_TRUE(popplerOutput("pdfinfo", {path("cards.pdf")}).contains(QRegularExpression("Pages:\\s+2\\n")));
    // Text stretched to its box comes out of the PDF with spaces between the letters.
    const QString text12 =
        popplerOutput("pdftotext", {path("cards.pdf"), "-"}).remove(QRegularExpression("\\s"));
    EXPECT_TRUE(text12.contains(QStringLiteral("社員01")) && text12.contains(QStringLiteral("社員12")));

    run = vellumax({"--pdf", path("sheets.pdf"), "--merge", path("staff.csv"), "--records", "3-5", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        popplerOutput("pdfinfo", {path("sheets.pdf")}).contains(QRegularExpression("Pages:\\s+3\\n")));
    EXPECT_EQ(popplerOutput("pdftotext", {path("sheets.pdf"), "-"})
                  .remove(QRegularExpression("\\s"))
                  .count(QStringLiteral("社員04")),
              10);

    run = vellumax({"--export", path("card.png"), "--merge", path("staff.csv"), "--records", "11-", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("card-0011.png")) && QFile::exists(path("card-0012.png")));
    EXPECT_FALSE(QFile::exists(path("card-0010.png")));

    WriteFileBytes(path("ragged.csv"), "氏名,役職\n山田\n");
    run = vellumax({"--pdf", path("ragged.pdf"), "--merge", path("ragged.csv"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("2 行目"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("ragged.pdf")));
}

TEST_F(BatchCommands, MergeReadsAnExcelWorkbookOrRefusesADamagedOne)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel design;
    design.SetBounds(0, 0, 455, 275);
    design.AddObject(lineOfText(QStringLiteral("{{氏名}}")));
    const QString card = save(design, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), "merge.vkc");
    WriteZipFile(
        path("staff.xlsx"),
        WorkbookParts({{"社員", "sheet1.xml",
                        R"(<row><c t="s"><v>0</v></c></row><row><c t="s"><v>1</v></c></row>)"
                        R"(<row><c t="s"><v>2</v></c></row>)"}},
                      {.sharedItems = "<si><t>氏名</t></si><si><t>山田</t></si><si><t>鈴木</t></si>"}));

    Outcome run =
        vellumax({"--pdf", path("cards.pdf"), "--merge", path("staff.xlsx"), "--per-record", "card", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text =
        popplerOutput("pdftotext", {path("cards.pdf"), "-"}).remove(QRegularExpression("\\s"));
    EXPECT_TRUE(text.contains(QStringLiteral("山田")) && text.contains(QStringLiteral("鈴木")))
        << text.toStdString();

    WriteFileBytes(path("damaged.xlsx"), ReadFileBytes(path("staff.xlsx")).left(200));
    run = vellumax({"--pdf", path("damaged.pdf"), "--merge", path("damaged.xlsx"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Excel ブック"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("damaged.pdf")));
}

// A card numbers its records and counts its printed cards; a later run asked to continue counts on
// from the last card, a sheet of one record's cards counting each card.
TEST_F(BatchCommands, MergeNumbersRecordsAndCountsCardsAcrossRuns)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel design;
    design.SetBounds(0, 0, 455, 275);
    design.AddObject(lineOfText(QStringLiteral("{{#}}.{{#:001}}-{{氏名}}-{{連番:0101}}")));
    // One card a row, so that the text comes out in the order the cards fill the sheet.
    const QString card = save(design, ParseCardDef("\"Five\",910,550,1,5,140,110,0,0,0"), "merge.vkc");
    WriteFileBytes(path("staff.csv"), "氏名\n山田\n鈴木\n佐藤\n");
    const auto textOf = [this](const char *pdf) {
        return popplerOutput("pdftotext", {path(pdf), "-"}).remove(QRegularExpression("\\s"));
    };

    Outcome run =
        vellumax({"--pdf", path("first.pdf"), "--merge", path("staff.csv"), "--per-record", "card", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(textOf("first.pdf"), QStringLiteral("1.001-山田-01012.002-鈴木-01023.003-佐藤-0103"));

    run = vellumax({"--pdf", path("next.pdf"), "--merge", path("staff.csv"), "--per-record", "card",
                    "--records", "2-3", "--continue-numbering", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(textOf("next.pdf"), QStringLiteral("2.002-鈴木-01043.003-佐藤-0105"));

    run = vellumax({"--pdf", path("sheet.pdf"), "--merge", path("staff.csv"), "--records", "1", "--start",
                    "3", "--continue-numbering", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(textOf("sheet.pdf"), QStringLiteral("1.001-山田-01061.001-山田-01071.001-山田-0108"));

    // Without being asked, a run counts from the card's own start again.
    run = vellumax({"--pdf", path("again.pdf"), "--merge", path("staff.csv"), "--records", "3",
                    "--per-record", "card", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(textOf("again.pdf"), QStringLiteral("3.003-佐藤-0101"));
}

// A staff list whose people need different numbers of cards: the cards fill the cells in order,
// and a count that is no number is refused before any file is written.
TEST_F(BatchCommands, MergePrintsEachRecordAsManyCardsAsItsCopiesColumnSays)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel design;
    design.SetBounds(0, 0, 455, 275);
    design.AddObject(lineOfText(QStringLiteral("{{氏名}}")));
    // One card a row, so that the text comes out in the order the cards fill the sheet.
    const QString card = save(design, ParseCardDef("\"Five\",910,550,1,5,140,110,0,0,0"), "merge.vkc");
    WriteFileBytes(path("staff.csv"), "氏名,枚数\n山田,3\n鈴木,1\n佐藤,２\n高橋,\n伊藤,1\n");

    Outcome run = vellumax({"--pdf", path("cards.pdf"), "--merge", path("staff.csv"), "--per-record", "card",
                            "--copies-column", "枚数", "--start", "2", card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(popplerOutput("pdfinfo", {path("cards.pdf")}).contains(QRegularExpression("Pages:\\s+2\\n")));
    EXPECT_EQ(popplerOutput("pdftotext", {path("cards.pdf"), "-"}).remove(QRegularExpression("\\s")),
              QStringLiteral("山田山田山田鈴木佐藤佐藤高橋伊藤"));

    WriteFileBytes(path("bad.csv"), "氏名,枚数\n山田,3\n鈴木,many\n");
    run = vellumax({"--pdf", path("bad.pdf"), "--merge", path("bad.csv"), "--copies-column", "枚数", card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("レコード 2")) && run.err.contains(QStringLiteral("many")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("bad.pdf")));
}

TEST_F(BatchCommands, PdfOfATwoSidedCardHasItsBackAfterTheFront)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel front;
    front.SetBounds(0, 0, 455, 275);
    TVkVellumPanel back;
    back.SetBounds(0, 0, 455, 275);
    front.AddObject(lineOfText(QStringLiteral("表面の山田太郎")));
    back.AddObject(lineOfText(QStringLiteral("裏面の地図と案内")));
    const QString card =
        save(front, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), QStringLiteral("two.vkc"), &back);
    // Without blanks: pdftotext may space out the characters of a short line.
    const auto pageText = [](const QString &pdf, int page) {
        return popplerOutput(QStringLiteral("pdftotext"),
                             {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                              QString::number(page), pdf, QStringLiteral("-")})
            .remove(u' ');
    };

    for (const QString &turn : {QStringLiteral("long"), QStringLiteral("short")}) {
        const QString pdf = path(turn + QStringLiteral(".pdf"));
        const Outcome run = vellumax({QStringLiteral("--pdf"), pdf, QStringLiteral("--back"), turn, card});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(pageText(pdf, 1).count(QStringLiteral("表面の山田太郎")), 10);
        EXPECT_EQ(pageText(pdf, 1).count(QStringLiteral("裏面の地図と案内")), 0);
        EXPECT_EQ(pageText(pdf, 2).count(QStringLiteral("裏面の地図と案内")), 10) << turn.toStdString();
    }

    // From the third cell: the backs of the two cells left empty stay empty too.
    Outcome run = vellumax(
        {QStringLiteral("--pdf"), path("later.pdf"), QStringLiteral("--start"), QStringLiteral("3"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pageText(path("later.pdf"), 1).count(QStringLiteral("表面の山田太郎")), 8);
    EXPECT_EQ(pageText(path("later.pdf"), 2).count(QStringLiteral("裏面の地図と案内")), 8);

    run = vellumax(
        {QStringLiteral("--pdf"), path("front.pdf"), QStringLiteral("--back"), QStringLiteral("none"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(popplerOutput(QStringLiteral("pdfinfo"), {path("front.pdf")})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));

    run = vellumax({QStringLiteral("--pdf"), path("bad.pdf"), QStringLiteral("--back"),
                    QStringLiteral("sideways"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--back"))) << run.err.toStdString();
}

// A picture is of the front unless the back is asked for; a card without a back has none to give.
TEST_F(BatchCommands, ExportGivesTheBackWhenAsked)
{
    TVkVellumPanel front;
    SetPlainCardSide(front, RGBToColor(255, 255, 255));
    TVkVellumPanel back;
    SetPlainCardSide(back, RGBToColor(200, 30, 30));
    const TCardDef sheet = ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0");
    const QString card = save(front, sheet, QStringLiteral("two.vkc"), &back);

    Outcome run = vellumax({QStringLiteral("--export"), path("back.png"), QStringLiteral("--side"),
                            QStringLiteral("back"), QStringLiteral("--dpi"), QStringLiteral("100"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage picture(path("back.png"));
    ASSERT_EQ(picture.size(), QSize(358, 217));
    EXPECT_EQ(picture.pixel(179, 108), qRgb(200, 30, 30));
    run = vellumax({QStringLiteral("--export"), path("front.png"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(path("front.png")).pixel(200, 100), qRgb(255, 255, 255));

    const QString oneSided = save(front, sheet, QStringLiteral("one.vkc"));
    run = vellumax({QStringLiteral("--export"), path("none.png"), QStringLiteral("--side"),
                    QStringLiteral("back"), oneSided});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("裏面がありません"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.png")));
}

TEST_F(BatchCommands, PrintingBothSidesNeedsAPrinterThatTurnsTheSheet)
{
    if (const std::string missing = TestQueueMissing(false); !missing.empty())
        GTEST_SKIP() << missing;
    if (QPrinterInfo::printerInfo(kQueue).supportedDuplexModes().contains(QPrinter::DuplexLongSide))
        GTEST_SKIP() << "the test queue prints both sides itself";
    TVkVellumPanel front;
    front.SetBounds(0, 0, 455, 275);
    TVkVellumPanel back;
    back.SetBounds(0, 0, 455, 275);
    back.SetColor(RGBToColor(200, 220, 255));
    const QString card =
        save(front, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), QStringLiteral("two.vkc"), &back);
    // Rather than the backs on sheets of their own.
    const Outcome run = vellumax({QStringLiteral("--print"), QStringLiteral("--printer"), kQueue,
                                  QStringLiteral("--back"), QStringLiteral("long"), card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(kQueue) && run.err.contains(QStringLiteral("--back none")))
        << run.err.toStdString();
}

TEST_F(BatchCommands, PdfKeepsVerticalTextInReadingOrder)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    card.SetColor(RGBToColor(255, 255, 255));
    auto name = std::make_unique<TVkDragLabel>();
    CardFont font;
    font.Name = QStringLiteral("ＭＳ 明朝");
    font.Height = -36;
    font.Color = RGBToColor(0, 0, 0);
    name->SetFont(font);
    name->SetCaption({QStringLiteral("山田太郎"), QStringLiteral("営業部長")});
    name->SetTypesetting({true, taCenter, 120, 10, false});
    name->SetAutoSize(true);
    name->SetBounds(340, 20, 100, 240);
    card.AddObject(std::move(name));
    const QString document = save(card, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), "vertical.vkc");

    const Outcome run = vellumax({QStringLiteral("--pdf"), path("vertical.pdf"), document});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QString text = popplerOutput(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-raw"), path("vertical.pdf"), QStringLiteral("-")});
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_EQ(text.count(QStringLiteral("山田太郎営業部長")), 10) << text.toStdString();
}

// The README's recipe for a very large merge, run as written on four ranges of a smaller table:
// the parts, joined, hold the pages and the text of one run over the whole table.
TEST_F(BatchCommands, MergeRunInParallelRangesJoinsToTheSingleRunsPdf)
{
    for (const char *tool : {"parallel", "qpdf", "pdftotext"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QFile readme(QStringLiteral(VELLUMIA_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    QString recipe =
        QString::fromUtf8(readme.readAll()).section(QStringLiteral("```sh\nrecords=100000 size=1000"), 1);
    recipe = QStringLiteral("records=40 size=10") + recipe.section(QStringLiteral("```"), 0, 0);
    ASSERT_TRUE(recipe.contains(QStringLiteral("parallel"))) << recipe.toStdString();

    TVkVellumPanel design;
    design.SetBounds(0, 0, 455, 275);
    design.AddObject(lineOfText(QStringLiteral("{{氏名}}")));
    save(design, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), "card.vkc");
    QByteArray csv = "氏名\r\n";
    for (int person = 1; person <= 37; ++person)
        csv += QStringLiteral("社員%1\r\n").arg(person, 3, 10, QLatin1Char('0')).toUtf8();
    WriteFileBytes(path("staff.csv"), csv);
    const Outcome single = vellumax(
        {"--pdf", path("single.pdf"), "--merge", path("staff.csv"), "--per-record", "card", "card.vkc"});
    ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();

    QProcess shell;
    QProcessEnvironment environment = this->environment;
    environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(VELLUMAX_BINARY)).absolutePath() +
                                                   u':' + environment.value(QStringLiteral("PATH")));
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(folder.path());
    shell.start(QStringLiteral("bash"), {"-euo", "pipefail", "-c", recipe});
    ASSERT_TRUE(shell.waitForFinished(120000));
    ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(path("part-4.pdf")));
    EXPECT_FALSE(QFile::exists(path("part-5.pdf")));

    QString joined = popplerOutput("pdftotext", {path("cards.pdf"), "-"});
    EXPECT_EQ(joined.count(u'\f'), 4);
    EXPECT_EQ(joined, popplerOutput("pdftotext", {path("single.pdf"), "-"}));
    EXPECT_TRUE(joined.remove(QRegularExpression("\\s")).contains(QStringLiteral("社員037")));
}

// A drawing with sharp edges keeps its exact pixels in the PDF, and the same picture on the front
// and the back of a saved card is stored once.
TEST_F(BatchCommands, PdfKeepsPicturesLosslessAndOnceForBothSides)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QImage logo(60, 40, QImage::Format_RGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            logo.setPixel(x, y, (x / 3 + y / 2) % 2 ? qRgb(200, 30, 30) : qRgb(255, 255, 255));
    TVkVellumPanel front;
    front.SetBounds(0, 0, 455, 275);
    TVkVellumPanel back;
    back.SetBounds(0, 0, 455, 275);
    for (TVkVellumPanel *side : {&front, &back}) {
        auto picture = std::make_unique<TVkDragLabel>();
        picture->SetBitmap(logo.copy());
        picture->SetBounds(20, 20, 124, 84);
        side->AddObject(std::move(picture));
    }
    const QString card =
        save(front, ParseCardDef("\"Ten up\",910,550,2,5,140,110,0,0,0"), QStringLiteral("logo.vkc"), &back);
    const QString pdf = path("logo.pdf");
    const Outcome run =
        vellumax({QStringLiteral("--pdf"), pdf, QStringLiteral("--back"), QStringLiteral("long"), card});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    ASSERT_EQ(storedImages(pdf).size(), 1);
    const QString list = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_FALSE(list.contains(QStringLiteral(" jpeg "))) << list.toStdString();
    ASSERT_EQ(popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, path("stored")}),
              QString());
    const QImage stored = QImage(path("stored-000.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(stored, logo);
}

// The shipped card stock's 91 x 55 mm ten-up sheets, by their product numbers: each layout of
// margins once, its cards drawn where the maker's margins put them on the paper.
TEST_F(BatchCommands, ShippedTenUpCardStockPlacesItsCellsByTheMakersMargins)
{
    if (PdfToImageTool().isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QMap<QPair<int, int>, QString> productByMargins;
    const QStringList lines =
        QString::fromUtf8(ReadFileBytes(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardStock.csv")))
            .split(u'\n');
    for (const QString &line : lines) {
        const QStringList f = line.split(u',');
        if (line.startsWith(u'#') || f.size() != 12 || f[4] != u"91" || f[5] != u"55" || f[6] != u"2" ||
            f[7] != u"5")
            continue;
        productByMargins.insert({qRound(f[8].toDouble() * 10), qRound(f[9].toDouble() * 10)}, f[1]);
    }
    ASSERT_FALSE(productByMargins.isEmpty());
    // A black square 10 mm from the card's top-left corner, 20 mm a side (5 surface pixels a mm).
    TVkVellumPanel marked;
    marked.SetBounds(0, 0, 455, 275);
    marked.SetColor(RGBToColor(255, 255, 255));
    QImage black(20, 20, QImage::Format_RGB32);
    black.fill(Qt::black);
    auto square = std::make_unique<TVkDragLabel>();
    square->SetBitmap(black);
    square->SetBounds(50, 50, 100, 100);
    marked.AddObject(std::move(square));
    const QString card = save(marked, ParseCardDef("\"Own\",860,540,1,1,0,0,0,0,0"), "marked.vkc");
    for (auto product = productByMargins.cbegin(); product != productByMargins.cend(); ++product) {
        const QString pdf = path(product.value() + ".pdf");
        const Outcome run = vellumax({"--pdf", pdf, "--marks", "none", "--sheet", product.value(), card});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        // At 254 dpi a pixel is a tenth of a millimetre.
        const QImage sheet = RasterisePdf(pdf, 254);
        ASSERT_FALSE(sheet.isNull());
        const auto [left, top] = product.key();
        for (int cell = 0; cell < 10; ++cell) {
            const QRect cellRect(left + cell % 2 * 910, top + cell / 2 * 550, 910, 550);
            const QRect ink = InkBounds(sheet, cellRect);
            const QString where = product.value() + QStringLiteral(" cell %1").arg(cell);
            EXPECT_NEAR(ink.left(), cellRect.left() + 100, 2) << qPrintable(where);
            EXPECT_NEAR(ink.top(), cellRect.top() + 100, 2) << qPrintable(where);
            EXPECT_NEAR(ink.width(), 200, 3) << qPrintable(where);
            EXPECT_NEAR(ink.height(), 200, 3) << qPrintable(where);
        }
    }
}

// A sheet a maker sells is chosen by its product number alone, by its full name as --list-sheets
// prints it, and not by a number two makers share.
TEST_F(BatchCommands, SheetByProductNumberOrFullNameAndListedByText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    Outcome run = vellumax({"--list-sheets", "mt-jmn1wn"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList listed = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 1) << run.out.toStdString();
    const QStringList fields = listed[0].split(u'\t');
    ASSERT_EQ(fields.size(), 5) << qPrintable(listed[0]);
    EXPECT_TRUE(fields[0].startsWith(QStringLiteral("エレコム MT-JMN1WN "))) << qPrintable(fields[0]);
    EXPECT_EQ(fields.mid(1, 3), (QStringList{"91×55mm", "2×5", "A4"}));
    EXPECT_TRUE(fields[4].endsWith(QStringLiteral("CardStock.csv"))) << qPrintable(fields[4]);

    run = vellumax({"--list-sheets", "91×55mm B5"});
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(QStringLiteral("名刺 91×55mm B5 8面\t91×55mm\t2×4\t-\t")))
        << run.out.toStdString();

    const QString card = saveBusinessCard(QStringLiteral("card.vkc"));
    for (const QString &sheet : {QStringLiteral("MT-JMN1WN"), fields[0]}) {
        run = vellumax({"--pdf", path("cards.pdf"), "--sheet", sheet, card});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString text =
            popplerOutput(QStringLiteral("pdftotext"), {path("cards.pdf"), QStringLiteral("-")});
        EXPECT_EQ(text.count(kCardText), 10) << qPrintable(sheet);
    }

    // The user's own templates may hold a product of another maker under the same number.
    const QString templates = path("config/libglabels/templates");
    QDir().mkpath(templates);
    WriteFileBytes(templates + "/other.template",
                   R"(<Glabels-templates><Template brand="Other" part="MT-JMN1WN"
      size="A4" description="Cards"><Label-rectangle width="85mm" height="54mm"><Layout nx="2" ny="5" x0="20mm"
      y0="13mm" dx="85mm" dy="54mm"/></Label-rectangle></Template></Glabels-templates>)");
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
    run = vellumax({"--pdf", path("shared.pdf"), "--sheet", "MT-JMN1WN", card});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Other MT-JMN1WN Cards"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("shared.pdf")));
    run = vellumax({"--pdf", path("other.pdf"), "--sheet", "Other MT-JMN1WN", card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = vellumax({"--list-sheets", "a", "b"});
    EXPECT_EQ(run.exitCode, 1);
    run = vellumax({"--list-sheets", "--sheet", "x"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--sheet"))) << run.err.toStdString();
}
