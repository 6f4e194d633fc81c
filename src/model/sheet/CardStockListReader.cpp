#include "model/sheet/CardStockListReader.h"

#include "model/sheet/KnownPaperSizes.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace {

enum Field {
    kMaker,
    kProduct,
    kName,
    kPaper,
    kWidth,
    kHeight,
    kColumns,
    kRows,
    kLeft,
    kTop,
    kColumnGap,
    kRowGap,
    kFields
};

bool readTenthMm(const QString &field, std::int32_t &tenthMm)
{
    bool read = false;
    const double mm = field.trimmed().toDouble(&read);
    if (!read || !std::isfinite(mm) || std::abs(mm) > 100000)
        return false;
    tenthMm = std::int32_t(std::lround(mm * 10));
    return true;
}

bool readCount(const QString &field, std::int32_t &count)
{
    bool read = false;
    count = field.trimmed().toInt(&read);
    return read;
}

bool readLine(const QStringList &fields, LibrarySheet &sheet)
{
    if (fields.size() != kFields)
        return false;
    sheet.Maker = fields[kMaker].trimmed();
    sheet.Product = fields[kProduct].trimmed();
    sheet.Description = fields[kName].trimmed();
    sheet.Paper = fields[kPaper].trimmed();
    sheet.PaperSizeMm = KnownPaperSizeMm(sheet.Paper);
    TCardDef &layout = sheet.Layout;
    return !sheet.Product.isEmpty() && readTenthMm(fields[kWidth], layout.CardSizeX) &&
           readTenthMm(fields[kHeight], layout.CardSizeY) && readCount(fields[kColumns], layout.Columns) &&
           readCount(fields[kRows], layout.Lines) && readTenthMm(fields[kLeft], layout.LeftMargin) &&
           readTenthMm(fields[kTop], layout.TopMargin) &&
           readTenthMm(fields[kColumnGap], layout.ColumnSpace) &&
           readTenthMm(fields[kRowGap], layout.LineSpace);
}

} // namespace

SheetReadResult ReadCardStockList(QByteArrayView bytes, const QString &source)
{
    SheetReadResult result;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (int(result.Sheets.size()) >= kMostSheetsInFile)
            return RefusedSheetFile(QCoreApplication::translate("SheetLibrary", "用紙が %1 を超えています")
                                        .arg(kMostSheetsInFile));
        LibrarySheet sheet;
        sheet.Source = source;
        const bool read = readLine(line.split(QLatin1Char(',')), sheet);
        FinishLibrarySheet(sheet, false);
        if (!read || !LibrarySheetIsSound(sheet)) {
            ++result.Broken;
            continue;
        }
        result.Sheets.push_back(std::move(sheet));
    }
    return result;
}
