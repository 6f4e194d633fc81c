#include "ui/print/TfrmPaperSetup.h"

#include "model/card/TVkVellumPanel.h"
#include "model/output/SheetCells.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "printer/TQdPrinter.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"
#include "ui/print/LibrarySheetListModel.h"
#include "ui/print/PreviewSideSwitch.h"
#include "ui/print/SheetPreviewView.h"
#include "ui/print/TQdPrinterSetupDialog.h"
#include "ui/print/TfrmEditCard.h"
#include "ui/print/TwoSidedPrintCommand.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace {

// The name a new card sheet starts with, until the user gives it one.
QString newDefinitionName()
{
    return QCoreApplication::translate("TfrmPaperSetup", "名称未設定");
}

// The hourglass for as long as the object lives.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// The size the controls are placed for; a larger dialog stretches the sheet list and the preview.
// The sheets makers sell take a column of their own between the list and the preview.
constexpr int kLibraryWidth = 284;
// The card's orientation takes a group of its own below the crop marks.
constexpr int kOrientationHeight = 90;
constexpr QSize kLaidOutSize(468 + kLibraryWidth, 431 + kOrientationHeight);

QString settingsFile()
{
    return ProgramFile(QStringLiteral("VELLUMAX.INI"));
}

// A label standing for control, whose words a screen reader announces for it.
QLabel *labelFor(QWidget *control, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setBuddy(control);
    // Without its access key and its colon, full-width as a Japanese label writes it or not.
    static const QRegularExpression decorations(QStringLiteral("&|[：:]$"));
    control->setAccessibleName(QString(text).remove(decorations));
    return label;
}

QPushButton *button(const char *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setAutoDefault(false);
    return result;
}

} // namespace

TfrmPaperSetup::TfrmPaperSetup(TQdPrinter &printer, TQdPrinterSetupDialog &printerSetupDialog,
                               QWidget *parent, const SheetLibrarySources &library)
    : QDialog(parent), printer_(printer), printerSetupDialog_(printerSetupDialog),
      definitions_(std::make_unique<TCardDefList>()), library_(SheetLibrary::Read(library))
{
    recentSheets_.Load(IniFile(settingsFile()));
    SetUpProgramDialog(*this, QStringLiteral("frmPaperSetup"), tr("用紙の設定"));
    setMinimumSize(kLaidOutSize);
    resize(kLaidOutSize);
    setSizeGripEnabled(true);
    createControls();

    try {
        printer_.GetIndex();
        printerAvailable_ = true;
    } catch (const std::exception &) {
        VkMessageBox(tr("プリンタがインストールされていません。"), MB_OK | MB_ICONSTOP, parent);
        printerAvailable_ = false;
    }
    busy_ = false;
    // A printer without paper information is told about, and the list is still offered.
    RunGuarded([this] { readSheet(); }, parent);
    RunGuarded([this] { updatePaperLabel(); }, parent);
    LoadCardDefs(definitions_);
    for (const TCardDef &cardDef : *definitions_)
        listBox1_->addItem(CardDefName(cardDef));
    searchLibrary();
}

TfrmPaperSetup::~TfrmPaperSetup() = default;

