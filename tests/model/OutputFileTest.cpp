#include "ErrorMessage.h"
#include "FileBytes.h"
#include "model/picture/PictureFile.h"
#include "model/platform/SaveWholeFile.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/CardSheetPdf.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

bool isCharacterDevice(const char *path)
{
    struct stat status {};
    return stat(path, &status) == 0 && S_ISCHR(status.st_mode);
}

bool isSymbolicLink(const QString &path)
{
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// The system's full disk, reached only through a link in a private folder.
class FullDevice : public testing::Test {
protected:
    void SetUp() override
    {
        if (!isCharacterDevice("/dev/full"))
            GTEST_SKIP() << "no /dev/full here";
        link_ = dir_.filePath("out");
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), link_));
    }
    void TearDown() override
    {
        EXPECT_TRUE(isCharacterDevice("/dev/full"));
        if (!link_.isEmpty()) {
            EXPECT_TRUE(isSymbolicLink(link_));
        }
    }

    QTemporaryDir dir_;
    QString link_;
};

} // namespace

// A device is written into and its refusal is a failure with the system's reason, never replaced
// by a regular file that would then report success.
TEST_F(FullDevice, WritesIntoADeviceAndReportsItsErrors)
{
    QString reason;
    EXPECT_FALSE(SaveWholeFile(link_, "settings", &reason));
    EXPECT_EQ(reason, QStringLiteral("No space left on device"));

    const QString message = ErrorMessageOf([this] { WritePictureFile(link_, "picture"); });
    EXPECT_TRUE(message.contains(QStringLiteral("No space left on device"))) << qPrintable(message);
}

// A run of many sheets stops where the disk is full, naming the reason, rather than drawing them all.
TEST_F(FullDevice, PdfStopsAtTheFirstFailedWrite)
{
    const TCardDef cardDef = ParseCardDef("\"c\",910,550,2,5,140,110,0,0,0");
    int drawn = 0;
    const QString message = ErrorMessageOf([&] {
        WriteSheetsPdf(link_, cardDef, QStringLiteral("t"), 50,
                       [&drawn](QPainter &, const PrinterPage &, int) { ++drawn; });
    });
    EXPECT_TRUE(message.contains(QStringLiteral("No space left on device"))) << qPrintable(message);
    EXPECT_LE(drawn, 2);
}

TEST(OutputFile, APipeIsWrittenIntoAndStaysAPipe)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(pipe, link));
    QByteArray received;
    std::thread reader([&pipe, &received] { received = ReadFileBytes(pipe); });
    const bool saved = SaveWholeFile(link, "through the pipe");
    // Should the pipe not have been opened, the reader is let go rather than left waiting.
    if (const int unblock = open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK); unblock >= 0)
        close(unblock);
    reader.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(received, "through the pipe");
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(isSymbolicLink(link));
}
