#include "PackageTestSupport.h"

#include <QFile>
#include <QMap>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kBashCompletion = QStringLiteral("/usr/share/bash-completion/bash_completion");

// What bash offers for the last of words, typed in folder: the completion is sourced as the
// shell's completion loader does and its function called as readline calls it.
QStringList complete(const QStringList &words, const QString &folder,
                     const QString &script = QStringLiteral(VELLUMIA_SOURCE_DIR
                                                            "/packaging/vellumax-completion.bash"),
                     const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    const QString run = QStringLiteral(
        "source \"$COMPLETION_LOADER\"; source \"$COMPLETION\"\n"
        "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMP_LINE=\"$*\"; COMP_POINT=${#COMP_LINE}\n"
        "_vellumax; printf '%s\\n' \"${COMPREPLY[@]}\"");
    QProcessEnvironment shell = environment;
    shell.insert(QStringLiteral("COMPLETION_LOADER"), kBashCompletion);
    shell.insert(QStringLiteral("COMPLETION"), script);
    shell.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const ProgramRun bash =
        RunProgram(QStringLiteral("bash"), QStringList{"--norc", "--noprofile", "-c", run, "bash"} + words,
                   folder, shell);
    EXPECT_EQ(bash.exitCode, 0) << bash.err.toStdString();
    QStringList offered = bash.out.split(u'\n', Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

// The word bash makes of a completion that is inserted as it stands.
QString shellWord(const QString &completion)
{
    return RunProgram(QStringLiteral("bash"), {"-c", "eval \"printf %s $1\"", "bash", completion}).out;
}

class Completion : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(kBashCompletion))
            GTEST_SKIP() << "bash-completion is not installed";
    }
    QTemporaryDir folder;
};

} // namespace

// Options and their fixed values come from the same list --help shows, so the completion never
// offers what the program refuses nor misses what it takes.
TEST_F(Completion, OffersTheOptionsAndValuesOfTheHelp)
{
    QStringList options;
    QMap<QString, QStringList> values;
    for (const QString &option : HelpOptions()) {
        const QString name = option.section(u' ', 0, 0);
        options << name;
        const QString value = option.section(u' ', 1);
        if (QRegularExpression(QStringLiteral("^[a-z]+(\\|[a-z]+)+$")).match(value).hasMatch()) {
            values[name] = value.split(u'|');
            values[name].sort();
        }
    }
    options.sort();
    EXPECT_EQ(complete({"vellumax", "-"}, folder.path()), options);
    EXPECT_EQ(complete({"vellumax", "--per"}, folder.path()), QStringList{"--per-record"});
    EXPECT_EQ(values.keys(), (QStringList{"--back", "--marks", "--per-record", "--side"}));
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        EXPECT_EQ(complete({"vellumax", value.key(), ""}, folder.path()), value.value())
            << value.key().toStdString();
    EXPECT_EQ(complete({"vellumax", "--marks", "f"}, folder.path()), QStringList{"frame"});
    EXPECT_TRUE(complete({"vellumax", "--dpi", ""}, folder.path()).isEmpty());
}

// Each option that reads or writes a file is offered the files of its kinds, and folders to go on.
TEST_F(Completion, OffersFilesByTheirExtension)
{
    for (const char *name :
         {"card.vkc", "Old.VKC", "photo.png", "scan.JPEG", "staff.csv", "staff.xlsx", "sheet.pdf"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    QDir(folder.path()).mkdir(QStringLiteral("cards"));
    EXPECT_EQ(complete({"vellumax", ""}, folder.path()), (QStringList{"Old.VKC", "card.vkc", "cards"}));
    EXPECT_EQ(complete({"vellumax", "--export", ""}, folder.path()),
              (QStringList{"cards", "photo.png", "scan.JPEG"}));
    EXPECT_EQ(complete({"vellumax", "--pdf", "s"}, folder.path()), QStringList{"sheet.pdf"});
    EXPECT_EQ(complete({"vellumax", "--merge", "st"}, folder.path()),
              (QStringList{"staff.csv", "staff.xlsx"}));
}

// Sheet names hold spaces, quotes and commas; each offered name, inserted as the shell reads it,
// is one the program takes for --sheet.
TEST_F(Completion, OffersTheSheetsOfTheProgramsListQuotedForTheShell)
{
    const QString special = QStringLiteral("社内 \"特製\", 91×55mm");
    QFile list(folder.filePath("CardDef.lst"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QStringEncoder("windows-31j")
                   .encode(QStringLiteral("\"社内 \"\"特製\"\", 91×55mm\",910,550,2,5,140,110,0,0,0\r\n"
                                          "\"名刺 91×55mm A4 10面\",910,550,2,5,140,110,0,0,1\r\n")));
    list.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELLUMAX_HOME"), folder.path());

    const QStringList offered =
        complete({VELLUMAX_BINARY, "--sheet", "社内\\ \\\""}, folder.path(),
                 QStringLiteral(VELLUMIA_SOURCE_DIR "/packaging/vellumax-completion.bash"), environment);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(shellWord(offered.first()), special);
    const ProgramRun pdf = RunProgram(VELLUMAX_BINARY,
                                      {"--pdf", "special.pdf", "--sheet", shellWord(offered.first()),
                                       VELLUMIA_SOURCE_DIR "/fuzz/corpus/cardstream/every-kind.vkc"},
                                      folder.path(), environment);
    EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();

    EXPECT_EQ(complete({VELLUMAX_BINARY, "--sheet", ""}, folder.path(),
                       QStringLiteral(VELLUMIA_SOURCE_DIR "/packaging/vellumax-completion.bash"), environment)
                  .size(),
              2);
}
