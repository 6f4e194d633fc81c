#include "TestSupport.h"
#include "model/platform/IniFile.h"
#include "model/settings/MainSettings.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

QStringList entryTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *entry : menu.actions())
        texts << entry->text();
    return texts;
}

} // namespace

TEST(RecentFiles, SettingsKeepEightAndEmptyWhatWasDropped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VELLUMAX.INI");
    MainSettings settings;
    {
        IniFile ini(path);
        ASSERT_TRUE(settings.Save(ini));
    }
    // Without recent files the file has no section for them.
    EXPECT_FALSE(ReadFileBytes(path).contains("[RecentFiles]"));

    settings.RecentFiles = {"/cards/a.vkc", "/cards/名刺.vkc", "/cards/\U0001F600.vkc", "/cards/b.vkc"};
    {
        IniFile ini(path);
        ASSERT_TRUE(settings.Save(ini));
    }
    MainSettings read;
    read.Load(IniFile(path), QRect());
    // A name the settings file cannot hold is left out rather than stored as something else.
    EXPECT_EQ(read.RecentFiles, (QStringList{"/cards/a.vkc", "/cards/名刺.vkc", "/cards/b.vkc"}));

    settings.RecentFiles = {"/cards/b.vkc"};
    {
        IniFile ini(path);
        ASSERT_TRUE(settings.Save(ini));
    }
    read.Load(IniFile(path), QRect());
    EXPECT_EQ(read.RecentFiles, QStringList{"/cards/b.vkc"});
}

TEST(RecentFiles, OpenedAndSavedCardsComeFirstAndAMissingOneIsDroppedWithAMessage)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    QStringList cards;
    {
        TfrmMain form;
        ASSERT_TRUE(form.Startup({}));
        for (int i = 1; i <= 9; ++i) {
            cards << folder.filePath(QStringLiteral("card%1.vkc").arg(i));
            form.Documents().SaveCardFile(cards.last());
        }
        form.OpenCardFile(cards[2]);
        EXPECT_EQ(form.Settings().RecentFiles.size(), 8);
        EXPECT_EQ(form.Settings().RecentFiles.first(), cards[2]);
        EXPECT_EQ(form.Settings().RecentFiles[1], cards[8]);
        EXPECT_FALSE(form.Settings().RecentFiles.contains(cards[0])); // the ninth is gone
        EXPECT_EQ(entryTexts(form.RecentFilesMenu()).first(), "&1 card3.vkc");
        EXPECT_TRUE(form.close());
    }

    QFile::remove(cards[8]);
    TfrmMain again;
    ASSERT_TRUE(again.Startup({}));
    ASSERT_EQ(entryTexts(again.RecentFilesMenu()).size(), 8);
    QString message;
    OnNextModal([&message](QWidget *box) {
        message = static_cast<QMessageBox *>(box)->text();
        static_cast<QMessageBox *>(box)->accept();
    });
    again.RecentFilesMenu().actions()[1]->trigger();
    EXPECT_TRUE(message.contains("card9.vkc"));
    EXPECT_FALSE(again.Settings().RecentFiles.contains(cards[8]));
    EXPECT_EQ(entryTexts(again.RecentFilesMenu()).size(), 7);

    again.RecentFilesMenu().actions()[1]->trigger(); // card8, which is there
    EXPECT_EQ(again.CurrentFileName(), cards[7]);
    EXPECT_EQ(again.Settings().RecentFiles.first(), cards[7]);
}
