// The main window's side of the card surface: its size and place in the scroll box, the grid, the
// wiring of card objects and the selection.
#include "model/card/SurfaceScale.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/edit/ArrangeObjects.h"
#include "model/output/CardSurfaceSize.h"
#include "ui/app/MainActions.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

void TfrmMain::LayoutCardSurface()
{
    zzBase_->horizontalScrollBar()->setValue(0);
    zzBase_->verticalScrollBar()->setValue(0);
    placeCardSurface();
}

void TfrmMain::placeCardSurface()
{
    layingOut_ = true;
    const QLocale locale;
    const bool portrait = IsPortrait(Panel().Orientation());
    const int across = portrait ? CardDef().CardSizeY : CardDef().CardSizeX;
    const int down = portrait ? CardDef().CardSizeX : CardDef().CardSizeY;
    SizePanel().setText(QStringLiteral("%1 x %2 mm")
                            .arg(locale.toString(across / 10.0, 'f', 1), 3)
                            .arg(locale.toString(down / 10.0, 'f', 1), 3));
    const QSize size = CardSurfaceSize(CardDef(), Panel().Orientation());
    const int width = size.width();
    const int height = size.height();
    // The card is centred by its size on screen; its bounds stay in surface pixels.
    const QSize shown = surfaceView_->ScreenRect(QRect(0, 0, width, height)).size();
    const QSize client = zzBase_->viewport()->size();
    const int top = client.height() < shown.height() ? 0 : (client.height() - shown.height()) / 2;
    const int left = client.width() < shown.width() ? 0 : (client.width() - shown.width()) / 2;
    surfaceHolder_->resize(left + shown.width(), top + shown.height());
    Panel().SetBounds(left, top, width, height);
    Panel().Invalidate();
    layingOut_ = false;
}

void TfrmMain::ApplyGridSettings()
{
    const int spacing =
        settings_.GridUnit != 0 ? settings_.GridSize : TenthMmToSurfacePixels(settings_.GridSize * 10.0);
    Panel().SetGridSize(spacing);
    Panel().SetGridStyle(settings_.GridStyle == 0 ? gsLine : gsDot);
    Panel().SetShowGrid(Action("acShowGrid")->isChecked());
}

void TfrmMain::KeepObjectsOnCard()
{
    for (const CardSide side : {CardSide::Front, CardSide::Back}) {
        TVkVellumPanel &surface = document_.Side(side);
        for (int i = 0; i < surface.ObjectCount(); ++i)
            PullOntoCard(surface.Object(i), surface.ClientWidth(), surface.ClientHeight());
    }
}

void TfrmMain::WireCardObject(TVkDragLabel &object)
{
    object.SetPopupMenu(QStringLiteral("frmMain.Popup1"));
    object.OnSelected = [this](TVkDragLabel &selected) { ObjectSelected(selected); };
}

void TfrmMain::wireObjectMouse()
{
    CardObjectMouse &mouse = surfaceView_->ObjectMouse();
    mouse.OnPressed = [this](TVkDragLabel &pressed) {
        lastSelectedObject_ = &pressed;
        pressed.SetSelected(true);
    };
    mouse.OnDoubleClicked = [this](TVkDragLabel &clicked) { runOnObject(clicked, "acEditObject"); };
    // The snapshot taken as a drag starts makes the whole drag one undo step.
    mouse.OnDragStarting = [this](TVkDragLabel &moving) { runOnObject(moving, "acDragLabelMoving"); };
    mouse.OnMoved = [this](TVkDragLabel &moved) { ObjectMoved(moved); };
}

void TfrmMain::ObjectMoved(TVkDragLabel &object)
{
    runOnObject(object, "acDragLabelMove");
}

void TfrmMain::runOnObject(TVkDragLabel &object, MainActionName actionName)
{
    actionObject_ = &object;
    Action(actionName)->trigger();
}

bool TfrmMain::isLive(const TVkDragLabel *object) const
{
    return object && Panel().IndexOf(object) >= 0;
}

TVkDragLabel *TfrmMain::LastSelectedObject() const
{
    return isLive(lastSelectedObject_) ? lastSelectedObject_ : nullptr;
}

TVkDragLabel *TfrmMain::ActionObject() const
{
    return isLive(actionObject_) ? actionObject_ : nullptr;
}

void TfrmMain::SetObjectActionsEnabled(bool enabled)
{
    for (const MainActionName name : ObjectActionNames())
        Action(name)->setEnabled(enabled);
}

void TfrmMain::DeselectAllObjects()
{
    SetObjectActionsEnabled(false);
    for (int i = 0; i < Panel().ObjectCount(); ++i)
        Panel().Object(i).SetSelected(false);
}

void TfrmMain::SelectAllObjects()
{
    const QScopedValueRollback keepOthers(selectingAll_, true);
    for (int i = 0; i < Panel().ObjectCount(); ++i)
        Panel().Object(i).SetSelected(true);
    SetObjectActionsEnabled(Panel().ObjectCount() > 0);
}

void TfrmMain::ObjectSelected(TVkDragLabel &)
{
    if (!selectingAll_ && !(QApplication::keyboardModifiers() & Qt::ShiftModifier))
        DeselectAllObjects();
    SetObjectActionsEnabled(true);
}

void TfrmMain::SelectNextObject()
{
    const int count = Panel().ObjectCount();
    int last = -1;
    for (int i = 0; i < count; ++i) {
        TVkDragLabel &object = Panel().Object(i);
        if (object.Selected()) {
            object.SetSelected(false);
            last = i;
        }
    }
    // After the last selected one, or from the bottom again; with one object that one.
    const bool found = count > 0;
    if (found)
        Panel().Object((last + 1) % count).SetSelected(true);
    SetObjectActionsEnabled(found);
}

bool TfrmMain::handleKeyPreview(QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *target = qobject_cast<QWidget *>(QApplication::focusObject());
    if (!isActiveWindow() || (target && target->window() != this) || QApplication::activePopupWidget())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    bool used = false;
    // Shift+Tab arrives as a key of its own; it moves the selection forward all the same.
    const bool tab = (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                     !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (tab) {
        // Tab moves through the card's objects, not through the window's controls.
        if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat())
            RunGuarded([this] { SelectNextObject(); }, this);
        used = true;
    } else if (event->type() == QEvent::KeyPress && OnKeyDown) {
        RunGuarded([this, key, &used] { used = OnKeyDown(*key); }, this);
    }
    if (used)
        key->accept();
    return used;
}
