#include "model/sheet/SheetLibrary.h"
#include "FileBytes.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/LabelsListReader.h"
#include "model/sheet/SheetTemplateReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kTemplates = R"(<?xml version="1.0"?>
<Glabels-templates xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="8371" size="US-Letter" _description="Business Cards">
    <Meta category="card"/>
    <Label-rectangle id="0" width="3.5in" height="2in" round="0.125in">
      <Markup-margin size="9pt"/>
      <Layout nx="2" ny="5" x0="0.75in" y0="0.5in" dx="3.5in" dy="2in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Avery" part="5371" equiv="8371"/>
  <Template brand="Avery" part="5911" equiv="8371" _description="Clean Edge Cards"/>
  <Template brand="Avery" part="9999" equiv="0000"/>
  <Template brand="Avery" part="5294" size="US-Letter" _description="Round Labels">
    <Label-round id="0" radius="1.25in">
      <Layout nx="2" ny="3" x0="1in" y0="1in" dx="3in" dy="3in"/>
    </Label-round>
  </Template>
  <Template brand="Avery" part="5295" equiv="5294"/>
  <Template brand="Avery" part="L7413" size="A4" description="Overlapping">
    <Label-rectangle id="0" width="91mm" height="55mm">
      <Layout nx="3" ny="5" x0="14mm" y0="11mm" dx="80mm" dy="55mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Herma" part="4412" size="Other" width="100mm" height="200mm" description="Custom paper">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="40mm" height="30mm">
      <Layout nx="2" ny="1" x0="5mm" y0="6mm" dx="45mm" dy="0"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>
)";

const QByteArray kLabels = R"(<?xml version="1.0" encoding="UTF-8"?>
<manufacturers>
  <manufacturer name="A-ONE">
    <label><id>51002</id><name>51002 名刺 クリアエッジ</name>
      <measure>S;9100;5500;9100;5500;1400;1100;2;5;21000;29700</measure></label>
    <label><id>R1</id><name>Roll</name><measure>C;9100;5500;9100;5500;0;0;1;1</measure></label>
    <label><id>B1</id><name>Short</name><measure>S;9100;5500</measure></label>
  </manufacturer>
</manufacturers>
)";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFileBytes(path, bytes);
}

QStringList logged;
void keepMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged << message;
}

// The log lines a reading of the library writes.
struct CapturedLog {
    CapturedLog() : previous(qInstallMessageHandler(keepMessage)) { logged.clear(); }
    ~CapturedLog() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

QString shippedList()
{
    return QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardStock.csv");
}

} // namespace

TEST(SheetLibrary, TemplatesGiveLayoutsInTenthsAndAliasesTheirOwnProductNumbers)
{
    const SheetReadResult read = ReadSheetTemplates(kTemplates, QStringLiteral("avery.xml"));
    ASSERT_TRUE(read.Failure.isEmpty()) << qPrintable(read.Failure);
    ASSERT_EQ(read.Sheets.size(), 4u);
    const LibrarySheet &cards = read.Sheets[0];
    EXPECT_EQ(LibrarySheetName(cards), QStringLiteral("Avery 8371 Business Cards"));
    EXPECT_EQ(CardDefName(cards.Layout), QStringLiteral("Avery 8371 Business Cards"));
    // 3.5 x 2 in = 88.9 x 50.8 mm; 0.75 in = 19.05 mm and 0.5 in = 12.7 mm; pitch equals the card.
    const TCardDef expected{{}, 889, 508, 2, 5, 191, 127, 0, 0, 0};
    EXPECT_TRUE(SameCardLayout(cards.Layout, expected));
    EXPECT_EQ(cards.Layout.System, 0);
    EXPECT_TRUE(cards.BusinessCard);
    EXPECT_EQ(cards.Paper, QStringLiteral("US-Letter"));

    EXPECT_EQ(LibrarySheetName(read.Sheets[1]), QStringLiteral("Avery 5371 Business Cards"));
    EXPECT_TRUE(SameCardLayout(read.Sheets[1].Layout, expected));
    EXPECT_EQ(LibrarySheetName(read.Sheets[2]), QStringLiteral("Avery 5911 Clean Edge Cards"));

    const LibrarySheet &custom = read.Sheets[3];
    EXPECT_TRUE(SameCardLayout(custom.Layout, TCardDef{{}, 400, 300, 2, 1, 50, 60, 50, 0, 0}));
    EXPECT_EQ(custom.PaperSizeMm, QSizeF(100, 200));
    EXPECT_TRUE(custom.BusinessCard);
    // The round label is left out with its alias; the alias of a missing template and the
    // overlapping cells are broken.
    EXPECT_EQ(read.LeftOut, 2);
    EXPECT_EQ(read.Broken, 2);
}

