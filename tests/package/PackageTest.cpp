#include "PackageTestSupport.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every file under folder, relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

// One test for the package: making it takes a while, and every check reads the package made.
// It is unpacked into a fresh root rather than installed, so the machine running the tests is left
// as it was; apt is asked whether it could install it.
TEST(DebianPackage, InstallsAProgramThatRunsForAUserWithItsDataManualAndCompletion)
{
    for (const char *tool : {"cpack", "dpkg-deb", "dpkg-shlibdeps", "lintian"})
        if (Tool(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir work;
    const ProgramRun cpack =
        RunProgram(QStringLiteral("cpack"),
                   {"--config", VELLUMIA_BINARY_DIR "/CPackConfig.cmake", "-G", "DEB", "-B", work.path()});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QString architecture = RunProgram(QStringLiteral("dpkg"), {"--print-architecture"}).out.trimmed();
    const QString deb =
        work.filePath(QStringLiteral("vellumia_%1_%2.deb").arg(ProgramVersion(), architecture));
    ASSERT_TRUE(QFile::exists(deb)) << cpack.out.toStdString();

    const ProgramRun lintian = RunProgram(QStringLiteral("lintian"), {deb});
    EXPECT_EQ(lintian.exitCode, 0) << lintian.out.toStdString();
    EXPECT_FALSE(
        lintian.out.contains(QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)))
        << lintian.out.toStdString();
    const QString depends = RunProgram(QStringLiteral("dpkg-deb"), {"-f", deb, "Depends"}).out;
    for (const char *library : {"libqt6widgets6", "libqt6printsupport6", "libjpeg62-turbo", "libzip4"})
        EXPECT_TRUE(depends.contains(QLatin1String(library))) << depends.toStdString();
    if (!Tool(QStringLiteral("apt-get")).isEmpty()) {
        const ProgramRun apt = RunProgram(QStringLiteral("apt-get"), {"--simulate", "install", deb});
        EXPECT_EQ(apt.exitCode, 0) << apt.out.toStdString() << apt.err.toStdString();
    }

    const QString root = work.filePath(QStringLiteral("root"));
    ASSERT_EQ(RunProgram(QStringLiteral("dpkg-deb"), {"-x", deb, root}).exitCode, 0);
    const QStringList installed = filesUnder(root);
    for (const char *file :
         {"usr/bin/vellumax", "usr/share/vellumax/CardDef.Def", "usr/share/vellumax/CardStock.csv",
          "usr/share/applications/vellumax.desktop", "usr/share/mime/packages/vellumax.xml",
          "usr/share/icons/hicolor/256x256/apps/vellumax.png",
          "usr/share/metainfo/io.github.vellumia.Vellumia.metainfo.xml", "usr/share/man/man1/vellumax.1.gz",
          "usr/share/bash-completion/completions/vellumax", "usr/share/doc/vellumia/copyright",
          "usr/share/doc/vellumia/changelog.gz"})
        EXPECT_TRUE(installed.contains(QLatin1String(file))) << file;
    const ProgramRun changelog =
        RunProgram(QStringLiteral("gzip"), {"-dc", root + "/usr/share/doc/vellumia/changelog.gz"});
    EXPECT_TRUE(changelog.out.startsWith(QStringLiteral("vellumia (%1) ").arg(ProgramVersion())))
        << changelog.out.toStdString();

    // A user with a fresh home runs the installed program: it reads the card sheets installed
    // under /usr, keeps its own files in the home folder, and writes nothing beside itself.
    QTemporaryDir home;
    QProcessEnvironment user;
    user.insert(QStringLiteral("HOME"), home.path());
    user.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const QString program = root + QStringLiteral("/usr/bin/vellumax");
    const ProgramRun version = RunProgram(program, {"--version"}, home.path(), user);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    const ProgramRun cardStock = RunProgram(program, {"--list-sheets", "51002"}, home.path(), user);
    EXPECT_TRUE(cardStock.out.contains(root + "/usr/share/vellumax/CardStock.csv"))
        << cardStock.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("vellumax %1\n").arg(ProgramVersion()));
    const ProgramRun pdf = RunProgram(program,
                                      {"--pdf", "card.pdf", "--sheet", QStringLiteral("名刺 91×55mm B5 8面"),
                                       VELLUMIA_SOURCE_DIR "/fuzz/corpus/cardstream/every-kind.vkc"},
                                      home.path(), user);
    EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
    if (!Tool(QStringLiteral("pdfinfo")).isEmpty()) {
        EXPECT_EQ(RunProgram(QStringLiteral("pdfinfo"), {home.filePath("card.pdf")}).exitCode, 0);
    }
    EXPECT_TRUE(QFile::exists(home.filePath(".config/vellumax/CardDef.lst")));
    EXPECT_EQ(filesUnder(root), installed);

    // The installed completion finds the installed sheets for the installed program.
    QProcessEnvironment shell = user;
    shell.insert(QStringLiteral("COMPLETION"),
                 root + QStringLiteral("/usr/share/bash-completion/completions/vellumax"));
    shell.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    QDir(home.path()).removeRecursively();
    const ProgramRun completion =
        RunProgram(QStringLiteral("bash"),
                   {"--norc", "--noprofile", "-c",
                    "source /usr/share/bash-completion/bash_completion; source \"$COMPLETION\"\n"
                    "COMP_WORDS=(\"$@\"); COMP_CWORD=2; COMP_LINE=\"$*\"; COMP_POINT=${#COMP_LINE}\n"
                    "_vellumax; printf '%s\\n' \"${COMPREPLY[@]}\"",
                    "bash", program, "--sheet", "名刺\\ 91×55mm\\ B"},
                   root, shell);
    EXPECT_EQ(completion.out, QStringLiteral("名刺\\ 91×55mm\\ B5\\ 8面\n")) << completion.err.toStdString();
}
