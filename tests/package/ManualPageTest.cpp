#include "PackageTestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

// The manual page lists exactly the options --help lists, with the same value names, and carries
// the program's version; groff reads it without a warning.
TEST(ManualPage, ListsEveryOptionOfTheHelpAndTheProgramsVersion)
{
    if (Tool(QStringLiteral("groff")).isEmpty())
        GTEST_SKIP() << "groff is not installed";
    const ProgramRun rendered =
        RunProgram(QStringLiteral("groff"), {"-man", "-Tutf8", "-ww", "-P-cbou", "-rLL=200n",
                                             VELLUMIA_SOURCE_DIR "/packaging/vellumax.1"});
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    EXPECT_TRUE(rendered.err.isEmpty()) << rendered.err.toStdString();
    // Each option's entry is a tagged paragraph whose tag is the option and its value's name.
    QFile source(QStringLiteral(VELLUMIA_SOURCE_DIR "/packaging/vellumax.1"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(source.readAll());
    const QString options =
        page.section(QStringLiteral(".SH OPTIONS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    static const QRegularExpression entry(QStringLiteral("^\\.TP\\n\\.BI? (.*)$"),
                                          QRegularExpression::MultilineOption);
    QStringList listed;
    for (auto match = entry.globalMatch(options); match.hasNext();)
        listed << match.next()
                      .captured(1)
                      .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                      .remove(u'"')
                      .simplified();
    const QStringList help = HelpOptions();
    EXPECT_GE(help.size(), 20);
    EXPECT_EQ(listed, help);

    EXPECT_TRUE(rendered.out.contains(QStringLiteral("vellumax ") + ProgramVersion() + u' '));
}
