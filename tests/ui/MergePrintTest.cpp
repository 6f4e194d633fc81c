#include "FileBytes.h"
#include "TestSupport.h"
#include "XlsxFile.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/QrCode.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/merge/MergeBar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <utility>

namespace {

TVkDragLabel &addText(TVkVellumPanel &card, const QStringList &lines)
{
    auto &object = card.AddObject(std::make_unique<TVkDragLabel>());
    object.SetBounds(10, 10, 300, 120);
    CardFont font = object.Font();
    font.Height = -40;
    object.SetFont(font);
    object.LoadCaption(lines);
    return object;
}

// A window on the shipped card sheets with table open in its merge bar, as a user picks it in the
// file dialog.
struct WindowWithTable : ScopedProgramFolder {
    explicit WindowWithTable(const QString &table)
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
        EXPECT_TRUE(frmMain.Startup({}));
        frmMain.show();
        OnNextModal([&table](QWidget *dialog) {
            FindChild<QLineEdit>(*dialog, "fileNameEdit")->setText(table);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        frmMain.Action("acMailMerge")->trigger();
        bar = frmMain.findChild<MergeBar *>(QStringLiteral("tbMerge"));
    }
    TfrmMain frmMain;
    MergeBar *bar = nullptr;
};

} // namespace

TEST(MergePrint, TheRecordBarShowsEachRecordOnTheCardAndLeavesTheDesign)
{
    QTemporaryDir folder;
    const QString table = folder.filePath("staff.csv");
    WriteFileBytes(table, "氏名,部署\n山田,営業\n鈴木,総務\n");
    ScopedProgramFolder program;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), program.filePath("CardDef.Def"));
    TfrmMain frmMain;
    ASSERT_TRUE(frmMain.Startup({}));
    TVkDragLabel &name = addText(frmMain.Panel(), {"{{氏名}}", "{{役職}}"});
    TVkDragLabel &code = frmMain.Panel().AddObject(std::make_unique<TVkDragLabel>());
    code.SetBounds(340, 150, 100, 100);
    code.LoadBitmap(EncodeQrCode("{{会社}}", qlMedium, kQrStandardQuietZone));
    code.SetQrText("{{会社}}");
    code.SetKind(CardObjectKind::QrCode);
    frmMain.show();
    const QImage design = frmMain.SurfaceView().grab().toImage();

    bool warned = false;
    OnNextModal([&](QWidget *dialog) {
        FindChild<QLineEdit>(*dialog, "fileNameEdit")->setText(table);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        OnNextModal([&warned](QWidget *box) {
            const QString message = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            warned = message.contains("役職") && message.contains("会社");
            QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
        });
    });
    frmMain.Action("acMailMerge")->trigger();
    EXPECT_TRUE(warned);

    auto *bar = frmMain.findChild<MergeBar *>(QStringLiteral("tbMerge"));
    ASSERT_TRUE(bar && bar->isVisible());
    EXPECT_EQ(FindChild<QLabel>(*bar, "lblMergeRecord")->text(), "レコード 1 / 2");
    EXPECT_EQ(frmMain.Settings().MergeTable, table);
    const QImage first = frmMain.SurfaceView().grab().toImage();
    bar->findChild<QAction *>(QStringLiteral("acMergeNext"))->trigger();
    EXPECT_EQ(FindChild<QLabel>(*bar, "lblMergeRecord")->text(), "レコード 2 / 2");
    const QImage second = frmMain.SurfaceView().grab().toImage();
    EXPECT_NE(first, design);
    EXPECT_NE(second, first);
    EXPECT_EQ(name.Caption(), QStringList({"{{氏名}}", "{{役職}}"}));
    EXPECT_FALSE(frmMain.Modified());

    // While the table is open, the text dialog offers its columns as fields to put in at the cursor.
    const auto offeredFields = [&frmMain](const QString &chosen) {
        QStringList offered;
        QString typed;
        OnNextModal([&](QWidget *dialog) {
            auto *fields = FindChild<QToolButton>(*dialog, "btnMergeField");
            auto *memo = FindChild<QPlainTextEdit>(*dialog, "Memo1");
            memo->setPlainText(QStringLiteral("様"));
            memo->moveCursor(QTextCursor::Start);
            if (fields->isVisibleTo(dialog)) {
                for (QAction *field : fields->menu()->actions()) {
                    offered << field->text();
                    if (field->text() == chosen)
                        field->trigger();
                }
            }
            typed = memo->toPlainText();
            FindChild<QPushButton>(*dialog, "btnCancel")->click();
        });
        frmMain.Action("acAddText")->trigger();
        return std::pair(offered, typed);
    };
    EXPECT_EQ(offeredFields("部署"), std::pair(QStringList({"氏名", "部署"}), QStringLiteral("{{部署}}様")));

    bar->findChild<QAction *>(QStringLiteral("acMergeClose"))->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(frmMain.SurfaceView().grab().toImage(), design);
    EXPECT_EQ(offeredFields("部署"), std::pair(QStringList(), QStringLiteral("様")));
}

