#include "model/sheet/SheetLibrary.h"

#include "model/platform/ProgramFolder.h"
#include "model/platform/SettingsFileBytes.h"
#include "model/sheet/CardStockListReader.h"
#include "model/sheet/LabelsListReader.h"
#include "model/sheet/SheetTemplateReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <QStandardPaths>

namespace {

Q_LOGGING_CATEGORY(sheetLibraryLog, "vellumax.sheets")

using FileReader = SheetReadResult (*)(QByteArrayView, const QString &);

QString productKey(const LibrarySheet &sheet)
{
    return (sheet.Maker + QChar(0) + sheet.Product).toCaseFolded();
}

// A line for a file refused whole; damaged entries are only counted, in a line for developers, as
// template packages hold a few; nothing for a file that is simply missing.
SheetReadResult readFile(const QString &path, FileReader reader)
{
    if (!QFileInfo::exists(path))
        return {};
    const std::optional<QByteArray> bytes = ReadSettingsFileBytes(path);
    SheetReadResult result =
        bytes ? reader(*bytes, path)
              : RefusedSheetFile(
                    QCoreApplication::translate("SheetLibrary", "%1 バイトを超えるか、読めないファイルです")
                        .arg(kMaxSettingsFileBytes));
    if (!result.Failure.isEmpty())
        qCWarning(sheetLibraryLog).noquote()
            << QCoreApplication::translate("SheetLibrary", "用紙ファイル %1 を読み飛ばしました: %2")
                   .arg(path, result.Failure);
    else if (result.Broken > 0)
        qCDebug(sheetLibraryLog).noquote()
            << QCoreApplication::translate("SheetLibrary",
                                           "用紙ファイル %1 の壊れた定義 %2 件を読み飛ばしました")
                   .arg(path)
                   .arg(result.Broken);
    return result;
}

QStringList templateFiles(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(
             {QStringLiteral("*-templates.xml"), QStringLiteral("*.template")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

} // namespace

SheetLibrarySources SystemSheetLibrarySources()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {.CardStockList = ShippedFile(QStringLiteral("CardStock.csv")),
            .TemplateFolders = {config + QStringLiteral("/libglabels/templates"),
                                QStringLiteral("/usr/share/libglabels-3.0/templates"),
                                QStringLiteral("/usr/share/glabels-qt/templates")},
            .LabelsLists = {QStringLiteral("/usr/lib/libreoffice/share/labels/labels.xml"),
                            QStringLiteral("/usr/share/libreoffice/share/labels/labels.xml")}};
}

SheetLibrary SheetLibrary::Read(const SheetLibrarySources &sources)
{
    SheetLibrary library;
    int leftOut = 0;
    int broken = 0;
    const auto take = [&library, &leftOut, &broken](const QString &path, FileReader reader) {
        if (int(library.sheets_.size()) >= kMostLibrarySheets) {
            qCWarning(sheetLibraryLog).noquote()
                << QCoreApplication::translate("SheetLibrary",
                                               "用紙が %1 を超えたため、用紙ファイル %2 を読み飛ばしました")
                       .arg(kMostLibrarySheets)
                       .arg(path);
            return;
        }
        SheetReadResult result = readFile(path, reader);
        leftOut += result.LeftOut;
        broken += result.Broken;
        library.add(std::move(result.Sheets));
    };
    if (!sources.CardStockList.isEmpty())
        take(sources.CardStockList, ReadCardStockList);
    for (const QString &folder : sources.TemplateFolders)
        for (const QString &file : templateFiles(folder))
            take(file, ReadSheetTemplates);
    for (const QString &list : sources.LabelsLists)
        take(list, ReadLabelsList);
    if (leftOut > 0 || broken > 0)
        qCInfo(sheetLibraryLog).noquote()
            << QCoreApplication::translate(
                   "SheetLibrary", "丸形など四角でないラベル %1 件と壊れた定義 %2 件は用紙に含めません")
                   .arg(leftOut)
                   .arg(broken);
    return library;
}

void SheetLibrary::add(std::vector<LibrarySheet> &&sheets)
{
    QSet<QString> known;
    for (const LibrarySheet &sheet : sheets_)
        known.insert(productKey(sheet));
    for (LibrarySheet &sheet : sheets) {
        if (int(sheets_.size()) >= kMostLibrarySheets)
            return;
        if (!known.contains(productKey(sheet))) {
            known.insert(productKey(sheet));
            sheets_.push_back(std::move(sheet));
        }
    }
}

QStringList SheetLibrary::Makers() const
{
    QStringList makers;
    QSet<QString> seen;
    for (const LibrarySheet &sheet : sheets_) {
        if (!seen.contains(sheet.Maker)) {
            seen.insert(sheet.Maker);
            makers << sheet.Maker;
        }
    }
    return makers;
}

std::vector<int> SheetLibrary::Search(const QString &text, const QString &maker, bool businessCardsOnly) const
{
    const QStringList words = FoldSearchText(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<int> found;
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const LibrarySheet &sheet = sheets_[i];
        if ((maker.isEmpty() || sheet.Maker == maker) && (!businessCardsOnly || sheet.BusinessCard) &&
            LibrarySheetMatches(sheet, words))
            found.push_back(int(i));
    }
    return found;
}

std::vector<int> SheetLibrary::Named(const QString &name) const
{
    const QString wanted = name.trimmed();
    std::vector<int> byProduct;
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const LibrarySheet &sheet = sheets_[i];
        if (LibrarySheetName(sheet) == wanted || sheet.Maker + QLatin1Char(' ') + sheet.Product == wanted)
            return {int(i)};
        if (sheet.Product.compare(wanted, Qt::CaseInsensitive) == 0)
            byProduct.push_back(int(i));
    }
    return byProduct;
}
