#include "model/document/CardDocument.h"
#include "FileBytes.h"
#include "model/card/TVkDragLabel.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardRenderer.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

TVkDragLabel &addText(CardDocument &document, const QString &text, int left)
{
    TVkDragLabel &object = document.Surface().AddObject(std::make_unique<TVkDragLabel>());
    object.SetCaption({text});
    object.SetLeft(left);
    return object;
}

QStringList captions(const CardDocument &document)
{
    QStringList texts;
    for (int i = 0; i < document.Surface().ObjectCount(); ++i)
        texts << document.Surface().Object(i).Caption().join(u'|');
    return texts;
}

QImage render(const CardDocument &document)
{
    QImage bitmap;
    RenderCardToBitmap(document.Surface(), bitmap, 0, 0);
    return bitmap;
}

// The message of the VkError that command raises, as UTF-8 so that a failure shows it; empty when
// it raises none.
std::string errorOf(const std::function<void()> &command)
{
    try {
        command();
    } catch (const VkError &error) {
        return error.Message().toStdString();
    }
    return {};
}

std::string cannotCreate(const QString &path, int error)
{
    return QStringLiteral("ファイル %1 を作成できません: %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

class CardDocumentTest : public ::testing::Test {
protected:
    CardDocumentTest()
    {
        TCardDef card{};
        card.CardSizeX = 910;
        card.CardSizeY = 550;
        written.SetCardDef(card);
        written.Surface().SetBounds(0, 0, 455, 275);
        written.Surface().SetColor(0x00336699);
        addText(written, QStringLiteral("山田"), 10).SetAntiAlias(true);
        addText(written, QStringLiteral("太郎"), 20);
        addText(written, QStringLiteral("営業部"), 30);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    CardDocument written;
};

} // namespace

TEST_F(CardDocumentTest, OpenDrawChangeUndoAndSaveWithoutAWindow)
{
    const QString file = path(QStringLiteral("card.vkc"));
    written.SetModified(true);
    written.Save(file);
    EXPECT_EQ(written.FileName(), file);
    EXPECT_FALSE(written.Modified());

    CardDocument opened;
    const CardStreamReadResult read = opened.Open(file);
    EXPECT_EQ(read.objectsRead, 3);
    EXPECT_EQ(read.objectsLost, 0);
    EXPECT_EQ(captions(opened), (QStringList{"山田", "太郎", "営業部"}));
    EXPECT_FALSE(opened.Surface().Object(0).AntiAlias()) << "text opens unsmoothed";
    EXPECT_EQ(opened.CardDef().CardSizeX, 910);
    EXPECT_EQ(opened.FileName(), file);
    EXPECT_FALSE(opened.Modified());
    written.Surface().Object(0).SetAntiAlias(false);
    EXPECT_EQ(render(opened), render(written));

    opened.TakeUndoSnapshot();
    opened.Surface().ClearObjects();
    opened.Surface().SetColor(clWhite);
    EXPECT_TRUE(opened.Modified());
    ASSERT_TRUE(opened.Undo());
    EXPECT_EQ(captions(opened), (QStringList{"山田", "太郎", "営業部"}));
    EXPECT_EQ(opened.Surface().Color(), 0x00336699u);
    EXPECT_FALSE(opened.Undo()) << "one change, one step back";

    opened.Save(path(QStringLiteral("again.vkc")));
    QByteArray expected;
    WriteCardStream(expected, written.Surface(), written.CardDef());
    EXPECT_EQ(ReadFileBytes(path(QStringLiteral("again.vkc"))), expected);

    opened.New();
    EXPECT_EQ(opened.Surface().ObjectCount(), 0);
    EXPECT_EQ(opened.Surface().Color(), clWhite);
    EXPECT_TRUE(opened.FileName().isEmpty());
    EXPECT_FALSE(opened.History().CanRedo());
}

TEST_F(CardDocumentTest, DamagedObjectsAreCountedAndTheRestOpen)
{
    const QString file = path(QStringLiteral("card.vkc"));
    written.Save(file);
    QByteArray bytes = ReadFileBytes(file);
    // The middle object's text given a value tag that no value has.
    const qsizetype middle = bytes.indexOf("Caption.Strings", bytes.indexOf("Caption.Strings") + 1);
    ASSERT_GT(middle, 0);
    bytes[middle + QByteArrayView("Caption.Strings").size()] = '\x55';
    WriteFileBytes(file, bytes);

    CardDocument opened;
    const CardStreamReadResult read = opened.Open(file);
    EXPECT_EQ(read.objectsRead, 2);
    EXPECT_EQ(read.objectsLost, 1);
    EXPECT_EQ(captions(opened), (QStringList{"山田", "営業部"}));

    // Cut short inside the last object: that one is lost.
    WriteFileBytes(file, bytes.left(bytes.size() - 10));
    EXPECT_EQ(opened.Open(file).objectsLost, 2);
    EXPECT_EQ(captions(opened), QStringList{"山田"});
}

TEST_F(CardDocumentTest, AFileThatIsNoCardLeavesTheCardAsItWas)
{
    written.SetFileName(path(QStringLiteral("mine.vkc")));
    written.SetModified(true);
    const QByteArray before = [this] {
        QByteArray bytes;
        WriteCardStream(bytes, written.Surface(), written.CardDef());
        return bytes;
    }();

    const QString saved = path(QStringLiteral("whole.vkc"));
    CardDocument other;
    QImage background(32, 32, QImage::Format_RGB32);
    background.fill(Qt::red);
    other.Surface().SetBitmap(background);
    TCardDef wide{};
    wide.CardSizeX = 1200;
    other.SetCardDef(wide);
    other.Save(saved);
    const QByteArray whole = ReadFileBytes(saved);
    // The surface's entry cut off past the first 512 bytes, where only a whole read finds it out.
    ASSERT_GT(whole.size(), 600);
    const QString damaged = path(QStringLiteral("damaged.vkc"));
    WriteFileBytes(damaged, whole.left(600));
    const QString notes = path(QStringLiteral("notes.txt"));
    WriteFileBytes(notes, "just some notes\n");

    for (const QString &file : {damaged, notes}) {
        EXPECT_EQ(errorOf([&] { written.Open(file); }), NotCardFileMessage(file).toStdString());
        EXPECT_EQ(captions(written), (QStringList{"山田", "太郎", "営業部"}));
        EXPECT_TRUE(written.Surface().Bitmap().isNull());
        EXPECT_EQ(written.CardDef().CardSizeX, 910);
        EXPECT_EQ(written.FileName(), path(QStringLiteral("mine.vkc")));
        EXPECT_TRUE(written.Modified());
        QByteArray after;
        WriteCardStream(after, written.Surface(), written.CardDef());
        EXPECT_EQ(after, before);
    }
    for (const QString &file : {path(QStringLiteral("missing.vkc")), dir.path()})
        EXPECT_EQ(errorOf([&] { written.Open(file); }),
                  QStringLiteral("ファイル %1 は開けません").arg(file).toStdString());
}

TEST_F(CardDocumentTest, AFailedSaveSaysWhyAndKeepsThePreviousFile)
{
    const QString file = path(QStringLiteral("card.vkc"));
    written.Save(file);
    const QByteArray before = ReadFileBytes(file);
    addText(written, QString(20000, u'x'), 40);
    written.SetModified(true);

    const QString impossible = path(QStringLiteral("no-such-folder/card.vkc"));
    EXPECT_EQ(errorOf([&] { written.Save(impossible); }), cannotCreate(impossible, ENOENT));

    // A file size limit fails the write as a full disk does, part way through the card.
    struct rlimit previous {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = errorOf([&] { written.Save(file); });
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(message, cannotCreate(file, EFBIG));

    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_TRUE(written.Modified());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"card.vkc"}) << "no temporary file left";
}

TEST_F(CardDocumentTest, BothSidesSaveAndOpenWhicheverSideIsShown)
{
    written.Surface().Object(0).SetAntiAlias(false); // as every text opens
    const QString oneSided = path(QStringLiteral("one.vkc"));
    written.ShowSide(CardSide::Back);
    EXPECT_EQ(written.Surface().ObjectCount(), 0) << "a new back is blank";
    EXPECT_EQ(written.Surface().Color(), clWhite);
    written.Save(oneSided);
    QByteArray frontOnly;
    WriteCardStream(frontOnly, written.Side(CardSide::Front), written.CardDef());
    EXPECT_EQ(ReadFileBytes(oneSided), frontOnly) << "a blank back adds nothing to the file";

    addText(written, QStringLiteral("地図"), 50);
    written.Surface().SetColor(0x00CCEEFF);
    const QString twoSided = path(QStringLiteral("two.vkc"));
    written.Save(twoSided);
    written.ShowSide(CardSide::Front);
    EXPECT_EQ(captions(written), (QStringList{"山田", "太郎", "営業部"}));
    EXPECT_EQ(written.Surface().Color(), 0x00336699u);

    CardDocument opened;
    opened.ShowSide(CardSide::Back);
    opened.Open(twoSided);
    EXPECT_EQ(opened.ShownSide(), CardSide::Front) << "a card opens on its front";
    EXPECT_EQ(captions(opened), (QStringList{"山田", "太郎", "営業部"}));
    EXPECT_TRUE(opened.HasBackSide());
    opened.ShowSide(CardSide::Back);
    EXPECT_EQ(captions(opened), QStringList{"地図"});
    EXPECT_EQ(opened.Surface().Color(), 0x00CCEEFFu);
    opened.Save(path(QStringLiteral("again.vkc")));
    EXPECT_EQ(ReadFileBytes(path(QStringLiteral("again.vkc"))), ReadFileBytes(twoSided));

    // Opening a one-sided card clears the back the open card had.
    opened.Open(oneSided);
    EXPECT_FALSE(opened.HasBackSide());
    opened.New();
    EXPECT_FALSE(opened.HasBackSide());
}

TEST_F(CardDocumentTest, UndoCoversTheBackSide)
{
    written.ShowSide(CardSide::Back);
    written.TakeUndoSnapshot();
    addText(written, QStringLiteral("地図"), 50);
    written.TakeUndoSnapshot();
    written.Surface().Object(0).SetLeft(70);
    written.Surface().SetColor(0x00CCEEFF);

    ASSERT_TRUE(written.Undo());
    EXPECT_EQ(written.ShownSide(), CardSide::Back);
    ASSERT_EQ(captions(written), QStringList{"地図"});
    EXPECT_EQ(written.Surface().Object(0).Left(), 50);
    EXPECT_EQ(written.Surface().Color(), clWhite);
    EXPECT_EQ(captions(written).size(), 1) << "no object of the front came over";

    // A step taken while the front is shown still restores the back.
    written.ShowSide(CardSide::Front);
    ASSERT_TRUE(written.Undo());
    EXPECT_EQ(captions(written), (QStringList{"山田", "太郎", "営業部"}));
    EXPECT_FALSE(written.HasBackSide());
    ASSERT_TRUE(written.Redo());
    ASSERT_TRUE(written.Redo());
    EXPECT_EQ(captions(written), (QStringList{"山田", "太郎", "営業部"}));
    written.ShowSide(CardSide::Back);
    ASSERT_EQ(captions(written), QStringList{"地図"});
    EXPECT_EQ(written.Surface().Object(0).Left(), 70);
    EXPECT_EQ(written.Surface().Color(), 0x00CCEEFFu);
}

namespace {

// A background picture made from an SVG file, as the background command gives one.
void setSvgBackground(TVkVellumPanel &side, const QByteArray &svg)
{
    side.SetBitmap(SvgPicture::Render(svg, SvgPicture::NaturalSize(svg)));
    side.SetSvgData(svg);
}

QByteArray svgOfColour(const char *colour)
{
    return QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20"><rect width="40" )") +
           "height=\"20\" fill=\"" + colour + "\"/></svg>";
}

} // namespace

