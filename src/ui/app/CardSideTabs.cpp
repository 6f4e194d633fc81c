#include "ui/app/CardSideTabs.h"

#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"

#include <QSignalBlocker>

namespace {

// The tabs in the order of the sides.
int tabOf(CardSide side)
{
    return side == CardSide::Front ? 0 : 1;
}

} // namespace

CardSideTabs::CardSideTabs(TfrmMain &window, QWidget *parent) : QTabBar(parent), window_(window)
{
    setObjectName(QStringLiteral("tabCardSide"));
    setDocumentMode(true);
    setExpanding(false);
    setDrawBase(false);
    addTab(tr("表面"));
    addTab(tr("裏面"));
    setTabToolTip(0, tr("カードの表面をデザインします"));
    setTabToolTip(1, tr("用紙の裏に印刷する、カードの裏面をデザインします"));
    setCurrentIndex(tabOf(window_.Document().ShownSide()));
    connect(this, &QTabBar::currentChanged, this, &CardSideTabs::choose);
    window_.Document().OnShownSideChanged = [this](CardSide side) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(tabOf(side));
    };
}

void CardSideTabs::choose(int index)
{
    RunGuarded(
        [this, index] {
            window_.DeselectAllObjects();
            // An arrow key on the other side starts an undo step of its own.
            window_.SetNudgeFlag(false);
            window_.Document().ShowSide(index == 0 ? CardSide::Front : CardSide::Back);
        },
        &window_);
}
