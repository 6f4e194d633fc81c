#include "model/sheet/SheetXmlRoot.h"

#include <QXmlStreamReader>

bool ReadSheetXmlRoot(QXmlStreamReader &xml, QStringView rootName)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty())
                return false;
            break;
        case QXmlStreamReader::StartElement: return xml.name() == rootName;
        default: break;
        }
    }
    return false;
}