TEST_F(CardDocumentTest, TheSavedBytesAreTheSameWhicheverSideIsShown)
{
    const QByteArray frontSvg = svgOfColour("#ff0000");
    const QByteArray backSvg = svgOfColour("#0000ff");
    written.Surface().SetPopupMenu(QStringLiteral("frmMain.Popup2")); // as the window wires it
    setSvgBackground(written.Surface(), frontSvg);
    written.ShowSide(CardSide::Back);
    setSvgBackground(written.Surface(), backSvg);
    addText(written, QStringLiteral("地図"), 50);
    written.ShowSide(CardSide::Front);

    const QString frontShown = path(QStringLiteral("front.vkc"));
    written.Save(frontShown);
    written.Save(frontShown); // the hidden side is not worn down by saving
    const QByteArray expected = ReadFileBytes(frontShown);
    written.ShowSide(CardSide::Back);
    written.Save(path(QStringLiteral("back.vkc")));
    EXPECT_EQ(ReadFileBytes(path(QStringLiteral("back.vkc"))), expected);
    written.ShowSide(CardSide::Front);
    written.Save(path(QStringLiteral("again.vkc")));
    EXPECT_EQ(ReadFileBytes(path(QStringLiteral("again.vkc"))), expected);
    EXPECT_EQ(written.Surface().SvgData(), frontSvg);

    CardDocument opened;
    opened.Open(frontShown);
    EXPECT_EQ(opened.Surface().SvgData(), frontSvg);
    opened.ShowSide(CardSide::Back);
    EXPECT_EQ(opened.Surface().SvgData(), backSvg);
    EXPECT_EQ(captions(opened), QStringList{"地図"});
}