TEST(MergePrint, ANarrowWindowKeepsTheRecordCommandsAndEachCaptionWithItsField)
{
    QTemporaryDir folder;
    const QString table = folder.filePath("staff.csv");
    WriteFileBytes(table, "氏名\n山田\n鈴木\n");
    WindowWithTable window(table);
    TfrmMain &frmMain = window.frmMain;
    MergeBar *bar = window.bar;
    ASSERT_TRUE(bar && bar->isVisible());

    for (const int width : {1240, 640, 480}) {
        frmMain.resize(width, 600);
        QApplication::processEvents();
        for (const char *command : {"acMergeNext", "acMergePrint", "acMergePdf", "acMergeClose"}) {
            QAction *action = bar->findChild<QAction *>(QString::fromLatin1(command));
            ASSERT_TRUE(action) << command;
            EXPECT_TRUE(bar->widgetForAction(action)->isVisible()) << command << " at " << width;
        }
        for (const QLabel *caption : bar->findChildren<QLabel *>()) {
            if (!caption->buddy())
                continue;
            EXPECT_EQ(caption->isVisible(), caption->buddy()->isVisible())
                << caption->text().toStdString() << " at " << width;
        }
    }
}

TEST(MergePrint, AWindowOf1024PixelsShowsTheRangeOfThousandsOfRecords)
{
    QTemporaryDir folder;
    const QString table = folder.filePath("staff.csv");
    QByteArray rows = "氏名\n";
    for (int i = 0; i < 12000; ++i)
        rows += "山田" + QByteArray::number(i) + "\n";
    WriteFileBytes(table, rows);
    WindowWithTable window(table);
    TfrmMain &frmMain = window.frmMain;
    MergeBar *bar = window.bar;
    ASSERT_TRUE(bar && bar->isVisible());
    frmMain.resize(1024, 700);
    QApplication::processEvents();
    for (const char *range : {"spnMergeFrom", "spnMergeTo", "cmbMergeLayout"})
        EXPECT_TRUE(FindChild<QWidget>(*bar, range)->isVisible()) << range;
}

TEST(MergePrint, AWorkbookShowsAsSuchWithNoEncodingToChoose)
{
    QTemporaryDir folder;
    const QString workbook = folder.filePath("staff.xlsx");
    WriteZipFile(workbook, WorkbookParts({{"社員", "sheet1.xml",
                                           R"(<row><c t="inlineStr"><is><t>氏名</t></is></c></row>)"
                                           R"(<row><c t="inlineStr"><is><t>山田</t></is></c></row>)"}}));
    const QString text = folder.filePath("staff.csv");
    WriteFileBytes(text, "氏名\n鈴木\n");
    MergeBar bar;
    auto *encoding = FindChild<QComboBox>(bar, "cmbMergeEncoding");

    bar.OpenTable(workbook);
    EXPECT_EQ(bar.Table().Value(0, "氏名"), "山田");
    EXPECT_EQ(encoding->currentText(), "Excel ブック");
    EXPECT_FALSE(encoding->isEnabled());

    bar.OpenTable(text);
    EXPECT_EQ(bar.Table().Value(0, "氏名"), "鈴木");
    EXPECT_EQ(encoding->currentText(), "自動判別");
    EXPECT_TRUE(encoding->isEnabled());
}
