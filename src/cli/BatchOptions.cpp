#include "cli/BatchOptions.h"

#include "model/output/OutputLimits.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardSheetDrawing.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using Commands = std::vector<BatchCommand>;

// One option: its name, the name of its value (none for a switch), its line of the help text,
// the commands it may be given with, and how its value is stored.
struct OptionRow {
    QString name;
    QString valueName;
    QString description;
    Commands commands;
    std::function<void(BatchOptions &, const QString &)> store;
};

const Commands kOutputs{BatchCommand::Export, BatchCommand::Pdf, BatchCommand::Print};
const Commands kSheets{BatchCommand::Pdf, BatchCommand::Print};
// A merge's table is also what the check before sending compares the card's fields with.
const Commands kMergeable{BatchCommand::Export, BatchCommand::Pdf, BatchCommand::Print,
                          BatchCommand::Preflight};

int wholeNumberIn(const QString &option, const QString &value, int low, int high)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < low || number > high)
        throw VkError(
            QCoreApplication::translate("BatchOptions", "--%1 の値 %2 は %3 から %4 までの整数にしてください")
                .arg(option, value)
                .arg(low)
                .arg(high));
    return number;
}

MergeLayout perRecord(const QString &value)
{
    if (value == u"card")
        return MergeLayout::CardPerRecord;
    if (value == u"sheet")
        return MergeLayout::SheetPerRecord;
    throw VkError(
        QCoreApplication::translate("BatchOptions", "--per-record の値 %1 は card か sheet にしてください")
            .arg(value));
}

// "FROM-TO", "FROM-", "-TO" or one record "N", counted from 1.
void storeRecords(BatchOptions &options, const QString &value)
{
    static const QRegularExpression range(QStringLiteral("^(\\d*)(-?)(\\d*)$"));
    const QRegularExpressionMatch match = range.match(value);
    const bool single = match.hasMatch() && match.captured(2).isEmpty();
    const int first = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
    const std::optional<int> last =
        single ? std::optional(first)
               : (match.captured(3).isEmpty() ? std::nullopt : std::optional(match.captured(3).toInt()));
    if (!match.hasMatch() || value == u"-" || (single && match.captured(1).isEmpty()) || first < 1 ||
        (last && *last < first))
        throw VkError(QCoreApplication::translate("BatchOptions",
                                                  "--records の値 %1 は 1 から数えた FROM-TO にしてください")
                          .arg(value));
    options.Job.FirstRecord = first;
    options.Job.LastRecord = last;
}

PrintAdjustment adjustment(const QString &value)
{
    if (const std::optional<PrintAdjustment> parsed = ParsePrintAdjustment(value))
        return *parsed;
    throw VkError(
        QCoreApplication::translate(
            "BatchOptions", "--offset の値 %1 は X,Y (mm、±%2 まで) か X,Y,倍率% (%3～%4) にしてください")
            .arg(value)
            .arg(PrintAdjustment::kMostOffsetTenthMm / 10)
            .arg(PrintAdjustment::kLeastScaleHundredthPercent / 100)
            .arg(PrintAdjustment::kMostScaleHundredthPercent / 100));
}

int cropMarkStyle(const QString &value)
{
    if (value == u"none")
        return cmNone;
    if (value == u"frame")
        return cmDottedFrame;
    if (value == u"cross")
        return cmCornerCrosses;
    throw VkError(QCoreApplication::translate("BatchOptions",
                                              "--marks の値 %1 は none、frame、cross のどれかにしてください")
                      .arg(value));
}

void storeBackSide(BatchOptions &options, const QString &value)
{
    if (value == u"long")
        options.Job.BackTurn = SheetTurn::LongEdge;
    else if (value == u"short")
        options.Job.BackTurn = SheetTurn::ShortEdge;
    else if (value == u"none")
        options.Job.FrontOnly = true;
    else
        throw VkError(QCoreApplication::translate(
                          "BatchOptions", "--back の値 %1 は long、short、none のどれかにしてください")
                          .arg(value));
}

