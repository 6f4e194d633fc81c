#include "FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A model folder of its own for the build's floor check to read.
class ModelTree {
public:
    ModelTree() { EXPECT_TRUE(dir.isValid()); }

    void Add(const QString &path, const QByteArray &text)
    {
        const QString full = dir.filePath(path);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(full).path()));
        WriteFileBytes(full, text);
    }

    QString Path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

struct CheckResult {
    int exitCode = -1;
    QString output;
};

// Runs the check the build runs before compiling the model, on the model folder at modelDir.
CheckResult CheckFloors(const QString &modelDir)
{
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral(VELLUMIA_CMAKE_COMMAND),
                {QStringLiteral("-DMODEL_DIR=") + modelDir, QStringLiteral("-P"),
                 QStringLiteral(VELLUMIA_SOURCE_DIR "/cmake/ModelFloors.cmake")});
    if (!check.waitForFinished(60000) || check.exitStatus() != QProcess::NormalExit)
        return {};
    return {check.exitCode(), QString::fromUtf8(check.readAll())};
}

} // namespace

TEST(ModelFloors, TheProgramsModelHoldsItsFloors)
{
    const CheckResult result = CheckFloors(QStringLiteral(VELLUMIA_SOURCE_DIR "/src/model"));
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.output);
}

TEST(ModelFloors, AnUpwardIncludeIsNamedWithItsLineAndBothFloors)
{
    ModelTree tree;
    tree.Add("platform/Text.h", "#pragma once\n");
    tree.Add("card/Card.h", "#pragma once\n\n#include \"model/picture/Picture.h\"\n#include <QString>\n");
    // The first include is allowed; the second, on line 4, reaches up to the card.
    tree.Add("picture/Picture.h", "#pragma once\n// #include \"model/card/Card.h\" is what not to do\n"
                                  "#include \"model/platform/Text.h\"\n  #  include \"model/card/Card.h\"\n");
    // Settings stand on every floor, the output folder (absent here) among them.
    tree.Add("settings/Settings.cpp", "#include \"model/card/Card.h\"\n#include \"model/output/Job.h\"\n");

    const CheckResult result = CheckFloors(tree.Path());
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.output.contains(
        "src/model/picture/Picture.h:4: error: picture includes model/card/Card.h from card, a higher floor"))
        << qPrintable(result.output);
    EXPECT_EQ(result.output.count(QStringLiteral(": error: ")), 1) << qPrintable(result.output);
    EXPECT_TRUE(result.output.contains("broken by 1 include")) << qPrintable(result.output);

    tree.Add("picture/Picture.h", "#pragma once\n#include \"model/platform/Text.h\"\n");
    EXPECT_EQ(CheckFloors(tree.Path()).exitCode, 0);
}

TEST(ModelFloors, SideFloorsRelativePathsAndUnplacedFoldersAreRefused)
{
    ModelTree tree;
    tree.Add("dib/Dib.h", "#pragma once\n");
    tree.Add("platform/Colour.cpp", "#include \"model/dib/Dib.h\"\n");
    tree.Add("sheet/Sheet.h", "#pragma once\n");
    tree.Add("document/Document.cpp", "#include <vector>\n#include \"../sheet/Sheet.h\"\n");
    tree.Add("drawing/Drawing.cpp", "#include \"model/dib/Dib.h\"\n");

    const CheckResult result = CheckFloors(tree.Path());
    EXPECT_NE(result.exitCode, 0);
    for (const char *fault :
         {"src/model/platform/Colour.cpp:1: error: platform includes model/dib/Dib.h from dib, "
          "a floor beside it",
          "src/model/document/Document.cpp:2: error: document includes ../sheet/Sheet.h from "
          "sheet, a higher floor",
          "src/model/drawing/Drawing.cpp: error: the model folder 'drawing' is no floor"})
        EXPECT_TRUE(result.output.contains(QString::fromUtf8(fault))) << fault << "\n"
                                                                      << qPrintable(result.output);
}
