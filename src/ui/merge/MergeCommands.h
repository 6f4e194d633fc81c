#pragma once

#include <QString>

class MergeBar;
class QWidget;
class TQdPrintDialog;
class TQdPrinter;
class TVkVellumPanel;
struct TCardDef;

// What the merge commands use of the main window.
struct MergeCommandContext {
    MergeBar &Bar;
    TVkVellumPanel &Surface; // the card's front
    TVkVellumPanel *Back = nullptr;
    const TCardDef &CardDef;
    int GuessMark;
    TQdPrinter &Printer;
    TQdPrintDialog &PrintDialog;
    QString Caption; // names the print job
    QWidget *DialogParent = nullptr;
};

// The open dialog for a merge table, starting in the folder of the table last used; the chosen file,
// or an empty text when cancelled.
QString ChooseMergeTable(QWidget *parent, const QString &lastTable);

// Opens the table in the bar and warns about fields of the card that name no column of it.
void OpenMergeTable(const MergeCommandContext &context, const QString &path);

// Tells the user which fields of the card name no column of the open table; they print as typed.
void WarnAboutMissingColumns(const MergeCommandContext &context);

// The records chosen in the bar as a PDF file, from the start cell asked for, after a save dialog,
// with a progress dialog that can cancel it; a card with a back side has each sheet's back as the next page,
// turned as chosen last.
void SaveMergePdf(const MergeCommandContext &context);

// After the sheet's preview, where the start cell is chosen, and the print dialog, the records chosen
// in the bar as the bar lays them out from the start cell, with a progress dialog that can cancel the
// job; a card with a back side is printed on both sides by the printer unless the user asks for the
// fronts alone.
void PrintMerge(const MergeCommandContext &context);