TEST(SheetLibrary, HostileOrDamagedFilesAreRefusedWhole)
{
    const QByteArray laughs = R"(<?xml version="1.0"?>
<!DOCTYPE Glabels-templates [
 <!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">
 <!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"> <!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
 <!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;"> <!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;">
]>
<Glabels-templates><Template brand="&e;" part="1" size="A4" description="x">
<Label-rectangle width="91mm" height="55mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/>
</Label-rectangle></Template></Glabels-templates>)";
    QByteArray flood = "<Glabels-templates>";
    for (int i = 0; i <= kMostSheetsInFile; ++i)
        flood += "<Template brand=\"B\" part=\"" + QByteArray::number(i) + "\" equiv=\"0\"/>";
    flood += "</Glabels-templates>";
    const QByteArray absurd = R"(<Glabels-templates><Template brand="B" part="1" size="A4">
<Label-rectangle width="1e308mm" height="55mm"><Layout nx="2" ny="5" x0="0" y0="0" dx="91mm" dy="55mm"/>
</Label-rectangle></Template><Template brand="B" part="2" size="A4"><Label-rectangle width="91mm"
height="55mm"><Layout nx="100000" ny="5" x0="0" y0="0" dx="91mm" dy="55mm"/></Label-rectangle>
</Template></Glabels-templates>)";

    EXPECT_FALSE(ReadSheetTemplates(laughs, {}).Failure.isEmpty());
    EXPECT_FALSE(ReadSheetTemplates("%PDF-1.4 not xml", {}).Failure.isEmpty());
    EXPECT_FALSE(ReadSheetTemplates(kTemplates.left(kTemplates.size() / 2), {}).Failure.isEmpty());
    EXPECT_FALSE(ReadSheetTemplates(kLabels, {}).Failure.isEmpty());
    const SheetReadResult flooded = ReadSheetTemplates(flood, {});
    EXPECT_FALSE(flooded.Failure.isEmpty());
    EXPECT_TRUE(flooded.Sheets.empty());
    const SheetReadResult wild = ReadSheetTemplates(absurd, {});
    EXPECT_TRUE(wild.Sheets.empty());
    EXPECT_EQ(wild.Broken, 2);
}

TEST(SheetLibrary, LabelsListGivesSheetsAndADamagedOneIsRefused)
{
    const SheetReadResult read = ReadLabelsList(kLabels, QStringLiteral("labels.xml"));
    ASSERT_TRUE(read.Failure.isEmpty()) << qPrintable(read.Failure);
    ASSERT_EQ(read.Sheets.size(), 1u);
    EXPECT_EQ(LibrarySheetName(read.Sheets[0]), QStringLiteral("A-ONE 51002 名刺 クリアエッジ"));
    EXPECT_TRUE(SameCardLayout(read.Sheets[0].Layout, TCardDef{{}, 910, 550, 2, 5, 140, 110, 0, 0, 0}));
    EXPECT_EQ(read.Sheets[0].Paper, QStringLiteral("A4"));
    EXPECT_EQ(read.LeftOut, 1);
    EXPECT_EQ(read.Broken, 1);

    for (const QByteArray &damaged : {kLabels.left(200), QByteArray("\xff\xfe\x00<"), kTemplates})
        EXPECT_FALSE(ReadLabelsList(damaged, {}).Failure.isEmpty());
}

TEST(SheetLibrary, SkipsEachBadFileWithOneLogLineNamingItAndReadsTheRest)
{
    QTemporaryDir dir;
    const QString user = dir.filePath("user");
    const QString system = dir.filePath("system");
    writeFile(user + "/mine.template", kTemplates);
    writeFile(system + "/broken-templates.xml", "<Glabels-templates><Template");
    writeFile(system + "/paper-sizes.xml", "<Glabels-paper-sizes/>");
    writeFile(system + "/other-templates.xml", kTemplates);
    writeFile(dir.filePath("labels.xml"), kLabels.left(300));
    SheetLibrary library;
    {
        const CapturedLog log;
        library = SheetLibrary::Read({.CardStockList = shippedList(),
                                      .TemplateFolders = {user, system, dir.filePath("missing")},
                                      .LabelsLists = {dir.filePath("labels.xml"), dir.filePath("none.xml")}});
        // Each refused file is named once; damaged entries and round labels are counted.
        for (const QString &refused : {system + "/broken-templates.xml", dir.filePath("labels.xml")})
            EXPECT_EQ(logged.filter(refused + " ").size(), 1) << qPrintable(logged.join('\n'));
        EXPECT_TRUE(logged.filter(QStringLiteral("paper-sizes")).isEmpty());
        EXPECT_EQ(logged.filter(QStringLiteral("ラベル 4 件と壊れた定義 4 件")).size(), 1)
            << qPrintable(logged.join('\n'));
    }
    // The shipped card stock, then the user's templates; the system's copy of the same products
    // adds nothing.
    const std::vector<int> avery = library.Named(QStringLiteral("8371"));
    ASSERT_EQ(avery.size(), 1u);
    EXPECT_EQ(library.Sheets()[std::size_t(avery[0])].Source, user + "/mine.template");
    EXPECT_EQ(library.Makers().first(), QStringLiteral("エーワン"));
    EXPECT_TRUE(library.Makers().contains(QStringLiteral("Avery")));
}

