#include "PackageTestSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const QString kMetainfo =
    QStringLiteral(VELLUMIA_SOURCE_DIR "/packaging/io.github.vellumia.Vellumia.metainfo.xml");
// Screenshots are served from the repository's own copy of them.
const QString kScreenshotAddress =
    QStringLiteral("https://raw.githubusercontent.com/vellumia/vellumia/main/");

QDomDocument readXml(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QDomDocument document;
    EXPECT_TRUE(document.setContent(&file)) << path.toStdString();
    return document;
}

} // namespace

// Software centres take the description as it is: it validates, its newest release is the
// program's version, it claims the card documents' file type, and each screenshot it names is in
// the repository where its address points.
TEST(Metainfo, ValidatesAndMatchesTheProgramItDescribes)
{
    if (Tool(QStringLiteral("appstreamcli")).isEmpty())
        GTEST_SKIP() << "appstream is not installed";
    const ProgramRun validate =
        RunProgram(QStringLiteral("appstreamcli"), {"validate", "--no-net", kMetainfo});
    EXPECT_EQ(validate.exitCode, 0) << validate.out.toStdString() << validate.err.toStdString();

    const QDomElement component = readXml(kMetainfo).documentElement();
    EXPECT_EQ(component.firstChildElement("releases").firstChildElement("release").attribute("version"),
              ProgramVersion());
    const QString fileType = readXml(VELLUMIA_SOURCE_DIR "/data/desktop/vellumax-mime.xml")
                                 .documentElement()
                                 .firstChildElement("mime-type")
                                 .attribute("type");
    EXPECT_EQ(component.firstChildElement("provides").firstChildElement("mediatype").text(), fileType);

    const QDomNodeList images = component.elementsByTagName("image");
    EXPECT_GE(images.size(), 1);
    for (int i = 0; i < images.size(); ++i) {
        const QString address = images.at(i).toElement().text();
        ASSERT_TRUE(address.startsWith(kScreenshotAddress)) << address.toStdString();
        const QImage shot(QStringLiteral(VELLUMIA_SOURCE_DIR "/") + address.mid(kScreenshotAddress.size()));
        EXPECT_GE(shot.width(), 1000) << address.toStdString();
    }
}
