#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Runs a program to its end; its exit code, or -1 when it did not start or end in time.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(180000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool waitForFile(const QString &path, const QProcess &program)
{
    for (int i = 0; i < 300 && program.state() == QProcess::Running; ++i) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(50);
    }
    return QFile::exists(path);
}

} // namespace

// One test for the whole installation: installing takes a while, and every check reads its result.
TEST(Install, InstalledProgramRunsForAUserWithItsLauncherFileTypeAndIcons)
{
    QTemporaryDir prefix;
    QString output;
    ASSERT_EQ(run("cmake", {"--install", VELLUMIA_BINARY_DIR, "--prefix", prefix.path()}, &output), 0)
        << output.toStdString();
    const QDir installed(prefix.path());
    for (const char *file :
         {"bin/vellumax", "share/vellumax/CardDef.Def", "share/vellumax/CardStock.csv",
          "share/doc/vellumax/help/index.html", "share/icons/hicolor/scalable/apps/vellumax.svg"})
        EXPECT_TRUE(installed.exists(file)) << file;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(
            installed.filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/vellumax.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }

    const QString launcher = installed.filePath("share/applications/vellumax.desktop");
    EXPECT_EQ(run("desktop-file-validate", {launcher}, &output), 0) << output.toStdString();
    EXPECT_TRUE(output.trimmed().isEmpty()) << output.toStdString();
    QFile launcherFile(launcher);
    ASSERT_TRUE(launcherFile.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(launcherFile.readAll());
    EXPECT_TRUE(entry.contains("\nExec=vellumax %f\n"));
    EXPECT_TRUE(entry.contains("\nName[ja]="));
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vellumia-card;\n"));

    const QString mime = installed.filePath("share/mime/packages/vellumax.xml");
    EXPECT_EQ(run("xmllint", {"--noout", mime}, &output), 0) << output.toStdString();
    // The file-type database takes the package: the glob and the magic both arrive.
    ASSERT_EQ(run("update-mime-database", {installed.filePath("share/mime")}, &output), 0)
        << output.toStdString();
    QFile globs(installed.filePath("share/mime/globs2"));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(globs.readAll().contains("application/x-vellumia-card:*.vkc"));
    QFile magic(installed.filePath("share/mime/magic"));
    ASSERT_TRUE(magic.open(QIODevice::ReadOnly));
    EXPECT_TRUE(magic.readAll().contains("TPF0\x0eTVkVellumPanel"));

    EXPECT_EQ(run(installed.filePath("bin/vellumax"), {"--version"}, &output), 0) << output.toStdString();

    // Started by a user with a fresh home, the installed program keeps the user's files in the
    // user's configuration folder and reads the card sheets shipped in the data folder.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("VELLUMAX_HOME");
    environment.remove("XDG_CONFIG_HOME");
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(installed.filePath("bin/vellumax"), {});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_TRUE(waitForFile(QDir(home.path()).filePath(".config/vellumax/CardDef.lst"), program))
        << program.readAll().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAll().toStdString();
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(QDir(installed.filePath("bin")).entryList(QDir::Files), QStringList{"vellumax"});
}
