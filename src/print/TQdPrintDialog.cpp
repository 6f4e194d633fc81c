#include "print/TQdPrintDialog.h"

#include "print/TQdPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

TQdPrintDialog::TQdPrintDialog(TQdPrinter &printer, QObject *parent) : QObject(parent), printer_(printer)
{
    setObjectName(QStringLiteral("PrintDialog1"));
}

bool TQdPrintDialog::Execute(QWidget *parent)
{
    printer_.CheckPrinterChanges();
    printer_.CheckNoPrinter();
    QPrintDialog dialog(&printer_.Printer(), parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer_.Refresh();
    return true;
}
