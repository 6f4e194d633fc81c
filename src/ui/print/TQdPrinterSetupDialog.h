#pragma once

#include <QObject>

class QWidget;
class TQdPrinter;

// The printer setup of the program's printer: which printer, which paper, which orientation. What
// the user chooses becomes the current printer's settings.
class TQdPrinterSetupDialog : public QObject {
    Q_OBJECT
public:
    TQdPrinterSetupDialog(TQdPrinter &printer, QObject *parent = nullptr);

    // Shows the dialog over parent; true when the user confirmed (the printer is refreshed then).
    // Raises the printer's error when no printer is installed.
    bool Execute(QWidget *parent);

private:
    TQdPrinter &printer_;
};
