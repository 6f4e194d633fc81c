#pragma once

#include "printer/TQdPrinter.h"

#include <QDialog>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <vector>

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

// The printer setup form: printer, paper and orientation, starting from a printer's current
// settings. It changes nothing until ApplyTo.
class PrinterSetupForm : public QDialog {
    Q_OBJECT
public:
    PrinterSetupForm(const std::vector<InstalledPrinter> &printers, const QPrinter &current,
                     QWidget *parent = nullptr);

    QString PrinterName() const;
    QPageSize PageSize() const; // invalid when the printer lists no paper
    QPageLayout::Orientation Orientation() const;
    // Makes the choices the printer's settings; a change of printer starts from that printer's
    // defaults.
    void ApplyTo(QPrinter &printer) const;

private:
    void showPrinter(int index, const QPageSize &wanted);
    void showEvent(QShowEvent *event) override;

    std::vector<InstalledPrinter> printers_;
    QList<QPageSize> pageSizes_;
    QComboBox *cmbPrinter_ = nullptr;
    QLabel *lblModel_ = nullptr;
    QLabel *lblLocation_ = nullptr;
    QComboBox *cmbPaper_ = nullptr;
    QRadioButton *rbPortrait_ = nullptr;
    QRadioButton *rbLandscape_ = nullptr;
    bool centred_ = false;
};