TEST(SheetLibrary, ShippedCardStockIsSoundAndNamedByProductNumber)
{
    const SheetLibrary library = SheetLibrary::Read({.CardStockList = shippedList()});
    ASSERT_GE(library.Sheets().size(), 40u);
    QStringList seen;
    for (const LibrarySheet &sheet : library.Sheets()) {
        EXPECT_TRUE(sheet.BusinessCard) << qPrintable(LibrarySheetName(sheet));
        EXPECT_FALSE(sheet.PaperSizeMm.isEmpty()) << qPrintable(LibrarySheetName(sheet));
        EXPECT_FALSE(seen.contains(sheet.Product)) << qPrintable(sheet.Product);
        seen << sheet.Product;
    }
    ASSERT_EQ(library.Named(QStringLiteral("51002")).size(), 1u);
    const LibrarySheet &aOne = library.Sheets()[std::size_t(library.Named(QStringLiteral("51002"))[0])];
    EXPECT_EQ(aOne.Maker, QStringLiteral("エーワン"));
    EXPECT_EQ(library.Named(LibrarySheetName(aOne)), library.Named(QStringLiteral("51002")));
    EXPECT_EQ(library.Named(QStringLiteral("エーワン 51002")), library.Named(QStringLiteral("51002")));
    EXPECT_TRUE(library.Named(QStringLiteral("00000")).empty());
}

TEST(SheetLibrary, SearchFindsByProductMakerAndSizeAsTyped)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("t/a-templates.xml"), kTemplates);
    const SheetLibrary library =
        SheetLibrary::Read({.CardStockList = shippedList(), .TemplateFolders = {dir.filePath("t")}});
    const auto names = [&library](const std::vector<int> &found) {
        QStringList result;
        for (const int i : found)
            result << LibrarySheetName(library.Sheets()[std::size_t(i)]);
        return result;
    };
    EXPECT_EQ(names(library.Search(QStringLiteral("51002"), {}, true)).size(), 1);
    EXPECT_EQ(names(library.Search(QStringLiteral("mt-jmn1wn"), {}, true)).size(), 1);
    const QStringList byHalfWidth = names(library.Search(QStringLiteral("86x54"), {}, true));
    EXPECT_GE(byHalfWidth.size(), 2);
    EXPECT_EQ(names(library.Search(QStringLiteral("８６×５４"), {}, true)), byHalfWidth);
    EXPECT_EQ(names(library.Search(QStringLiteral("86 × 54"), {}, true)), byHalfWidth);
    const QStringList kokuyo =
        names(library.Search(QStringLiteral("ミシン目"), QStringLiteral("コクヨ"), true));
    ASSERT_EQ(kokuyo.size(), 1);
    EXPECT_TRUE(kokuyo[0].startsWith(QStringLiteral("コクヨ KJ-10")));
    // The custom-paper template is a business card by its category, not by its size.
    EXPECT_EQ(names(library.Search(QStringLiteral("herma"), {}, true)).size(), 1);
    EXPECT_EQ(library.Search({}, {}, false).size(), library.Sheets().size());
}

TEST(SheetLibrary, ASheetIsCopiedIntoTheUserListOnceWhenFirstUsed)
{
    const SheetReadResult read = ReadSheetTemplates(kTemplates, {});
    TCardDefList list(2, ParseCardDef("\"名刺\",910,550,2,5,140,110,0,0,1"));
    EXPECT_EQ(UseLibrarySheet(list, read.Sheets[0]), 2);
    EXPECT_EQ(UseLibrarySheet(list, read.Sheets[1]), 3);
    EXPECT_EQ(UseLibrarySheet(list, read.Sheets[0]), 2);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(FormatCardDef(list[3]), QByteArray("\"Avery 5371 Business Cards\",889,508,2,5,191,127,0,0,0"));
}

TEST(SheetLibrary, ReadsTheSystemTemplatesWhenInstalled)
{
    const SheetLibrarySources system = SystemSheetLibrarySources();
    if (!QFileInfo::exists(system.TemplateFolders[1]))
        GTEST_SKIP() << "no sheet templates installed";
    const CapturedLog log;
    const SheetLibrary library = SheetLibrary::Read({.TemplateFolders = {system.TemplateFolders[1]}});
    EXPECT_GT(library.Sheets().size(), 1000u);
    EXPECT_FALSE(library.Search(QStringLiteral("avery 8371"), {}, true).empty());
    for (const QString &line : logged)
        EXPECT_FALSE(line.contains(QStringLiteral("を読み飛ばしました: "))) << qPrintable(line);
}
