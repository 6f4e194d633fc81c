#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Writes the fuzzer's bytes to a file in a private temporary folder and returns its path, for the
// readers that take a file name.
QString WriteFuzzFile(const std::uint8_t *data, std::size_t size, const QString &fileName);
