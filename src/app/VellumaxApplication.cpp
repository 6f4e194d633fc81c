#include "app/VellumaxApplication.h"

#include "app/TfrmMain.h"
#include "platform/FontSubstitutions.h"
#include "platform/MessageBox.h"
#include "platform/ProgramResources.h"
#include "platform/QtTranslations.h"
#include "print/TQdPrinter.h"

#include <QApplication>
#include <QIcon>

int RunVellumax(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(kApplicationTitle);
    LoadProgramResources();
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/vellumia.svg")));
    InstallFontSubstitutions();
    InstallQtTranslations(application);

    TQdPrinter printer;
    TfrmMain frmMain(printer);
    if (!frmMain.Startup(application.arguments().mid(1)))
        return 1;
    frmMain.show();
    return application.exec();
}