bool backSideChosen(const QString &value)
{
    if (value != u"front" && value != u"back")
        throw VkError(
            QCoreApplication::translate("BatchOptions", "--side の値 %1 は front か back にしてください")
                .arg(value));
    return value == u"back";
}

PressPdfOptions &press(BatchOptions &options)
{
    if (!options.Press)
        options.Press.emplace();
    return *options.Press;
}

int bleedTenthMm(const QString &value)
{
    bool ok = false;
    const double mm = value.toDouble(&ok);
    if (!ok || mm < 0 || mm > OutputLimits::kMostBleedMm)
        throw VkError(QCoreApplication::translate("BatchOptions",
                                                  "--bleed の値 %1 は 0 から %2 までの mm にしてください")
                          .arg(value)
                          .arg(OutputLimits::kMostBleedMm));
    return int(std::lround(mm * 10));
}

PdfxLevel pdfxLevel(const QString &value)
{
    if (value == u"4")
        return PdfxLevel::X4;
    if (value == u"1a")
        return PdfxLevel::X1a;
    throw VkError(
        QCoreApplication::translate("BatchOptions", "--pdfx の値 %1 は 4 か 1a にしてください").arg(value));
}

// Made at each use, so that the help speaks the language installed when it is asked for.
std::vector<OptionRow> optionTable()
{
    return {
        {QStringLiteral("export"),
         QStringLiteral("OUT.png|OUT.jpg|OUT.bmp"),
         QCoreApplication::translate("BatchOptions",
                                     "カードを画像ファイルにします (形式は拡張子で決まります)"),
         {BatchCommand::Export},
         [](BatchOptions &o, const QString &v) { o.OutputFile = v; }},
        {QStringLiteral("pdf"),
         QStringLiteral("OUT.pdf"),
         QCoreApplication::translate("BatchOptions", "カードを並べた用紙を PDF ファイルにします"),
         {BatchCommand::Pdf},
         [](BatchOptions &o, const QString &v) { o.OutputFile = v; }},
        {QStringLiteral("press"),
         QString(),
         QCoreApplication::translate(
             "BatchOptions", "入稿用 PDF: 1 ページにカード 1 枚、塗り足しとトンボ付きの CMYK の PDF/X"),
         {BatchCommand::Pdf},
         [](BatchOptions &o, const QString &) { press(o); }},
        {QStringLiteral("preflight"),
         QString(),
         QCoreApplication::translate("BatchOptions",
                                     "入稿前チェック: 印刷所で問題になる箇所を 1 行に 1 件ずつ表示します"),
         {BatchCommand::Preflight},
         {}},
        {QStringLiteral("bleed"),
         QStringLiteral("MM"),
         QCoreApplication::translate("BatchOptions", "入稿用 PDF の塗り足しの幅 (既定 3 mm)"),
         {BatchCommand::Pdf, BatchCommand::Preflight},
         [](BatchOptions &o, const QString &v) { press(o).BleedTenthMm = bleedTenthMm(v); }},
        {QStringLiteral("icc"),
         QStringLiteral("PROFILE.icc"),
         QCoreApplication::translate("BatchOptions",
                                     "入稿用 PDF の CMYK カラープロファイル (既定はシステムのもの)"),
         {BatchCommand::Pdf},
         [](BatchOptions &o, const QString &v) { press(o).ProfilePath = v; }},
        {QStringLiteral("pdfx"),
         QStringLiteral("4|1a"),
         QCoreApplication::translate("BatchOptions", "入稿用 PDF の規格: PDF/X-4 (既定) か PDF/X-1a:2001"),
         {BatchCommand::Pdf},
         [](BatchOptions &o, const QString &v) { press(o).Level = pdfxLevel(v); }},
        {QStringLiteral("print"),
         QString(),
         QCoreApplication::translate("BatchOptions", "カードを並べた用紙を印刷します"),
         {BatchCommand::Print},
         {}},
        {QStringLiteral("list-sheets"),
         QString(),
         QCoreApplication::translate("BatchOptions",
                                     "用紙を一覧にします (名前、メーカー、品番に TEXT を含むもの)"),
         {BatchCommand::ListSheets},
         {}},
        {QStringLiteral("dpi"),
         QStringLiteral("N"),
         QCoreApplication::translate("BatchOptions",
                                     "画像の解像度 (%1～%2 dpi)。省略すると画面と同じ大きさ (5 ピクセル/mm)")
             .arg(OutputLimits::kLeastPictureDpi)
             .arg(OutputLimits::kMostPictureDpi),
         {BatchCommand::Export},
         [](BatchOptions &o, const QString &v) {
             o.Picture.Dpi = wholeNumberIn(QStringLiteral("dpi"), v, OutputLimits::kLeastPictureDpi,
                                           OutputLimits::kMostPictureDpi);
         }},
        {QStringLiteral("quality"),
         QStringLiteral("Q"),
         QCoreApplication::translate("BatchOptions", "JPEG の保存品質 (%1～%2、既定 %3)")
             .arg(OutputLimits::kLeastJpegQuality)
             .arg(OutputLimits::kMostJpegQuality)
             .arg(OutputLimits::kDefaultJpegQuality),
         {BatchCommand::Export},
         [](BatchOptions &o, const QString &v) {
             o.Picture.Quality = wholeNumberIn(QStringLiteral("quality"), v, OutputLimits::kLeastJpegQuality,
                                               OutputLimits::kMostJpegQuality);
         }},
        {QStringLiteral("side"),
         QStringLiteral("front|back"),
         QCoreApplication::translate("BatchOptions", "画像にする面: 表面 (既定) か裏面"),
         {BatchCommand::Export},
         [](BatchOptions &o, const QString &v) { o.Picture.Back = backSideChosen(v); }},
        {QStringLiteral("marks"), QStringLiteral("none|frame|cross"),
         QCoreApplication::translate("BatchOptions",
                                     "トンボ: なし、点線の枠、角の十字。省略すると用紙設定の選択"),
         kSheets, [](BatchOptions &o, const QString &v) { o.Marks = cropMarkStyle(v); }},
        {QStringLiteral("sheet"), QStringLiteral("NAME"),
         QCoreApplication::translate(
             "BatchOptions",
             "カードのものではなく、この名前の用紙 (CardDef.lst か市販の用紙、品番だけでも) に並べます"),
         kSheets, [](BatchOptions &o, const QString &v) { o.SheetName = v; }},
        {QStringLiteral("back"), QStringLiteral("long|short|none"),
         QCoreApplication::translate(
             "BatchOptions",
             "裏面のあるカード: 用紙を長辺で返す、短辺で返す、裏面なし。省略すると最後に選んだ返し方"),
         kSheets, storeBackSide},
        {QStringLiteral("printer"),
         QStringLiteral("NAME"),
         QCoreApplication::translate("BatchOptions", "通常使うプリンタの代わりに使うプリンタ"),
         {BatchCommand::Print},
         [](BatchOptions &o, const QString &v) { o.PrinterName = v; }},
        {QStringLiteral("copies"),
         QStringLiteral("N"),
         QCoreApplication::translate("BatchOptions", "印刷する部数 (1～%1)").arg(OutputLimits::kMostCopies),
         {BatchCommand::Print},
         [](BatchOptions &o, const QString &v) {
             o.Job.Copies = wholeNumberIn(QStringLiteral("copies"), v, 1, OutputLimits::kMostCopies);
         }},
        {QStringLiteral("offset"), QStringLiteral("X,Y[,SCALE]"),
         QCoreApplication::translate(
             "BatchOptions",
             "印刷位置を右へ X mm、下へ Y mm ずらし、SCALE % に拡大縮小します (プリンタの調整値の代わり)"),
         kSheets, [](BatchOptions &o, const QString &v) { o.Job.Adjustment = adjustment(v); }},
        {QStringLiteral("start"), QStringLiteral("N"),
         QCoreApplication::translate(
             "BatchOptions", "最初の用紙の N 番目のカードから印刷します (左上から行ごとに 1 から数えます)"),
         kSheets,
         [](BatchOptions &o, const QString &v) {
             o.Job.Run.StartCell =
                 wholeNumberIn(QStringLiteral("start"), v, 1, OutputLimits::kMostStartCellAsked) - 1;
         }},
        {QStringLiteral("sheets"), QStringLiteral("N"),
         QCoreApplication::translate("BatchOptions", "用紙 N 枚分を印刷します (既定 1)"), kSheets,
         [](BatchOptions &o, const QString &v) {
             o.Job.Run.CountUnit = SheetRun::Unit::Sheets;
             o.Job.Run.Count = wholeNumberIn(QStringLiteral("sheets"), v, 1, OutputLimits::kMostSheets);
         }},
        {QStringLiteral("cards"), QStringLiteral("N"),
         QCoreApplication::translate("BatchOptions", "カード N 枚を、必要な枚数の用紙に印刷します"), kSheets,
         [](BatchOptions &o, const QString &v) {
             o.Job.Run.CountUnit = SheetRun::Unit::Cards;
             o.Job.Run.Count = wholeNumberIn(QStringLiteral("cards"), v, 1, OutputLimits::kMostCards);
         }},
        {QStringLiteral("merge"), QStringLiteral("TABLE"),
         QCoreApplication::translate(
             "BatchOptions", "表 (CSV、タブ区切り、Excel ブック、ODS ブック、vCard 住所録) の各レコードを "
                             "{{列名}} に差し込みます"),
         kMergeable, [](BatchOptions &o, const QString &v) { o.MergeTable = v; }},
        {QStringLiteral("per-record"), QStringLiteral("card|sheet"),
         QCoreApplication::translate("BatchOptions",
                                     "差し込みで 1 件ごとにカード 1 枚か、用紙 1 枚 (既定) か"),
         kSheets, [](BatchOptions &o, const QString &v) { o.Job.PerRecord = perRecord(v); }},
        {QStringLiteral("records"), QStringLiteral("FROM-TO"),
         QCoreApplication::translate("BatchOptions", "差し込むレコードの範囲 (1 から数えます。例: 3-10、5-)"),
         kOutputs, storeRecords},
        {QStringLiteral("copies-column"), QStringLiteral("NAME"),
         QCoreApplication::translate("BatchOptions",
                                     "差し込みで各レコードのカードの枚数をこの列の値にします"),
         kSheets, [](BatchOptions &o, const QString &v) { o.Job.CopiesColumn = v; }},
        {QStringLiteral("continue-numbering"), QString(),
         QCoreApplication::translate("BatchOptions",
                                     "差し込みの {{連番}} を、前回の差し込みの最後の番号の次から数えます"),
         kOutputs, [](BatchOptions &o, const QString &) { o.Job.ContinueNumbering = true; }},
        {QStringLiteral("help"),
         QString(),
         QCoreApplication::translate("BatchOptions", "この説明を表示します"),
         {},
         {}},
        {QStringLiteral("version"),
         QString(),
         QCoreApplication::translate("BatchOptions", "バージョンを表示します"),
         {},
         {}},
    };
}

