#include "cli/BatchCommandLine.h"
#include "cli/BatchOptions.h"
#include "ui/app/VellumaxApplication.h"

#include <QStringList>

// One program for both uses: long options ask for a batch run, anything else starts the window.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsBatchCommandLine(arguments))
        return RunBatch(argc, argv);
    return RunVellumax(argc, argv);
}
