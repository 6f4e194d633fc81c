#pragma once

#include "model/settings/PrinterAdjustments.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

// One installed printer as the printer list tells them apart.
struct InstalledPrinter {
    QString Name;
    QString Location;
    QString MakeAndModel;
    QString Description;
    bool Remote = false;
    bool operator==(const InstalledPrinter &) const = default;
};

// The program's one way to the printer: the current printer with the choices made in the print and
// printer setup dialogs, questions about its sheet, and print jobs. One instance lives for the whole
// run and is handed to whoever prints. Sizes are device pixels with (0, 0) at the top-left corner of
// the printable area. Operations that need a printer raise VkError with the messages below when
// none is installed or the driver cannot answer.
class TQdPrinter : public QObject {
    Q_OBJECT
public:
    explicit TQdPrinter(QObject *parent = nullptr);
    ~TQdPrinter() override;

    // The current printer, made from the system's default printer on first use after start or after
    // the printer list changed.
    QPrinter &Printer();
    const std::vector<InstalledPrinter> &Printers() const { return printers_; }

    // Each printer's correction, which every sheet printed on that printer follows.
    const PrinterAdjustments &Adjustments() const { return adjustments_; }
    void SetAdjustments(const PrinterAdjustments &adjustments) { adjustments_ = adjustments; }
    // The correction of the current printer.
    PrintAdjustment CurrentAdjustment();

    // --- Print jobs. The canvas is valid between BeginDoc and EndDoc.
    QPainter &GetCanvas();
    void BeginDoc(const QString &title);
    // Ends the page of the job and starts the next one.
    void NewPage();
    void EndDoc();
    // Ends the job without handing it to the spooler, as when the user cancels a long run.
    void Abort();

    // --- Questions about the current printer.
    void CheckNoPrinter();
    int GetIndex();
    QStringList GetPaperSizeNames();
    int GetPaperSizeNumber();
    int GetPaperSizeIndex();
    QSize GetResolution();
    QSize GetPrintableSize();
    QSize GetPhysicalSize();
    QPoint GetPhysicalOffset();
    int GetScale();
    QSize GetPhysicalPaperSize(); // tenths of a millimetre, at the driver's scale

    // Forgets the cached paper lists and printer position after the user chose in a printer dialog,
    // and takes the unprintable border of the printer and paper chosen.
    void Refresh();
    // Reads the installed printers again. When they changed, takes the new list, forgets every
    // cached value and drops the printer object, so that the next access starts from the default
    // printer. True when the list changed.
    bool CheckPrinterChanges();

private:
    void loadPaperLists();
    void forgetCaches();

    std::vector<InstalledPrinter> printers_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> canvas_;
    int cachedIndex_ = -1;
    QList<int> paperCodes_;
    QStringList paperNames_;
    QStringList paperKeys_;
    PrinterAdjustments adjustments_;
};

// The installed printers as the platform lists them now.
std::vector<InstalledPrinter> ReadInstalledPrinters();
