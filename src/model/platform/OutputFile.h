#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

class QFileDevice;
class QIODevice;

// A file the program writes as a whole: a card, a picture, a PDF, a list of sheets. A new name or a
// regular file (or a link to one) is replaced only once every byte is on disk, so a failed write
// leaves the old file as it was. A pipe, a device or a link to one is written into directly, as the
// shell's redirection would: replacing it would put a regular file in its place. Writes are
// unbuffered, so that a full disk is told by the write that meets it, with the system's reason.
class OutputFile {
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    bool Open();
    // Every byte, or false at the first write that fails.
    bool Write(QByteArrayView bytes);
    // True when nothing failed so far: for writers (a PDF) that write through Device() themselves.
    bool Healthy() const;
    // Puts the written file in place of the old one, or closes the pipe or device.
    bool Commit();
    QIODevice &Device();
    // The system's reason for the last failure ("No space left on device").
    QString ErrorString() const;

private:
    std::unique_ptr<QFileDevice> file_;
    bool direct_ = false;
};
