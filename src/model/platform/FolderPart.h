#pragma once

#include <QString>

// The folder part of a path, as the remembered folders keep it: everything before the last "/",
// without a trailing "/" unless the folder is the root. A bare file name has no folder part.
QString FolderPart(const QString &path);
