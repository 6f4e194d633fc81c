#include "model/platform/FontSubstitutions.h"
#include "ui/app/MainActions.h"
#include "ui/platform/ProgramResources.h"
#include "ui/platform/QtTranslations.h"
#include "ui/platform/TVkShellEx.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(TVkShellEx, OpensTheAddressAndRestoresTheCursor)
{
    // A stand-in for the desktop's opener that records what it was asked to open.
    QTemporaryDir bin;
    const QString opened = bin.filePath("opened.txt");
    QFile script(bin.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(opened).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + path);

    TVkShellEx::OpenUnderWaitCursor("https://vellumia.example/名刺?a=1&b=2");
    ASSERT_TRUE(QApplication::overrideCursor());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() == nullptr; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile(opened).size() > 0; }, 5000));
    QFile result(opened);
    result.open(QIODevice::ReadOnly);
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "https://vellumia.example/名刺?a=1&b=2");

    // Without an opener the cursor still comes back.
    qputenv("PATH", bin.path().toUtf8() + "/missing");
    bool started = true;
    bool done = false;
    TVkShellEx::Open("https://vellumia.example/", [&](bool ok) {
        started = ok;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    EXPECT_FALSE(started);
    qputenv("PATH", path);
}

TEST(FontSubstitutions, WindowsFaceNamesDrawInInstalledLookAlikes)
{
    InstallFontSubstitutions();
    const std::pair<const char16_t *, const char *> expected[] = {
        {u"ＭＳ Ｐゴシック", "IPAPGothic"},       {u"MS PGothic", "IPAPGothic"},
        {u"ＭＳ ゴシック", "IPAGothic"},          {u"ＭＳ 明朝", "IPAMincho"},
        {u"ＭＳ Ｐ明朝", "IPAPMincho"},           {u"Arial", "Liberation Sans"},
        {u"Times New Roman", "Liberation Serif"}, {u"Courier New", "Liberation Mono"},
    };
    for (const auto &[face, family] : expected) {
        const QString name = QString::fromUtf16(face);
        EXPECT_EQ(QFontInfo(QFont(name)).family(), family) << name.toStdString();
    }
}

TEST(MainActions, EveryIconIsBundled)
{
    LoadProgramResources();
    int icons = 0;
    for (const MainActionEntry &entry : MainActionTable()) {
        if (!entry.icon)
            continue;
        ++icons;
        const QString file = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon));
        EXPECT_TRUE(QFile::exists(file)) << entry.name.Name();
        EXPECT_FALSE(QIcon(file).pixmap(16, 16).isNull()) << entry.name.Name();
    }
    EXPECT_EQ(icons, 36);
    EXPECT_FALSE(QIcon(":/icons/vellumia.svg").pixmap(48, 48).isNull());
}

TEST(QtTranslations, StandardButtonsSpeakJapanese)
{
    QObject *translations = InstallQtTranslations(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル")
        << "qt6-translations-l10n is not installed";
    delete translations; // other tests see Qt's own texts
}
