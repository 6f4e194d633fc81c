#pragma once

// Maps the Windows face names that card documents and the window layout name to the installed
// look-alikes, so stored names stay as they are and still draw in a matching face.
void InstallFontSubstitutions();
