#pragma once

#include <QString>

// The version the about box and the command line show.
inline const QString kProgramVersion = QStringLiteral("1.20");