QString commandOption(BatchCommand command)
{
    switch (command) {
    case BatchCommand::Export: return QStringLiteral("--export");
    case BatchCommand::Pdf: return QStringLiteral("--pdf");
    case BatchCommand::Print: return QStringLiteral("--print");
    case BatchCommand::ListSheets: return QStringLiteral("--list-sheets");
    case BatchCommand::Preflight: return QStringLiteral("--preflight");
    case BatchCommand::Help:
    case BatchCommand::Version: break;
    }
    return {};
}

// Why the parser refused the arguments, in the program's words: an option given without the value
// it needs, or a switch given one.
QString refusal(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1String("--")))
            continue;
        const QString name = arguments[i].mid(2).section(u'=', 0, 0);
        const bool valueGiven = arguments[i].contains(u'=');
        for (const OptionRow &row : optionTable()) {
            if (row.name != name)
                continue;
            if (row.valueName.isEmpty() && valueGiven)
                return QCoreApplication::translate("BatchOptions", "--%1 には値を付けないでください")
                    .arg(name);
            if (!row.valueName.isEmpty() && !valueGiven && i + 1 == arguments.size())
                return QCoreApplication::translate("BatchOptions", "--%1 の後に %2 を指定してください")
                    .arg(name, row.valueName);
        }
    }
    return QCoreApplication::translate("BatchOptions", "オプションを読み取れません: %1")
        .arg(arguments.join(u' '));
}

