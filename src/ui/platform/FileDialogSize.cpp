#include "ui/platform/FileDialogSize.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <numeric>

namespace {

int sideBarWidth(const QFileDialog &dialog)
{
    const QFontMetrics metrics = dialog.fontMetrics();
    return metrics.horizontalAdvance(QCoreApplication::translate("FileDialogSize", "コンピュータ")) +
           4 * metrics.height();
}

// Name, size, type and date: each wide enough for its title and for the longest text it usually
// holds: the size of a large file in KiB, a long kind of file and a date late in the year and day.
std::array<int, 4> columnWidths(const QFileDialog &dialog)
{
    const int line = dialog.fontMetrics().height();
    std::array<int, 4> widths = {line * 16, 0, 0, 0};
    const auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details)
        return widths;
    const QHeaderView *header = details->header();
    const QFontMetrics metrics = header->fontMetrics();
    const QDateTime latest(QDate(2000, 12, 28), QTime(23, 59, 59));
    widths[1] = metrics.horizontalAdvance(QStringLiteral("1023.99 KiB")) + 2 * line;
    widths[2] = metrics.horizontalAdvance(QStringLiteral("Windows BMP image")) + 2 * line;
    widths[3] =
        metrics.horizontalAdvance(QLocale::system().toString(latest, QLocale::ShortFormat)) + 2 * line;
    for (int section = 0; section < int(widths.size()); ++section)
        widths[section] = std::max(widths[section], header->sectionSizeHint(section));
    return widths;
}

} // namespace

QSize readableFileDialogSize(const QFileDialog &dialog)
{
    const int line = dialog.fontMetrics().height();
    const std::array<int, 4> columns = columnWidths(dialog);
    // Room besides the columns for the dialog's margins, the splitter handle and the scroll bar.
    const int width = sideBarWidth(dialog) + std::accumulate(columns.begin(), columns.end(), 0) + 4 * line;
    return QSize(std::max(width, line * 52), line * 32);
}

// Qt's own size fits a few rows of an English listing: Japanese place names in the side bar, sizes
// in KiB and dates with seconds are cut short at it.
void sizeFileDialogForReading(QFileDialog &dialog, int extraHeight)
{
    dialog.resize(dialog.sizeHint().expandedTo(readableFileDialogSize(dialog) + QSize(0, extraHeight)));
    if (auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        splitter->setSizes({sideBarWidth(dialog), dialog.width()});
    if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        const std::array<int, 4> columns = columnWidths(dialog);
        for (int section = 0; section < int(columns.size()); ++section)
            details->header()->resizeSection(section, columns[section]);
    }
}
