#include "ui/print/TQdPrinterSetupDialog.h"

#include "printer/TQdPrinter.h"
#include "ui/print/PrinterSetupForm.h"

TQdPrinterSetupDialog::TQdPrinterSetupDialog(TQdPrinter &printer, QObject *parent)
    : QObject(parent), printer_(printer)
{
    setObjectName(QStringLiteral("PrinterSetupDialog1"));
}

bool TQdPrinterSetupDialog::Execute(QWidget *parent)
{
    printer_.CheckPrinterChanges();
    printer_.CheckNoPrinter();
    PrinterSetupForm form(printer_.Printers(), printer_.Printer(), parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    form.ApplyTo(printer_.Printer());
    printer_.Refresh();
    return true;
}
