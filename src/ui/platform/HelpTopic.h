#pragma once

#include <functional>

class QWidget;

// Help topics of the help file that dialogs open by number.
enum HelpTopicNumber : int {
    HelpDrawDialog = 63,
    HelpGridDialog = 64,
    HelpPaperSetupDialog = 66,
    HelpCardDefinitionDialog = 67,
};

// The help window belongs to the main window, but the dialogs that ask for a topic are created by
// commands and tested on their own: the main window installs the viewer here once, and a dialog's
// help button asks for its topic without knowing who shows it. Without a viewer nothing happens.
using HelpTopicViewer = std::function<void(int topic, QWidget *asker)>;
void SetHelpTopicViewer(HelpTopicViewer viewer);
void ShowHelpTopic(int topic, QWidget *asker);
