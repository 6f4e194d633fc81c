#include "model/sheet/LibrarySheet.h"

#include "model/platform/Cp932.h"
#include "model/sheet/CardDefinitions.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

constexpr std::int32_t kMostTenthMm = 10000;
constexpr std::int32_t kMostCells = 99;
// Template sizes given in points or inches round to tenths of a millimetre, and labels that run to
// the paper's edges are measured generously; a sheet whose cards pass the edge by no more than
// this is still taken to fit.
constexpr double kFitToleranceTenthMm = 10;

QString millimetres(std::int32_t tenthMm)
{
    return QString::number(tenthMm / 10.0, 'f', tenthMm % 10 == 0 ? 0 : 1);
}

bool within(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high;
}

// Business cards are 85 to 95 mm by 48 to 60 mm, across or upright.
bool businessCardSize(const TCardDef &layout)
{
    const auto card = [](std::int32_t across, std::int32_t down) {
        return within(across, 850, 950) && within(down, 480, 600);
    };
    return card(layout.CardSizeX, layout.CardSizeY) || card(layout.CardSizeY, layout.CardSizeX);
}

double extentTenthMm(std::int32_t margin, std::int32_t card, std::int32_t space, std::int32_t count)
{
    return double(margin) + double(card) * count + double(space) * (count - 1);
}

} // namespace

QString LibrarySheetName(const LibrarySheet &sheet)
{
    QStringList parts;
    for (const QString &part : {sheet.Maker, sheet.Product, sheet.Description})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' '));
}

QString CardSizeText(const TCardDef &layout)
{
    return QStringLiteral("%1×%2mm").arg(millimetres(layout.CardSizeX), millimetres(layout.CardSizeY));
}

QString CardGridText(const TCardDef &layout)
{
    return QStringLiteral("%1×%2").arg(layout.Columns).arg(layout.Lines);
}

void FinishLibrarySheet(LibrarySheet &sheet, bool saidBusinessCard)
{
    SetCardDefName(sheet.Layout, Cp932::Encode(LibrarySheetName(sheet)));
    sheet.Layout.System = 0;
    sheet.BusinessCard = saidBusinessCard || businessCardSize(sheet.Layout);
    sheet.SearchText = FoldSearchText(QStringList{LibrarySheetName(sheet), sheet.Paper,
                                                  CardSizeText(sheet.Layout), CardGridText(sheet.Layout)}
                                          .join(QLatin1Char(' ')));
}

QString FoldSearchText(const QString &text)
{
    static const QRegularExpression times(QStringLiteral("(?<=\\d)\\s*[×x*]\\s*(?=\\d)"));
    QString folded = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    return folded.replace(times, QStringLiteral("x"));
}

bool LibrarySheetMatches(const LibrarySheet &sheet, const QStringList &foldedWords)
{
    for (const QString &word : foldedWords)
        if (!sheet.SearchText.contains(word))
            return false;
    return true;
}

bool LibrarySheetIsSound(const LibrarySheet &sheet)
{
    const TCardDef &layout = sheet.Layout;
    const bool sane =
        within(layout.CardSizeX, 10, kMostTenthMm) && within(layout.CardSizeY, 10, kMostTenthMm) &&
        within(layout.Columns, 1, kMostCells) && within(layout.Lines, 1, kMostCells) &&
        within(layout.LeftMargin, 0, kMostTenthMm) && within(layout.TopMargin, 0, kMostTenthMm) &&
        within(layout.ColumnSpace, 0, kMostTenthMm) && within(layout.LineSpace, 0, kMostTenthMm);
    if (!sane || sheet.PaperSizeMm.isEmpty())
        return sane;
    const double width =
        extentTenthMm(layout.LeftMargin, layout.CardSizeX, layout.ColumnSpace, layout.Columns);
    const double height = extentTenthMm(layout.TopMargin, layout.CardSizeY, layout.LineSpace, layout.Lines);
    // Some sheets are laid out on their paper turned across.
    const auto fits = [width, height](double paperWidth, double paperHeight) {
        return width <= paperWidth * 10 + kFitToleranceTenthMm &&
               height <= paperHeight * 10 + kFitToleranceTenthMm;
    };
    return fits(sheet.PaperSizeMm.width(), sheet.PaperSizeMm.height()) ||
           fits(sheet.PaperSizeMm.height(), sheet.PaperSizeMm.width());
}

int UseLibrarySheet(std::vector<TCardDef> &list, const LibrarySheet &sheet)
{
    const QByteArray name = CardDefNameBytes(sheet.Layout);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (CardDefNameBytes(list[i]) == name && SameCardLayout(list[i], sheet.Layout))
            return int(i);
    list.push_back(sheet.Layout);
    return int(list.size()) - 1;
}
