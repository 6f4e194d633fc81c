#include "print/CardDefinitions.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TCardDef makeCardDef(const QByteArray &name, std::int32_t sizeX = 910, std::uint8_t system = 0)
{
    TCardDef cardDef{};
    SetCardDefName(cardDef, name);
    cardDef.CardSizeX = sizeX;
    cardDef.CardSizeY = 550;
    cardDef.Columns = 2;
    cardDef.Lines = 5;
    cardDef.LeftMargin = 140;
    cardDef.TopMargin = -110;
    cardDef.ColumnSpace = 0;
    cardDef.LineSpace = 3;
    cardDef.System = system;
    return cardDef;
}

void expectSameRecord(const TCardDef &a, const TCardDef &b)
{
    EXPECT_EQ(QByteArray(a.Name, sizeof a.Name), QByteArray(b.Name, sizeof b.Name));
    EXPECT_TRUE(SameCardLayout(a, b));
    EXPECT_EQ(a.System, b.System);
}

void expectDefaultLayout(const TCardDef &cardDef)
{
    EXPECT_EQ(cardDef.CardSizeX, 860);
    EXPECT_EQ(cardDef.CardSizeY, 605);
    EXPECT_EQ(cardDef.Columns, 4);
    EXPECT_EQ(cardDef.Lines, 2);
    EXPECT_EQ(cardDef.LeftMargin, 15);
    EXPECT_EQ(cardDef.TopMargin, 15);
    EXPECT_EQ(cardDef.ColumnSpace, 5);
    EXPECT_EQ(cardDef.LineSpace, 8);
}

} // namespace

TEST(CardDefinitions, NamesNeedingQuotesRoundTrip)
{
    struct Case {
        QByteArray name;
        QByteArray line;
    };
    const Case cases[] = {
        {"A4 10", "\"A4 10\",910,550,2,5,140,-110,0,3,1"},
        {"a,b", "\"a,b\",910,550,2,5,140,-110,0,3,1"},
        {"say \"hi\"", "\"say \"\"hi\"\"\",910,550,2,5,140,-110,0,3,1"},
        {"tab\there", "\"tab\there\",910,550,2,5,140,-110,0,3,1"},
        {"plain", "plain,910,550,2,5,140,-110,0,3,1"},
        {"", ",910,550,2,5,140,-110,0,3,1"},
    };
    for (const Case &c : cases) {
        const TCardDef cardDef = makeCardDef(c.name, 910, 1);
        EXPECT_EQ(FormatCardDef(cardDef), c.line);
        expectSameRecord(ParseCardDef(c.line), cardDef);
    }
}

