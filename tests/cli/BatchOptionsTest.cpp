#include "cli/BatchOptions.h"
#include "ErrorMessage.h"
#include "model/sheet/CardSheetDrawing.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

BatchOptions parse(const QString &line)
{
    return BatchOptions::Parse(line.split(u' ', Qt::SkipEmptyParts));
}

// The message of the error the command line is refused with; empty when it is accepted.
QString refusal(const QString &line)
{
    return ErrorMessageOf([&line] { parse(line); });
}

} // namespace

TEST(BatchOptions, EachCommandTakesItsOwnOptionsInAnyOrder)
{
    const BatchOptions picture = parse("card.vkc --quality 95 --export out.jpg --dpi 300");
    EXPECT_EQ(picture.Command, BatchCommand::Export);
    EXPECT_EQ(picture.OutputFile, "out.jpg");
    EXPECT_EQ(picture.CardFile, "card.vkc");
    EXPECT_EQ(picture.Picture.Dpi, 300);
    EXPECT_EQ(picture.Picture.Quality, 95);

    const BatchOptions screen = parse("--export=out.png card.vkc");
    EXPECT_EQ(screen.OutputFile, "out.png");
    EXPECT_FALSE(screen.Picture.Dpi);
    EXPECT_EQ(screen.Picture.Quality, 80);
    EXPECT_FALSE(screen.Picture.Back);
    EXPECT_TRUE(parse("--export back.png --side back card.vkc").Picture.Back);
    EXPECT_FALSE(parse("--export front.png --side front card.vkc").Picture.Back);

    const BatchOptions pdf = parse("--pdf out.pdf --marks cross --sheet A-ONE card.vkc");
    EXPECT_EQ(pdf.Command, BatchCommand::Pdf);
    EXPECT_EQ(pdf.Marks, cmCornerCrosses);
    EXPECT_EQ(pdf.SheetName, "A-ONE");
    EXPECT_FALSE(parse("--pdf out.pdf card.vkc").Marks); // the settings decide

    const BatchOptions print = parse("--print --printer Office --copies 3 --marks frame card.vkc");
    EXPECT_EQ(print.Command, BatchCommand::Print);
    EXPECT_EQ(print.PrinterName, "Office");
    EXPECT_EQ(print.Job.Copies, 3);
    EXPECT_EQ(print.Marks, cmDottedFrame);
    EXPECT_EQ(parse("--marks none --print card.vkc").Marks, cmNone);

    EXPECT_EQ(parse("--help").Command, BatchCommand::Help);
    EXPECT_EQ(parse("--version --export x.png").Command, BatchCommand::Version);
}

TEST(BatchOptions, RefusalsNameTheOptionAtFault)
{
    EXPECT_EQ(refusal("--export out.png --colour red card.vkc"), "不明なオプション --colour");
    EXPECT_EQ(refusal("--export out.png -x card.vkc"), "不明なオプション -x");
    EXPECT_EQ(refusal("--export out.png --dpi"), "--dpi の後に N を指定してください");
    EXPECT_EQ(refusal("--print=now card.vkc"), "--print には値を付けないでください");
    EXPECT_TRUE(refusal("--export out.png --dpi 71 card.vkc").contains("--dpi の値 71"));
    EXPECT_TRUE(refusal("--export out.png --dpi 1201 card.vkc").contains("--dpi の値 1201"));
    EXPECT_TRUE(refusal("--export out.png --dpi 3e2 card.vkc").contains("--dpi の値 3e2"));
    EXPECT_TRUE(refusal("--export out.jpg --quality 0 card.vkc").contains("--quality の値 0"));
    EXPECT_TRUE(refusal("--print --copies 0 card.vkc").contains("--copies の値 0"));
    EXPECT_TRUE(refusal("--pdf out.pdf --marks dots card.vkc").contains("--marks の値 dots"));
    EXPECT_TRUE(refusal("--export out.png --side left card.vkc").contains("--side の値 left"));
    EXPECT_EQ(refusal("--pdf out.pdf --side back card.vkc"), "--side は --pdf とともには使えません");
    EXPECT_EQ(refusal("--pdf out.pdf --dpi 300 card.vkc"), "--dpi は --pdf とともには使えません");
    EXPECT_EQ(refusal("--export out.png --printer Office card.vkc"),
              "--printer は --export とともには使えません");
    EXPECT_EQ(refusal("--export out.png --sheet A card.vkc"), "--sheet は --export とともには使えません");
    EXPECT_TRUE(refusal("--export a.png --pdf b.pdf card.vkc").contains("--export、--pdf"));
    EXPECT_TRUE(refusal("--dpi 300 card.vkc").contains("--export、--pdf、--print"));
    EXPECT_TRUE(refusal("--export a.png --dpi 300 --dpi 600 card.vkc").contains("--dpi は一度だけ"));
    EXPECT_EQ(refusal("--export out.png"), "カードファイルを指定してください");
    EXPECT_TRUE(refusal("--export out.png a.vkc b.vkc").contains("a.vkc b.vkc"));
}

