#pragma once

#include "FileBytes.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// The child control named name, reported as a failure when the dialog lacks it.
template <typename T> T *FindChild(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Points the program's folder (VELLUMAX_HOME) at a fresh temporary folder for one test, so that
// settings, card sheets and start-up cards are real files that no other test sees.
class ScopedProgramFolder {
public:
    ScopedProgramFolder() : previous_(qgetenv("VELLUMAX_HOME"))
    {
        qputenv("VELLUMAX_HOME", dir_.path().toUtf8());
    }
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
// under test), polling from the event loop that the modal widget runs. On a loaded machine the
// poll can find a dialog that is shown but not yet running its own loop, where closing it is lost;
// so a modal widget still open a while after the handler gets the handler again. The wait for the
// widget is long because a machine busy with other builds, or the sanitizers, can take seconds to
// open one; a widget that opens in time ends the wait at once.
inline void OnNextModal(std::function<void(QWidget *)> handler, int timeoutMs = 20000)
{
    struct State {
        QElapsedTimer sinceStart;
        QElapsedTimer sinceHandled;
        QPointer<QWidget> handled;
        int attempts = 0;
    };
    auto *timer = new QTimer;
    auto state = std::make_shared<State>();
    state->sinceStart.start();
    QObject::connect(timer, &QTimer::timeout, [timer, handler, state, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool waiting = state->attempts == 0;
        const bool stillOpen = !waiting && modal && modal == state->handled;
        if (waiting && modal) {
            state->handled = modal;
            state->attempts = 1;
            state->sinceHandled.start();
            handler(modal);
        } else if (stillOpen && state->sinceHandled.elapsed() > 1000 && state->attempts < 3) {
            ++state->attempts;
            state->sinceHandled.start();
            handler(modal);
        } else if ((waiting && state->sinceStart.elapsed() > timeoutMs) || (!waiting && !stillOpen) ||
                   state->attempts >= 3) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// Chooses the blank card across, the gallery's first choice, in the new card gallery that opens next.
inline void ChooseBlankNewCard()
{
    OnNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->objectName(), "frmNewCard");
        dialog->accept();
    });
}
