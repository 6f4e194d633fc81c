#include "ui/platform/HelpTopic.h"

namespace {

HelpTopicViewer &installedViewer()
{
    static HelpTopicViewer viewer;
    return viewer;
}

} // namespace

void SetHelpTopicViewer(HelpTopicViewer viewer)
{
    installedViewer() = std::move(viewer);
}

void ShowHelpTopic(int topic, QWidget *asker)
{
    if (const HelpTopicViewer &viewer = installedViewer())
        viewer(topic, asker);
}