// The parser's own refusals are English; the program says each in its own words.
TEST(BatchOptions, EveryRefusalIsInJapanese)
{
    for (const char *line : {"--export", "--help=now", "--export out.png --quality", "--pdf out.pdf --start",
                             "--print --copies=x card.vkc", "--export out.png --merge"}) {
        const QString message = refusal(QString::fromLatin1(line));
        EXPECT_TRUE(std::any_of(message.begin(), message.end(), [](QChar c) { return c.unicode() > 0x2000; }))
            << line << ": " << message.toStdString();
    }
}

TEST(BatchOptions, OnlyLongOptionsAskForABatchRun)
{
    EXPECT_TRUE(IsBatchCommandLine({"card.vkc", "--pdf", "out.pdf"}));
    EXPECT_TRUE(IsBatchCommandLine({"--version"}));
    EXPECT_FALSE(IsBatchCommandLine({}));
    EXPECT_FALSE(IsBatchCommandLine({"card.vkc"}));
    EXPECT_FALSE(IsBatchCommandLine({"-card.vkc"}));
}

TEST(BatchOptions, HelpNamesEveryOption)
{
    const QString help = BatchOptions::HelpText();
    for (const char *option : {"--export", "--pdf", "--print", "--dpi", "--quality", "--marks", "--sheet",
                               "--printer", "--copies"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option;
}

TEST(BatchOptions, MergeTakesARangeOfRecordsCountedFromOne)
{
    const BatchOptions range =
        parse("--pdf out.pdf --merge staff.csv --records 3-10 --per-record card card.vkc");
    EXPECT_EQ(range.MergeTable, "staff.csv");
    EXPECT_EQ(range.Job.PerRecord, MergeLayout::CardPerRecord);
    EXPECT_EQ(range.Job.FirstRecord, 3);
    EXPECT_EQ(range.Job.LastRecord, 10);
    EXPECT_EQ(parse("--pdf o.pdf --merge t.csv --records 5- c.vkc").Job.LastRecord, std::nullopt);
    EXPECT_EQ(parse("--pdf o.pdf --merge t.csv --records -4 c.vkc").Job.FirstRecord, 1);
    EXPECT_EQ(parse("--pdf o.pdf --merge t.csv --records 7 c.vkc").Job.LastRecord, 7);
    EXPECT_EQ(parse("--pdf o.pdf --merge t.csv c.vkc").Job.PerRecord, MergeLayout::SheetPerRecord);
    for (const char *bad : {"0-3", "5-2", "a", "-", "1-2-3"})
        EXPECT_TRUE(refusal(QStringLiteral("--pdf o.pdf --merge t.csv --records %1 c.vkc").arg(bad))
                        .contains("--records"))
            << bad;
    EXPECT_TRUE(refusal("--pdf o.pdf --records 1-2 c.vkc").contains("--merge"));
    EXPECT_TRUE(refusal("--export o.png --merge t.csv --per-record card c.vkc").contains("--per-record"));
}

TEST(BatchOptions, SheetsTakeAnOffsetAStartCellAndACount)
{
    const BatchOptions print = parse("--print --offset 1.5,-0.8 --start 4 --cards 25 card.vkc");
    EXPECT_EQ(print.Job.Adjustment, (PrintAdjustment{15, -8, 10000}));
    EXPECT_EQ(print.Job.Run, (SheetRun{.StartCell = 3, .CountUnit = SheetRun::Unit::Cards, .Count = 25}));
    EXPECT_EQ(parse("--pdf o.pdf --sheets 3 --offset 0,0,101.5 c.vkc").Job.Run.Count, 3);
    EXPECT_FALSE(parse("--pdf o.pdf c.vkc").Job.Adjustment);
    EXPECT_TRUE(refusal("--pdf o.pdf --offset 1.5 c.vkc").contains("--offset"));
    EXPECT_TRUE(refusal("--pdf o.pdf --offset 0,0,150 c.vkc").contains("--offset"));
    EXPECT_TRUE(refusal("--pdf o.pdf --start 0 c.vkc").contains("--start"));
    EXPECT_TRUE(refusal("--export o.png --offset 1,1 c.vkc").contains("--offset"));
    EXPECT_TRUE(refusal("--pdf o.pdf --sheets 2 --cards 3 c.vkc").contains("--cards"));
    EXPECT_TRUE(refusal("--pdf o.pdf --merge t.csv --sheets 2 c.vkc").contains("--sheets"));
}
