#pragma once

#include <QString>
#include <vector>

// A Windows face name that card documents and the window layout name, and the installed look-alike
// that draws it.
struct FontSubstitution {
    QString face;
    QString drawnBy;
};

// Every substitution, with the face names as cards store them.
const std::vector<FontSubstitution> &FontSubstitutions();

// Maps the Windows face names to their look-alikes, so stored names stay as they are and still
// draw in a matching face.
void InstallFontSubstitutions();
