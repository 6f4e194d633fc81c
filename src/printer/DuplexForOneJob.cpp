#include "printer/DuplexForOneJob.h"

DuplexForOneJob::DuplexForOneJob(QPrinter &printer, SheetTurn turn)
    : printer_(printer), duplex_(printer.duplex()), collate_(printer.collateCopies())
{
    printer_.setDuplex(turn == SheetTurn::LongEdge ? QPrinter::DuplexLongSide : QPrinter::DuplexShortSide);
    printer_.setCollateCopies(true);
}

DuplexForOneJob::~DuplexForOneJob()
{
    printer_.setDuplex(duplex_);
    printer_.setCollateCopies(collate_);
}
