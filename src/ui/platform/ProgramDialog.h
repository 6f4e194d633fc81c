#pragma once

#include <QPushButton>
#include <QString>
#include <array>
#include <cstddef>

class QBoxLayout;
class QDialog;

// Gives one of the program's own dialogs its name, caption, the dialog font and a title bar with
// only the close box, as every dialog of the program has.
void SetUpProgramDialog(QDialog &dialog, const QString &objectName, const QString &caption);

struct ProgramDialogButton {
    const char *objectName;
    QString text;
};

// One push button at the foot of a program dialog, added to row: at least 75 × 25, and not taking
// Return just by having the focus.
QPushButton *AddProgramDialogButton(QDialog &dialog, QBoxLayout &row, const ProgramDialogButton &button);

// The buttons at the foot of a program dialog, in order; the first is the default button.
template <std::size_t N>
std::array<QPushButton *, N> AddProgramDialogButtons(QDialog &dialog, QBoxLayout &row,
                                                     const ProgramDialogButton (&buttons)[N])
{
    std::array<QPushButton *, N> made{};
    for (std::size_t i = 0; i < N; ++i)
        made[i] = AddProgramDialogButton(dialog, row, buttons[i]);
    made.front()->setDefault(true);
    return made;
}

// The OK and Cancel buttons at the foot of a dialog that accepts and rejects with them.
void AddOkCancelButtons(QDialog &dialog, QBoxLayout &layout);
