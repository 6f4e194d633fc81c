#pragma once

#include "TestSupport.h"
#include "ui/app/TfrmMain.h"

#include <QFile>
#include <QTest>
#include <memory>

// The real main window, started on the shipped card sheets in a private program folder holding the
// settings given, shown at 700 x 500 and active, on an empty 91 x 55 mm card.
struct ShownMainWindow {
    ScopedProgramFolder folder;
    std::unique_ptr<TfrmMain> form;

    explicit ShownMainWindow(const QByteArray &settings = {})
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
        if (!settings.isEmpty())
            WriteFileBytes(folder.filePath("VELLUMAX.INI"), settings);
        form = std::make_unique<TfrmMain>();
        EXPECT_TRUE(form->Startup({}));
        form->resize(700, 500);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};
