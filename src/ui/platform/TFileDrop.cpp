#include "ui/platform/TFileDrop.h"

#include "ui/platform/MessageBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// Local files only: a link to a web page is not a file the program can open.
QStringList localFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

TFileDrop::TFileDrop(QWidget &control) : QObject(&control), control_(control)
{
    control_.installEventFilter(this);
    control_.setAcceptDrops(accept_);
}

void TFileDrop::SetAccept(bool accept)
{
    accept_ = accept;
    control_.setAcceptDrops(accept);
}

bool TFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &control_ || !accept_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!localFiles(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = localFiles(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (OnFileDrop) {
            const QPoint point = drop->position().toPoint();
            RunGuarded([&] { OnFileDrop(int(files.size()), point, files); }, &control_);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
