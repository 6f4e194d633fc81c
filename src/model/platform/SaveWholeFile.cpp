#include "model/platform/SaveWholeFile.h"

#include <QSaveFile>

bool SaveWholeFile(const QString &path, QByteArrayView bytes, QString *reason)
{
    QSaveFile file(path);
    const auto fail = [&file, reason] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    // Unbuffered, every write reaches the disk at once and a full disk is told by the write that
    // meets it; a buffered file would find it only while committing, which then reports success
    // over a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    // A write stops short where the disk fills; the next one tells why.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return fail();
        done += written;
    }
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}
