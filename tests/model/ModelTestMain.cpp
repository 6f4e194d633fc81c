#include "model/platform/FontSubstitutions.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// The model's tests run on a plain GUI application: fonts and images are real, and no widget can be
// made, so a model class that needed one would fail here.
int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's texts are checked in Japanese, the language they are written in, whatever the
    // machine's locale; the English interface has test runs of its own.
    if (qgetenv("VELLUMAX_LANG").isEmpty())
        qputenv("VELLUMAX_LANG", "ja");
    QGuiApplication application(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
