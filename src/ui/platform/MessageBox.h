#pragma once

#include "model/platform/VkError.h"

#include <QString>
#include <functional>

class QWidget;

// The program's title: the caption of every message box and of the main window.
inline const QString kApplicationTitle = QStringLiteral("VELLUMIA");

// Message box flags and answers, with the values the classic desktop API gives them, so that
// callers read like the commands they implement.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum MessageBoxAnswer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows one message box captioned with the program's title and returns the button pressed.
int VkMessageBox(const QString &text, unsigned flags, QWidget *parent = nullptr);

// The text the default error box shows: a "." is added when the text is not empty and its last
// character sorts after "." (so Japanese messages end with a full stop).
QString DefaultErrorText(const QString &message);

// The default error box: the error's text, the program's title, the stop icon and an OK button.
void ShowDefaultErrorBox(const QString &message, QWidget *parent = nullptr);

// Runs a command so that any error it raises reaches the default error box and the program goes on.
void RunGuarded(const std::function<void()> &command, QWidget *parent = nullptr);
