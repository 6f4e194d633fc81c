#include "model/merge/SheetRows.h"

#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Values kept in the table: far more than a staff list, far less than the memory.
constexpr qsizetype kMaxValues = 4'000'000;
// A sheet's last column is XFD.
constexpr int kMaxSheetColumns = 16384;

bool isEmptyRow(const QStringList &values)
{
    return std::all_of(values.begin(), values.end(), [](const QString &value) { return value.isEmpty(); });
}

} // namespace

int SheetRows::Width() const
{
    return columns_.isEmpty() ? kMaxSheetColumns : int(columns_.size());
}

void SheetRows::Add(QStringList values, qint64 repeated)
{
    if (columns_.isEmpty()) {
        // Trailing empty cells are no headings, so the header ends at its last name.
        while (!values.isEmpty() && values.last().isEmpty())
            values.removeLast();
        if (values.isEmpty())
            return;
        columns_ = std::move(values);
        --repeated;
    }
    values.resize(columns_.size());
    if (repeated <= 0 || isEmptyRow(values))
        return;
    if ((qint64(records_.size()) + repeated) * columns_.size() > kMaxValues)
        throw VkError(QCoreApplication::translate("SheetRows", "%1 の値が多すぎます").arg(part_));
    records_.insert(records_.end(), std::size_t(repeated), values);
}

MergeTable SheetRows::Table()
{
    if (columns_.isEmpty())
        throw VkError(QCoreApplication::translate("SheetRows", "最初のシートに見出しの行がありません"));
    return MergeTable(std::move(columns_), std::move(records_), TableEncoding::Workbook);
}
