#include "app/VellumaxApplication.h"

#include "platform/MessageBox.h"

#include <QApplication>

int RunVellumax(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(kApplicationTitle);
    return 0;
}
