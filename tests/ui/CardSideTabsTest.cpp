#include "ui/app/CardSideTabs.h"
#include "FileBytes.h"
#include "PrintTestSupport.h"
#include "TestQueue.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "model/settings/BackSideSettings.h"
#include "printer/DuplexForOneJob.h"
#include "printer/TQdPrinter.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/print/TwoSidedPrintCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
};

QStringList captions(const TfrmMain &form)
{
    QStringList texts;
    for (int i = 0; i < form.Panel().ObjectCount(); ++i)
        texts << form.Panel().Object(i).Caption().join(u'|');
    return texts;
}

// What a user does to add a line of text: one undo step, then the object on the card.
void addText(TfrmMain &form, const QString &text)
{
    form.TakeUndoSnapshot();
    TVkDragLabel &object = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    form.WireCardObject(object);
    object.SetCaption({text});
}

class CardSideTabsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Startup({}));
        form.show();
        tabs = form.findChild<CardSideTabs *>(QStringLiteral("tabCardSide"));
        ASSERT_TRUE(tabs);
        addText(form, QStringLiteral("山田太郎"));
    }

    void clickSide(int index) { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center()); }

    ProgramFolderWithSheets folder;
    TfrmMain form;
    CardSideTabs *tabs = nullptr;
};

} // namespace

TEST_F(CardSideTabsTest, TheBackIsDesignedOnItsOwnTabAndUndoneThere)
{
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("表面"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("裏面"));
    form.Panel().Object(0).SetSelected(true);
    const bool modified = form.Modified();

    clickSide(1);
    EXPECT_EQ(form.Document().ShownSide(), CardSide::Back);
    EXPECT_TRUE(captions(form).isEmpty());
    EXPECT_EQ(form.Modified(), modified) << "looking at the other side changes nothing";
    addText(form, QStringLiteral("地図"));
    addText(form, QStringLiteral("案内"));

    form.Action("acUndo")->trigger();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(captions(form), QStringList{"地図"});
    form.Action("acRedo")->trigger();
    EXPECT_EQ(captions(form), (QStringList{"地図", "案内"}));

    clickSide(0);
    EXPECT_EQ(captions(form), QStringList{"山田太郎"});
    EXPECT_FALSE(form.Panel().Object(0).Selected()) << "nothing stays selected across a turn";

    // Saved and opened again: the card opens on its front, with its back behind the other tab.
    const QString path = folder.filePath(QStringLiteral("two.vkc"));
    clickSide(1);
    form.Documents().SaveCardFile(path);
    ChooseBlankNewCard();
    form.Documents().New();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(form.Document().HasBackSide());
    form.OpenCardFile(path);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(captions(form), QStringList{"山田太郎"});
    clickSide(1);
    EXPECT_EQ(captions(form), (QStringList{"地図", "案内"}));
}

TEST_F(CardSideTabsTest, PrintingACardWithABackAsksHowAndRemembersTheAnswer)
{
    if (const std::string missing = TestQueueMissing(false); !missing.empty())
        GTEST_SKIP() << missing;
    form.Printer().Printer().setPrinterName(kQueue);
    form.Printer().Printer().setResolution(300);
    clickSide(1);
    addText(form, QStringLiteral("地図"));
    const QString token = QStringLiteral("VellumiaBothSides%1").arg(QCoreApplication::applicationPid());
    form.SetCurrentFileName(folder.filePath(token + QStringLiteral(".vkc")));

    QString turnOverText;
    bool backSideAsked = false;
    OnNextModal([&](QWidget *sheetChoices) {
        OnNextModal([&](QWidget *printDialog) {
            OnNextModal([&](QWidget *dialog) {
                backSideAsked = dialog->objectName() == QStringLiteral("frmBackSidePrint");
                dialog->findChild<QRadioButton *>(QStringLiteral("rbManualFeed"))->setChecked(true);
                dialog->findChild<QRadioButton *>(QStringLiteral("rbShortEdge"))->setChecked(true);
                dialog->findChild<QDoubleSpinBox *>(QStringLiteral("edtBackOffsetX"))->setValue(1.5);
                OnNextModal([&](QWidget *modal) {
                    auto *box = qobject_cast<QMessageBox *>(modal);
                    ASSERT_TRUE(box);
                    turnOverText = box->text();
                    box->button(QMessageBox::Cancel)->click();
                });
                dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
            });
            static_cast<QDialog *>(printDialog)->accept();
        });
        sheetChoices->findChild<QPushButton *>(QStringLiteral("btnPrint"))->click();
    });
    form.Action("acPrint")->trigger();
    ASSERT_TRUE(backSideAsked);
    EXPECT_TRUE(turnOverText.contains(QStringLiteral("短辺を軸に裏返して"))) << turnOverText.toStdString();

    // The fronts went to the printer before the question; the backs did not, as it was cancelled.
    const QString fronts = WaitForCupsPdfJob(token);
    ASSERT_FALSE(fronts.isEmpty());
    QFile::remove(fronts);
    BackSideSettings kept;
    kept.Load(IniFile(folder.filePath(QStringLiteral("VELLUMAX.INI"))));
    EXPECT_TRUE(kept.ManualFeed);
    EXPECT_EQ(kept.PlacementOn(kQueue),
              (BackSidePlacement{.Turn = SheetTurn::ShortEdge, .OffsetXTenthMm = 15}));
    EXPECT_EQ(kept.PlacementOn(QStringLiteral("Another printer")),
              (BackSidePlacement{.Turn = SheetTurn::ShortEdge}))
        << "the offsets belong to the printer they were set for";
    EXPECT_EQ(form.Document().ShownSide(), CardSide::Back) << "printing changes nothing of the window";
}

TEST_F(CardSideTabsTest, OnlyWaysThePrinterHasAreOffered)
{
    if (const std::string missing = TestQueueMissing(false); !missing.empty())
        GTEST_SKIP() << missing;
    QPrinter &printer = form.Printer().Printer();
    printer.setPrinterName(kQueue);
    const bool twoSided =
        PrintsBothSides(printer, SheetTurn::LongEdge) || PrintsBothSides(printer, SheetTurn::ShortEdge);
    BackSideSettings manual;
    manual.ManualFeed = true;
    IniFile ini(folder.filePath(QStringLiteral("VELLUMAX.INI")));
    ASSERT_TRUE(manual.Save(ini));

    // Merged sheets all differ, so they are not fed in again by hand; the PDF queue has no
    // two-sided mode of its own either, which leaves the fronts alone.
    bool manualOffered = true;
    bool duplexOffered = !twoSided;
    OnNextModal([&](QWidget *dialog) {
        manualOffered = !dialog->findChild<QRadioButton *>(QStringLiteral("rbManualFeed"))->isHidden();
        duplexOffered = dialog->findChild<QRadioButton *>(QStringLiteral("rbDuplex"))->isEnabled();
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    BackSidePrintAnswer answer = AskBackSidePrint(&form, printer, false);
    EXPECT_FALSE(manualOffered);
    EXPECT_EQ(duplexOffered, twoSided);
    EXPECT_FALSE(answer.Cancelled);
    EXPECT_EQ(answer.FrontOnly, !twoSided);

    // A single card's sheets may be fed again: the choice kept is offered first.
    OnNextModal([](QWidget *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click(); });
    answer = AskBackSidePrint(&form, printer);
    EXPECT_FALSE(answer.FrontOnly);
    EXPECT_TRUE(answer.Settings.ManualFeed);
}
