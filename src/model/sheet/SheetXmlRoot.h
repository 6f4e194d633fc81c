#pragma once

#include <QStringView>

class QXmlStreamReader;

// Reads up to the first element of a sheet file and tells whether it is rootName. A document type
// that declares entities is refused before any of them could be used, so no file can make the
// reader expand text far beyond its own size.
bool ReadSheetXmlRoot(QXmlStreamReader &xml, QStringView rootName);
