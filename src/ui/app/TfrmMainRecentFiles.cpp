// The File menu's recent files: the cards last opened or saved, kept in the settings.
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

void TfrmMain::createRecentFilesMenu()
{
    auto *file = mainMenu1_->findChild<QMenu *>(QStringLiteral("mnuFile"));
    recentFilesMenu_ = new QMenu(tr("最近使ったファイル(&R)"), file);
    recentFilesMenu_->setObjectName(QStringLiteral("mnuRecentFiles"));
    recentFilesMenu_->menuAction()->setObjectName(QStringLiteral("mnuRecentFiles"));
    // Just above the end of the program, in a group of its own.
    QAction *close = Action("WindowClose1");
    file->insertMenu(close, recentFilesMenu_);
    file->insertSeparator(close);
    showRecentFiles();
}

void TfrmMain::showRecentFiles()
{
    // The entry being chosen may be running this very change, so the old entries go later.
    for (QAction *old : recentFilesMenu_->actions()) {
        recentFilesMenu_->removeAction(old);
        old->deleteLater();
    }
    int number = 0;
    for (const QString &fileName : settings_.RecentFiles) {
        ++number;
        const QString label = QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(fileName).fileName());
        QAction *entry = recentFilesMenu_->addAction(label);
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(number));
        entry->setStatusTip(QDir::toNativeSeparators(fileName));
        OnExecute(entry, [this, fileName] { openRecentFile(fileName); });
    }
    recentFilesMenu_->setEnabled(!settings_.RecentFiles.isEmpty());
}

void TfrmMain::AddRecentFile(const QString &fileName)
{
    settings_.RecentFiles.removeAll(fileName);
    settings_.RecentFiles.prepend(fileName);
    while (settings_.RecentFiles.size() > MainSettings::MaxRecentFiles)
        settings_.RecentFiles.removeLast();
    showRecentFiles();
}

void TfrmMain::openRecentFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        // Dropped first, so that the list is right even if the message is closed any way at all.
        settings_.RecentFiles.removeAll(fileName);
        showRecentFiles();
        VkMessageBox(tr("ファイル %1 が見つかりません。\n最近使ったファイルの一覧から削除しました。")
                         .arg(QDir::toNativeSeparators(fileName)),
                     MB_OK | MB_ICONEXCLAMATION, this);
        return;
    }
    OpenCardFile(fileName);
}