void TfrmPaperSetup::createControls()
{
    auto *label14 = new QLabel(tr("カードの種類："), this);
    label14->setObjectName(QStringLiteral("Label14"));
    label14->setGeometry(8, 8, 173, 16);
    lblPaper_ = new QLabel(this);
    lblPaper_->setObjectName(QStringLiteral("lblPaper"));
    lblPaper_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPaper_->setGeometry(196 + kLibraryWidth, 8, 263, 16);

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listBox1_->setGeometry(8, 26, 173, 177);
    // Sheet names often differ only at their end (perforated or clean-cut edges), which a cut-off
    // line would hide: a long name wraps onto further lines instead.
    listBox1_->setWordWrap(true);
    listBox1_->setTextElideMode(Qt::ElideNone);
    listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox1_->installEventFilter(this);

    QPushButton *add = button("Button4", tr("追加(&A)"), QRect(8, 210, 84, 25), this);
    QPushButton *edit = button("Button6", tr("編集(&E)"), QRect(97, 210, 84, 25), this);
    QPushButton *remove = button("Button5", tr("削除(&D)"), QRect(8, 240, 84, 25), this);
    QPushButton *up = button("Button7", tr("↑"), QRect(97, 240, 40, 25), this);
    QPushButton *down = button("Button8", tr("↓"), QRect(141, 240, 40, 25), this);

    auto *group = new QGroupBox(tr("トンボ印刷"), this);
    group->setObjectName(QStringLiteral("grpGuessMark"));
    group->setGeometry(8, 274, 173, 86);
    auto *items = new QGridLayout(group);
    guessMark_ = new QButtonGroup(group);
    const QStringList texts = {tr("しない"), tr("点線枠"), tr("四隅に十字")};
    for (int i = 0; i < texts.size(); ++i) {
        auto *item = new QRadioButton(texts[i], group);
        guessMark_->addButton(item, i);
        items->addWidget(item, i / 2, i % 2);
    }

    auto *previewBase = new QFrame(this);
    previewBase->setObjectName(QStringLiteral("zzPreviewBase"));
    previewBase->setFrameShape(QFrame::Box);
    previewBase->setGeometry(196 + kLibraryWidth, 26, 263, 335 + kOrientationHeight);
    pbPaper_ = new SheetPreviewView(previewBase);
    pbPaper_->setObjectName(QStringLiteral("pbPaper"));
    pbPaper_->setGeometry(11, 11, 241, 313 + kOrientationHeight);
    sideSwitch_ = new PreviewSideSwitch(*pbPaper_, this);
    sideSwitch_->setGeometry(196 + kLibraryWidth, 3, 90, 22);
    lblFit_ = new QLabel(this);
    lblFit_->setObjectName(QStringLiteral("lblFit"));
    lblFit_->setStyleSheet(QStringLiteral("color: #c00000"));
    lblFit_->setGeometry(8, 366 + kOrientationHeight, 452 + kLibraryWidth, 20);

    constexpr int buttonsTop = 396 + kOrientationHeight;
    QPushButton *printerSetup = button("Button1", tr("プリンタ設定"), QRect(8, buttonsTop, 100, 25), this);
    QPushButton *ok =
        button("Button3", QStringLiteral("OK"), QRect(208 + kLibraryWidth, buttonsTop, 80, 25), this);
    QPushButton *cancel =
        button("Button2", tr("キャンセル"), QRect(294 + kLibraryWidth, buttonsTop, 80, 25), this);
    QPushButton *help = button("Button9", tr("ヘルプ"), QRect(380 + kLibraryWidth, buttonsTop, 80, 25), this);
    ok->setDefault(true);

    createLibraryControls();
    createOrientationControls();
    QWidget *order[] = {listBox1_,
                        add,
                        edit,
                        remove,
                        up,
                        down,
                        edtSheetSearch_,
                        cmbMaker_,
                        cmbSheetKind_,
                        lstLibrary_,
                        guessMark_->button(0),
                        guessMark_->button(1),
                        guessMark_->button(2),
                        orientation_->button(coLandscape),
                        orientation_->button(coPortraitClockwise),
                        orientation_->button(coPortraitAnticlockwise),
                        ok,
                        cancel,
                        help,
                        printerSetup};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The extra width goes to the sheet list, so that long sheet names need not wrap; the extra
    // height to the list and the preview.
    anchor(label14, kGrowWidth);
    anchor(listBox1_, kGrowWidth | kGrowHeight);
    for (QWidget *below : std::initializer_list<QWidget *>{add, edit, remove, up, down, group, printerSetup})
        anchor(below, kFollowBottom);
    anchor(previewBase, kFollowRight | kGrowHeight);
    anchor(pbPaper_, kGrowHeight);
    anchor(sideSwitch_, kFollowRight);
    anchor(lblFit_, kFollowBottom | kGrowWidth);
    for (QWidget *corner : {ok, cancel, help})
        anchor(corner, kFollowRight | kFollowBottom);

    connect(listBox1_, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            selectionChanged();
    });
    connect(listBox1_, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { editDefinition(); }, this); });
    connect(add, &QPushButton::clicked, this, [this] { RunGuarded([this] { addDefinition(); }, this); });
    connect(edit, &QPushButton::clicked, this, [this] { RunGuarded([this] { editDefinition(); }, this); });
    connect(remove, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { deleteDefinition(); }, this); });
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(printerSetup, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { runPrinterSetup(); }, this); });
    connect(guessMark_, &QButtonGroup::idClicked, this, [this] { updatePreview(); });
    connect(pbPaper_, &SheetPreviewView::CellClicked, this, [this](std::int64_t cell) {
        PaperPreviewCards cards = pbPaper_->Cards();
        cards.StartCell = cell;
        pbPaper_->SetCards(cards);
        updatePreview();
    });
    connect(ok, &QPushButton::clicked, this, &TfrmPaperSetup::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(HelpPaperSetupDialog, this); });
}

