#include "FileBytes.h"
#include "TestSupport.h"
#include "model/platform/IniFile.h"
#include "model/sheet/CardDefinitions.h"
#include "printer/TQdPrinter.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmPaperSetup.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QByteArray kRoundLabels = R"(<Glabels-templates>
  <Template brand="Maker" part="R-1" size="A4" description="Round stickers">
    <Label-round radius="20mm"><Layout nx="4" ny="6" x0="5mm" y0="5mm" dx="50mm" dy="48mm"/></Label-round>
  </Template>
  <Template brand="Maker" part="L-1" size="A4" description="Address labels">
    <Label-rectangle width="70mm" height="37mm"><Layout nx="3" ny="8" x0="0" y0="0" dx="70mm" dy="37mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)";

// The program's folder with the shipped sheets, and a library of the shipped card stock and one
// template folder.
struct LibraryFolders : ScopedProgramFolder {
    LibraryFolders()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
        QDir().mkpath(templates.path());
        WriteFileBytes(templates.filePath("maker-templates.xml"), kRoundLabels);
    }
    SheetLibrarySources Sources() const
    {
        return {.CardStockList = QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardStock.csv"),
                .TemplateFolders = {templates.path()}};
    }
    QTemporaryDir templates;
};

// The paper setup as the command makes it, closing the message of a missing printer if one shows.
struct LibraryDialog {
    explicit LibraryDialog(const LibraryFolders &folders)
    {
        if (printer.Printers().empty())
            OnNextModal([](QWidget *modal) { modal->close(); });
        dialog = std::make_unique<TfrmPaperSetup>(printer, setupDialog, nullptr, folders.Sources());
        dialog->SelectCurrentDefinition(dialog->Definitions().front());
    }
    QLineEdit &search() const { return *dialog->findChild<QLineEdit *>("edtSheetSearch"); }
    QListView &found() const { return *dialog->findChild<QListView *>("lstLibrary"); }
    QComboBox &combo(const char *name) const { return *dialog->findChild<QComboBox *>(name); }
    QString foundName(int row) const
    {
        return found().model()->index(row, 0).data(Qt::AccessibleTextRole).toString();
    }
    void pick(int row) const { found().setCurrentIndex(found().model()->index(row, 0)); }
    TQdPrinter printer;
    TQdPrinterSetupDialog setupDialog{printer};
    std::unique_ptr<TfrmPaperSetup> dialog;
};

} // namespace

TEST(PaperSetupLibrary, AProductFoundByNumberIsCopiedIntoTheListOnceAndListedFirstNextTime)
{
    const LibraryFolders folders;
    const QString name = QStringLiteral("エーワン 51002 マルチカード 名刺 白無地 標準 A4 10面 クリアエッジ");
    int listed = 0;
    {
        LibraryDialog setup(folders);
        listed = int(setup.dialog->Definitions().size());
        QTest::keyClicks(&setup.search(), QStringLiteral("51002"));
        ASSERT_EQ(setup.found().model()->rowCount(), 1);
        EXPECT_EQ(setup.foundName(0), name);
        setup.pick(0);
        EXPECT_TRUE(
            SameCardLayout(setup.dialog->WorkingCopy(), TCardDef{{}, 910, 550, 2, 5, 140, 110, 0, 0, 0}));
        setup.dialog->findChild<QPushButton *>("Button3")->click();
        EXPECT_EQ(setup.dialog->SelectedIndex(), listed);
        EXPECT_EQ(CardDefName(setup.dialog->WorkingCopy()), name);
    }
    std::unique_ptr<TCardDefList> saved;
    LoadCardDefs(saved);
    ASSERT_EQ(int(saved->size()), listed + 1);
    EXPECT_EQ(CardDefName(saved->back()), name);
    EXPECT_EQ(saved->back().System, 0);
    EXPECT_EQ(IniFile(folders.filePath("VELLUMAX.INI")).ReadString("RecentSheets", "Sheet1", {}), name);

    LibraryDialog again(folders);
    EXPECT_EQ(again.foundName(0), name);
    again.pick(0);
    again.dialog->findChild<QPushButton *>("Button3")->click();
    EXPECT_EQ(again.dialog->SelectedIndex(), listed);
    LoadCardDefs(saved);
    EXPECT_EQ(int(saved->size()), listed + 1);
}

TEST(PaperSetupLibrary, FiltersByMakerAndKindAndLabelsNameTheirControls)
{
    const LibraryFolders folders;
    LibraryDialog setup(folders);
    QAbstractItemModel &found = *setup.found().model();
    const int cards = found.rowCount();
    EXPECT_GE(cards, 40);
    setup.combo("cmbMaker").setCurrentText(QStringLiteral("コクヨ"));
    ASSERT_GT(found.rowCount(), 0);
    for (int row = 0; row < found.rowCount(); ++row)
        EXPECT_TRUE(setup.foundName(row).startsWith(QStringLiteral("コクヨ ")))
            << qPrintable(setup.foundName(row));
    setup.combo("cmbMaker").setCurrentIndex(0);
    setup.search().setText(QStringLiteral("９１×５５ ミシン目"));
    const int perforated = found.rowCount();
    EXPECT_GT(perforated, 3);
    EXPECT_LT(perforated, cards);
    setup.search().clear();
    // Address labels are sheets too, not cards; round stickers are never offered.
    setup.combo("cmbSheetKind").setCurrentIndex(1);
    EXPECT_EQ(found.rowCount(), cards + 1);

    for (QLabel *label : setup.dialog->findChildren<QLabel *>()) {
        if (label->buddy() == nullptr)
            continue;
        const QString words = label->text().remove(QLatin1Char('&')).remove(QStringLiteral("："));
        EXPECT_EQ(label->buddy()->accessibleName(), words);
    }
    EXPECT_EQ(setup.combo("cmbMaker").accessibleName(), QStringLiteral("メーカー"));
}
