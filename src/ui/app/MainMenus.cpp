#include "ui/app/MainMenus.h"

#include "ui/app/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <initializer_list>

namespace {

// A menu entry that runs an action but shows its own caption or hint. It mirrors the action's
// enabled and checked state and only displays the shortcut, so the key stays with the action.
QAction *menuEntry(QAction *source, const char *name, const QString &caption, const QString &hint)
{
    auto *entry = new QAction(source->icon(), caption, source->parent());
    entry->setObjectName(QString::fromLatin1(name));
    if (!source->shortcut().isEmpty())
        entry->setText(caption + u'\t' + source->shortcut().toString(QKeySequence::NativeText));
    entry->setCheckable(source->isCheckable());
    ApplyHint(*entry, hint);
    auto mirror = [entry, source] {
        entry->setEnabled(source->isEnabled());
        entry->setChecked(source->isChecked());
        entry->setVisible(source->isVisible());
    };
    mirror();
    QObject::connect(source, &QAction::changed, entry, mirror);
    QObject::connect(entry, &QAction::triggered, source, [source, mirror] {
        source->trigger();
        mirror();
    });
    return entry;
}

// Adds actions by name; a null name is a separator.
void addAll(QWidget *target, const std::function<QAction *(const char *)> &action,
            std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (name)
            target->addAction(action(name));
        else if (auto *menu = qobject_cast<QMenu *>(target))
            menu->addSeparator();
        else if (auto *bar = qobject_cast<QToolBar *>(target))
            bar->addSeparator();
    }
}

} // namespace