void TfrmPaperSetup::createLibraryControls()
{
    constexpr int left = 196;
    constexpr int labelWidth = 64;
    constexpr int width = kLibraryWidth - 14;
    edtSheetSearch_ = new QLineEdit(this);
    edtSheetSearch_->setObjectName(QStringLiteral("edtSheetSearch"));
    edtSheetSearch_->setGeometry(left, 26, width, 24);
    edtSheetSearch_->setPlaceholderText(tr("品番、メーカー、サイズ、名前"));
    edtSheetSearch_->setClearButtonEnabled(true);
    auto *searchLabel =
        labelFor(edtSheetSearch_, tr("市販の用紙から探す(&F)："), QRect(left, 8, width, 16), this);
    cmbMaker_ = new QComboBox(this);
    cmbMaker_->setObjectName(QStringLiteral("cmbMaker"));
    cmbMaker_->setGeometry(left + labelWidth, 54, width - labelWidth, 24);
    cmbMaker_->addItem(tr("すべて"));
    cmbMaker_->addItems(library_.Makers());
    cmbMaker_->setMaxVisibleItems(20);
    auto *makerLabel = labelFor(cmbMaker_, tr("メーカー："), QRect(left, 54, labelWidth, 24), this);
    cmbSheetKind_ = new QComboBox(this);
    cmbSheetKind_->setObjectName(QStringLiteral("cmbSheetKind"));
    cmbSheetKind_->setGeometry(left + labelWidth, 82, width - labelWidth, 24);
    cmbSheetKind_->addItems({tr("名刺・カード"), tr("すべての用紙")});
    auto *kindLabel = labelFor(cmbSheetKind_, tr("種類："), QRect(left, 82, labelWidth, 24), this);
    libraryModel_ = new LibrarySheetListModel(library_, this);
    lstLibrary_ = new QListView(this);
    lstLibrary_->setObjectName(QStringLiteral("lstLibrary"));
    lstLibrary_->setAccessibleName(tr("市販の用紙"));
    lstLibrary_->setGeometry(left, 110, width, 251 + kOrientationHeight);
    lstLibrary_->setModel(libraryModel_);
    lstLibrary_->setUniformItemSizes(true);
    // Each sheet takes two lines, its name over its size; shading every other one keeps them apart.
    lstLibrary_->setAlternatingRowColors(true);
    lstLibrary_->setTextElideMode(Qt::ElideRight);
    lstLibrary_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstLibrary_->setSelectionMode(QAbstractItemView::SingleSelection);

    for (QWidget *control : std::initializer_list<QWidget *>{searchLabel, makerLabel, kindLabel,
                                                             edtSheetSearch_, cmbMaker_, cmbSheetKind_})
        anchor(control, kFollowRight);
    anchor(lstLibrary_, kFollowRight | kGrowHeight);

    connect(edtSheetSearch_, &QLineEdit::textChanged, this, [this] { searchLibrary(); });
    connect(cmbMaker_, &QComboBox::currentIndexChanged, this, [this] { searchLibrary(); });
    connect(cmbSheetKind_, &QComboBox::currentIndexChanged, this, [this] { searchLibrary(); });
    connect(lstLibrary_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { librarySelectionChanged(); });
}

