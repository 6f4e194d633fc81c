#include "model/sheet/CardDefinitions.h"
#include "TestSupport.h"
#include "model/platform/Cp932.h"
#include "ui/platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TCardDef sheet(const QByteArray &name, std::uint8_t system = 0)
{
    TCardDef cardDef{{}, 910, 550, 2, 5, 140, -110, 0, 3, system};
    SetCardDefName(cardDef, name);
    return cardDef;
}

std::vector<std::int32_t> numbers(const TCardDef &c)
{
    return {c.CardSizeX,  c.CardSizeY, c.Columns,     c.Lines,
            c.LeftMargin, c.TopMargin, c.ColumnSpace, c.LineSpace};
}

const std::vector<std::int32_t> kDefaults = {860, 605, 4, 2, 15, 15, 5, 8};

} // namespace

TEST(CardDefinitions, NamesAreQuotedWhenNeededAndReadBack)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"plain", "plain"},
        {"A4 10", "\"A4 10\""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"tab\there", "\"tab\there\""},
        {"", ""},
    };
    for (const auto &[name, field] : cases) {
        EXPECT_EQ(FormatCardDef(sheet(name, 1)), field + ",910,550,2,5,140,-110,0,3,1");
        const TCardDef back = ParseCardDef(FormatCardDef(sheet(name, 1)));
        EXPECT_EQ(QByteArray(back.Name, 256), QByteArray(sheet(name).Name, 256));
        EXPECT_EQ(numbers(back), numbers(sheet(name)));
    }
    // A line end inside a name would split the record in two when the file is read again.
    EXPECT_EQ(FormatCardDef(sheet("two\r\nlines")), "\"two  lines\",910,550,2,5,140,-110,0,3,0");
}

