#include "model/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kShippedCardSheets = QStringLiteral("CardDef.Def");

// Where an installation keeps the shipped files, relative to the executable's folder.
QString installedDataFolder()
{
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VELLUMAX_DATA_FROM_BIN)));
}

// An installed program has its card sheets in the data folder rather than beside it. Even where it
// may write to its folder (run by the administrator), that folder is not the user's.
bool runsInstalled()
{
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    return !executableFolder.exists(kShippedCardSheets) &&
           QFileInfo::exists(QDir(installedDataFolder()).filePath(kShippedCardSheets));
}

QString userConfigFolder()
{
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                               .filePath(QStringLiteral("vellumax"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace

QString ProgramFolder()
{
    const QString home = qEnvironmentVariable("VELLUMAX_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (runsInstalled() || !QFileInfo(executableFolder).isWritable())
        return userConfigFolder();
    return executableFolder;
}

QString ProgramFile(const QString &fileName)
{
    return QDir(ProgramFolder()).filePath(fileName);
}

QString ShippedFile(const QString &fileName)
{
    const QString own = ProgramFile(fileName);
    if (QFileInfo::exists(own))
        return own;
    // A program folder of its own (VELLUMAX_HOME, ~/.config/vellumax) starts empty: the program
    // then starts from what came with it, installed or built.
    for (const QString &folder : {installedDataFolder(), QCoreApplication::applicationDirPath()}) {
        const QString shipped = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(shipped))
            return shipped;
    }
    return own;
}
