#pragma once

#include "PrintTestSupport.h"

#include <QPrinterInfo>
#include <string>

// Why printing through the test queue cannot be checked on this machine, or empty when it can: the
// queue must be there and, when the printed pages are to be looked at, the tool that rasterises
// them.
inline std::string TestQueueMissing(bool rasterised = true)
{
    if (QPrinterInfo::printerInfo(kQueue).isNull())
        return "no CUPS printer named " + kQueue.toStdString() + " (scripts/setup-printer.sh adds one)";
    if (rasterised && PdfToImageTool().isEmpty())
        return "pdftoppm (poppler-utils) is not installed";
    return {};
}
