#pragma once

#include "model/sheet/BackSideSheet.h"
#include "model/sheet/MergePlan.h"
#include "model/sheet/PrintAdjustment.h"
#include "model/sheet/SheetRun.h"

#include <QString>
#include <QStringList>
#include <optional>

// What a batch run of vellumax does.
enum class BatchCommand { Help, Version, Export, Pdf, Print };

// A batch command line read into values. Every option is a long option; each is accepted only with
// the commands it applies to, as the table in BatchOptions.cpp says, so an option meant for another
// command is an error rather than silently ignored.
class BatchOptions {
public:
    BatchCommand Command = BatchCommand::Help;
    QString CardFile;
    QString OutputFile;       // the picture of --export, the file of --pdf
    std::optional<int> Dpi;   // --export at a resolution rather than the screen's size
    int Quality = 80;         // --export as JPEG
    bool ExportBack = false;  // --side back: the picture is of the card's back
    std::optional<int> Marks; // a CropMarkStyle; the settings' choice when none is given
    QString SheetName;        // a card sheet from the card definitions instead of the card's own
    // --back: how a card's back side follows its front (the turn chosen last when none is given),
    // or, with FrontOnly, that it is left out.
    std::optional<SheetTurn> BackTurn;
    bool FrontOnly = false;
    QString PrinterName; // --print on this printer rather than the default one
    int Copies = 1;      // --print
    QString MergeTable;  // one card, picture or sheet per record of this table
    MergeLayout PerRecord = MergeLayout::SheetPerRecord;
    int FirstRecord = 1; // --records, counted from 1 as a spreadsheet's rows below its header
    std::optional<int> LastRecord;
    // --offset: the correction for this run, instead of the printer's own (--print) or none (--pdf).
    std::optional<PrintAdjustment> Adjustment;
    SheetRun Run; // --start, and --sheets or --cards without a merge

    // Reads the arguments that follow the program's name. Throws VkError naming the option or value
    // at fault: an unknown option, a missing or bad value, an option of another command, no
    // command or more than one, no card file or more than one.
    static BatchOptions Parse(const QStringList &arguments);
    // The usage text of --help.
    static QString HelpText();
};

// Whether the arguments that follow the program's name ask for a batch run: any of them is a long
// option (begins with "--"). Anything else starts the window, with a card to open.
bool IsBatchCommandLine(const QStringList &arguments);
