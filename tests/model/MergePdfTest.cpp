#include "model/merge/MergePdf.h"
#include "PrintTestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/TCardDef.h"
#include "model/merge/MergeRecord.h"
#include "model/merge/MergeTableReader.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void addText(TVkVellumPanel &card, const QStringList &lines)
{
    auto &object = card.AddObject(std::make_unique<TVkDragLabel>());
    object.SetBounds(10, 10, 300, 120);
    CardFont font = object.Font();
    font.Height = -40;
    object.SetFont(font);
    object.LoadCaption(lines);
}

// Two 91 x 55 mm cards across and five down, 14 mm from the left and 11 mm from the top.
TCardDef tenUpSheet()
{
    return BusinessCardSheet(2, 5, 140, 110);
}

} // namespace

TEST(MergePdf, EachRecordPrintsOnItsOwnPageOrCellAndCancelWritesNothing)
{
    const QString pdfInfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdfText = QStandardPaths::findExecutable("pdftotext");
    if (pdfInfo.isEmpty() || pdfText.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir folder;
    constexpr int staff = 1000;
    const auto name = [](int person) {
        return QStringLiteral("社員%1").arg(person, 4, 10, QLatin1Char('0'));
    };
    QByteArray csv = "氏名\n";
    for (int person = 1; person <= staff; ++person)
        csv += (name(person) + '\n').toUtf8();
    const MergeTable table = MergeTableReader::Read(csv);
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    addText(card, {"{{氏名}}"});
    const TCardDef tenUp = tenUpSheet();

    const auto print = [&](const QString &pdf, const MergePlan &plan, int cancelAt) {
        return WriteMergePdf(pdf, card, tenUp, 0, "merge", table, plan,
                             [cancelAt](int sheet) { return sheet != cancelAt; });
    };
    const QString cards = folder.filePath("cards.pdf");
    // From the fourth cell, 1,003 cells fill 101 sheets.
    ASSERT_TRUE(print(cards, MergePlan(0, staff, MergeLayout::CardPerRecord, 10, 3), -1));
    EXPECT_TRUE(runTool(pdfInfo, {cards}).contains(QRegularExpression("Pages:\\s+101\\n")));
    const QString text = runTool(pdfText, {cards, "-"}).remove(QRegularExpression("\\s"));
    for (int person = 1; person <= staff; ++person)
        EXPECT_TRUE(text.contains(name(person))) << person;
    EXPECT_EQ(card.Object(0).Caption(), QStringList({"{{氏名}}"}));

    const QString sheets = folder.filePath("sheets.pdf");
    ASSERT_TRUE(print(sheets, MergePlan(4, 2, MergeLayout::SheetPerRecord, 10), -1));
    EXPECT_TRUE(runTool(pdfInfo, {sheets}).contains(QRegularExpression("Pages:\\s+2\\n")));
    EXPECT_EQ(runTool(pdfText, {sheets, "-"}).remove(QRegularExpression("\\s")).count(name(5)), 10);

    const QString cancelled = folder.filePath("cancelled.pdf");
    EXPECT_FALSE(print(cancelled, MergePlan(0, staff, MergeLayout::SheetPerRecord, 10), 2));
    EXPECT_FALSE(QFileInfo::exists(cancelled));
}

TEST(MergePdf, EachRecordsBackLandsBehindItsFront)
{
    const QString pdfText = QStandardPaths::findExecutable("pdftotext");
    if (pdfText.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir folder;
    const MergeTable table = MergeTableReader::Read("氏名\n社員001\n社員002\n社員003\n");
    TVkVellumPanel front;
    front.SetBounds(0, 0, 455, 275);
    addText(front, {"{{氏名}}"});
    TVkVellumPanel back;
    back.SetBounds(0, 0, 455, 275);
    addText(back, {"裏{{氏名}}"});

    const QString pdf = folder.filePath("both.pdf");
    const MergeBackSide backSide{back, {.Turn = SheetTurn::LongEdge}};
    ASSERT_TRUE(WriteMergePdf(pdf, front, tenUpSheet(), 0, "merge", table,
                              MergePlan(0, 3, MergeLayout::CardPerRecord, 10), {}, nullptr, {}, &backSide));
    // The text in one cell of the top row of a page, at 72 dpi: columns from 14 and 105 mm.
    const auto cellText = [&](int page, double leftMm) {
        const auto points = [](double mm) { return QString::number(int(mm / 25.4 * 72)); };
        return runTool(pdfText,
                       {"-f", QString::number(page), "-l", QString::number(page), "-x", points(leftMm + 2),
                        "-y", points(13), "-W", points(85), "-H", points(50), pdf, "-"})
            .remove(QRegularExpression("\\s"));
    };
    EXPECT_EQ(cellText(1, 14), "社員001");
    EXPECT_EQ(cellText(1, 105), "社員002");
    // Turned over on the long edge, the left column's back is on the right.
    EXPECT_EQ(cellText(2, 105), "裏社員001");
    EXPECT_EQ(cellText(2, 14), "裏社員002");
    EXPECT_EQ(back.Object(0).Caption(), QStringList({"裏{{氏名}}"}));
}

// A short value in a field laid out for a long one prints as the card shows it, and so does a long
// value in a narrow box: neither is spread nor crushed to the box's width.
TEST(MergePdf, MergedTextPrintsAsWideAsTheCardShowsIt)
{
    const QString pdfText = QStandardPaths::findExecutable("pdftotext");
    if (pdfText.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir folder;
    const MergeTable table = MergeTableReader::Read("部署\n経理部\n国際営業推進本部第一営業部\n");
    TVkVellumPanel card;
    card.SetBounds(0, 0, 455, 275);
    addText(card, {"{{部署}}"});
    card.Object(0).SetAutoSize(false);

    const QString pdf = folder.filePath("departments.pdf");
    ASSERT_TRUE(WriteMergePdf(pdf, card, OneCardSheet(), 0, "merge", table,
                              MergePlan(0, 2, MergeLayout::SheetPerRecord, 1)));
    for (int record = 0; record < 2; ++record) {
        SCOPED_TRACE(record);
        const MergeRecord shown(table, record);
        const int screenWidth = card.Object(0).MeasureContent(&shown).width();
        const QString page = QString::number(record + 1);
        const QString words = runTool(pdfText, {"-bbox", "-f", page, "-l", page, pdf, "-"});
        const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"");
        QList<QRegularExpressionMatch> found;
        for (const QRegularExpressionMatch &match : word.globalMatch(words))
            found << match;
        // One word: the letters are not spread apart.
        ASSERT_EQ(found.size(), 1) << words.toStdString();
        const double printedPoints = found[0].captured(2).toDouble() - found[0].captured(1).toDouble();
        // Five surface pixels a millimetre.
        EXPECT_NEAR(printedPoints, screenWidth / 5.0 / 25.4 * 72, 2.0);
    }
}
