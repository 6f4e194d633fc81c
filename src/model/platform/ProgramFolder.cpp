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
    if (QFileInfo::exists(own) || !qEnvironmentVariableIsEmpty("VELLUMAX_HOME"))
        return own;
    const QString installed = QDir(installedDataFolder()).filePath(fileName);
    return QFileInfo::exists(installed) ? installed : own;
}
