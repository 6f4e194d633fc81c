#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Writes the fuzzer's bytes to a file in a private temporary folder and returns its path, for the
// readers that take a file name.
QString WriteFuzzFile(const std::uint8_t *data, std::size_t size, const QString &fileName);

// A zip archive of the parts in order, each stored uncompressed, so that the fuzzer's bytes reach
// what the parts hold: mutated archive bytes seldom get past the archive's checksums.
QByteArray StoredZip(const std::vector<std::pair<const char *, QByteArray>> &parts);
