#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "ui/app/MainPictureDialog.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/card/TVkOpenPictureDialog.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <gtest/gtest.h>

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

TEST(ObjectCommandWiring, AddedAndEditedObjectsTakeOneUndoStepEach)
{
    ProgramFolderWithSheets folder("");
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));

    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QPlainTextEdit *>("Memo1")->setPlainText("Vellumia");
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    form.Action("acAddText")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 1);
    TVkDragLabel &text = form.Panel().Object(0);
    EXPECT_TRUE(text.Selected());
    EXPECT_TRUE(form.Modified());
    EXPECT_TRUE(form.Action("acEditLastSelObject")->isEnabled());
    EXPECT_EQ(form.LastSelectedObject(), nullptr); // until the user presses it

    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QToolButton *>("btnRectangle")->click();
        dialog->findChild<QPushButton *>("Button1")->click();
    });
    form.Action("acDraw")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 2);
    TVkDragLabel &shape = form.Panel().Object(1);
    EXPECT_EQ(shape.DrawMode(), dmRectangle);
    EXPECT_TRUE(shape.Selected());
    EXPECT_FALSE(text.Selected());

    // A double click edits the object it lands on.
    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QPlainTextEdit *>("Memo1")->setPlainText("Vellumia Inc.");
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    form.SurfaceView().ObjectMouse().OnDoubleClicked(text);
    EXPECT_EQ(text.Caption(), QStringList({"Vellumia Inc."}));

    form.Action("acUndo")->trigger();
    ASSERT_EQ(form.Panel().ObjectCount(), 2);
    EXPECT_EQ(form.Panel().Object(0).Caption(), QStringList({"Vellumia"}));
    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 1);
    form.Action("acUndo")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
}

TEST(ObjectCommandWiring, OnePictureDialogServesTheWindow)
{
    ProgramFolderWithSheets folder("");
    TfrmMain form;
    TVkOpenPictureDialog &dialog = MainPictureDialog(form);
    EXPECT_EQ(&MainPictureDialog(form), &dialog);
    EXPECT_EQ(dialog.windowTitle(), "画像ファイルの選択");
    EXPECT_EQ(dialog.PreviewBaseColor(), TColor(0x808000));

    OnNextModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    EXPECT_TRUE(ChooseMainPictureFile(form, folder.path()).isEmpty());
}
