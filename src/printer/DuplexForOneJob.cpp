#include "printer/DuplexForOneJob.h"

#include <QPrinterInfo>

namespace {

QPrinter::DuplexMode duplexFor(SheetTurn turn)
{
    return turn == SheetTurn::LongEdge ? QPrinter::DuplexLongSide : QPrinter::DuplexShortSide;
}

} // namespace

bool PrintsBothSides(const QPrinter &printer, SheetTurn turn)
{
    return QPrinterInfo(printer).supportedDuplexModes().contains(duplexFor(turn));
}

DuplexForOneJob::DuplexForOneJob(QPrinter &printer, SheetTurn turn)
    : printer_(printer), duplex_(printer.duplex()), collate_(printer.collateCopies())
{
    printer_.setDuplex(duplexFor(turn));
    printer_.setCollateCopies(true);
}

DuplexForOneJob::~DuplexForOneJob()
{
    printer_.setDuplex(duplex_);
    printer_.setCollateCopies(collate_);
}
