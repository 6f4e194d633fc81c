#pragma once

#include "model/settings/PrinterAdjustments.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class IniFile;

// The main window's part of VELLUMAX.INI: window placement, undo count, card sheet, remembered
// folders, grid, crop marks, the bars, the zoom and the recent files. Plain values, so that reading and
// writing the file work without a window.
class MainSettings {
public:
    // Show states as the placement key stores them.
    static constexpr int ShowNormal = 1;
    static constexpr int ShowMinimized = 2;
    static constexpr int ShowMaximized = 3;
    // Steps share their pictures, so a deep history costs little more than the card's objects.
    static constexpr int MaxUndoCount = 100;
    static constexpr int DefaultUndoCount = 16;

    QRect Position{20, 20, 430, 500}; // the window's restored rectangle
    bool PositionStored = false;      // whether the file gave one; the first window is sized to the card
    int ShowCmd = 5;
    int UndoCount = DefaultUndoCount;
    int CardIndex = 0;
    QString OpenDirectory;
    QString SaveDirectory;
    QString ImageDirectory;
    bool ShowGrid = true;
    int GridSize = 2;
    int GridUnit = 0;  // 0: millimetres, anything else: screen pixels
    int GridStyle = 1; // 0: lines, 1: dots
    bool FixedGrid = true;
    int GuessMark = 0;
    bool ShowToolBar = true;
    bool ShowStatusBar = true;
    int Zoom = 100; // percent; read within the zoom limits
    static constexpr int MaxRecentFiles = 8;
    QStringList RecentFiles;   // the cards last opened or saved, the latest first
    QString MergeTable;        // the table last merged into the card; empty when none
    bool StandardKeys = false; // the desktop's usual keys rather than the program's own
    PrinterAdjustments PrintAdjustments;

    // Reads every key; a missing or malformed value reads as its default. A "Position" that does
    // not give a rectangle puts the window at 0,0 with 600 x 400. currentBounds is the window's
    // rectangle at the moment of reading, the default of "Position".
    void Load(const IniFile &ini, const QRect &currentBounds);
    // Writes every key in the file's customary order. Returns false when the file could not be
    // written.
    bool Save(IniFile &ini) const;

private:
    void SaveRecentFiles(IniFile &ini) const;
};

// "left,top,right,bottom" as the placement key holds it. Items are separated by commas and blanks
// and may be double-quoted; anything but four integers giving a non-empty rectangle is refused.
std::optional<QRect> ParsePositionText(const QString &text);
QString FormatPositionText(const QRect &rect);
