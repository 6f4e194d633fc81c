#include "FuzzSupport.h"

#include "model/platform/FontSubstitutions.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

// Every target gets one application object, so fonts and images behave as in the program.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    InstallFontSubstitutions();
    return 0;
}

QString WriteFuzzFile(const std::uint8_t *data, std::size_t size, const QString &fileName)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
