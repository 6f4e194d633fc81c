#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/picture/QrCode.h"
#include "model/picture/VCard.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/card/QrCodePreview.h"
#include "ui/card/TfrmQrCode.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct MainWindow {
    MainWindow()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
        EXPECT_TRUE(form.Startup({}));
    }
    ScopedProgramFolder folder;
    TfrmMain form;
};

bool menuHas(const QMenu &menu, const QAction *action)
{
    return menu.actions().contains(const_cast<QAction *>(action));
}

} // namespace

TEST(QrCodeCommand, TypedTextAndEnterMakeASquareCodeThatDoubleClickEdits)
{
    MainWindow window;
    QAction *command = window.form.Action("acQrCode");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(menuHas(*window.form.Popup2(), command));
    const QMenu *edit = window.form.MainMenu1()->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(menuHas(*edit, command));

    const QString url = QStringLiteral("https://example.jp/card");
    bool typedIntoTextBox = false;
    OnNextModal([&](QWidget *dialog) {
        auto *text = FindChild<QLineEdit>(*dialog, "edtText");
        // The window may not be active on a test display, so the focus is asked of the dialog.
        typedIntoTextBox = dialog->focusWidget() == text;
        QTest::keyClicks(text, url);
        QTest::keyClick(text, Qt::Key_Return);
    });
    command->trigger();
    EXPECT_TRUE(typedIntoTextBox);
    ASSERT_EQ(window.form.Panel().ObjectCount(), 1);
    TVkDragLabel &code = window.form.Panel().Object(0);
    EXPECT_TRUE(code.IsQrCode());
    EXPECT_EQ(code.QrText(), url);
    EXPECT_EQ(code.Bitmap(), EncodeQrCode(url, qlMedium, kQrStandardQuietZone));
    EXPECT_EQ(code.Width(), code.Height());
    EXPECT_GE(code.Width(), 100);

    // Double-click opens the dialog on the code's own text; the new text replaces it in one undo step.
    const QString japanese = QStringLiteral("名刺の QR コード");
    QString shown;
    OnNextModal([&](QWidget *dialog) {
        auto *text = FindChild<QLineEdit>(*dialog, "edtText");
        shown = text->text();
        text->setText(japanese);
        FindChild<QPushButton>(*dialog, "btnOK")->click();
    });
    const QSize size = code.BoundsRect().size();
    window.form.SurfaceView().ObjectMouse().OnDoubleClicked(code);
    EXPECT_EQ(shown, url);
    EXPECT_EQ(code.QrText(), japanese);
    EXPECT_EQ(code.BoundsRect().size(), size);
    window.form.Action("acUndo")->trigger();
    ASSERT_EQ(window.form.Panel().ObjectCount(), 1);
    EXPECT_EQ(window.form.Panel().Object(0).QrText(), url);
}

TEST(QrCodeCommand, ContactFormMakesAVCardAndEmptyInputIsRefused)
{
    MainWindow window;
    bool refused = false;
    OnNextModal([&](QWidget *dialog) {
        FindChild<QTabWidget>(*dialog, "tabSource")->setCurrentIndex(1);
        // OK with neither name nor company says so and leaves the dialog open.
        OnNextModal([&](QWidget *message) {
            refused = qobject_cast<QMessageBox *>(message) != nullptr;
            message->close();
        });
        FindChild<QPushButton>(*dialog, "btnOK")->click();
        EXPECT_TRUE(dialog->isVisible());
        FindChild<QLineEdit>(*dialog, "edtName")->setText(QStringLiteral("山田 太郎"));
        FindChild<QLineEdit>(*dialog, "edtMail")->setText(QStringLiteral("taro@example.jp"));
        FindChild<QPushButton>(*dialog, "btnOK")->click();
    });
    window.form.Action("acQrCode")->trigger();
    EXPECT_TRUE(refused);
    ASSERT_EQ(window.form.Panel().ObjectCount(), 1);
    VCardContact contact;
    contact.Name = QStringLiteral("山田 太郎");
    contact.Mail = QStringLiteral("taro@example.jp");
    EXPECT_EQ(window.form.Panel().Object(0).QrText(), BuildVCard(contact));

    // Editing shows the contact in its form again.
    QString name;
    OnNextModal([&](QWidget *dialog) {
        name = FindChild<QLineEdit>(*dialog, "edtName")->text();
        FindChild<QPushButton>(*dialog, "btnCancel")->click();
    });
    window.form.SurfaceView().ObjectMouse().OnDoubleClicked(window.form.Panel().Object(0));
    EXPECT_EQ(name, QStringLiteral("山田 太郎"));
}

