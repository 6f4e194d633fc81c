#pragma once

#include "model/sheet/CardDefinitions.h"

#include <QString>

// The user's card sheet list, or as much of it as could be read.
TCardDefList ReadUserSheets();

// Writes on standard output one line for each card sheet of the user's list and of the library of
// sheets makers sell whose name, maker or product number holds every word of text (each sheet when
// it is empty): its name, card size, columns × rows, paper and the file it comes from, separated by
// tabs.
void ListBatchSheets(const QString &text);

// The sheet named name in the user's list or, failing that, in the library: by its full name, its
// maker and product number, or its product number alone when only one maker sells that number.
// Throws VkError naming the sheet lists when none or several fit.
TCardDef FindBatchSheet(const QString &name);
