#pragma once

#include "ui/app/MainActionName.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

class QAction;
class QObject;

// One command of the main window as the menus, the tool bar and the shortcuts show it. The hint is
// "short|long": the tool tip shows the short part, the status bar the long part.
struct MainActionEntry {
    MainActionName name;
    const char *caption; // the Japanese source of the translated text, "" for none
    const char *hint;
    QKeySequence shortcut;
    const char *icon; // file in :/icons without ".svg", or null
    bool checkable = false;
};

// The actions of the main window in the order of its action list.
const std::vector<MainActionEntry> &MainActionTable();
// Menu entries that act on the window itself rather than on the card.
const std::vector<MainActionEntry> &MainMenuItemTable();
// Shortcuts given during start-up rather than with the action list; they take Alt+T and Alt+B,
// which the stored layout left to nothing.
const std::vector<std::pair<MainActionName, QList<QKeySequence>>> &StartupShortcuts();
// The keys that differ under the standard key scheme, which follows the desktop's usual keys; the
// classic scheme keeps the shortcuts of the action tables.
const std::vector<std::pair<MainActionName, QKeySequence>> &StandardKeyShortcuts();
QKeySequence ClassicShortcut(MainActionName name);
// The actions that need a selected object.
const std::vector<MainActionName> &ObjectActionNames();

// A QAction named after entry.name, with caption, hint, shortcut and icon.
QAction *CreateMainAction(const MainActionEntry &entry, QObject *parent);
// Splits a "short|long" hint into the action's tool tip and status tip; without a bar the whole
// text is both.
void ApplyHint(QAction &action, const QString &hint);
