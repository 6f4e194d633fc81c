#include "printer/TQdPrinter.h"

#include "model/platform/VkError.h"
#include "printer/PrinterPageOf.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

[[noreturn]] void raise(const char *operation, const char *problem)
{
    throw VkError(QStringLiteral("TQdPrinter.%1: %2").arg(QLatin1String(operation), QLatin1String(problem)));
}

int paperSizeCode(const QPrinter &printer, const char *operation)
{
    const QPageSize size = printer.pageLayout().pageSize();
    if (!size.isValid())
        raise(operation, "PaperSize is not Supported");
    return size.windowsId();
}

// ((pixels × 254 × scale) div dpi) div 100, in 64 bits so that a large sheet at a high resolution
// cannot overflow; the result is held to the int range.
int pixelsToScaledTenthMm(int pixels, int dpi, int scale)
{
    if (dpi <= 0)
        return 0;
    const std::int64_t tenthMm = std::int64_t(pixels) * 254 * scale / dpi / 100;
    return int(
        std::clamp<std::int64_t>(tenthMm, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Qt gives a new printer margins of its own; the printable area is the one the device has, so that
// the unprintable border is the device's and nothing the device could print is cut off.
void useDeviceMargins(QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

} // namespace

std::vector<InstalledPrinter> ReadInstalledPrinters()
{
    std::vector<InstalledPrinter> printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.push_back(
            {info.printerName(), info.location(), info.makeAndModel(), info.description(), info.isRemote()});
    return printers;
}

TQdPrinter::TQdPrinter(QObject *parent) : QObject(parent), printers_(ReadInstalledPrinters())
{
    // Printers come and go while the program runs; coming back to it is when the user may have
    // changed them. Not while a dialog is open: the print dialog works on the printer object
    // itself, and every printer command looks again before it opens its dialog.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive && !canvas_ && !QGuiApplication::modalWindow())
                        CheckPrinterChanges();
                });
    }
}

TQdPrinter::~TQdPrinter()
{
    if (canvas_ && canvas_->isActive())
        canvas_->end();
}

QPrinter &TQdPrinter::Printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // With printers but no default one, the first printer is the current one.
        if (printer_->printerName().isEmpty() && !printers_.empty())
            printer_->setPrinterName(printers_.front().Name);
        useDeviceMargins(*printer_);
    }
    return *printer_;
}

PrintAdjustment TQdPrinter::CurrentAdjustment()
{
    return adjustments_.For(Printer().printerName());
}

QPainter &TQdPrinter::GetCanvas()
{
    if (!canvas_ || !canvas_->isActive())
        throw VkError(QStringLiteral("TQdPrinter.GetCanvas: No Print Job"));
    return *canvas_;
}

void TQdPrinter::BeginDoc(const QString &title)
{
    QPrinter &printer = Printer();
    printer.setDocName(title);
    canvas_ = std::make_unique<QPainter>();
    if (!canvas_->begin(&printer)) {
        canvas_.reset();
        throw VkError(tr("印刷を開始できません。"));
    }
}

void TQdPrinter::NewPage()
{
    if (!GetCanvas().isActive() || !printer_->newPage())
        throw VkError(tr("印刷できませんでした。"));
}

void TQdPrinter::Abort()
{
    if (!canvas_)
        return;
    printer_->abort();
    canvas_->end();
    canvas_.reset();
}

void TQdPrinter::EndDoc()
{
    if (!canvas_)
        return;
    // The spooler takes the job when the painter ends; an aborted job is not handed over by Qt.
    const bool ended = canvas_->end();
    canvas_.reset();
    if (!ended || printer_->printerState() == QPrinter::Error)
        throw VkError(tr("印刷できませんでした。"));
}

void TQdPrinter::CheckNoPrinter()
{
    if (printers_.empty()) {
        cachedIndex_ = -1;
        raise("CheckNoPrinter", "No Printer");
    }
}

int TQdPrinter::GetIndex()
{
    CheckNoPrinter();
    const QString name = Printer().printerName();
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        if (printers_[i].Name == name)
            return int(i);
    }
    return -1;
}

void TQdPrinter::loadPaperLists()
{
    const int index = GetIndex();
    if (index == cachedIndex_ && index >= 0)
        return;
    cachedIndex_ = index;
    paperCodes_.clear();
    paperNames_.clear();
    paperKeys_.clear();
    for (const QPageSize &size : QPrinterInfo::printerInfo(Printer().printerName()).supportedPageSizes()) {
        paperCodes_.append(size.windowsId());
        paperNames_.append(size.name());
        paperKeys_.append(size.key());
    }
}

QStringList TQdPrinter::GetPaperSizeNames()
{
    CheckNoPrinter();
    paperSizeCode(Printer(), "GetPaperSizeNames");
    loadPaperLists();
    if (paperNames_.isEmpty())
        raise("GetPaperSizeNames", "No Papersize Info Available");
    return paperNames_;
}

int TQdPrinter::GetPaperSizeNumber()
{
    CheckNoPrinter();
    return paperSizeCode(Printer(), "GetPaperSizeNumber");
}

int TQdPrinter::GetPaperSizeIndex()
{
    CheckNoPrinter();
    const int code = paperSizeCode(Printer(), "GetPaperSizeIndex");
    loadPaperLists();
    if (paperCodes_.isEmpty())
        raise("GetPaperSizeIndex", "No Papersize Info Available");
    // A queue's papers often share a classic code (every size of the queue's own shares one), so
    // the paper itself is looked for before the first paper with its code.
    qsizetype index = paperKeys_.indexOf(Printer().pageLayout().pageSize().key());
    if (index < 0)
        index = paperCodes_.indexOf(code);
    if (index < 0)
        raise("GetPaperSizeIndex", "Cannot Get Paper Index");
    return int(index);
}

QSize TQdPrinter::GetResolution()
{
    CheckNoPrinter();
    return PrinterPageOf(Printer()).Resolution;
}

QSize TQdPrinter::GetPrintableSize()
{
    CheckNoPrinter();
    return PrinterPageOf(Printer()).PrintableSize;
}

QSize TQdPrinter::GetPhysicalSize()
{
    CheckNoPrinter();
    return PrinterPageOf(Printer()).PhysicalSize;
}

QPoint TQdPrinter::GetPhysicalOffset()
{
    CheckNoPrinter();
    return PrinterPageOf(Printer()).PhysicalOffset;
}

// Qt's printers have no scaling of their own.
int TQdPrinter::GetScale()
{
    CheckNoPrinter();
    return 100;
}

QSize TQdPrinter::GetPhysicalPaperSize()
{
    CheckNoPrinter();
    const PrinterPage page = PrinterPageOf(Printer());
    const int scale = GetScale();
    return QSize(pixelsToScaledTenthMm(page.PhysicalSize.width(), page.Resolution.width(), scale),
                 pixelsToScaledTenthMm(page.PhysicalSize.height(), page.Resolution.height(), scale));
}

void TQdPrinter::forgetCaches()
{
    cachedIndex_ = -1;
    paperCodes_.clear();
    paperNames_.clear();
    paperKeys_.clear();
}

void TQdPrinter::Refresh()
{
    forgetCaches();
    // Another printer or paper has borders of its own.
    if (printer_ && !canvas_)
        useDeviceMargins(*printer_);
    if (!printers_.empty())
        loadPaperLists();
}

bool TQdPrinter::CheckPrinterChanges()
{
    std::vector<InstalledPrinter> printers = ReadInstalledPrinters();
    if (printers == printers_)
        return false;
    printers_ = std::move(printers);
    forgetCaches();
    if (!canvas_)
        printer_.reset();
    return true;
}
