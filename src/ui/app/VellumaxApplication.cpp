#include "ui/app/VellumaxApplication.h"

#include "model/platform/FontSubstitutions.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramResources.h"
#include "ui/platform/QtTranslations.h"

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
