#include "cli/BatchCommandLine.h"

#include "cli/BatchCard.h"
#include "cli/BatchExport.h"
#include "cli/BatchMerge.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPdf.h"
#include "cli/BatchPreflight.h"
#include "cli/BatchPrint.h"
#include "cli/BatchSheetList.h"
#include "model/platform/FontSubstitutions.h"
#include "model/platform/ProgramVersion.h"
#include "model/platform/VkError.h"
#include "model/settings/ProgramLanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <cstdio>
#include <new>

namespace {

QtMessageHandler passQtMessage = nullptr;

// Run from a scheduled job there is no session folder; Qt then makes one of its own and says so
// on every run, which the job's owner would read as a fault.
void dropSessionFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        passQtMessage(type, context, message);
}

void printError(const QString &message)
{
    std::fprintf(stderr, "vellumax: %s\n", qPrintable(message));
}

// The exit status of a command that succeeds: 0, or 2 when a check found something.
int runCommand(const BatchOptions &options)
{
    if (options.Command == BatchCommand::ListSheets) {
        ListBatchSheets(options.SheetSearch);
        return 0;
    }
    BatchCard card(options.CardFile);
    for (const QString &note : card.Notes())
        printError(note);
    if (options.Command == BatchCommand::Preflight)
        return RunBatchPreflight(card, options);
    if (!options.MergeTable.isEmpty()) {
        RunBatchMerge(card, options);
        return 0;
    }
    switch (options.Command) {
    case BatchCommand::Export: ExportBatchCard(card, options); break;
    case BatchCommand::Pdf: WriteBatchPdf(card, options); break;
    case BatchCommand::Print: PrintBatchCard(card, options); break;
    case BatchCommand::ListSheets:
    case BatchCommand::Preflight:
    case BatchCommand::Help:
    case BatchCommand::Version: break;
    }
    return 0;
}

} // namespace

int RunBatch(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // No window is ever shown, so no display is needed, and none is waited for. The application
    // comes first, so that the help and every message speak the language chosen for the window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    passQtMessage = qInstallMessageHandler(dropSessionFolderNote);
    // How many round labels the installed templates hold is no news to a script; a template file
    // that had to be skipped still is.
    QLoggingCategory::setFilterRules(
        QStringLiteral("vellumax.sheets.info=false\nvellumax.sheets.debug=false"));
    QGuiApplication application(argc, argv);
    InstallProgramTranslation(ChosenProgramLanguage(), &application);
    BatchOptions options;
    try {
        options = BatchOptions::Parse(arguments);
    } catch (const VkError &error) {
        printError(error.Message());
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("BatchCommandLine",
                                                            "使い方は vellumax --help で表示されます")));
        return 1;
    }
    if (options.Command == BatchCommand::Help) {
        std::fputs(qPrintable(BatchOptions::HelpText()), stdout);
        return 0;
    }
    if (options.Command == BatchCommand::Version) {
        std::printf("vellumax %s\n", qPrintable(kProgramVersion));
        return 0;
    }
    InstallFontSubstitutions();
    try {
        return runCommand(options);
    } catch (const VkError &error) {
        printError(error.Message());
        return 1;
    } catch (const std::bad_alloc &) {
        printError(QCoreApplication::translate("BatchCommandLine", "メモリが足りません"));
        return 1;
    } catch (const std::exception &error) {
        printError(QCoreApplication::translate("BatchCommandLine", "予期しないエラーです (%1)")
                       .arg(QString::fromLocal8Bit(error.what())));
        return 1;
    }
}
