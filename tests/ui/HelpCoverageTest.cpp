#include "TestSupport.h"
#include "model/settings/ProgramLanguage.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

namespace {

// The Japanese help pages, and their English set.
const QString kHelpFolders[] = {QStringLiteral(":/help"), QStringLiteral(":/help/en")};

// The words of every help page in folder, as the help window shows them.
QString helpText(const QString &folder)
{
    QString text;
    const QDir pages(folder);
    for (const QString &name : pages.entryList({QStringLiteral("*.html")})) {
        QFile page(pages.filePath(name));
        EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << name.toStdString();
        text += QTextDocumentFragment::fromHtml(QString::fromUtf8(page.readAll())).toPlainText();
    }
    return text;
}

// What a menu or button shows, without its access key, its "..." and its shortcut.
QString commandName(const QAction &action)
{
    static const QRegularExpression decorations(QStringLiteral("\\(&.\\)|&|\\.\\.\\.$|…$"));
    return action.text().section(u'\t', 0, 0).remove(decorations).trimmed();
}

// The file dialogs the window keeps have the toolkit's own commands.
bool insideDialog(const QAction &action)
{
    for (const QObject *owner = action.parent(); owner; owner = owner->parent()) {
        if (qobject_cast<const QDialog *>(owner))
            return true;
    }
    return false;
}

// Every command of the window, in the language of the pages, is named in them.
void expectEveryCommandNamed(const QString &pages)
{
    ScopedProgramFolder folder;
    TfrmMain form;
    const QString help = helpText(pages);
    ASSERT_FALSE(help.isEmpty());
    int named = 0;
    for (const QAction *action : form.findChildren<QAction *>()) {
        // Recent files are the user's own card names.
        if (action->isSeparator() || !action->isVisible() || insideDialog(*action) ||
            action->objectName().startsWith(QLatin1String("mnuRecentFile")))
            continue;
        const QString name = commandName(*action);
        if (name.isEmpty())
            continue;
        ++named;
        EXPECT_TRUE(help.contains(name)) << action->objectName().toStdString() << " " << name.toStdString();
    }
    EXPECT_GT(named, 60);
}

} // namespace

TEST(HelpPages, NameEveryCommandOfTheMainWindow)
{
    expectEveryCommandNamed(kHelpFolders[0]);
}

TEST(HelpPages, EnglishPagesNameEveryCommandOfTheEnglishWindow)
{
    QObject translations;
    ASSERT_TRUE(InstallProgramTranslation(ProgramLanguage::English, &translations));
    expectEveryCommandNamed(kHelpFolders[1]);
    InstallProgramTranslation(ProgramLanguage::Japanese, &translations);
}

TEST(HelpPages, EveryLinkLeadsToAPageAndPlaceThatExist)
{
    static const QRegularExpression link(QStringLiteral("href=\"([a-z]+\\.html)(?:#(\\w+))?\""));
    for (const QString &folder : kHelpFolders) {
        const QDir pages(folder);
        for (const QString &name : pages.entryList({QStringLiteral("*.html")})) {
            QFile page(pages.filePath(name));
            ASSERT_TRUE(page.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(page.readAll());
            for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
                QFile target(pages.filePath(match.captured(1)));
                ASSERT_TRUE(target.open(QIODevice::ReadOnly))
                    << name.toStdString() << " -> " << match.captured(1).toStdString();
                if (!match.captured(2).isEmpty()) {
                    EXPECT_TRUE(target.readAll().contains(
                        QStringLiteral("name=\"%1\"").arg(match.captured(2)).toUtf8()))
                        << name.toStdString() << " -> " << match.captured(0).toStdString();
                }
            }
        }
    }
}