MainMenus BuildMainMenus(QMainWindow &window, const std::function<QAction *(const char *)> &action)
{
    MainMenus menus;
    const auto separator = nullptr;

    menus.ToolBar1 = new QToolBar(QStringLiteral("ToolBar1"), &window);
    menus.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    menus.ToolBar1->setMovable(false);
    menus.ToolBar1->setFloatable(false);
    menus.ToolBar1->setIconSize(QSize(16, 16));
    menus.ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    menus.ToolBar1->toggleViewAction()->setVisible(false);
    addAll(menus.ToolBar1, action, {"WindowClose1", separator,      "acNew",    "acOpen",  "acSaveUpdate",
                                    separator,      "acPrintSetup", "acPrint",  separator, "acUndo",
                                    "acRedo",       separator,      "acDelete", separator, "acAddText",
                                    "acAddImage",   "acBackground", "acDraw",   separator, "acShowGrid"});
    addAll(menus.ToolBar1, action,
           {separator, "acAlignLeft", "acAlignCentre", "acAlignRight", "acAlignTop", "acAlignMiddle",
            "acAlignBottom", "acDistributeHorz", "acDistributeVert", "acCentreOnCard"});
    window.addToolBar(Qt::TopToolBarArea, menus.ToolBar1);

    menus.MainMenu1 = new QMenuBar(&window);
    menus.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    window.setMenuBar(menus.MainMenu1);

    QMenu *file = menus.MainMenu1->addMenu(QCoreApplication::translate("MainMenus", "ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addAll(file, action,
           {"acNew", "acOpen", "acSaveUpdate", "acSaveAs", separator, "acPrintSetup", "acPrint",
            "acMailMerge", "mnuPrinterSetup", "acPrintAdjust", separator, "acSaveAsBitmap", "acSaveAsPdf",
            separator, "WindowClose1"});

    QMenu *edit = menus.MainMenu1->addMenu(QCoreApplication::translate("MainMenus", "編集(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    addAll(edit, action, {"acUndo", "acRedo", separator, "acAddText"});
    QAction *addImage = action("acAddImage");
    edit->addAction(
        menuEntry(addImage, "mnuAddImage", addImage->text(),
                  QCoreApplication::translate("MainMenus", "イメージを追加|カードにイメージを追加します。")));
    addAll(edit, action,
           {"acDraw", "acQrCode", separator, "acEditLastSelObject", "acPositionSize", separator, "acCut",
            "acClipboardCopy", "acPaste", separator, "acCopy", "acDelete", "acSelectAll", separator});
    QMenu *align = edit->addMenu(QCoreApplication::translate("MainMenus", "整列(&A)"));
    align->setObjectName(QStringLiteral("mnuAlign"));
    align->menuAction()->setObjectName(QStringLiteral("mnuAlign"));
    addAll(align, action,
           {"acAlignLeft", "acAlignCentre", "acAlignRight", separator, "acAlignTop", "acAlignMiddle",
            "acAlignBottom", separator, "acDistributeHorz", "acDistributeVert", separator, "acCentreOnCard"});
    QMenu *turn = edit->addMenu(QCoreApplication::translate("MainMenus", "回転(&R)"));
    turn->setObjectName(QStringLiteral("mnuTurn"));
    turn->menuAction()->setObjectName(QStringLiteral("mnuTurn"));
    addAll(turn, action, {"acTurnRight", "acTurnLeft", "acTurn180"});
    addAll(edit, action, {separator, "acAllClear", separator, "acUndoCount"});
    QMenu *keys = edit->addMenu(QCoreApplication::translate("MainMenus", "キー操作(&E)"));
    keys->setObjectName(QStringLiteral("mnuKeys"));
    keys->menuAction()->setObjectName(QStringLiteral("mnuKeys"));
    addAll(keys, action, {"mnuKeysClassic", "mnuKeysStandard"});

    QMenu *view = menus.MainMenu1->addMenu(QCoreApplication::translate("MainMenus", "表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));
    addAll(view, action, {"acTopMost", "acNoTopMost", separator, "acBackground", "acClearBackground"});
    QAction *backgroundColor = action("acBackgroundColor");
    view->addAction(
        menuEntry(backgroundColor, "mnuBackgroundColor", backgroundColor->text(),
                  QCoreApplication::translate("MainMenus", "背景色設定|カードの背景色を指定します。")));
    addAll(view, action, {separator, "mnuShowToolBar", "mnuShowStatusBar", separator});
    QMenu *grid = view->addMenu(QCoreApplication::translate("MainMenus", "グリッド(&G)"));
    grid->setObjectName(QStringLiteral("mnuGrid"));
    grid->addAction(menuEntry(
        action("acShowGrid"), "mnuShowGrid", QCoreApplication::translate("MainMenus", "グリッドの表示(&G)"),
        QCoreApplication::translate("MainMenus", "グリッド|グリッドの表示／非表示を切り替えます。")));
    QAction *fixedGrid = action("acFixedGrid");
    grid->addAction(
        menuEntry(fixedGrid, "mnuFixedGrid", fixedGrid->text(),
                  QCoreApplication::translate("MainMenus", "オブジェクトの移動をグリッド位置に制限")));
    addAll(grid, action, {separator, "acGridSetup"});
    addAll(view, action, {separator, "mnuZoomIn", "mnuZoomOut", "mnuZoomFit"});

    QMenu *help = menus.MainMenu1->addMenu(QCoreApplication::translate("MainMenus", "ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addAll(help, action, {"mnuHelpTopics", "mnuHomePage", separator, "acVersion"});

    menus.Popup1 = new QMenu(&window);
    menus.Popup1->setObjectName(QStringLiteral("Popup1"));
    addAll(menus.Popup1, action,
           {"acEditLastSelObject", "acPositionSize", separator, "acTopMost", "acNoTopMost", separator,
            "acCut", "acClipboardCopy", "acPaste", separator, "acTurnRight", "acTurnLeft", separator,
            "acCopy", "acDelete"});

    menus.Popup2 = new QMenu(&window);
    menus.Popup2->setObjectName(QStringLiteral("Popup2"));
    addAll(menus.Popup2, action,
           {"acAddText", "acAddImage", "acDraw", "acQrCode", separator, "acPaste", separator, "acBackground",
            "acClearBackground", "acBackgroundColor"});
    return menus;
}
