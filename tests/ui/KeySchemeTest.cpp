#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
};

QKeySequence keyOf(const TfrmMain &form, MainActionName name)
{
    return form.Action(name)->shortcut();
}

// A key given to two actions of one window runs neither: Qt reports it as ambiguous.
void expectEveryKeyOnce(const TfrmMain &form)
{
    QSet<QString> seen;
    for (const QAction *action : form.actions()) {
        for (const QKeySequence &key : action->shortcuts()) {
            const QString text = key.toString();
            EXPECT_FALSE(seen.contains(text)) << text.toStdString() << " twice";
            seen.insert(text);
        }
    }
}

// Every entry of every menu of the window, without its access key and shortcut.
void expectNoTwoEntriesAlike(const QMenu &menu, QSet<QString> &captions)
{
    for (const QAction *entry : menu.actions()) {
        if (entry->menu()) {
            expectNoTwoEntriesAlike(*entry->menu(), captions);
            continue;
        }
        if (entry->isSeparator() || entry->text().isEmpty())
            continue;
        QString caption = entry->text().section(u'\t', 0, 0);
        caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
        EXPECT_FALSE(captions.contains(caption)) << caption.toStdString();
        captions.insert(caption);
    }
}

} // namespace

TEST(KeyScheme, ClassicKeysUnlessTheSettingsChooseTheStandardOnes)
{
    ProgramFolderWithSheets folder;
    {
        TfrmMain form;
        ASSERT_TRUE(form.Startup({}));
        EXPECT_TRUE(form.Action("mnuKeysClassic")->isChecked());
        EXPECT_EQ(keyOf(form, "acCopy"), QKeySequence("Ctrl+C"));
        EXPECT_EQ(keyOf(form, "acClipboardCopy"), QKeySequence("Ctrl+Shift+C"));
        EXPECT_EQ(keyOf(form, "acDraw"), QKeySequence("Ctrl+D"));
        EXPECT_EQ(keyOf(form, "acSaveAs"), QKeySequence("Ctrl+A"));
        EXPECT_TRUE(keyOf(form, "acSelectAll").isEmpty());
        expectEveryKeyOnce(form);

        form.Action("mnuKeysStandard")->trigger();
        EXPECT_FALSE(form.Action("mnuKeysClassic")->isChecked());
        EXPECT_EQ(keyOf(form, "acClipboardCopy"), QKeySequence("Ctrl+C"));
        EXPECT_EQ(keyOf(form, "acCopy"), QKeySequence("Ctrl+D"));
        EXPECT_EQ(keyOf(form, "acSaveAs"), QKeySequence("Ctrl+Shift+S"));
        EXPECT_EQ(keyOf(form, "acSelectAll"), QKeySequence("Ctrl+A"));
        expectEveryKeyOnce(form);
        form.SaveSettings();
    }
    EXPECT_TRUE(IniFile(folder.filePath("VELLUMAX.INI")).ReadBool("Settings", "StandardKeys", false));
    TfrmMain restarted;
    ASSERT_TRUE(restarted.Startup({}));
    EXPECT_TRUE(restarted.Action("mnuKeysStandard")->isChecked());
    EXPECT_EQ(keyOf(restarted, "acClipboardCopy"), QKeySequence("Ctrl+C"));

    restarted.Action("mnuKeysClassic")->trigger();
    EXPECT_EQ(keyOf(restarted, "acCopy"), QKeySequence("Ctrl+C"));
    EXPECT_EQ(keyOf(restarted, "acDraw"), QKeySequence("Ctrl+D"));
    EXPECT_EQ(keyOf(restarted, "acSaveAs"), QKeySequence("Ctrl+A"));
    EXPECT_TRUE(keyOf(restarted, "acSelectAll").isEmpty());
}

TEST(KeyScheme, NoTwoMenuEntriesReadTheSame)
{
    TfrmMain form;
    QSet<QString> captions;
    for (const QAction *menu : form.MainMenu1()->actions())
        expectNoTwoEntriesAlike(*menu->menu(), captions);
    EXPECT_TRUE(captions.contains("クリップボードにコピー"));
    QSet<QString> popup;
    expectNoTwoEntriesAlike(*form.Popup1(), popup);
}

TEST(KeyScheme, SelectAllSelectsEveryObjectOfTheShownSide)
{
    TfrmMain form;
    for (int i = 0; i < 3; ++i) {
        auto object = std::make_unique<TVkDragLabel>();
        object->SetBounds(i * 30, 0, 20, 20);
        form.WireCardObject(form.Panel().AddObject(std::move(object)));
    }
    form.Action("acSelectAll")->trigger();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(form.Panel().Object(i).Selected()) << i;
    EXPECT_TRUE(form.Action("acDelete")->isEnabled());
    form.Action("acDelete")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
}