TEST(CardDefinitions, DoubleByteCharactersAreWalkedWhole)
{
    // The second bytes of "表" and "ソ" are 0x5C, of "×" 0x7E: none may split, quote or end a field.
    const QString text = QStringLiteral("表ソ×名刺");
    EXPECT_EQ(FormatCardDef(sheet(Cp932::Encode(text))), Cp932::Encode(text) + ",910,550,2,5,140,-110,0,3,0");
    const QByteArray quoted = Cp932::Encode(QStringLiteral("表 \"ソ\""));
    EXPECT_EQ(CardDefName(ParseCardDef(FormatCardDef(sheet(quoted)))), QStringLiteral("表 \"ソ\""));
    // A lead byte without a valid second byte does not swallow the comma or quote after it.
    const TCardDef stray = ParseCardDef("\x81,1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(CardDefNameBytes(stray), "\x81");
    EXPECT_EQ(stray.CardSizeX, 1);
    EXPECT_EQ(CardDefNameBytes(ParseCardDef("\"ab\x81\",9,9,9,9,9,9,9,9,9")), "ab\x81");
}

TEST(CardDefinitions, ReadingFieldsNumbersAndDefaults)
{
    const TCardDef spaced = ParseCardDef("  name , 1 ,2,\t3,4 5,6,7,8,9,extra");
    EXPECT_EQ(CardDefName(spaced), "name");
    EXPECT_EQ(numbers(spaced), std::vector<std::int32_t>({1, 2, 3, 4, 5, 6, 7, 8})); // "4 5" is two fields
    EXPECT_EQ(spaced.System, 1);

    const TCardDef bad = ParseCardDef(",abc,,+3,-4,99999999999,-2147483648,2147483647,0x10,7,");
    EXPECT_EQ(QByteArray(bad.Name, 256), QByteArray(256, '\0'));
    EXPECT_EQ(numbers(bad), std::vector<std::int32_t>({860, 605, 3, -4, 15, INT32_MIN, INT32_MAX, 8}));
    EXPECT_TRUE(FormatCardDef(bad).endsWith(",8,1")); // System 7 is written back as 1
    EXPECT_EQ(ParseCardDef("x,1,1,1,1,1,1,1,1,yes").System, 0);

    for (const char *line : {"", "   ", "short,1,2,3", "\"open, 1,2"}) {
        EXPECT_EQ(numbers(ParseCardDef(line)), kDefaults) << line;
        EXPECT_EQ(ParseCardDef(line).System, 0);
    }
    EXPECT_EQ(CardDefName(ParseCardDef("\"open, 1,2")), "open, 1,2");
}

TEST(CardDefinitions, NamesAreCutTo256Bytes)
{
    const QByteArray exact(256, 'n');
    const TCardDef whole = ParseCardDef(exact + ",1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(QByteArray(whole.Name, 256), exact);
    EXPECT_EQ(FormatCardDef(whole), exact + ",1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(CardDefNameBytes(ParseCardDef(exact + "X,1,2,3,4,5,6,7,8,1")), exact);
}

TEST(CardDefinitions, SameLayoutIgnoresNameAndSystem)
{
    EXPECT_TRUE(SameCardLayout(sheet("one", 0), sheet("two", 1)));
    TCardDef gap = sheet("one");
    gap.LineSpace = 4;
    EXPECT_FALSE(SameCardLayout(sheet("one"), gap));
}

TEST(CardDefinitions, FirstLoadCopiesTheShippedFileThenUsesTheCopy)
{
    ScopedProgramFolder folder;
    const QByteArray shipped =
        "first,1,2,3,4,5,6,7,8,1\r\n\r\nlf,9,9,9,9,9,9,9,9,0\ncr,8,8,8,8,8,8,8,8,1\rlast\r\n";
    WriteFileBytes(folder.filePath("CardDef.Def"), shipped);
    // Installed read-only, as a packaged program's files are.
    QFile::setPermissions(folder.filePath("CardDef.Def"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    auto list = std::make_unique<TCardDefList>(3);
    LoadCardDefs(list);
    QStringList names;
    for (const TCardDef &cardDef : *list)
        names << CardDefName(cardDef);
    EXPECT_EQ(names, QStringList({"first", "", "lf", "cr", "last"}));
    EXPECT_EQ(ReadFileBytes(folder.filePath("CardDef.lst")), shipped);
    EXPECT_TRUE(QFile::permissions(folder.filePath("CardDef.lst")) & QFileDevice::WriteOwner);

    (*list)[0].CardSizeX = 555;
    SaveCardDefs(*list);
    EXPECT_EQ(ReadFileBytes(folder.filePath("CardDef.Def")), shipped);
    EXPECT_TRUE(
        ReadFileBytes(folder.filePath("CardDef.lst")).startsWith("first,555,2,3,4,5,6,7,8,1\r\n,860,605,"));
    LoadCardDefs(list);
    EXPECT_EQ(list->size(), 5u);
    EXPECT_EQ((*list)[0].CardSizeX, 555);
    FreeCardDefs(list);
    EXPECT_EQ(list, nullptr);
}

TEST(CardDefinitions, FailedCopyAndMissingFiles)
{
    ScopedProgramFolder folder;
    auto list = std::make_unique<TCardDefList>(2);
    EXPECT_THROW(LoadCardDefs(list), VkError);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->empty());

    // A folder in the copy's place makes the copy fail, even for a user allowed to write anywhere.
    WriteFileBytes(folder.filePath("CardDef.Def"), "only,1,2,3,4,5,6,7,8,1");
    ASSERT_TRUE(QDir(folder.path()).mkdir("CardDef.lst"));
    LoadCardDefs(list);
    ASSERT_EQ(list->size(), 1u);
    SaveCardDefs(*list);
    EXPECT_EQ(ReadFileBytes(folder.filePath("CardDef.Def")), "only,1,2,3,4,5,6,7,8,1\r\n");

    QFile::remove(folder.filePath("CardDef.Def"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("CardDef.Def"));
    EXPECT_THROW(SaveCardDefs(*list), VkError);
}

// A pipe in the sheets' place would keep the start waiting for ever, and a huge file would take the
// memory: neither is read as a list of sheets.
TEST(CardDefinitions, OnlyAPlainFileOfModestSizeIsAList)
{
    ScopedProgramFolder folder;
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("CardDef.Def")).constData(), 0600), 0);
    auto list = std::make_unique<TCardDefList>();
    EXPECT_THROW(LoadCardDefs(list), VkError);

    WriteFileBytes(folder.filePath("CardDef.lst"),
                   QByteArray("huge,1,2,3,4,5,6,7,8,1\r\n").repeated(200'000));
    EXPECT_THROW(LoadCardDefs(list), VkError);
}

TEST(CardDefinitions, ShippedSheetsFitTheirPaper)
{
    const std::map<QString, QSize> papers = {
        {"A4", {2100, 2970}}, {"B5", {1820, 2570}}, {"レター", {2159, 2794}}, {"B4横", {3640, 2570}}};
    const QByteArray bytes = ReadFileBytes(VELLUMIA_SOURCE_DIR "/data/CardDef.Def");
    EXPECT_FALSE(Cp932::Decode(bytes).contains(QChar::ReplacementCharacter));
    ScopedProgramFolder folder;
    WriteFileBytes(folder.filePath("CardDef.Def"), bytes);
    std::unique_ptr<TCardDefList> list;
    LoadCardDefs(list);
    ASSERT_GE(list->size(), 10u);
    QByteArray rewritten;
    for (const TCardDef &c : *list) {
        rewritten += FormatCardDef(c) + "\r\n";
        const QStringList words = CardDefName(c).split(' ');
        const auto paper =
            std::find_if(papers.begin(), papers.end(), [&](auto &p) { return words.contains(p.first); });
        ASSERT_NE(paper, papers.end()) << CardDefName(c).toStdString();
        EXPECT_EQ(c.System, 1);
        EXPECT_TRUE(c.Columns > 0 && c.Lines > 0 && c.LeftMargin >= 0 && c.TopMargin >= 0);
        EXPECT_LE(c.LeftMargin + c.Columns * c.CardSizeX + (c.Columns - 1) * c.ColumnSpace,
                  paper->second.width());
        EXPECT_LE(c.TopMargin + c.Lines * c.CardSizeY + (c.Lines - 1) * c.LineSpace, paper->second.height());
    }
    EXPECT_EQ(rewritten, bytes); // CR LF throughout, and already in the form the program writes
    EXPECT_TRUE(std::any_of(list->begin(), list->end(), [](auto &c) { return numbers(c) == kDefaults; }));
}
