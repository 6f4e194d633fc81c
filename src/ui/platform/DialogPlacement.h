#pragma once

#include <QRect>

class QWidget;

// Moves a dialog to the middle of the screen it is on (its parent's screen before it is shown).
void CenterOnScreen(QWidget *dialog);

// A remembered window rectangle made usable: no larger than the available screen area and moved
// wholly onto it, so that a stale or hand-edited setting never hides a window or makes it huge.
QRect FitOnScreen(const QRect &rect, const QWidget *window);