TEST_F(CardDocumentTest, ADamagedCardSaysWhatEachSideLost)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    written.Surface().Object(0).LoadBitmap(picture);
    written.ShowSide(CardSide::Back);
    written.Surface().SetColor(0x00CCEEFF);
    addText(written, QStringLiteral("地図"), 50);
    addText(written, QStringLiteral("営業時間"), 60);
    written.ShowSide(CardSide::Front);
    const QString file = path(QStringLiteral("card.vkc"));
    written.Save(file);

    // The first object's picture claims nearly the whole rest of the file, taking the other objects
    // of the front, the back and its objects with it.
    QByteArray bytes = ReadFileBytes(file);
    const qsizetype lengthAt = bytes.indexOf("Bitmap.Data") + QByteArrayView("Bitmap.Data").size() + 1;
    const auto swallowing = std::uint32_t(bytes.size() - lengthAt - 4 - 12);
    for (int i = 0; i < 4; ++i)
        bytes[lengthAt + i] = char(swallowing >> (8 * i));
    WriteFileBytes(file, bytes);
    CardDocument opened;
    CardStreamReadResult read = opened.Open(file);
    EXPECT_EQ(read.objectsRead, 0);
    EXPECT_EQ(read.objectsLost, 5);
    EXPECT_EQ(read.backObjectsLost, 2);
    EXPECT_TRUE(read.backLost);
    EXPECT_FALSE(read.cutShort);
    EXPECT_EQ(LostContentMessage(QStringLiteral("/a/b.vkc"), read),
              QStringLiteral("/a/b.vkc は壊れているため、読み込めなかったものがあります。\n"
                             "・表面のオブジェクト 3 個\n・裏面の色と背景\n・裏面のオブジェクト 2 個"));

    // Cut short inside the back's first object.
    written.Save(file);
    const QByteArray saved = ReadFileBytes(file);
    WriteFileBytes(file, saved.left(saved.indexOf("Caption.Strings", saved.indexOf("CARDBACK"))));
    read = opened.Open(file);
    EXPECT_EQ(read.objectsLost, 1);
    EXPECT_EQ(read.backObjectsLost, 1);
    EXPECT_TRUE(read.cutShort);
    EXPECT_TRUE(LostContentMessage(QStringLiteral("/a/b.vkc"), read)
                    .endsWith(QStringLiteral(
                        "・裏面のオブジェクト 1 個\n"
                        "ファイルが途中で切れているため、その後に続いていたものも失われています。")));
}
