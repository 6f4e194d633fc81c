#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// The whole content of a file; empty when it cannot be read.
inline QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes a file hold exactly bytes.
inline void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}
