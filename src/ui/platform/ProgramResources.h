#pragma once

// Registers the program's bundled icons and help pages. The core is a static library, so the
// resources are linked in only when something asks for them; every user of ":/..." calls this first.
void LoadProgramResources();
