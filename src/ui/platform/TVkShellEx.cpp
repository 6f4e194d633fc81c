#include "ui/platform/TVkShellEx.h"

#include <QApplication>
#include <QProcess>

void TVkShellEx::Open(const QString &address, std::function<void(bool)> done)
{
    auto *worker = new TVkShellEx(address);
    connect(worker, &QThread::finished, qApp, [worker, done = std::move(done)] {
        if (done)
            done(worker->started_);
        worker->deleteLater();
    });
    worker->start();
}

void TVkShellEx::OpenUnderWaitCursor(const QString &address)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Open(address, [](bool) { QApplication::restoreOverrideCursor(); });
}

void TVkShellEx::run()
{
    started_ = QProcess::startDetached(QStringLiteral("xdg-open"), {address_});
}
