#include "model/platform/SettingsFileBytes.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> ReadSettingsFileBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxSettingsFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file may grow between the look and the read.
    QByteArray bytes = file.read(kMaxSettingsFileBytes + 1);
    if (bytes.size() > kMaxSettingsFileBytes)
        return std::nullopt;
    return bytes;
}
