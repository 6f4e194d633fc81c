#include "TestSupport.h"
#include "model/platform/FontSubstitutions.h"
#include "ui/app/TfrmMain.h"
#include "ui/help/HelpWindow.h"
#include "ui/platform/ProgramResources.h"
#include "ui/platform/QtTranslations.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <gtest/gtest.h>

// The window started as the program starts it, under the locale and VELLUMAX_LANG that ctest gives
// each run; the run names the language it must show (--expect=ja|en) and may write a language
// setting into the program's settings first (--setting=ja|en).

namespace {

QString expected;
QString setting;

// The first menu of the menu bar as assistive technology reads it.
QString fileMenuName(TfrmMain &form)
{
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(form.menuBar());
    if (!bar || bar->childCount() == 0)
        return {};
    return bar->child(0)->text(QAccessible::Name);
}

} // namespace

TEST(ProgramLanguage, WindowHelpAndQtTextsSpeakTheChosenLanguage)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    if (!setting.isEmpty())
        WriteFileBytes(folder.filePath("VELLUMAX.INI"),
                       "[Settings]\r\nVELLUMAX_LANG=" + setting.toLatin1() + "\r\n");
    LoadProgramResources();
    QObject *translations = InstallQtTranslations(*qApp);
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    form.show();

    const bool english = expected == u"en";
    EXPECT_EQ(fileMenuName(form), english ? QStringLiteral("File") : QStringLiteral("ファイル(F)"));
    const QString help = HelpWindow::TopicUrl(66).path();
    EXPECT_EQ(help.startsWith(QStringLiteral("/help/en/")), english) << help.toStdString();
    EXPECT_TRUE(QFile::exists(u':' + help)) << help.toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              english ? QStringLiteral("Cancel") : QStringLiteral("キャンセル"));
    delete translations;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    for (const QString &argument : application.arguments()) {
        if (argument.startsWith(QStringLiteral("--expect=")))
            expected = argument.mid(9);
        if (argument.startsWith(QStringLiteral("--setting=")))
            setting = argument.mid(10);
    }
    if (expected != u"ja" && expected != u"en") {
        std::fprintf(stderr, "usage: %s --expect=ja|en [--setting=ja|en]\n", argv[0]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
