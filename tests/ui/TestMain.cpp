#include "model/platform/FontSubstitutions.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test runs with a real application object, so widgets, fonts and dialogs are the real ones.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The program's texts are checked in Japanese, the language they are written in, whatever the
    // machine's locale; the English interface has test runs of its own.
    if (qgetenv("VELLUMAX_LANG").isEmpty())
        qputenv("VELLUMAX_LANG", "ja");
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
