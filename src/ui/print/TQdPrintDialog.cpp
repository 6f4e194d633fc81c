#include "ui/print/TQdPrintDialog.h"

#include "printer/TQdPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

// The sheet is always one page, so the dialog offers no pages to choose: a range, or odd or even
// pages only, could leave that one page out and print nothing. Qt shows those choices whatever the
// dialog's options say, so they are hidden each time the dialog has laid itself out for showing.
class OnePagePrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (auto *pages = findChild<QWidget *>(QStringLiteral("gbPrintRange")); pages && visible)
            pages->hide();
    }
};

} // namespace

TQdPrintDialog::TQdPrintDialog(TQdPrinter &printer, QObject *parent) : QObject(parent), printer_(printer)
{
    setObjectName(QStringLiteral("PrintDialog1"));
}

bool TQdPrintDialog::Execute(QWidget *parent)
{
    printer_.CheckPrinterChanges();
    printer_.CheckNoPrinter();
    QPrinter &printer = printer_.Printer();
    printer.setPrintRange(QPrinter::AllPages);
    OnePagePrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer_.Refresh();
    return true;
}
