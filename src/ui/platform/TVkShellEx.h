#pragma once

#include <QString>
#include <QThread>
#include <functional>

// Opens an address or a file with the desktop's default program. The shell call runs on a
// short-lived worker thread, so a slow desktop never freezes the window; the thread holds only its
// own copy of the address and deletes itself when done.
class TVkShellEx : public QThread {
    Q_OBJECT
public:
    // Starts the call; done (on the user-interface thread) learns whether it could be started.
    static void Open(const QString &address, std::function<void(bool started)> done = {});
    // The same under the hourglass cursor, which returns when the call is over, also when it failed.
    static void OpenUnderWaitCursor(const QString &address);

private:
    explicit TVkShellEx(QString address) : address_(std::move(address)) {}
    void run() override;

    const QString address_;
    bool started_ = false;
};
