#pragma once

#include <QObject>

class QWidget;
class TQdPrinter;

// The print dialog of the program's printer: printer, copies and the printer's own options; no
// page ranges, no selection, no printing to a file. What the user chooses becomes the current
// printer's settings, so the next job carries it.
class TQdPrintDialog : public QObject {
    Q_OBJECT
public:
    TQdPrintDialog(TQdPrinter &printer, QObject *parent = nullptr);

    // Shows the dialog over parent; true when the user confirmed (the printer is refreshed then).
    // Raises the printer's error when no printer is installed.
    bool Execute(QWidget *parent);

private:
    TQdPrinter &printer_;
};
