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
    RenderCardToBitmap(document.Surface(), document.CardDef(), bitmap, 0, 0);
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
    // The middle object's text property renamed to one no card object has.
    const qsizetype middle = bytes.indexOf("Caption.Strings", bytes.indexOf("Caption.Strings") + 1);
    ASSERT_GT(middle, 0);
    bytes[middle] = 'X';
    WriteFileBytes(file, bytes);

    CardDocument opened;
    const CardStreamReadResult read = opened.Open(file);
    EXPECT_EQ(read.objectsRead, 2);
    EXPECT_EQ(read.objectsLost, 1);
    EXPECT_EQ(captions(opened), (QStringList{"山田", "営業部"}));
    EXPECT_EQ(LostObjectsMessage(QStringLiteral("/a/b.vkc"), 1),
              QStringLiteral("/a/b.vkc は壊れているため、1 個のオブジェクトを読み込めませんでした。"));

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
