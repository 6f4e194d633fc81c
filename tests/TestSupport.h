#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

// Points the program's folder (VELLUMAX_HOME) at a fresh temporary folder for one test, so that
// settings, card sheets and start-up cards are real files that no other test sees.
class ScopedProgramFolder {
public:
    ScopedProgramFolder() : previous_(qgetenv("VELLUMAX_HOME")) { qputenv("VELLUMAX_HOME", dir_.path().toUtf8()); }
    ~ScopedProgramFolder()
    {
        if (previous_.isEmpty())
            qunsetenv("VELLUMAX_HOME");
        else
            qputenv("VELLUMAX_HOME", previous_);
    }
    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QByteArray previous_;
    QTemporaryDir dir_;
};

// Runs handler on the next modal widget that opens (a dialog or message box started by the code
// under test), polling from the event loop that the modal widget runs.
inline void OnNextModal(std::function<void(QWidget *)> handler, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, handler, elapsed, timeoutMs] {
        *elapsed += 10;
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handler(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
