#include "model/platform/SaveWholeFile.h"

#include "model/platform/OutputFile.h"

bool SaveWholeFile(const QString &path, QByteArrayView bytes, QString *reason)
{
    OutputFile file(path);
    if (file.Open() && file.Write(bytes) && file.Commit())
        return true;
    if (reason)
        *reason = file.ErrorString();
    return false;
}
