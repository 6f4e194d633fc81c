#pragma once

#include <QString>

// The program's folder: where the settings, the card sheet files and the start-up card live. It is
// the executable's folder unless the environment variable VELLUMAX_HOME names another one.
QString ProgramFolder();

// Path of a file in the program's folder.
QString ProgramFile(const QString &fileName);
