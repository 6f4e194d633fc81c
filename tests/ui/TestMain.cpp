#include "model/platform/FontSubstitutions.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test runs with a real application object, so widgets, fonts and dialogs are the real ones.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
