// The main window's zoom: the View menu's entries and keys, the zoom box in the status bar, the
// Ctrl+wheel, and the first window made large enough for the whole card.
#include "model/card/CardZoom.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// Room left round the card by the fitted zoom and by the first window.
constexpr int kCardMargin = 16;

QString zoomText(int percent)
{
    return QStringLiteral("%1%").arg(percent);
}

} // namespace

void TfrmMain::createZoomBox(QStatusBar &bar)
{
    zoomBox_ = new QComboBox(&bar);
    zoomBox_->setObjectName(QStringLiteral("cmbZoom"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setToolTip(tr("表示倍率"));
    zoomBox_->setStatusTip(tr("カードを表示する倍率を選びます。"));
    for (int step : kZoomSteps)
        zoomBox_->addItem(zoomText(step), step);
    zoomBox_->setMinimumContentsLength(5);
    zoomBox_->setFixedHeight(20);
    zoomBox_->setFocusPolicy(Qt::ClickFocus);
    bar.addPermanentWidget(zoomBox_);
    connect(zoomBox_, &QComboBox::activated, this, [this](int index) {
        RunGuarded([this, index] { SetZoom(zoomBox_->itemData(index).toInt()); }, this);
    });
    connect(zoomBox_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        // Whatever the digits say, within the limits; anything else puts the current zoom back.
        QString typed = zoomBox_->currentText();
        typed.remove(u'%');
        bool ok = false;
        const int percent = typed.trimmed().toInt(&ok);
        RunGuarded([this, ok, percent] { SetZoom(ok ? percent : Panel().Zoom()); }, this);
    });
}

void TfrmMain::connectZoomCommands()
{
    Action("mnuZoomIn")
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    OnExecute(Action("mnuZoomIn"), [this] { SetZoom(ZoomInStep(Panel().Zoom())); });
    OnExecute(Action("mnuZoomOut"), [this] { SetZoom(ZoomOutStep(Panel().Zoom())); });
    OnExecute(Action("mnuZoomFit"), [this] { ZoomToFit(); });
}

void TfrmMain::SetZoom(int percent)
{
    const QSize client = zzBase_->viewport()->size();
    ZoomAt(percent, QPoint(client.width() / 2, client.height() / 2));
}

void TfrmMain::ZoomAt(int percent, QPoint viewportPoint)
{
    // The card point under viewportPoint stays there, as far as the scroll box can scroll.
    QScrollBar &across = *zzBase_->horizontalScrollBar();
    QScrollBar &down = *zzBase_->verticalScrollBar();
    const QPointF onView =
        QPointF(viewportPoint + QPoint(across.value(), down.value()) - Panel().BoundsRect().topLeft());
    const QPointF onCard = onView / Panel().ZoomScale();
    Panel().SetZoom(percent);
    placeCardSurface();
    // The scroll box shows or hides its scroll bars a moment after their ranges change, and lays the
    // card out again from its origin when they do; that is settled first, so that the scroll
    // positions set here are the last word.
    QCoreApplication::sendPostedEvents(zzBase_.get(), QEvent::MetaCall);
    const QPointF after = onCard * Panel().ZoomScale() + QPointF(Panel().BoundsRect().topLeft());
    across.setValue(int(std::lround(after.x() - viewportPoint.x())));
    down.setValue(int(std::lround(after.y() - viewportPoint.y())));
    showZoom();
}

void TfrmMain::ZoomToFit()
{
    const QSize room = zzBase_->maximumViewportSize() - QSize(2 * kCardMargin, 2 * kCardMargin);
    SetZoom(FitZoom(QSize(Panel().Width(), Panel().Height()), room));
}

void TfrmMain::showZoom()
{
    const int percent = Panel().Zoom();
    const int step = zoomBox_->findData(percent);
    if (step >= 0)
        zoomBox_->setCurrentIndex(step);
    zoomBox_->setEditText(zoomText(percent));
    Action("mnuZoomIn")->setEnabled(percent < kMaxZoom);
    Action("mnuZoomOut")->setEnabled(percent > kMinZoom);
}

bool TfrmMain::zoomByWheel(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel ||
        (watched != surfaceView_ && watched != surfaceHolder_ && watched != zzBase_->viewport()))
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A touchpad sends fractions of a notch; they add up to whole steps.
    wheelAngle_ += wheel->angleDelta().y();
    const int notches = wheelAngle_ / QWheelEvent::DefaultDeltasPerStep;
    wheelAngle_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return true;
    int percent = Panel().Zoom();
    for (int i = 0; i < std::abs(notches); ++i)
        percent = notches > 0 ? ZoomInStep(percent) : ZoomOutStep(percent);
    const QPoint at = zzBase_->viewport()->mapFromGlobal(wheel->globalPosition().toPoint());
    RunGuarded([this, percent, at] { ZoomAt(percent, at); }, this);
    return true;
}

void TfrmMain::fitWindowToCard()
{
    // The window as it will be shown, so that the scroll box's share of it is known.
    layout()->activate();
    centralWidget()->layout()->activate(); // the card's side tabs over the scroll box
    const QSize card(Panel().Width(), Panel().Height());
    const QSize needed = card + QSize(2 * kCardMargin, 2 * kCardMargin) - zzBase_->maximumViewportSize();
    QRect bounds = geometry();
    bounds.setSize(bounds.size() + needed.expandedTo(QSize(0, 0)));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        bounds.setSize(bounds.size().boundedTo(screen->availableGeometry().size()));
    setGeometry(bounds);
}
