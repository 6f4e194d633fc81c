#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/TColor.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/PaperPreview.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/HelpTopic.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmEditCard.h"
#include "ui/print/TfrmPaperSetup.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
    QByteArray listFile() const
    {
        QFile file(filePath("CardDef.lst"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TCardDef userSheet(const char *name, int width, int height)
{
    TCardDef cardDef{};
    SetCardDefName(cardDef, name);
    cardDef.CardSizeX = width;
    cardDef.CardSizeY = height;
    cardDef.Columns = 1;
    cardDef.Lines = 1;
    return cardDef;
}

// Runs handler on the paper setup dialog once it opens, first closing the message that tells of
// a missing printer on machines without one.
void OnPaperSetup(std::function<void(TfrmPaperSetup &)> handler)
{
    OnNextModal([handler](QWidget *modal) {
        if (auto *dialog = qobject_cast<TfrmPaperSetup *>(modal)) {
            handler(*dialog);
            return;
        }
        modal->close();
        OnPaperSetup(handler);
    });
}

// Runs handler on the next message box and presses the button it returns.
void OnMessage(std::function<QMessageBox::StandardButton(const QString &)> handler)
{
    OnNextModal([handler](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        box->button(handler(box->text()))->click();
    });
}

void click(QWidget &dialog, const char *name)
{
    dialog.findChild<QPushButton *>(name)->click();
}

// The paper setup made as the command makes it, closing the missing-printer message if one shows.
struct PaperSetupFixture {
    explicit PaperSetupFixture(const TCardDef &current)
    {
        if (printer.Printers().empty())
            OnNextModal([](QWidget *modal) { modal->close(); });
        dialog = std::make_unique<TfrmPaperSetup>(printer, setupDialog);
        dialog->SelectCurrentDefinition(current);
    }
    QListWidget &list() const { return *dialog->findChild<QListWidget *>("ListBox1"); }
    TQdPrinter printer;
    TQdPrinterSetupDialog setupDialog{printer};
    std::unique_ptr<TfrmPaperSetup> dialog;
};

} // namespace

TEST(PaperSetup, UnlistedCardSheetIsAddedAndOkAppliesItWithoutUndo)
{
    ProgramFolderWithSheets folder;
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    form.SetCardDef(userSheet("from a document", 800, 500));
    form.Settings().GuessMark = 7;
    int lines = 0;
    OnPaperSetup([&lines](TfrmPaperSetup &dialog) {
        auto *list = dialog.findChild<QListWidget *>("ListBox1");
        lines = list->count();
        EXPECT_EQ(list->currentRow(), lines - 1);
        EXPECT_EQ(list->item(lines - 1)->text(), "from a document");
        EXPECT_EQ(dialog.GuessMark(), 2); // above 2 ticks the last choice
        click(dialog, "Button3");
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_TRUE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    EXPECT_EQ(form.Settings().CardIndex, lines - 1);
    EXPECT_EQ(form.Settings().GuessMark, 2);
    EXPECT_EQ(form.CardDef().CardSizeX, 800);
    EXPECT_TRUE(folder.listFile().endsWith("\"from a document\",800,500,1,1,0,0,0,0,0\r\n"));
}

TEST(PaperSetup, ChoosingAnotherSheetResizesTheCardAndCancelChangesNothing)
{
    ProgramFolderWithSheets folder;
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    ASSERT_EQ(form.Panel().Width(), 455);
    const QByteArray before = folder.listFile();
    OnPaperSetup([](TfrmPaperSetup &dialog) {
        dialog.findChild<QListWidget *>("ListBox1")->setCurrentRow(4); // 85 x 55 mm
        click(dialog, "Button2");
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.CardDef().CardSizeX, 910);
    EXPECT_EQ(folder.listFile(), before);

    OnPaperSetup([](TfrmPaperSetup &dialog) {
        auto *list = dialog.findChild<QListWidget *>("ListBox1");
        EXPECT_EQ(list->currentRow(), 0); // the card's own sheet
        list->setCurrentRow(4);
        EXPECT_EQ(dialog.WorkingCopy().CardSizeX, 850);
        click(dialog, "Button3");
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(form.Settings().CardIndex, 4);
    EXPECT_EQ(form.Panel().Width(), 425);
    EXPECT_EQ(form.SizePanel().text(), "85.0 x 55.0 mm");
}

TEST(PaperSetup, TheCardsOwnSheetIsSelectedBeforeTheLastWithTheSameNumbers)
{
    ProgramFolderWithSheets folder;
    TCardDef tenUp = userSheet("from elsewhere", 910, 550);
    tenUp.Columns = 2;
    tenUp.Lines = 5;
    tenUp.LeftMargin = 140;
    tenUp.TopMargin = 110;
    {
        PaperSetupFixture setup(tenUp);
        ASSERT_TRUE(SameCardLayout(setup.dialog->Definitions()[0], setup.dialog->Definitions()[1]));
        EXPECT_EQ(setup.list().currentRow(), 1);
        EXPECT_EQ(CardDefName(setup.dialog->WorkingCopy()), "from elsewhere");
    }
    PaperSetupFixture first(tenUp);
    tenUp = first.dialog->Definitions()[0];
    PaperSetupFixture setup(tenUp);
    EXPECT_EQ(setup.list().currentRow(), 0);
}

TEST(PaperSetup, DeletingAsksForOwnSheetsAndRefusesShippedAndLastOnes)
{
    ProgramFolderWithSheets folder;
    PaperSetupFixture setup(userSheet("mine", 800, 500));
    QListWidget &list = setup.list();
    const int count = list.count();
    ASSERT_EQ(list.currentRow(), count - 1);
    QString message;
    const auto answer = [&message](QMessageBox::StandardButton button) {
        OnMessage([&message, button](const QString &text) {
            message = text;
            return button;
        });
    };
    answer(QMessageBox::No);
    click(*setup.dialog, "Button5");
    EXPECT_EQ(message, "『mine』 の定義を削除してもよろしいですか？");
    EXPECT_EQ(list.count(), count);
    answer(QMessageBox::Yes);
    click(*setup.dialog, "Button5");
    ASSERT_EQ(list.count(), count - 1);
    ASSERT_EQ(int(setup.dialog->Definitions().size()), count - 1);
    // The new last line is selected and the working copy follows it: a shipped sheet.
    EXPECT_EQ(list.currentRow(), count - 2);
    EXPECT_EQ(setup.dialog->WorkingCopy().System, 1);
    answer(QMessageBox::Ok);
    click(*setup.dialog, "Button5");
    EXPECT_EQ(message,
              "『" + list.item(count - 2)->text() +
                  "』 は、システムで用意した定義です。\nユーザ自信で作成した定義以外は削除できません。");
    EXPECT_EQ(list.count(), count - 1);
}

TEST(PaperSetup, TheOnlySheetStaysAndListKeysMoveLines)
{
    ProgramFolderWithSheets folder;
    {
        QFile list(folder.filePath("CardDef.lst"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("only,800,500,1,1,0,0,0,0,0\r\n");
    }
    {
        PaperSetupFixture setup(userSheet("", 800, 500));
        QString message;
        OnMessage([&message](const QString &text) {
            message = text;
            return QMessageBox::Ok;
        });
        click(*setup.dialog, "Button5");
        EXPECT_EQ(message, "全ての定義を削除することは出来ません。");
        EXPECT_EQ(setup.list().count(), 1);
    }

    QFile::remove(folder.filePath("CardDef.lst"));
    PaperSetupFixture setup(userSheet("", 910, 550));
    QListWidget &list = setup.list();
    const QString first = list.item(0)->text();
    const QString second = list.item(1)->text();
    const TCardDef working = setup.dialog->WorkingCopy();
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_PageUp); // already first: nothing, and the key goes no further
    EXPECT_EQ(list.currentRow(), 0);
    QTest::keyClick(&list, Qt::Key_PageDown);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.item(1)->text(), first);
    EXPECT_EQ(list.item(0)->text(), second);
    EXPECT_EQ(CardDefName(setup.dialog->Definitions()[1]), first);
    click(*setup.dialog, "Button7");
    EXPECT_EQ(list.item(0)->text(), first);
    EXPECT_EQ(list.currentRow(), 0);
    (void)working;
}

TEST(PaperSetup, AddAndEditGoThroughTheCardDialog)
{
    ProgramFolderWithSheets folder;
    PaperSetupFixture setup(userSheet("", 910, 550));
    QListWidget &list = setup.list();
    const int count = list.count();
    list.setCurrentRow(0); // a shipped sheet: its name cannot be changed
    OnNextModal([](QWidget *modal) {
        auto *name = modal->findChild<QLineEdit *>("edtName");
        EXPECT_FALSE(name->isEnabled());
        EXPECT_DOUBLE_EQ(modal->findChild<QDoubleSpinBox *>("edtCardSizeX")->value(), 91.0);
        modal->findChild<QDoubleSpinBox *>("edtLeftMargin")->setValue(15.1);
        click(*modal, "Button1");
    });
    click(*setup.dialog, "Button6");
    EXPECT_EQ(setup.dialog->Definitions()[0].LeftMargin, 151); // 15.1 × 10 is 150.99... in binary
    EXPECT_EQ(setup.dialog->Definitions()[0].System, 1);

    OnNextModal([](QWidget *modal) {
        EXPECT_EQ(modal->findChild<QLineEdit *>("edtName")->selectedText(), "名称未設定");
        EXPECT_TRUE(modal->findChild<QLineEdit *>("edtName")->isEnabled());
        modal->findChild<QLineEdit *>("edtName")->setText("自作 😀 カード");
        modal->findChild<QDoubleSpinBox *>("edtCardSizeX")->setValue(55.15);
        modal->findChild<QSpinBox *>("edtColumns")->setValue(3);
        // A character the card sheet file cannot hold is refused and the dialog stays.
        OnMessage([modal](const QString &text) {
            EXPECT_TRUE(text.contains("😀"));
            OnNextModal([](QWidget *again) {
                EXPECT_EQ(again->objectName(), "frmEditCard");
                again->findChild<QLineEdit *>("edtName")->setText("自作カード");
                click(*again, "Button1");
            });
            return QMessageBox::Ok;
        });
        click(*modal, "Button1");
    });
    click(*setup.dialog, "Button4");
    ASSERT_EQ(list.count(), count + 1);
    EXPECT_EQ(list.currentRow(), count);
    const TCardDef &added = setup.dialog->Definitions().back();
    EXPECT_EQ(CardDefName(added), "自作カード");
    EXPECT_EQ(added.CardSizeX, 551); // the field keeps one decimal
    EXPECT_EQ(added.Columns, 3);
    EXPECT_EQ(added.System, 0);
    EXPECT_EQ(added.LeftMargin, 151); // a copy of the sheet shown

    int topic = 0;
    SetHelpTopicViewer([&topic](int asked, QWidget *) { topic = asked; });
    click(*setup.dialog, "Button9");
    SetHelpTopicViewer(nullptr);
    EXPECT_EQ(topic, 66);
}

TEST(PaperSetup, F1OpensEachDialogsOwnHelpTopic)
{
    ProgramFolderWithSheets folder;
    PaperSetupFixture setup(userSheet("", 910, 550));
    std::vector<int> topics;
    SetHelpTopicViewer([&topics](int asked, QWidget *) { topics.push_back(asked); });
    OnNextModal([](QWidget *paperSetup) {
        QTest::keyClick(paperSetup->findChild<QListWidget *>("ListBox1"), Qt::Key_F1);
        OnNextModal([](QWidget *editCard) {
            QTest::keyClick(editCard->findChild<QWidget *>("edtCardSizeX"), Qt::Key_F1);
            editCard->close();
        });
        click(*paperSetup, "Button6");
        paperSetup->close();
    });
    setup.dialog->exec();
    SetHelpTopicViewer(nullptr);
    EXPECT_EQ(topics, (std::vector<int>{66, 67}));
}

TEST(PaperSetup, CardDialogFieldsLeftEmptyOrTooSmallTakeTheirLowestValue)
{
    TCardDef sheet = userSheet("mine", 910, 550);
    sheet.Columns = 2;
    for (const auto &[name, typed] : {std::pair{"edtCardSizeX", ""}, std::pair{"edtColumns", "0"}}) {
        TfrmEditCard dialog;
        dialog.LoadCardDef(sheet, true);
        OnNextModal([name, typed](QWidget *modal) {
            auto *field = modal->findChild<QAbstractSpinBox *>(name);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return); // goes on to the OK button
        });
        ASSERT_EQ(dialog.exec(), QDialog::Accepted);
        TCardDef stored = sheet;
        dialog.StoreCardDef(stored);
        EXPECT_EQ(stored.CardSizeX, name == std::string("edtCardSizeX") ? 0 : 910);
        EXPECT_EQ(stored.Columns, name == std::string("edtColumns") ? 1 : 2);
    }
}

TEST(PaperSetup, CardSheetNamesAreCutBetweenCharacters)
{
    const QString name = QString(200, QChar(0x3042)); // 400 bytes in CP932
    const QByteArray bytes = CardDefNameFor(name);
    EXPECT_EQ(bytes.size(), 256);
    TCardDef cardDef{};
    SetCardDefName(cardDef, bytes);
    EXPECT_EQ(CardDefName(cardDef), QString(128, QChar(0x3042)));
    EXPECT_EQ(CardDefNameFor("A" + name).size(), 255);
}

TEST(PaperSetup, PreviewDrawsTheSheetCentredWithShadowAndCells)
{
    TCardDef tenUp = userSheet("", 910, 550);
    tenUp.Columns = 2;
    tenUp.Lines = 5;
    tenUp.LeftMargin = 140;
    tenUp.TopMargin = 110;
    // A4 portrait at 300 dpi with a 50-pixel unprintable border.
    const PaperPreviewSheet a4{QSize(2480, 3508), QSize(2100, 2970), QPoint(50, 50), QSize(2380, 3408)};
    QImage image(241, 313, QImage::Format_RGB32);
    image.fill(Qt::green);
    {
        QPainter painter(&image);
        PaintPaperPreview(painter, image.size(), a4, tenUp);
    }
    // 308 pixels high; (241 - 308 × 2480 / 3508) / 2 = 11.6, so the sheet spans x 12 to 228.
    const QRgb black = qRgb(0, 0, 0);
    const QRgb shadow = ColorToQColor(clSystemColor | 16).rgb(); // the button shadow
    EXPECT_EQ(image.pixel(12, 0), black);
    EXPECT_EQ(image.pixel(11, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(228, 307), black);
    EXPECT_EQ(image.pixel(229, 307), shadow); // shadow
    EXPECT_EQ(image.pixel(232, 150), shadow);
    EXPECT_EQ(image.pixel(233, 150), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(230, 3), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(100, 311), shadow);
    // The printable area in silver: offset 50 × 308 / 3508 = 4.4 from the sheet's corner.
    EXPECT_EQ(image.pixel(100, 4), qRgb(192, 192, 192));
    // The first cell: 140 and 110 tenths at 308 / 2970 pixels per tenth: 15 and 11 from the corner.
    EXPECT_EQ(image.pixel(27, 11), black);
    EXPECT_EQ(image.pixel(26, 20), qRgb(255, 255, 255));

    // Two thousand million cells each way, ninety deep on top of each other: too many to draw, so the
    // preview shows the paper alone, and promptly.
    TCardDef many = tenUp;
    many.Columns = INT_MAX;
    many.Lines = INT_MAX;
    many.ColumnSpace = -900;
    {
        QPainter painter(&image);
        PaintPaperPreview(painter, image.size(), a4, many);
    }
    EXPECT_EQ(image.pixel(27, 11), qRgb(255, 255, 255));

    // Landscape: the sheet is W - 5 wide and centred down.
    const PaperPreviewSheet landscape{QSize(3508, 2480), QSize(2970, 2100), QPoint(), QSize(3508, 2480)};
    image.fill(Qt::green);
    {
        QPainter painter(&image);
        PaintPaperPreview(painter, image.size(), landscape, userSheet("", 0, 0));
    }
    // 236 wide; (313 - 236 × 2480 / 3508) / 2 = 73.08. All of it printable, so silver is drawn last.
    EXPECT_EQ(image.pixel(0, 73), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(0, 72), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(235, 239), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(236, 239), shadow);
}

TEST(PaperSetup, LongSheetNamesWrapInsteadOfBeingCutOff)
{
    ProgramFolderWithSheets folder;
    PaperSetupFixture fixture(TCardDef{});
    fixture.dialog->show();
    QListWidget &list = fixture.list();
    ASSERT_GT(list.count(), 2);
    const int width = list.viewport()->width();
    for (int row = 0; row < list.count(); ++row) {
        const QString name = list.item(row)->text();
        const QRect needed =
            list.fontMetrics().boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, name);
        const QRect shown = list.visualItemRect(list.item(row));
        EXPECT_GE(shown.height(), needed.height()) << name.toStdString();
        EXPECT_LE(shown.right(), list.viewport()->rect().right()) << name.toStdString();
    }
    fixture.dialog->hide();
}

TEST(PaperSetup, AWiderDialogGivesLongSheetNamesOneLine)
{
    ProgramFolderWithSheets folder;
    PaperSetupFixture setup(userSheet("Business cards 91 x 55 mm A4 10 per sheet clean-cut edges", 910, 550));
    TfrmPaperSetup &dialog = *setup.dialog;
    dialog.show();
    QListWidget &list = setup.list();
    QListWidgetItem *longName = list.item(list.count() - 1);
    const auto lines = [&list, longName] {
        QApplication::processEvents();
        list.doItemsLayout();
        return list.visualItemRect(longName).height() / list.fontMetrics().lineSpacing();
    };
    EXPECT_GE(lines(), 2);

    // 430 pixels wider than the dialog is laid out for, with the column of sheets makers sell.
    const int wide = dialog.minimumWidth() + 430;
    dialog.resize(wide, 600);
    EXPECT_EQ(lines(), 1);
    // The buttons keep to the corners they were placed in, inside the dialog.
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        EXPECT_TRUE(dialog.rect().contains(button->geometry())) << button->objectName().toStdString();
    EXPECT_EQ(dialog.findChild<QPushButton *>("Button9")->geometry().right(), wide - 9);
    EXPECT_EQ(dialog.findChild<QPushButton *>("Button9")->geometry().bottom(), 600 - 11);
    EXPECT_EQ(dialog.findChild<QWidget *>("zzPreviewBase")->geometry().right(), wide - 10);
}

TEST(PaperSetup, AnUprightCardStandsOnTheSameSheetAndTheChoiceShowsOnlyAfterOk)
{
    ProgramFolderWithSheets folder;
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    OnPaperSetup([](TfrmPaperSetup &dialog) {
        auto *upright = dialog.findChild<QRadioButton *>("rbPortraitAnticlockwise");
        ASSERT_NE(upright, nullptr);
        EXPECT_EQ(upright->accessibleName(), upright->text());
        upright->click();
        EXPECT_EQ(dialog.Orientation(), coPortraitAnticlockwise);
        click(dialog, "Button2");
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_EQ(form.Panel().Orientation(), coLandscape);
    EXPECT_EQ(form.Panel().Width(), 455);

    TVkDragLabel &right = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    right.SetBounds(400, 10, 40, 20);
    OnPaperSetup([](TfrmPaperSetup &dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton *>("rbLandscape")->isChecked());
        dialog.findChild<QRadioButton *>("rbPortraitClockwise")->click();
        click(dialog, "Button3");
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_EQ(form.Panel().Orientation(), coPortraitClockwise);
    EXPECT_EQ(form.CardDef().CardSizeX, 910);
    EXPECT_EQ(QSize(form.Panel().Width(), form.Panel().Height()), QSize(275, 455));
    EXPECT_EQ(form.SizePanel().text(), "55.0 x 91.0 mm");
    EXPECT_LE(right.Left() + right.Width(), 275) << "an object beyond the upright card is brought onto it";

    OnPaperSetup([](TfrmPaperSetup &dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton *>("rbPortraitClockwise")->isChecked());
        click(dialog, "Button2");
    });
    form.Action("acPrintSetup")->trigger();
}
