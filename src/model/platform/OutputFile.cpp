#include "model/platform/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

OutputFile::OutputFile(const QString &path)
{
    const QFileInfo info(path);
    direct_ = info.exists() && !info.isFile() && !info.isDir();
    if (direct_)
        file_ = std::make_unique<QFile>(path);
    else
        file_ = std::make_unique<QSaveFile>(path);
}

OutputFile::~OutputFile() = default;

bool OutputFile::Open()
{
    return file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool OutputFile::Write(QByteArrayView bytes)
{
    // A write the system refuses part way (a full disk) returns what it wrote; only writing the rest
    // fails with the system's reason.
    while (!bytes.isEmpty()) {
        const qint64 written = file_->write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

bool OutputFile::Healthy() const
{
    return file_->error() == QFileDevice::NoError;
}

bool OutputFile::Commit()
{
    if (!direct_)
        return static_cast<QSaveFile &>(*file_).commit();
    if (!Healthy())
        return false;
    file_->close();
    return Healthy();
}

QIODevice &OutputFile::Device()
{
    return *file_;
}

QString OutputFile::ErrorString() const
{
    return file_->errorString();
}