// The dialog shows the code OK would make as its source, level and quiet zone change.
TEST(QrCodeCommand, ThePreviewFollowsTheSourceLevelAndQuietZone)
{
    TfrmQrCode dialog;
    dialog.show();
    auto *preview = FindChild<QrCodePreview>(dialog, "pbQrPreview");
    auto *size = FindChild<QLabel>(dialog, "lblQrSize");
    const auto darkPixels = [&] {
        const QImage shown = preview->grab().toImage();
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                dark += qGray(shown.pixel(x, y)) < 60;
        return dark;
    };
    EXPECT_TRUE(preview->Modules().isNull());
    EXPECT_EQ(darkPixels(), 0);

    QTest::keyClicks(FindChild<QLineEdit>(dialog, "edtText"), QStringLiteral("HELLO"));
    EXPECT_EQ(preview->Modules(), EncodeQrCode(QStringLiteral("HELLO"), qlMedium, kQrStandardQuietZone));
    EXPECT_EQ(size->text(), QStringLiteral("21 × 21 モジュール"));
    EXPECT_GT(darkPixels(), 0);

    dialog.SetLevel(qlHigh);
    dialog.SetQuietZone(0);
    EXPECT_EQ(preview->Modules(), EncodeQrCode(QStringLiteral("HELLO"), qlHigh, 0));
    EXPECT_EQ(dialog.Modules(), preview->Modules());

    dialog.SetSource(BuildVCard({QStringLiteral("山田 太郎"), {}, {}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(preview->Modules(), EncodeQrCode(dialog.Source(), qlHigh, 0));

    dialog.SetSource(QString(3000, QChar(0x540D)));
    EXPECT_TRUE(preview->Modules().isNull());
    EXPECT_EQ(size->text(), QStringLiteral("QRコードに収まりません"));
    EXPECT_EQ(darkPixels(), 0);
}

// With a merge table open, its columns go into the box being typed in, so that a contact's code
// can hold each record's own values.
TEST(QrCodeCommand, MergeFieldsGoIntoTheBoxBeingTypedIn)
{
    TfrmQrCode dialog;
    dialog.SetSource(BuildVCard({QStringLiteral("山田"), {}, {}, {}, {}, {}, {}, {}}));
    dialog.show();
    auto *fields = FindChild<QToolButton>(dialog, "btnMergeField");
    EXPECT_FALSE(fields->isVisible());
    dialog.SetMergeColumns({QStringLiteral("氏名"), QStringLiteral("電話")});
    ASSERT_TRUE(fields->isVisible());
    const auto choose = [fields](const QString &column) {
        for (QAction *field : fields->menu()->actions())
            if (field->text() == column)
                field->trigger();
    };
    auto *phone = FindChild<QLineEdit>(dialog, "edtPhone");
    phone->setFocus();
    phone->setText(QStringLiteral("TEL "));
    choose(QStringLiteral("電話"));
    EXPECT_EQ(phone->text(), QStringLiteral("TEL {{電話}}"));
    EXPECT_TRUE(dialog.Source().contains(QStringLiteral(":TEL {{電話}}\r\n")));
    EXPECT_EQ(FindChild<QrCodePreview>(dialog, "pbQrPreview")->Modules(),
              EncodeQrCode(dialog.Source(), qlMedium, kQrStandardQuietZone));

    FindChild<QTabWidget>(dialog, "tabSource")->setCurrentIndex(0);
    choose(QStringLiteral("氏名"));
    EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtText")->text(), QStringLiteral("{{氏名}}"));
}
