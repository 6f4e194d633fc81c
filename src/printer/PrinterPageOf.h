#pragma once

#include "model/sheet/PrinterPage.h"

class QPrinter;

// The sheet of any QPrinter as its paper, orientation, margins and resolution give it: a CUPS
// queue or a PDF file alike.
PrinterPage PrinterPageOf(const QPrinter &printer);
