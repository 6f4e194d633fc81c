#include "model/platform/SaveWholeFile.h"
#include "FileBytes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SaveWholeFile, ReplacesTheFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    WriteFileBytes(path, "old");
    ASSERT_TRUE(SaveWholeFile(path, "new"));
    EXPECT_EQ(ReadFileBytes(path), "new");

    QString reason;
    EXPECT_FALSE(SaveWholeFile(dir.filePath(QStringLiteral("missing/list.txt")), "x", &reason));
    EXPECT_EQ(reason, QStringLiteral("No such file or directory"));
}

// Run inside a private mount of a 16 KB file system over the folder FULL_DISK_FOLDER names.
TEST(SaveWholeFile, FullDiskChild)
{
    const QString folder = qEnvironmentVariable("FULL_DISK_FOLDER");
    if (folder.isEmpty())
        GTEST_SKIP() << "run by FullDiskKeepsTheOldFile";
    const QString path = folder + QStringLiteral("/list.txt");
    ASSERT_TRUE(SaveWholeFile(path, QByteArray(6000, 'a')));
    QString reason;
    EXPECT_FALSE(SaveWholeFile(path, QByteArray(12000, 'b'), &reason));
    EXPECT_EQ(reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(ReadFileBytes(path), QByteArray(6000, 'a'));
}

TEST(SaveWholeFile, FullDiskKeepsTheOldFile)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    QProcess probe;
    probe.start(unshare, {QStringLiteral("-rm"), QStringLiteral("true")});
    if (unshare.isEmpty() || !probe.waitForFinished() || probe.exitCode() != 0)
        GTEST_SKIP() << "no private mounts here";
    QTemporaryDir dir;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FULL_DISK_FOLDER"), dir.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=16k none \"$FULL_DISK_FOLDER\" && exec \"$0\" "
                       "--gtest_filter=SaveWholeFile.FullDiskChild");
    child.start(unshare, {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                          QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}
