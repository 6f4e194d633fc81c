#include "ui/app/KeySchemeWiring.h"

#include "ui/app/MainActions.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QActionGroup>

void ConnectKeySchemeCommands(TfrmMain &frmMain)
{
    auto *schemes = new QActionGroup(&frmMain);
    for (const bool standard : {false, true}) {
        QAction *entry = frmMain.Action(standard ? MainActionName("mnuKeysStandard") : "mnuKeysClassic");
        schemes->addAction(entry);
        frmMain.OnExecute(entry, [&frmMain, standard] {
            frmMain.Settings().StandardKeys = standard;
            ShowKeyScheme(frmMain);
        });
    }
    ShowKeyScheme(frmMain);
}

void ShowKeyScheme(TfrmMain &frmMain)
{
    const bool standard = frmMain.Settings().StandardKeys;
    frmMain.Action("mnuKeysStandard")->setChecked(standard);
    frmMain.Action("mnuKeysClassic")->setChecked(!standard);
    for (const auto &[name, key] : StandardKeyShortcuts())
        frmMain.Action(name)->setShortcut(standard ? key : ClassicShortcut(name));
}