void TfrmPaperSetup::createOrientationControls()
{
    auto *group = new QGroupBox(tr("カードの向き"), this);
    group->setObjectName(QStringLiteral("grpOrientation"));
    group->setGeometry(8, 366, 173, kOrientationHeight - 4);
    auto *items = new QVBoxLayout(group);
    items->setSpacing(2);
    orientation_ = new QButtonGroup(group);
    const std::tuple<TCardOrientation, const char *, QString> choices[] = {
        {coLandscape, "rbLandscape", tr("横型")},
        {coPortraitClockwise, "rbPortraitClockwise", tr("縦型・右に回して印刷")},
        {coPortraitAnticlockwise, "rbPortraitAnticlockwise", tr("縦型・左に回して印刷")},
    };
    for (const auto &[orientation, name, text] : choices) {
        auto *item = new QRadioButton(text, group);
        item->setObjectName(QLatin1String(name));
        item->setAccessibleName(text);
        orientation_->addButton(item, orientation);
        items->addWidget(item);
    }
    orientation_->button(coLandscape)->setChecked(true);
    anchor(group, kFollowBottom);
    connect(orientation_, &QButtonGroup::idClicked, this, [this] { showOrientation(); });
}

// The found sheets are listed anew; the sheet shown stays the working copy until another is chosen.
void TfrmPaperSetup::searchLibrary()
{
    const QString maker = cmbMaker_->currentIndex() > 0 ? cmbMaker_->currentText() : QString();
    selecting_ = true;
    libraryModel_->Search(edtSheetSearch_->text(), maker, cmbSheetKind_->currentIndex() == 0,
                          recentSheets_.Names());
    selecting_ = false;
}

void TfrmPaperSetup::librarySelectionChanged()
{
    const QModelIndex current = lstLibrary_->currentIndex();
    if (selecting_ || !current.isValid())
        return;
    librarySheet_ = libraryModel_->SheetAt(current.row());
    workingCopy_ = library_.Sheets()[std::size_t(librarySheet_)].Layout;
    selectRow(-1);
    updatePreview();
}

// The chosen sheet joins the user's list once, so that the card, its documents and the list refer
// to it as to any other entry.
void TfrmPaperSetup::useLibrarySheet()
{
    if (librarySheet_ < 0)
        return;
    const LibrarySheet &sheet = library_.Sheets()[std::size_t(librarySheet_)];
    const int row = UseLibrarySheet(*definitions_, sheet);
    if (row == listBox1_->count())
        listBox1_->addItem(CardDefName(sheet.Layout));
    selectRow(row);
    recentSheets_.Use(LibrarySheetName(sheet));
    IniFile ini(settingsFile());
    recentSheets_.Save(ini);
}

// The entry that is the current sheet itself, name included, is preferred over others with the same
// numbers: edit and delete act on the working copy, the current sheet, and write it into the
// selected entry, which must then not be another sheet that merely has the same numbers.
void TfrmPaperSetup::SelectCurrentDefinition(const TCardDef &current)
{
    int sameLayout = -1;
    int sameSheet = -1;
    for (std::size_t i = 0; i < definitions_->size(); ++i) {
        const TCardDef &entry = (*definitions_)[i];
        if (!SameCardLayout(entry, current))
            continue;
        sameLayout = int(i);
        if (CardDefNameBytes(entry) == CardDefNameBytes(current) && entry.System == current.System)
            sameSheet = int(i);
    }
    int found = sameSheet >= 0 ? sameSheet : sameLayout;
    if (found < 0) {
        TCardDef copy = current;
        copy.System = 0;
        definitions_->push_back(copy);
        listBox1_->addItem(CardDefName(copy));
        found = int(definitions_->size()) - 1;
    }
    selectRow(found);
    workingCopy_ = current;
    updatePreview();
}

int TfrmPaperSetup::SelectedIndex() const
{
    return listBox1_->currentRow();
}

int TfrmPaperSetup::GuessMark() const
{
    return guessMark_->checkedId();
}

void TfrmPaperSetup::SetGuessMark(int guessMark)
{
    if (guessMark < 0) {
        guessMark_->setExclusive(false);
        for (QAbstractButton *item : guessMark_->buttons())
            item->setChecked(false);
        guessMark_->setExclusive(true);
    } else {
        guessMark_->button(std::min(guessMark, 2))->setChecked(true);
    }
    updatePreview();
}

void TfrmPaperSetup::accept()
{
    useLibrarySheet();
    QDialog::accept();
    RunGuarded([this] { SaveCardDefs(*definitions_); }, this);
}

