#include "app/TfrmMain.h"
#include "card/TVkVellumPanel.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    explicit ProgramFolderWithSheets(const QByteArray &settings)
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
        QFile file(filePath("VELLUMAX.INI"));
        if (file.open(QIODevice::WriteOnly))
            file.write(settings);
    }
};

} // namespace

TEST(ObjectCommandWiring, GridCommandsFollowTheShowGridTick)
{
    ProgramFolderWithSheets folder("[Settings]\r\nShowGrid=0\r\nFixedGrid=1\r\n");
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    QAction *showGrid = form.Action("acShowGrid");
    QAction *fixedGrid = form.Action("acFixedGrid");
    EXPECT_FALSE(showGrid->isChecked());
    EXPECT_FALSE(fixedGrid->isEnabled());
    EXPECT_TRUE(fixedGrid->isChecked());

    showGrid->trigger();
    EXPECT_TRUE(showGrid->isChecked());
    EXPECT_TRUE(fixedGrid->isEnabled());
    EXPECT_TRUE(form.Panel().ShowGrid());

    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->findChild<QSpinBox *>("edtGridSize")->value(), 2);
        dialog->findChild<QSpinBox *>("edtGridSize")->setValue(3);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    form.Action("acGridSetup")->trigger();
    EXPECT_EQ(form.Settings().GridSize, 3);
    EXPECT_EQ(form.Panel().GridSize(), 15);
    EXPECT_FALSE(form.Modified());

    OnNextModal([](QWidget *dialog) {
        for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
            if (button->text() == "Pixel")
                button->setChecked(true);
        }
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    form.Action("acGridSetup")->trigger();
    EXPECT_EQ(form.Settings().GridUnit, 0);
    EXPECT_EQ(form.Panel().GridSize(), 15);
}
