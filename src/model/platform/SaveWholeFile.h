#pragma once

#include <QByteArrayView>
#include <QString>

// Writes bytes as the whole of the file at path, through a temporary file beside it that replaces
// the old file only once every byte is on disk, so a failed save leaves the old file as it was.
// On failure, reason (when given) receives the system's reason: a full disk, a missing permission.
bool SaveWholeFile(const QString &path, QByteArrayView bytes, QString *reason = nullptr);