BatchCommand chosenCommand(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("help")))
        return BatchCommand::Help;
    if (parser.isSet(QStringLiteral("version")))
        return BatchCommand::Version;
    QStringList given;
    BatchCommand command = BatchCommand::Help;
    for (const BatchCommand each : {BatchCommand::Export, BatchCommand::Pdf, BatchCommand::Print,
                                    BatchCommand::ListSheets, BatchCommand::Preflight}) {
        if (parser.isSet(commandOption(each).mid(2))) {
            given << commandOption(each);
            command = each;
        }
    }
    if (given.isEmpty())
        throw VkError(QCoreApplication::translate("BatchOptions",
                                                  "--export、--pdf、--print のどれかを指定してください"));
    if (given.size() > 1)
        throw VkError(QCoreApplication::translate("BatchOptions", "%1 は一度に一つだけ指定してください")
                          .arg(given.join(QCoreApplication::translate("BatchOptions", "、"))));
    return command;
}

} // namespace

BatchOptions BatchOptions::Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const OptionRow &row : optionTable())
        parser.addOption(QCommandLineOption(row.name, row.description, row.valueName));
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("vellumax")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            throw VkError(QCoreApplication::translate("BatchOptions", "不明なオプション %1%2")
                              .arg(name.size() == 1 ? "-" : "--", name));
        }
        throw VkError(refusal(arguments));
    }
    BatchOptions options;
    options.Command = chosenCommand(parser);
    if (options.Command == BatchCommand::Help || options.Command == BatchCommand::Version)
        return options;
    for (const OptionRow &row : optionTable()) {
        if (!parser.isSet(row.name))
            continue;
        if (std::find(row.commands.begin(), row.commands.end(), options.Command) == row.commands.end())
            throw VkError(QCoreApplication::translate("BatchOptions", "--%1 は %2 とともには使えません")
                              .arg(row.name, commandOption(options.Command)));
        if (parser.values(row.name).size() > 1)
            throw VkError(
                QCoreApplication::translate("BatchOptions", "--%1 は一度だけ指定してください").arg(row.name));
        if (row.store)
            row.store(options, parser.value(row.name));
    }
    for (const char *needsPress : {"bleed", "icc", "pdfx"}) {
        if (options.Command == BatchCommand::Pdf && !parser.isSet(QStringLiteral("press")) &&
            parser.isSet(QString::fromLatin1(needsPress)))
            throw VkError(QCoreApplication::translate("BatchOptions", "--%1 は --press とともに使います")
                              .arg(QLatin1String(needsPress)));
    }
    // A print shop's page holds one card, cut by the shop.
    for (const char *sheetOnly :
         {"marks", "sheet", "offset", "start", "sheets", "cards", "per-record", "copies-column"}) {
        if (parser.isSet(QStringLiteral("press")) && parser.isSet(QString::fromLatin1(sheetOnly)))
            throw VkError(QCoreApplication::translate("BatchOptions", "--%1 は --press とともには使えません")
                              .arg(QLatin1String(sheetOnly)));
    }
    for (const char *needsTable : {"per-record", "records", "copies-column", "continue-numbering"}) {
        if (options.MergeTable.isEmpty() && parser.isSet(QString::fromLatin1(needsTable)))
            throw VkError(QCoreApplication::translate("BatchOptions", "--%1 は --merge とともに使います")
                              .arg(QLatin1String(needsTable)));
    }
    // The records say how many cards a merge prints.
    for (const char *count : {"sheets", "cards"}) {
        if (!options.MergeTable.isEmpty() && parser.isSet(QString::fromLatin1(count)))
            throw VkError(QCoreApplication::translate("BatchOptions", "--%1 は --merge とともには使えません")
                              .arg(QLatin1String(count)));
    }
    if (parser.isSet(QStringLiteral("sheets")) && parser.isSet(QStringLiteral("cards")))
        throw VkError(QCoreApplication::translate(
            "BatchOptions", "--sheets と --cards は一度にどちらか一つだけ指定してください"));
    const QStringList cards = parser.positionalArguments();
    if (options.Command == BatchCommand::ListSheets) {
        if (cards.size() > 1)
            throw VkError(QCoreApplication::translate("BatchOptions",
                                                      "--list-sheets で探す文字は一つにしてください: %1")
                              .arg(cards.join(u' ')));
        options.SheetSearch = cards.value(0);
        return options;
    }
    if (cards.isEmpty())
        throw VkError(QCoreApplication::translate("BatchOptions", "カードファイルを指定してください"));
    if (cards.size() > 1)
        throw VkError(
            QCoreApplication::translate("BatchOptions", "カードファイルは一つだけ指定してください: %1")
                .arg(cards.join(u' ')));
    options.CardFile = cards.first();
    return options;
}

