#pragma once

#include "model/output/OutputJob.h"
#include "model/output/PictureExport.h"
#include "press/PressPdf.h"

#include <QString>
#include <QStringList>
#include <optional>

// What a batch run of vellumax does.
enum class BatchCommand { Help, Version, Export, Pdf, Print, ListSheets, Preflight };

// A batch command line read into values. Every option is a long option; each is accepted only with
// the commands it applies to, as the table in BatchOptions.cpp says, so an option meant for another
// command is an error rather than silently ignored.
class BatchOptions {
public:
    BatchCommand Command = BatchCommand::Help;
    QString CardFile;
    QString OutputFile;       // the picture of --export, the file of --pdf
    PictureExport Picture;    // --dpi, --quality and --side of --export
    std::optional<int> Marks; // a CropMarkStyle; the settings' choice when none is given
    QString SheetName;        // a card sheet from the card definitions instead of the card's own
    QString SheetSearch;      // the words --list-sheets looks for
    QString PrinterName;      // --print on this printer rather than the default one
    QString MergeTable;       // one card, picture or sheet per record of this table
    // --press: one card a page for a print shop, with --bleed, --icc and --pdfx.
    std::optional<PressPdfOptions> Press;
    // --back, --copies, --per-record, --records, --offset, --start, --sheets and --cards.
    OutputJob Job;

    // Reads the arguments that follow the program's name. Throws VkError naming the option or value
    // at fault: an unknown option, a missing or bad value, an option of another command, no
    // command or more than one, no card file or more than one (--list-sheets takes at most one
    // text to look for instead).
    static BatchOptions Parse(const QStringList &arguments);
    // The usage text of --help.
    static QString HelpText();
};

// Whether the arguments that follow the program's name ask for a batch run: any of them is a long
// option (begins with "--"). Anything else starts the window, with a card to open.
bool IsBatchCommandLine(const QStringList &arguments);
