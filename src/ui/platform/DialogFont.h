#pragma once

#include <QFont>

// The font of the program's own dialogs: the Japanese proportional gothic face, 12 pixels high,
// falling back to the installed look-alike where the face itself is missing.
QFont DialogFont();