QString BatchOptions::HelpText()
{
    QString text = QCoreApplication::translate(
        "BatchOptions",
        "使い方:\n"
        "  vellumax [CARD.vkc]                     ウィンドウでカードを開きます\n"
        "  vellumax --export OUT.png [--dpi N] [--quality Q] [--side front|back] CARD.vkc\n"
        "  vellumax --pdf OUT.pdf [--marks none|frame|cross] [--sheet NAME] [--start N] [--sheets N|--cards "
        "N]\n"
        "                 [--offset X,Y] [--back long|short|none] CARD.vkc\n"
        "  vellumax --print [--printer NAME] [--copies N] [--marks ...] [--sheet NAME] [--start N] [--offset "
        "X,Y]\n"
        "                 [--sheets N|--cards N] [--back long|short|none] CARD.vkc\n"
        "  vellumax --pdf OUT.pdf --merge TABLE.csv [--per-record card|sheet] [--records FROM-TO]\n"
        "                 [--copies-column NAME] [--continue-numbering] CARD.vkc\n"
        "  vellumax --pdf OUT.pdf --press [--bleed MM] [--icc PROFILE.icc] [--pdfx 4|1a] [--back none]\n"
        "                 [--merge TABLE.csv] CARD.vkc\n"
        "  vellumax --export OUT.png --merge TABLE.csv [--records FROM-TO] CARD.vkc   (OUT-0001.png ...)\n"
        "  vellumax --preflight [--bleed MM] [--merge TABLE.csv] CARD.vkc\n");
    text += QStringLiteral("  vellumax --list-sheets [TEXT]\n\n") +
            QCoreApplication::translate("BatchOptions", "オプション:") + u'\n';
    for (const OptionRow &row : optionTable()) {
        QString left = QStringLiteral("  --") + row.name;
        if (!row.valueName.isEmpty())
            left += u' ' + row.valueName;
        text += left.leftJustified(35) + u' ' + row.description + u'\n';
    }
    return text;
}

bool IsBatchCommandLine(const QStringList &arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const QString &argument) { return argument.startsWith(QStringLiteral("--")); });
}
