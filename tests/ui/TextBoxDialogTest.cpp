#include "TestSupport.h"
#include "model/platform/Cp932.h"
#include "model/platform/IniFile.h"
#include "ui/card/TfrmTextBox.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

IniFile settings(const ScopedProgramFolder &folder)
{
    return IniFile(folder.filePath("VELLUMAX.INI"));
}

void writeSettings(const ScopedProgramFolder &folder, const QByteArray &text)
{
    QFile file(folder.filePath("VELLUMAX.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(TextBoxDialog, FirstUseShowsDefaultsOnTheCardColour)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(0x00E0FFFF);
    EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtFontSize")->value(), 12);
    EXPECT_EQ(dialog.MemoFont().Height, -16);
    EXPECT_EQ(dialog.MemoFont().Color, clBlack);
    EXPECT_EQ(dialog.MemoFont().Style, 0);
    EXPECT_TRUE(dialog.Lines().isEmpty());
    auto *memo = FindChild<QPlainTextEdit>(dialog, "Memo1");
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE0));
    EXPECT_EQ(memo->font().pixelSize(), 16);
    EXPECT_FALSE(FindChild<QToolButton>(dialog, "btnBold")->isChecked());
}

TEST(TextBoxDialog, TheDefaultFaceIsListedWithTheFaceThatDrawsIt)
{
    ScopedProgramFolder folder;
    {
        TfrmTextBox dialog(clWhite);
        auto *faces = FindChild<QComboBox>(dialog, "cmbFontName");
        EXPECT_EQ(faces->currentText(), "ＭＳ Ｐゴシック");
        EXPECT_EQ(faces->itemData(faces->currentIndex(), Qt::ToolTipRole).toString(),
                  "IPAPGothic で表示します");
        EXPECT_EQ(dialog.MemoFont().Name, "ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(settings(folder).ReadString("Font", "FontName", ""), "ＭＳ Ｐゴシック");
    TfrmTextBox again(clWhite);
    EXPECT_EQ(again.MemoFont().Name, "ＭＳ Ｐゴシック");
}

TEST(TextBoxDialog, FontListNamesEachFaceOnceAndOpensSixteenRowsHigh)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    auto *faces = FindChild<QComboBox>(dialog, "cmbFontName");
    QStringList names;
    for (int i = 0; i < faces->count(); ++i)
        names << faces->itemText(i);
    for (const QString &name : names) {
        EXPECT_FALSE(name.endsWith(u']')) << qPrintable(name);
        EXPECT_EQ(Cp932::UnencodableCharacters(name), QString()); // a card document can store it
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
    ASSERT_GT(faces->count(), 16);

    dialog.show();
    faces->showPopup();
    QAbstractItemView *list = faces->view();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    EXPECT_LE(list->viewport()->height(), 16 * list->sizeHintForRow(0));
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
    faces->hidePopup();
}

TEST(TextBoxDialog, ReleaseWritesSettingsThatTheNextDialogReads)
{
    ScopedProgramFolder folder;
    {
        TfrmTextBox dialog(clWhite);
        auto *faces = FindChild<QComboBox>(dialog, "cmbFontName");
        const int face = faces->findText("DejaVu Sans");
        ASSERT_GE(face, 0);
        faces->setCurrentIndex(face);
        FindChild<QSpinBox>(dialog, "edtFontSize")->setValue(20);
        QTest::mouseClick(FindChild<QToolButton>(dialog, "btnBold"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QToolButton>(dialog, "btnStrikeOut"), Qt::LeftButton);
        dialog.SetLines({"Tokyo, Japan", "名刺"});
        EXPECT_EQ(dialog.MemoFont().Name, "DejaVu Sans");
        EXPECT_EQ(dialog.MemoFont().Height, -27);
        EXPECT_EQ(dialog.MemoFont().Style, fsBold | fsStrikeOut);
        dialog.show();
        QTest::mouseClick(FindChild<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    const IniFile ini = settings(folder);
    EXPECT_EQ(ini.ReadString("Font", "FontName", ""), "DejaVu Sans");
    EXPECT_EQ(ini.ReadInteger("Font", "FontSize", 0), 20);
    EXPECT_EQ(ini.ReadString("Font", "FontColor", ""), "clBlack");
    EXPECT_TRUE(ini.ReadBool("Font", "Bold", false));
    EXPECT_FALSE(ini.ReadBool("Font", "Italic", true));
    EXPECT_TRUE(ini.ReadBool("Font", "StrikeOut", false));
    EXPECT_EQ(ini.ReadString("Font", "Text", ""), "\"Tokyo, Japan\",名刺,");
    EXPECT_EQ(ini.ReadString("TextBox", "Position", "").split(',').size(), 4);

    TfrmTextBox again(clWhite);
    EXPECT_EQ(again.MemoFont().Name, "DejaVu Sans");
    EXPECT_EQ(again.MemoFont().Height, -27);
    EXPECT_EQ(again.MemoFont().Style, fsBold | fsStrikeOut);
    EXPECT_EQ(again.Lines(), QStringList({"Tokyo, Japan", "名刺"}));
}

TEST(TextBoxDialog, RemembersThePlaceAndRepairsBadPlaces)
{
    ScopedProgramFolder folder;
    writeSettings(folder, "[TextBox]\r\nPosition=40,30,520,380\r\n");
    {
        TfrmTextBox dialog(clWhite);
        EXPECT_EQ(dialog.geometry(), QRect(40, 30, 480, 350));
    }
    EXPECT_EQ(settings(folder).ReadString("TextBox", "Position", ""), "40,30,520,380");

    writeSettings(folder, "[TextBox]\r\nPosition=40,30,520\r\n");
    EXPECT_EQ(TfrmTextBox(clWhite).geometry(), QRect(0, 0, 600, 400));

    // A hand-edited place far off the screen or of absurd size still gives a usable window.
    writeSettings(folder, "[TextBox]\r\nPosition=-5000,90000,2147483647,2147483647\r\n");
    TfrmTextBox huge(clWhite);
    const QRect screen = huge.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(huge.geometry())) << huge.geometry().width();
}

TEST(TextBoxDialog, BadFontSettingsFallBack)
{
    ScopedProgramFolder folder;
    writeSettings(folder, "[Font]\r\nFontName=No Such Face\r\nFontSize=999\r\nFontColor=bluish\r\n"
                          "Bold=yes\r\nText=\"unterminated\r\n");
    TfrmTextBox dialog(clWhite);
    EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbFontName")->currentIndex(), -1);
    EXPECT_EQ(dialog.MemoFont().Name, "ＭＳ Ｐゴシック"); // the dialog's own face stays
    EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtFontSize")->value(), 200);
    EXPECT_EQ(dialog.MemoFont().Color, clBlack);
    EXPECT_FALSE(FindChild<QToolButton>(dialog, "btnBold")->isChecked());
    EXPECT_EQ(dialog.Lines(), QStringList({"unterminated"}));

    auto *size = FindChild<QSpinBox>(dialog, "edtFontSize");
    size->setValue(1);
    EXPECT_EQ(size->value(), 4);
}

TEST(TextBoxDialog, EditingTakesTheObjectFontExactly)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    CardFont font;
    font.Name = "Liberation Serif";
    font.Height = -15;
    font.Style = fsItalic | fsUnderline;
    font.Color = clRed;
    dialog.SetMemoFont(font);
    EXPECT_EQ(dialog.MemoFont(), font);
    EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbFontName")->currentText(), "Liberation Serif");
    EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtFontSize")->value(), 11);
    EXPECT_TRUE(FindChild<QToolButton>(dialog, "btnItalic")->isChecked());
    EXPECT_TRUE(FindChild<QToolButton>(dialog, "btnUnderline")->isChecked());
    EXPECT_FALSE(FindChild<QToolButton>(dialog, "btnBold")->isChecked());

    font.Name = "Not Installed Anywhere";
    dialog.SetMemoFont(font);
    EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbFontName")->currentIndex(), -1);
    EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbFontName")->currentText(), "");
    EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbFontName")->placeholderText(), "Not Installed Anywhere");
    EXPECT_EQ(dialog.MemoFont().Name, "Not Installed Anywhere");
}

TEST(TextBoxDialog, OkWithEmptyTextIsCancel)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    dialog.show();
    QTest::mouseClick(FindChild<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.show();
    QTest::keyClicks(FindChild<QPlainTextEdit>(dialog, "Memo1"), "Vellum");
    QTest::mouseClick(FindChild<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Lines(), QStringList({"Vellum"}));
}

TEST(TextBoxDialog, TypingEndsLinesAndTabsOutLikeAnEditorInADialog)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    dialog.show();
    auto *memo = FindChild<QPlainTextEdit>(dialog, "Memo1");
    QTest::keyClicks(memo, "Vellum");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(dialog.Lines(), QStringList({"Vellum"}));
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(dialog.Lines(), QStringList({"Vellum", ""}));
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_FALSE(memo->toPlainText().contains(u'\t'));

    memo->setPlainText("\n");
    EXPECT_EQ(dialog.Lines(), QStringList({""}));

    // The two buttons stand apart, not glued into one bar.
    const QRect ok = FindChild<QPushButton>(dialog, "btnOK")->geometry();
    const QRect cancel = FindChild<QPushButton>(dialog, "btnCancel")->geometry();
    EXPECT_GE(cancel.left() - ok.right(), 8);
    EXPECT_GE(ok.width(), 85);
}

TEST(TextBoxDialog, TextBeyondShiftJisIsTaken)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    const QString text = QString::fromUtf8("𠮷野 髙﨑 Café ♥ \xF0\x9F\x98\x80");
    dialog.SetLines({text});
    dialog.show();
    QTest::mouseClick(FindChild<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(FindChild<QPlainTextEdit>(dialog, "Memo1")->toPlainText(), text);
}

TEST(TextBoxDialog, ColourButtonSetsTheTextColour)
{
    ScopedProgramFolder folder;
    {
        TfrmTextBox dialog(clWhite);
        dialog.show();
        OnNextModal([](QWidget *modal) {
            auto *chooser = qobject_cast<QColorDialog *>(modal);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->currentColor(), QColor(Qt::black));
            chooser->setCurrentColor(QColor(0x12, 0x34, 0x56));
            chooser->accept();
        });
        QTest::mouseClick(FindChild<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
        EXPECT_EQ(dialog.MemoFont().Color, TColor(0x563412));
        EXPECT_EQ(FindChild<QPlainTextEdit>(dialog, "Memo1")->palette().color(QPalette::Text),
                  QColor(0x12, 0x34, 0x56));
    }
    EXPECT_EQ(settings(folder).ReadString("Font", "FontColor", ""), "$00563412");
}

TEST(TextBoxDialog, TypesettingControlsAreNamedByTheirLabelsAndRemembered)
{
    ScopedProgramFolder folder;
    {
        TfrmTextBox dialog(clWhite);
        EXPECT_EQ(dialog.Typesetting(), TextStyle());
        for (const char *name :
             {"btnVertical", "btnUprightDigits", "btnAlignLeft", "btnAlignCenter", "btnAlignRight"}) {
            auto *button = FindChild<QToolButton>(dialog, name);
            EXPECT_EQ(button->accessibleName(), button->text()) << name;
        }
        EXPECT_EQ(FindChild<QToolButton>(dialog, "btnVertical")->text(), "縦書き");
        EXPECT_EQ(FindChild<QToolButton>(dialog, "btnAlignLeft")->text(), "左揃え");
        EXPECT_EQ(FindChild<QToolButton>(dialog, "btnAlignCenter")->text(), "中央揃え");
        EXPECT_EQ(FindChild<QToolButton>(dialog, "btnAlignRight")->text(), "右揃え");
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->buddy()) {
                EXPECT_EQ(label->buddy()->accessibleName(), label->text());
            }
        }
        EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtLineSpacing")->accessibleName(), "行間");
        EXPECT_EQ(FindChild<QDoubleSpinBox>(dialog, "edtLetterSpacing")->accessibleName(), "字間");

        // The digits option belongs to vertical text; alignment buttons are one choice.
        EXPECT_FALSE(FindChild<QToolButton>(dialog, "btnUprightDigits")->isEnabled());
        QTest::mouseClick(FindChild<QToolButton>(dialog, "btnVertical"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QToolButton>(dialog, "btnUprightDigits"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QToolButton>(dialog, "btnAlignCenter"), Qt::LeftButton);
        EXPECT_FALSE(FindChild<QToolButton>(dialog, "btnAlignLeft")->isChecked());
        FindChild<QSpinBox>(dialog, "edtLineSpacing")->setValue(400);
        FindChild<QDoubleSpinBox>(dialog, "edtLetterSpacing")->setValue(-2.5);
        EXPECT_EQ(dialog.Typesetting(), (TextStyle{true, taCenter, 300, -25, true}));
    }
    const IniFile ini = settings(folder);
    EXPECT_TRUE(ini.ReadBool("TextBox", "Vertical", false));
    EXPECT_EQ(ini.ReadInteger("TextBox", "LineSpacing", 0), 300);
    EXPECT_EQ(ini.ReadInteger("TextBox", "LetterSpacing", 0), -25);

    TfrmTextBox again(clWhite);
    EXPECT_EQ(again.Typesetting(), (TextStyle{true, taCenter, 300, -25, true}));
    writeSettings(folder, "[TextBox]\r\nAlignment=7\r\nLineSpacing=5\r\nLetterSpacing=x\r\n");
    TfrmTextBox repaired(clWhite);
    EXPECT_EQ(repaired.Typesetting(), (TextStyle{false, taLeftJustify, 50, 0, false}));
}

// The card shows 5 pixels per mm, so a size of 24 (32 pixels, 6.4 mm) prints at 18.1 points.
TEST(TextBoxDialog, ShowsTheSizeTheTextPrintsAt)
{
    ScopedProgramFolder folder;
    TfrmTextBox dialog(clWhite);
    auto *printed = FindChild<QLabel>(dialog, "lblPrintedSize");
    FindChild<QSpinBox>(dialog, "edtFontSize")->setValue(24);
    EXPECT_EQ(printed->text(), "印刷時 18.1 pt");
    EXPECT_EQ(dialog.MemoFont().Height, -32);

    // A stored cell height counts about a fifth more than the characters: 40 pixels print as 32.
    CardFont cell;
    cell.Height = 40;
    dialog.SetMemoFont(cell);
    EXPECT_EQ(printed->text(), "印刷時 18.1 pt");
    // 10 is 13 pixels on the card: 2.6 mm.
    FindChild<QSpinBox>(dialog, "edtFontSize")->setValue(10);
    EXPECT_EQ(printed->text(), "印刷時 7.4 pt");
}
