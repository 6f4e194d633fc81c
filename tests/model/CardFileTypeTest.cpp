#include "model/card/TVkDragLabel.h"
#include "model/document/CardDocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The type the desktop's file-type database gives path, asked as a file manager asks.
QString desktopFileType(const QString &dataHome, const QString &path)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("XDG_DATA_DIRS", "/usr/share");
    environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
    QProcess query;
    query.setProcessEnvironment(environment);
    query.start("xdg-mime", {"query", "filetype", path});
    if (!query.waitForFinished(60000))
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

// A saved card is known by its bytes, not only by its name: a card mailed or downloaded without
// its .vkc ending still opens with the program.
TEST(CardFileType, SavedCardIsToldByItsBytes)
{
    QTemporaryDir dataHome;
    ASSERT_TRUE(QDir(dataHome.path()).mkpath("mime/packages"));
    ASSERT_TRUE(QFile::copy(VELLUMIA_SOURCE_DIR "/data/desktop/vellumax-mime.xml",
                            dataHome.filePath("mime/packages/vellumax.xml")));
    QProcess update;
    update.start("update-mime-database", {dataHome.filePath("mime")});
    ASSERT_TRUE(update.waitForFinished(60000));
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();

    CardDocument document;
    document.Surface().AddObject(std::make_unique<TVkDragLabel>()).SetCaption({"山田 太郎"});
    const QString saved = dataHome.filePath("yamada.vkc");
    document.Save(saved);
    const QString unnamed = dataHome.filePath("yamada");
    ASSERT_TRUE(QFile::copy(saved, unnamed));

    EXPECT_EQ(desktopFileType(dataHome.path(), unnamed), "application/x-vellumia-card");
    EXPECT_EQ(desktopFileType(dataHome.path(), saved), "application/x-vellumia-card");
}
