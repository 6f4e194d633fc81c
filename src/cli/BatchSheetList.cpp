#include "cli/BatchSheetList.h"

#include "model/platform/VkError.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/SheetLibrary.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

void printLine(const QString &name, const TCardDef &layout, const QString &paper, const QString &source)
{
    const QString line =
        QStringList{name, CardSizeText(layout), CardGridText(layout), paper, source}.join(u'\t');
    std::fputs(qPrintable(line + u'\n'), stdout);
}

} // namespace

TCardDefList ReadUserSheets()
{
    std::unique_ptr<TCardDefList> list;
    try {
        LoadCardDefs(list);
    } catch (const VkError &) {
        // What could be read is what there is.
    }
    return list ? *list : TCardDefList();
}

void ListBatchSheets(const QString &text)
{
    const QStringList words = FoldSearchText(text).split(u' ', Qt::SkipEmptyParts);
    const QString userFile = CardDefFileName();
    for (const TCardDef &sheet : ReadUserSheets()) {
        const QString name = CardDefName(sheet);
        const QString folded = FoldSearchText(name);
        if (std::all_of(words.begin(), words.end(),
                        [&folded](const QString &word) { return folded.contains(word); }))
            printLine(name, sheet, QStringLiteral("-"), userFile);
    }
    const SheetLibrary library = SheetLibrary::Read(SystemSheetLibrarySources());
    for (const int i : library.Search(text, {}, false)) {
        const LibrarySheet &sheet = library.Sheets()[std::size_t(i)];
        printLine(LibrarySheetName(sheet), sheet.Layout, sheet.Paper, sheet.Source);
    }
}

TCardDef FindBatchSheet(const QString &name)
{
    for (const TCardDef &sheet : ReadUserSheets())
        if (CardDefName(sheet) == name)
            return sheet;
    const SheetLibrary library = SheetLibrary::Read(SystemSheetLibrarySources());
    const std::vector<int> named = library.Named(name);
    if (named.size() == 1)
        return library.Sheets()[std::size_t(named.front())].Layout;
    if (named.empty())
        throw VkError(QCoreApplication::translate(
                          "BatchSheetList",
                          "用紙 %1 はカード定義ファイル %2 にも、市販の用紙の一覧 (vellumax --list-sheets) "
                          "にもありません")
                          .arg(name, CardDefFileName()));
    QStringList makers;
    for (const int i : named)
        makers << LibrarySheetName(library.Sheets()[std::size_t(i)]);
    throw VkError(QCoreApplication::translate("BatchSheetList",
                                              "品番 %1 の用紙は複数あります。名前で指定してください: %2")
                      .arg(name, makers.join(QCoreApplication::translate("BatchSheetList", "、"))));
}
