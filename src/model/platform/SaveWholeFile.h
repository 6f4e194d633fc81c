#pragma once

#include <QByteArrayView>
#include <QString>

// Writes bytes as the whole of the file at path as OutputFile does: a failed save leaves the old
// file as it was, and a pipe or a device is written into, never replaced.
// On failure, reason (when given) receives the system's reason: a full disk, a missing permission.
bool SaveWholeFile(const QString &path, QByteArrayView bytes, QString *reason = nullptr);
