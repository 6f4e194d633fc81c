#include "ui/app/ClipboardCommandWiring.h"

#include "model/card/TVkVellumPanel.h"
#include "model/edit/ObjectClipboard.h"
#include "ui/app/ObjectCommandWiring.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/card/ClipboardCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollArea>

namespace {

// The part of the card the scroll box shows, in surface pixels at any zoom; the whole card before
// the window has been laid out.
QRect visibleCardArea(TfrmMain &frmMain)
{
    const QRect card(0, 0, frmMain.Panel().ClientWidth(), frmMain.Panel().ClientHeight());
    const CardSurfaceView &view = frmMain.SurfaceView();
    QWidget *viewport = frmMain.ScrollBox().viewport();
    const QPoint topLeft = view.SurfacePoint(view.mapFrom(viewport, QPoint(0, 0)));
    const QPoint bottomRight =
        view.SurfacePoint(view.mapFrom(viewport, QPoint(viewport->width(), viewport->height())));
    const QRect visible = QRect(topLeft, bottomRight - QPoint(1, 1)) & card;
    return visible.isEmpty() ? card : visible;
}

void enablePaste(TfrmMain &frmMain)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const bool usable =
        data && (data->hasFormat(QLatin1String(kCardObjectsMimeType)) || data->hasImage() ||
                 data->hasText() || !data->formats().filter(QStringLiteral("image/")).isEmpty());
    frmMain.Action("acPaste")->setEnabled(usable);
}

} // namespace

void ConnectClipboardCommands(TfrmMain &frmMain)
{
    frmMain.OnExecute(frmMain.Action("acClipboardCopy"),
                      [&frmMain] { CopySelectedObjects(frmMain.Panel()); });
    frmMain.OnExecute(frmMain.Action("acCut"), [&frmMain] {
        if (CopySelectedObjects(frmMain.Panel()))
            frmMain.Action("acDelete")->trigger();
    });
    frmMain.OnExecute(frmMain.Action("acPaste"), [&frmMain] {
        const std::vector<TVkDragLabel *> pasted =
            PasteClipboard(MainEditContext(frmMain), visibleCardArea(frmMain));
        if (pasted.empty())
            return;
        frmMain.SetObjectActionsEnabled(true);
        frmMain.SetLastSelectedObject(pasted.back());
    });
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &frmMain,
                     [&frmMain] { enablePaste(frmMain); });
    enablePaste(frmMain);
}
