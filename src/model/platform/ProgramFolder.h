#pragma once

#include <QString>

// The program's folder: where the settings, the user's card sheet list and the start-up card live.
// It is the folder VELLUMAX_HOME names when that is set; otherwise the executable's folder, as long
// as the program may write there and is not an installed one; otherwise, for an installed program,
// $XDG_CONFIG_HOME/vellumax (~/.config/vellumax by default), made when first asked for.
QString ProgramFolder();

// Path of a file in the program's folder.
QString ProgramFile(const QString &fileName);

// A file shipped with the program (the card sheets, the start-up card): the one in the program's
// folder when there is one, otherwise the installed one in the data folder next to the
// executable's (<prefix>/share/vellumax for <prefix>/bin), otherwise the one beside the executable
// (a build). When none exists, the path in the program's folder, so that a message names where
// the file was looked for.
QString ShippedFile(const QString &fileName);
