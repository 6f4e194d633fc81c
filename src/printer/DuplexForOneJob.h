#pragma once

#include "model/sheet/BackSideSheet.h"

#include <QPrinter>

// Whether the printer can print both sides of a sheet turned that way by itself.
bool PrintsBothSides(const QPrinter &printer, SheetTurn turn);

// The printer's two-sided mode for the turn for as long as one job lasts, and its earlier mode again
// after it. Copies of a two-sided sheet come out a sheet at a time, each back behind its front.
class DuplexForOneJob {
public:
    DuplexForOneJob(QPrinter &printer, SheetTurn turn);
    ~DuplexForOneJob();
    DuplexForOneJob(const DuplexForOneJob &) = delete;
    DuplexForOneJob &operator=(const DuplexForOneJob &) = delete;

private:
    QPrinter &printer_;
    QPrinter::DuplexMode duplex_;
    bool collate_;
};