void TfrmPaperSetup::readSheet()
{
    sheet_ = {};
    if (!printerAvailable_)
        return;
    sheet_ = {.PhysicalSize = printer_.GetPhysicalSize(),
              .PhysicalPaperSizeTenthMm = printer_.GetPhysicalPaperSize(),
              .PhysicalOffset = printer_.GetPhysicalOffset(),
              .PrintableSize = printer_.GetPrintableSize(),
              .Resolution = printer_.GetResolution(),
              .Adjustment = printer_.CurrentAdjustment()};
}

void TfrmPaperSetup::readBackPlacement()
{
    PaperPreviewCards cards = pbPaper_->Cards();
    if (!cards.Back)
        return;
    cards.BackPlacement = KeptBackSidePlacement(printer_.Printer());
    pbPaper_->SetCards(cards);
}

void TfrmPaperSetup::updatePaperLabel()
{
    if (!printerAvailable_ || busy_)
        return;
    busy_ = true;
    const WaitCursor waiting;
    try {
        const int index = printer_.GetPaperSizeIndex();
        paperName_ = printer_.GetPaperSizeNames().value(index);
        lblPaper_->setText(QStringLiteral("< %1 >").arg(paperName_));
    } catch (...) {
        busy_ = false;
        throw;
    }
    updatePreview();
    busy_ = false;
}

void TfrmPaperSetup::selectRow(int row)
{
    selecting_ = true;
    listBox1_->setCurrentRow(row);
    selecting_ = false;
}

void TfrmPaperSetup::selectionChanged()
{
    const int row = listBox1_->currentRow();
    if (row >= 0) {
        librarySheet_ = -1;
        lstLibrary_->clearSelection();
    }
    if (row >= 0 && std::size_t(row) < definitions_->size())
        workingCopy_ = (*definitions_)[std::size_t(row)];
    updatePreview();
}

void TfrmPaperSetup::editDefinition()
{
    const int row = listBox1_->currentRow();
    if (row < 0)
        return;
    TfrmEditCard dialog(this);
    dialog.LoadCardDef(workingCopy_, workingCopy_.System == 0);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.StoreCardDef(workingCopy_);
    listBox1_->item(row)->setText(CardDefName(workingCopy_));
    (*definitions_)[std::size_t(row)] = workingCopy_;
    updatePreview();
}

void TfrmPaperSetup::addDefinition()
{
    TfrmEditCard dialog(this);
    dialog.LoadCardDef(workingCopy_, true);
    dialog.SetName(newDefinitionName());
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.StoreCardDef(workingCopy_);
    updatePreview();
    workingCopy_.System = 0;
    definitions_->push_back(workingCopy_);
    listBox1_->addItem(CardDefName(workingCopy_));
    selectRow(listBox1_->count() - 1);
}

void TfrmPaperSetup::deleteDefinition()
{
    const int row = listBox1_->currentRow();
    if (row < 0)
        return;
    if (listBox1_->count() == 1) {
        VkMessageBox(tr("全ての定義を削除することは出来ません。"), MB_OK | MB_ICONSTOP, this);
        return;
    }
    const QString name = listBox1_->item(row)->text();
    if (workingCopy_.System != 0) {
        VkMessageBox(tr("『%1』 は、システムで用意した定義です。\n"
                        "ユーザ自信で作成した定義以外は削除できません。")
                         .arg(name),
                     MB_OK | MB_ICONSTOP, this);
        return;
    }
    if (VkMessageBox(tr("『%1』 の定義を削除してもよろしいですか？").arg(name), MB_YESNO | MB_ICONQUESTION,
                     this) != IDYES)
        return;
    delete listBox1_->takeItem(row);
    definitions_->erase(definitions_->begin() + row);
    selectRow(std::min(row, listBox1_->count() - 1));
    selectionChanged();
}

void TfrmPaperSetup::moveSelected(int step)
{
    const int row = listBox1_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= listBox1_->count())
        return;
    std::swap((*definitions_)[std::size_t(row)], (*definitions_)[std::size_t(target)]);
    selecting_ = true;
    listBox1_->insertItem(target, listBox1_->takeItem(row));
    listBox1_->setCurrentRow(target);
    selecting_ = false;
}

void TfrmPaperSetup::runPrinterSetup()
{
    if (!printerSetupDialog_.Execute(this))
        return;
    // The paper or the printer may have changed, so the sheet is read again as well, and where the
    // back lands, which is kept for each printer.
    const auto refresh = [this] {
        readSheet();
        readBackPlacement();
        updatePaperLabel();
    };
    try {
        refresh();
    } catch (...) {
        updatePreview();
        throw;
    }
}

