#pragma once

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

// The menu bar, the tool bar and the two pop-up menus of the main window, built from its actions.
struct MainMenus {
    QMenuBar *MainMenu1 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QMenu *Popup1 = nullptr; // every card object
    QMenu *Popup2 = nullptr; // the empty card
};

// Builds the bars and menus into window; action gives the window's action of a name.
MainMenus BuildMainMenus(QMainWindow &window, const std::function<QAction *(const char *)> &action);
