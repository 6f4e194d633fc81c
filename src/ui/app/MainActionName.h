#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The name of every action and menu item of the main window, as its QAction carries it. An action
// added to the tables of MainActions.h is named here too.
inline constexpr auto kMainActionNames = std::to_array<std::string_view>({
    "acDelete",
    "acAddText",
    "acAddImage",
    "acPrintSetup",
    "acBackground",
    "acShowGrid",
    "acClearBackground",
    "WindowClose1",
    "acPrint",
    "acBackgroundColor",
    "acOpen",
    "acSaveAs",
    "acEditObject",
    "acTopMost",
    "acNoTopMost",
    "acVersion",
    "acDragLabelMove",
    "acCopy",
    "acSaveAsBitmap",
    "acAllClear",
    "acFixedGrid",
    "acGridSetup",
    "acUndo",
    "acRedo",
    "acDragLabelMoving",
    "acSaveUpdate",
    "acEditLastSelObject",
    "acDraw",
    "acQrCode",
    "acNew",
    "acMailMerge",
    "acPrintAdjust",
    "acUndoCount",
    "acCut",
    "acClipboardCopy",
    "acPaste",
    "acPositionSize",
    "acTurnRight",
    "acTurnLeft",
    "acTurn180",
    "acAlignLeft",
    "acAlignCentre",
    "acAlignRight",
    "acAlignTop",
    "acAlignMiddle",
    "acAlignBottom",
    "acDistributeHorz",
    "acDistributeVert",
    "acCentreOnCard",
    "acSaveAsPdf",
    "acSelectAll",
    "mnuPrinterSetup",
    "mnuShowToolBar",
    "mnuShowStatusBar",
    "mnuHelpTopics",
    "mnuHomePage",
    "mnuZoomIn",
    "mnuZoomOut",
    "mnuZoomFit",
    "mnuKeysClassic",
    "mnuKeysStandard",
});

// One of those names, checked while the program is compiled: a name that is not in the list does
// not build, so no command can look up an action that is not there.
class MainActionName {
public:
    consteval MainActionName(const char *name) : index_(indexOf(name)) {}

    std::size_t Index() const { return index_; }
    std::string_view Name() const { return kMainActionNames[index_]; }

private:
    static consteval std::size_t indexOf(std::string_view name)
    {
        for (std::size_t i = 0; i < kMainActionNames.size(); ++i) {
            if (kMainActionNames[i] == name)
                return i;
        }
        throw "not the name of an action of the main window";
    }

    std::size_t index_;
};
