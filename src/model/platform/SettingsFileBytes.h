#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Settings and card sheet files hold a few kilobytes; this bound is far above any of them.
inline constexpr qint64 kMaxSettingsFileBytes = 4 * 1024 * 1024;

// The bytes of a file the program reads at start (settings, card sheets), checked as card files
// are: only a regular file (or a link to one) is opened, since a pipe or a device would keep the
// program waiting, and only one within kMaxSettingsFileBytes is read. Nothing for anything else,
// a missing file included.
std::optional<QByteArray> ReadSettingsFileBytes(const QString &path);