TEST(CardDefinitions, DoubleByteNamesAreWalkedWholeCharacters)
{
    // "表" and "ソ" end in 0x5C; "×" ends in 0x7E: none of their second bytes may split or quote.
    const QByteArray name = Cp932::Encode(QStringLiteral("表ソ×名刺"));
    ASSERT_EQ(name.mid(1, 1), QByteArray("\x5C"));
    EXPECT_EQ(FormatCardDef(makeCardDef(name)), name + ",910,550,2,5,140,-110,0,3,0");
    const QByteArray spaced = Cp932::Encode(QStringLiteral("表 \"ソ\""));
    const TCardDef back = ParseCardDef(FormatCardDef(makeCardDef(spaced)));
    EXPECT_EQ(CardDefName(back), QStringLiteral("表 \"ソ\""));

    // A stray lead byte does not swallow the comma or quote after it.
    const TCardDef stray = ParseCardDef("\x81,1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(CardDefNameBytes(stray), QByteArray("\x81"));
    EXPECT_EQ(stray.CardSizeX, 1);
    EXPECT_EQ(CardDefNameBytes(ParseCardDef("\"ab\x81\",9,9,9,9,9,9,9,9,9")), QByteArray("ab\x81"));
}

TEST(CardDefinitions, ReadingSeparatorsAndSpaces)
{
    const TCardDef spaced = ParseCardDef("  name , 1 ,2,\t3,4 5,6,7,8,9");
    EXPECT_EQ(CardDefName(spaced), "name");
    EXPECT_EQ(spaced.CardSizeX, 1);
    EXPECT_EQ(spaced.Lines, 4); // an unquoted space separates fields
    EXPECT_EQ(spaced.LeftMargin, 5);
    EXPECT_EQ(spaced.System, 1);
    const TCardDef emptyField = ParseCardDef("n,,2,3,4,5,6,7,8,0,");
    EXPECT_EQ(emptyField.CardSizeX, 860); // two commas in a row give an empty field
    EXPECT_EQ(emptyField.CardSizeY, 2);
    EXPECT_EQ(emptyField.System, 0);
    const TCardDef extra = ParseCardDef("n,1,2,3,4,5,6,7,8,1,99,\"x");
    EXPECT_EQ(extra.LineSpace, 8);
    EXPECT_EQ(extra.System, 1);
}

TEST(CardDefinitions, BadNumbersAndShortLinesTakeDefaults)
{
    const TCardDef letters = ParseCardDef("x,abc,12a,+3,-4,99999999999,-2147483648,2147483647,0x10,7");
    EXPECT_EQ(letters.CardSizeX, 860);
    EXPECT_EQ(letters.CardSizeY, 605);
    EXPECT_EQ(letters.Columns, 3);
    EXPECT_EQ(letters.Lines, -4);
    EXPECT_EQ(letters.LeftMargin, 15);
    EXPECT_EQ(letters.TopMargin, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(letters.ColumnSpace, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(letters.LineSpace, 8);
    EXPECT_EQ(letters.System, 1);
    EXPECT_TRUE(FormatCardDef(letters).endsWith(",8,1"));
    EXPECT_EQ(ParseCardDef("x,1,1,1,1,1,1,1,1,yes").System, 0);

    for (const QByteArrayView line :
         {QByteArrayView(""), QByteArrayView("   "), QByteArrayView("name,1,2,3")}) {
        const TCardDef cardDef = ParseCardDef(line);
        expectDefaultLayout(cardDef);
        EXPECT_EQ(cardDef.System, 0);
    }
    EXPECT_EQ(CardDefName(ParseCardDef("name,1,2,3")), "name");

    const TCardDef noName = ParseCardDef(",1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(QByteArray(noName.Name, sizeof noName.Name), QByteArray(256, '\0'));
    EXPECT_EQ(noName.LineSpace, 8);
    EXPECT_EQ(noName.ColumnSpace, 7);

    const TCardDef unclosed = ParseCardDef("\"open, 1,2");
    EXPECT_EQ(CardDefName(unclosed), "open, 1,2");
    expectDefaultLayout(unclosed);
}

TEST(CardDefinitions, LongNamesAreCutTo256Bytes)
{
    const QByteArray exact(256, 'n');
    const TCardDef whole = ParseCardDef(exact + ",1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(QByteArray(whole.Name, 256), exact);
    EXPECT_EQ(whole.CardSizeX, 1);
    EXPECT_EQ(FormatCardDef(whole), exact + ",1,2,3,4,5,6,7,8,1");

    const TCardDef cut = ParseCardDef(exact + "X,1,2,3,4,5,6,7,8,1");
    EXPECT_EQ(CardDefNameBytes(cut), exact);
    EXPECT_EQ(cut.LineSpace, 8);
}

TEST(CardDefinitions, SameLayoutIgnoresNameAndSystem)
{
    EXPECT_TRUE(SameCardLayout(makeCardDef("one", 910, 0), makeCardDef("two", 910, 1)));
    EXPECT_FALSE(SameCardLayout(makeCardDef("one", 910), makeCardDef("one", 911)));
    TCardDef gap = makeCardDef("one");
    gap.LineSpace = 4;
    EXPECT_FALSE(SameCardLayout(makeCardDef("one"), gap));
}

TEST(CardDefinitions, FirstLoadCopiesShippedFileAndReadsEveryLine)
{
    ScopedProgramFolder folder;
    const QByteArray shipped = "first,1,2,3,4,5,6,7,8,1\r\n\r\nlf,9,9,9,9,9,9,9,9,0\ncr,8,8,8,8,8,8,8,8,1\r"
                               "last,7,7,7,7,7,7,7,7,1\r\n";
    writeAll(folder.filePath("CardDef.Def"), shipped);
    EXPECT_EQ(CardDefFileName(), folder.filePath("CardDef.Def"));

    auto list = std::make_unique<TCardDefList>(3);
    LoadCardDefs(list);
    ASSERT_EQ(list->size(), 5u);
    EXPECT_EQ(CardDefName((*list)[0]), "first");
    EXPECT_EQ(CardDefName((*list)[1]), "");
    expectDefaultLayout((*list)[1]);
    EXPECT_EQ(CardDefName((*list)[2]), "lf");
    EXPECT_EQ(CardDefName((*list)[3]), "cr");
    EXPECT_EQ(CardDefName((*list)[4]), "last");
    EXPECT_EQ(readAll(folder.filePath("CardDef.lst")), shipped);
    EXPECT_EQ(CardDefFileName(), folder.filePath("CardDef.lst"));

    (*list)[0].CardSizeX = 555;
    SaveCardDefs(*list);
    EXPECT_EQ(readAll(folder.filePath("CardDef.Def")), shipped);
    EXPECT_TRUE(readAll(folder.filePath("CardDef.lst")).startsWith("first,555,2,3,4,5,6,7,8,1\r\n,860,605,"));
    LoadCardDefs(list);
    ASSERT_EQ(list->size(), 5u);
    EXPECT_EQ((*list)[0].CardSizeX, 555);

    FreeCardDefs(list);
    EXPECT_EQ(list, nullptr);
    FreeCardDefs(list);
}

TEST(CardDefinitions, FailedCopyStillReadsShippedFile)
{
    ScopedProgramFolder folder;
    writeAll(folder.filePath("CardDef.Def"), "only,1,2,3,4,5,6,7,8,1");
    // A folder in the list file's place makes the copy fail even for a user who may write anywhere.
    ASSERT_TRUE(QDir(folder.path()).mkdir("CardDef.lst"));
    std::unique_ptr<TCardDefList> list;
    LoadCardDefs(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_EQ(list->front().LineSpace, 8);
    EXPECT_TRUE(QFileInfo(folder.filePath("CardDef.lst")).isDir());
    SaveCardDefs(*list);
    EXPECT_EQ(readAll(folder.filePath("CardDef.Def")), "only,1,2,3,4,5,6,7,8,1\r\n");

    if (geteuid() != 0) {
        ScopedProgramFolder readOnly;
        writeAll(readOnly.filePath("CardDef.Def"), "ro,1,2,3,4,5,6,7,8,1\r\n");
        QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::ExeOwner);
        LoadCardDefs(list);
        EXPECT_EQ(list->size(), 1u);
        EXPECT_FALSE(QFile::exists(readOnly.filePath("CardDef.lst")));
        EXPECT_THROW(SaveCardDefs(*list), VkError);
        QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(CardDefinitions, MissingFileRaisesWithAnEmptyListInPlace)
{
    ScopedProgramFolder folder;
    auto list = std::make_unique<TCardDefList>(2);
    EXPECT_THROW(LoadCardDefs(list), VkError);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->empty());

    ASSERT_TRUE(QDir(folder.path()).mkdir("CardDef.Def"));
    EXPECT_THROW(SaveCardDefs(TCardDefList(1)), VkError);
}

TEST(CardDefinitions, ShippedSheetsFitTheirPaper)
{
    struct Paper {
        QString token;
        int width;
        int height;
    };
    const Paper papers[] = {
        {"A4", 2100, 2970}, {"B5", 1820, 2570}, {"レター", 2159, 2794}, {"B4横", 3640, 2570}};
    const QByteArray bytes = readAll(VELLUMIA_SOURCE_DIR "/data/CardDef.Def");
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_FALSE(Cp932::Decode(bytes).contains(QChar::ReplacementCharacter));

    ScopedProgramFolder folder;
    writeAll(folder.filePath("CardDef.Def"), bytes);
    std::unique_ptr<TCardDefList> list;
    LoadCardDefs(list);
    ASSERT_GE(list->size(), 10u);
    bool hasDefault = false;
    QByteArray canonical;
    for (const TCardDef &sheet : *list) {
        const QString name = CardDefName(sheet);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(sheet.System, 1);
        canonical += FormatCardDef(sheet) + "\r\n";
        hasDefault |= SameCardLayout(sheet, ParseCardDef(""));
        const Paper *paper = nullptr;
        for (const Paper &candidate : papers)
            if (name.split(' ').contains(candidate.token))
                paper = &candidate;
        ASSERT_NE(paper, nullptr);
        ASSERT_GT(sheet.Columns, 0);
        ASSERT_GT(sheet.Lines, 0);
        EXPECT_GE(sheet.LeftMargin, 0);
        EXPECT_GE(sheet.TopMargin, 0);
        EXPECT_LE(sheet.LeftMargin + sheet.Columns * sheet.CardSizeX +
                      (sheet.Columns - 1) * sheet.ColumnSpace,
                  paper->width);
        EXPECT_LE(sheet.TopMargin + sheet.Lines * sheet.CardSizeY + (sheet.Lines - 1) * sheet.LineSpace,
                  paper->height);
    }
    EXPECT_TRUE(hasDefault);
    EXPECT_EQ(canonical, bytes);
}

TEST(CardDefinitions, LineEndsInANameDoNotSplitTheRecord)
{
    const QByteArray line = FormatCardDef(makeCardDef("two\r\nlines"));
    EXPECT_EQ(line, "\"two  lines\",910,550,2,5,140,-110,0,3,0");
    EXPECT_EQ(CardDefName(ParseCardDef(line)), "two  lines");
}
