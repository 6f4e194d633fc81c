#include "ui/platform/FileDialogCompletion.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(FileDialogCompletion, TheNameListClosesWithTheDialog)
{
    QTemporaryDir folder;
    for (const char *name : {"yamada.vkc", "yamamoto.vkc"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QStringLiteral("開く"), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    CloseCompletionWithDialog(dialog);
    dialog.show();
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name && name->completer());
    // The completion offers what the folder view has read.
    auto *files = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView"));
    ASSERT_TRUE(files);
    ASSERT_TRUE(QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) == 2; }, 5000));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("yama"));
    QAbstractItemView *list = name->completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 5000));

    static_cast<QDialog &>(dialog).done(QDialog::Accepted);
    EXPECT_FALSE(list->isVisible());
}