void TfrmPaperSetup::SetPreviewCards(const PaperPreviewCards &cards)
{
    designedCard_ = cards.Card;
    designedBack_ = cards.Back;
    turnedCard_.reset();
    turnedBack_.reset();
    pbPaper_->SetCards(cards);
    sideSwitch_->Refresh();
    placePaperLabel();
    if (designedCard_)
        SetOrientation(designedCard_->Orientation());
    showOrientation();
}

TCardOrientation TfrmPaperSetup::Orientation() const
{
    return TCardOrientation(std::max(orientation_->checkedId(), int(coLandscape)));
}

void TfrmPaperSetup::SetOrientation(TCardOrientation orientation)
{
    orientation_->button(orientation)->setChecked(true);
    showOrientation();
}

// The preview draws copies of the card turned as chosen, so the card itself changes only with OK.
void TfrmPaperSetup::showOrientation()
{
    PaperPreviewCards cards = pbPaper_->Cards();
    cards.Card = orientedCard(designedCard_, turnedCard_);
    cards.Back = orientedCard(designedBack_, turnedBack_);
    pbPaper_->SetCards(cards);
    updatePreview();
}

const TVkVellumPanel *TfrmPaperSetup::orientedCard(const TVkVellumPanel *designed,
                                                   std::unique_ptr<TVkVellumPanel> &copy)
{
    if (!designed || designed->Orientation() == Orientation())
        return designed;
    if (!copy)
        copy = std::make_unique<TVkVellumPanel>(*designed);
    copy->SetOrientation(Orientation());
    return copy.get();
}

void TfrmPaperSetup::placePaperLabel()
{
    // The paper's name makes room for the switch between the sides.
    const QRect laidOut = sideSwitch_->isHidden() ? QRect(196 + kLibraryWidth, 8, 263, 16)
                                                  : QRect(290 + kLibraryWidth, 8, 169, 16);
    lblPaper_->setGeometry(laidOut.translated(width() - kLaidOutSize.width(), 0));
}

void TfrmPaperSetup::anchor(QWidget *control, int how)
{
    anchored_.push_back({control, control->geometry(), how});
}

void TfrmPaperSetup::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int extraWidth = std::max(width() - kLaidOutSize.width(), 0);
    const int extraHeight = std::max(height() - kLaidOutSize.height(), 0);
    for (const Anchored &each : anchored_) {
        QRect placed = each.laidOut;
        if (each.how & kGrowWidth)
            placed.setWidth(placed.width() + extraWidth);
        if (each.how & kGrowHeight)
            placed.setHeight(placed.height() + extraHeight);
        placed.translate(each.how & kFollowRight ? extraWidth : 0,
                         each.how & kFollowBottom ? extraHeight : 0);
        each.control->setGeometry(placed);
    }
    placePaperLabel();
}

std::int64_t TfrmPaperSetup::StartCell() const
{
    return pbPaper_->Cards().StartCell;
}

void TfrmPaperSetup::updatePreview()
{
    pbPaper_->SetSheet(printerAvailable_ ? sheet_ : PaperPreviewSheet(), workingCopy_);
    PaperPreviewCards cards = pbPaper_->Cards();
    cards.GuessMark = std::max(GuessMark(), 0);
    cards.StartCell = StartCellOnSheet(cards.StartCell, workingCopy_);
    pbPaper_->SetCards(cards);
    const bool runsOff =
        printerAvailable_ && !CardSheetFitsPaper(workingCopy_, sheet_.PhysicalPaperSizeTenthMm);
    lblFit_->setText(
        runsOff ? tr("カードの配置が用紙 %1 に収まりません。はみ出す部分は印刷されません。").arg(paperName_)
                : QString());
}

bool TfrmPaperSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listBox1_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_PageUp: moveSelected(-1); return true;
        case Qt::Key_PageDown: moveSelected(1); return true;
        case Qt::Key_Insert: RunGuarded([this] { addDefinition(); }, this); break;
        case Qt::Key_Delete: RunGuarded([this] { deleteDefinition(); }, this); break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// F1 that no control takes opens the dialog's own help topic, as the help button does.
void TfrmPaperSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(HelpPaperSetupDialog, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmPaperSetup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
