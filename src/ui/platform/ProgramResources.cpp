#include "ui/platform/ProgramResources.h"

#include <QtGlobal>

void LoadProgramResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(vellumia);
        return true;
    }();
    Q_UNUSED(loaded);
}
