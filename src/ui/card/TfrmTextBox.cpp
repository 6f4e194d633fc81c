#include "ui/card/TfrmTextBox.h"

#include "model/card/TextLimit.h"
#include "model/platform/ColorText.h"
#include "model/platform/Cp932.h"
#include "model/platform/FontSubstitutions.h"
#include "model/platform/IniFile.h"
#include "model/platform/LineListText.h"
#include "model/platform/ProgramFolder.h"
#include "ui/merge/MergeFieldButton.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString kTextBoxSection = QStringLiteral("TextBox");
const QString kFontSection = QStringLiteral("Font");
const QString kDefaultFace = QStringLiteral("ＭＳ Ｐゴシック");
// Stands for a missing "Position" key: the dialog then keeps the place the desktop gives it.
const QString kNoPosition = QStringLiteral("<none>");
constexpr int kDefaultFontSize = 12;
constexpr int kSmallestFontSize = 4;
constexpr int kLargestFontSize = 200;

// A family that more than one foundry supplies is listed as "Name [Foundry]"; the card stores and
// draws a face by its name alone, so the list names it once.
QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
    return bracket > 0 && family.endsWith(u']') ? family.left(bracket) : family;
}

// A face in the list: the name the card stores, and the installed face that draws it when that is
// another one.
struct ListedFace {
    QString face;
    QString drawnBy;
};

// The installed faces, and the faces cards name that are drawn through an installed look-alike
// (the default face among them), which are as usable as any installed one.
std::vector<ListedFace> listedFaces()
{
    std::vector<ListedFace> faces;
    QStringList installed;
    for (const QString &family : QFontDatabase::families()) {
        // A face whose name the card document cannot store would come back as another face.
        if (!QFontDatabase::isPrivateFamily(family) && Cp932::UnencodableCharacters(family).isEmpty())
            installed << withoutFoundry(family);
    }
    installed.removeDuplicates();
    for (const QString &face : installed)
        faces.push_back({face, QString()});
    for (const FontSubstitution &substitution : FontSubstitutions()) {
        if (!installed.contains(substitution.face, Qt::CaseInsensitive) &&
            installed.contains(substitution.drawnBy, Qt::CaseInsensitive))
            faces.push_back({substitution.face, substitution.drawnBy});
    }
    std::sort(faces.begin(), faces.end(), [](const ListedFace &a, const ListedFace &b) {
        return a.face.compare(b.face, Qt::CaseInsensitive) < 0;
    });
    return faces;
}

// "left,top,right,bottom" as four whole numbers, or nothing.
std::optional<QRect> parsePosition(const QString &text)
{
    const QStringList items = TextToLineList(text);
    if (items.size() != 4)
        return std::nullopt;
    qint64 values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = items[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    constexpr qint64 kLargest = 100000;
    const auto width = int(std::clamp<qint64>(values[2] - values[0], 0, kLargest));
    const auto height = int(std::clamp<qint64>(values[3] - values[1], 0, kLargest));
    return QRect(int(values[0]), int(values[1]), width, height);
}

QString positionText(const QRect &rect)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.left() + rect.width())
        .arg(rect.top() + rect.height());
}

} // namespace

TfrmTextBox::TfrmTextBox(TColor cardColor, QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmTextBox"), tr("テキスト入力"));
    setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *toolBar = new QWidget(this);
    auto *toolBarLayout = new QHBoxLayout(toolBar);
    toolBarLayout->setContentsMargins(3, 3, 3, 3);
    toolBarLayout->setSpacing(3);
    buildToolBar(toolBarLayout);
    layout->addWidget(toolBar);

    // Two more rows, so that the dialog stays as narrow as the font row lets it be.
    QHBoxLayout *rows[2];
    for (QHBoxLayout *&row : rows) {
        auto *bar = new QWidget(this);
        row = new QHBoxLayout(bar);
        row->setContentsMargins(3, 0, 3, 3);
        row->setSpacing(3);
        layout->addWidget(bar);
    }
    buildTypesettingBars(rows[0], rows[1]);

    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control, as in any dialog, instead of typing a character that a
    // card's text has no use for.
    Memo1_->setTabChangesFocus(true);
    QPalette memoPalette = Memo1_->palette();
    memoPalette.setColor(QPalette::Base, ColorToQColor(cardColor));
    Memo1_->setPalette(memoPalette);
    layout->addWidget(Memo1_, 1);

    auto *buttonBar = new QHBoxLayout;
    buttonBar->setContentsMargins(8, 8, 10, 8);
    // Set here: a nested layout would otherwise take the outer layout's spacing of 0.
    buttonBar->setSpacing(11);
    buttonBar->addStretch(1);
    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnOK_->setAutoDefault(false);
    btnCancel_ = new QPushButton(tr("キャンセル"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setAutoDefault(false);
    for (QPushButton *button : {btnOK_, btnCancel_}) {
        button->setMinimumWidth(85);
        buttonBar->addWidget(button);
    }
    layout->addLayout(buttonBar);

    connect(btnOK_, &QPushButton::clicked, this, &TfrmTextBox::btnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    resize(429, 314);
    readSettings();
    Memo1_->setFocus();
}

TfrmTextBox::~TfrmTextBox()
{
    writeSettings();
}

void TfrmTextBox::buildToolBar(QHBoxLayout *bar)
{
    SpeedButton1_ = new QToolButton(this);
    SpeedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1_->setToolTip(tr("文字の色を設定します。"));
    SpeedButton1_->setMinimumSize(23, 22);
    bar->addWidget(SpeedButton1_);
    connect(SpeedButton1_, &QToolButton::clicked, this, &TfrmTextBox::SpeedButton1Click);

    cmbFontName_ = new QComboBox(this);
    cmbFontName_->setObjectName(QStringLiteral("cmbFontName"));
    cmbFontName_->setToolTip(tr("フォントを指定します。"));
    cmbFontName_->setMaxVisibleItems(16);
    // The desktop style would otherwise open the list as a menu as tall as the screen.
    cmbFontName_->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    cmbFontName_->setMinimumWidth(152);
    cmbFontName_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const ListedFace &listed : listedFaces()) {
        cmbFontName_->addItem(listed.face);
        if (!listed.drawnBy.isEmpty())
            cmbFontName_->setItemData(cmbFontName_->count() - 1, tr("%1 で表示します").arg(listed.drawnBy),
                                      Qt::ToolTipRole);
    }
    // The open list is as wide as its longest name, not cut to the width of the closed box.
    int widestFace = 0;
    for (int i = 0; i < cmbFontName_->count(); ++i)
        widestFace =
            std::max(widestFace, cmbFontName_->fontMetrics().horizontalAdvance(cmbFontName_->itemText(i)));
    cmbFontName_->view()->setMinimumWidth(widestFace + 2 * cmbFontName_->fontMetrics().height() +
                                          style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    cmbFontName_->setCurrentIndex(-1);
    bar->addWidget(cmbFontName_);

    edtFontSize_ = new QSpinBox(this);
    edtFontSize_->setObjectName(QStringLiteral("edtFontSize"));
    edtFontSize_->setToolTip(tr("フォントサイズを指定します。"));
    edtFontSize_->setRange(kSmallestFontSize, kLargestFontSize);
    edtFontSize_->setValue(kDefaultFontSize);
    edtFontSize_->setMinimumWidth(55);
    bar->addWidget(edtFontSize_);
    lblPrintedSize_ = new QLabel(this);
    lblPrintedSize_->setObjectName(QStringLiteral("lblPrintedSize"));
    lblPrintedSize_->setToolTip(tr("印刷される文字の大きさです。カードは画面に 1 mm を 5 ピクセルで"
                                   "表示するため、サイズの数字と印刷時のポイント数は異なります。"));
    bar->addWidget(lblPrintedSize_);

    btnBold_ = addStyleButton(bar, "btnBold", QStringLiteral("B"), tr("太字"),
                              [](QFont &font) { font.setBold(true); });
    btnItalic_ = addStyleButton(bar, "btnItalic", QStringLiteral("I"), tr("斜体"),
                                [](QFont &font) { font.setItalic(true); });
    btnUnderline_ = addStyleButton(bar, "btnUnderline", QStringLiteral("U"), tr("アンダーライン"),
                                   [](QFont &font) { font.setUnderline(true); });
    btnStrikeOut_ = addStyleButton(bar, "btnStrikeOut", QStringLiteral("S"), tr("取消線"),
                                   [](QFont &font) { font.setStrikeOut(true); });
    bar->addStretch(1);

    connect(cmbFontName_, &QComboBox::currentIndexChanged, this, &TfrmTextBox::cmbFontNameChange);
    connect(edtFontSize_, &QSpinBox::valueChanged, this, &TfrmTextBox::cmbFontNameChange);
}

void TfrmTextBox::buildTypesettingBars(QHBoxLayout *bar, QHBoxLayout *spacingBar)
{
    btnVertical_ =
        addTextButton(bar, "btnVertical", tr("縦書き"), tr("文字を上から下へ、行を右から左へ並べます。"));
    btnUprightDigits_ = addTextButton(bar, "btnUprightDigits", tr("縦中横"),
                                      tr("縦書きの中の1～2桁の半角数字を横に並べて立てます。"));
    bar->addSpacing(8);
    alignmentButtons_ = new QButtonGroup(this);
    const struct {
        const char *name;
        const char *label;
        TTextAlignment alignment;
    } alignments[] = {{"btnAlignLeft", QT_TRANSLATE_NOOP("TfrmTextBox", "左揃え"), taLeftJustify},
                      {"btnAlignCenter", QT_TRANSLATE_NOOP("TfrmTextBox", "中央揃え"), taCenter},
                      {"btnAlignRight", QT_TRANSLATE_NOOP("TfrmTextBox", "右揃え"), taRightJustify}};
    for (const auto &alignment : alignments) {
        QToolButton *button = addTextButton(bar, alignment.name, tr(alignment.label), QString());
        alignmentButtons_->addButton(button, alignment.alignment);
    }
    alignmentButtons_->button(taLeftJustify)->setChecked(true);
    bar->addStretch(1);

    const auto addLabel = [this, spacingBar](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
        spacingBar->addWidget(label);
        spacingBar->addWidget(buddy);
    };
    edtLineSpacing_ = new QSpinBox(this);
    edtLineSpacing_->setObjectName(QStringLiteral("edtLineSpacing"));
    edtLineSpacing_->setToolTip(tr("行の間隔を、フォントの行の高さに対する割合で指定します。"));
    edtLineSpacing_->setRange(TextStyle::kMinLineSpacing, TextStyle::kMaxLineSpacing);
    edtLineSpacing_->setSingleStep(10);
    edtLineSpacing_->setSuffix(QStringLiteral(" %"));
    edtLineSpacing_->setValue(100);
    addLabel(tr("行間"), edtLineSpacing_);
    spacingBar->addSpacing(8);

    // Shown in points with one decimal; the text object keeps tenths of a point.
    edtLetterSpacing_ = new QDoubleSpinBox(this);
    edtLetterSpacing_->setObjectName(QStringLiteral("edtLetterSpacing"));
    edtLetterSpacing_->setToolTip(tr("文字の間に加える間隔をポイントで指定します。"));
    edtLetterSpacing_->setDecimals(1);
    edtLetterSpacing_->setSingleStep(0.5);
    edtLetterSpacing_->setRange(TextStyle::kMinLetterSpacing / 10.0, TextStyle::kMaxLetterSpacing / 10.0);
    edtLetterSpacing_->setSuffix(QStringLiteral(" pt"));
    addLabel(tr("字間"), edtLetterSpacing_);
    spacingBar->addStretch(1);
    buildMergeFieldButton(spacingBar);

    connect(btnVertical_, &QToolButton::toggled, this, &TfrmTextBox::updateAlignmentHints);
    updateAlignmentHints();
}

QToolButton *TfrmTextBox::addTextButton(QHBoxLayout *bar, const char *name, const QString &label,
                                        const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setText(label);
    button->setAccessibleName(label);
    button->setToolTip(hint);
    bar->addWidget(button);
    return button;
}

// In vertical text the alignment buttons move lines to the top, the middle and the bottom.
void TfrmTextBox::updateAlignmentHints()
{
    const bool vertical = btnVertical_->isChecked();
    alignmentButtons_->button(taLeftJustify)
        ->setToolTip(vertical ? tr("各行を上に揃えます。") : tr("各行を左に揃えます。"));
    alignmentButtons_->button(taCenter)->setToolTip(vertical ? tr("各行を上下の中央に揃えます。")
                                                             : tr("各行を左右の中央に揃えます。"));
    alignmentButtons_->button(taRightJustify)
        ->setToolTip(vertical ? tr("各行を下に揃えます。") : tr("各行を右に揃えます。"));
    btnUprightDigits_->setEnabled(vertical);
}

TextStyle TfrmTextBox::Typesetting() const
{
    TextStyle style;
    style.Vertical = btnVertical_->isChecked();
    style.Alignment = TTextAlignment(std::max(0, alignmentButtons_->checkedId()));
    style.LineSpacing = edtLineSpacing_->value();
    style.LetterSpacing = int(std::lround(edtLetterSpacing_->value() * 10));
    style.UprightDigits = btnUprightDigits_->isChecked();
    return style;
}

void TfrmTextBox::SetTypesetting(const TextStyle &style)
{
    btnVertical_->setChecked(style.Vertical);
    if (QAbstractButton *alignment = alignmentButtons_->button(style.Alignment))
        alignment->setChecked(true);
    edtLineSpacing_->setValue(style.LineSpacing);
    edtLetterSpacing_->setValue(style.LetterSpacing / 10.0);
    btnUprightDigits_->setChecked(style.UprightDigits);
}

QToolButton *TfrmTextBox::addStyleButton(QHBoxLayout *bar, const char *name, const QString &letter,
                                         const QString &hint, void (*style)(QFont &))
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setToolTip(hint);
    button->setText(letter);
    QFont letterFont = QFont(QStringLiteral("Liberation Serif"));
    letterFont.setPixelSize(15);
    style(letterFont);
    button->setFont(letterFont);
    button->setMinimumSize(23, 22);
    bar->addWidget(button);
    connect(button, &QToolButton::clicked, this, &TfrmTextBox::SetFontStyle);
    return button;
}

void TfrmTextBox::buildMergeFieldButton(QHBoxLayout *bar)
{
    btnMergeField_ = new MergeFieldButton(this);
    btnMergeField_->OnField = [this](const QString &field) {
        Memo1_->insertPlainText(field);
        Memo1_->setFocus();
    };
    bar->addWidget(btnMergeField_);
}

void TfrmTextBox::SetMergeColumns(const QStringList &columns)
{
    btnMergeField_->SetColumns(columns);
}

void TfrmTextBox::readSettings()
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    placeFromSettings(ini.ReadString(kTextBoxSection, QStringLiteral("Position"), kNoPosition));

    const QSignalBlocker blockFaces(cmbFontName_);
    const QSignalBlocker blockSize(edtFontSize_);
    selectFace(ini.ReadString(kFontSection, QStringLiteral("FontName"), kDefaultFace));
    edtFontSize_->setValue(ini.ReadInteger(kFontSection, QStringLiteral("FontSize"), kDefaultFontSize));
    memoFont_.Color =
        TextToColor(ini.ReadString(kFontSection, QStringLiteral("FontColor"), QStringLiteral("clBlack")))
            .value_or(clBlack);
    btnBold_->setChecked(ini.ReadBool(kFontSection, QStringLiteral("Bold"), false));
    btnItalic_->setChecked(ini.ReadBool(kFontSection, QStringLiteral("Italic"), false));
    btnUnderline_->setChecked(ini.ReadBool(kFontSection, QStringLiteral("Underline"), false));
    btnStrikeOut_->setChecked(ini.ReadBool(kFontSection, QStringLiteral("StrikeOut"), false));
    SetLines(TextToLineList(ini.ReadString(kFontSection, QStringLiteral("Text"), QString())));

    TextStyle style;
    style.Vertical = ini.ReadBool(kTextBoxSection, QStringLiteral("Vertical"), false);
    const int alignment = ini.ReadInteger(kTextBoxSection, QStringLiteral("Alignment"), taLeftJustify);
    style.Alignment = alignment >= 0 && alignment <= taCenter ? TTextAlignment(alignment) : taLeftJustify;
    style.LineSpacing = ini.ReadInteger(kTextBoxSection, QStringLiteral("LineSpacing"), 100);
    style.LetterSpacing = ini.ReadInteger(kTextBoxSection, QStringLiteral("LetterSpacing"), 0);
    style.UprightDigits = ini.ReadBool(kTextBoxSection, QStringLiteral("UprightDigits"), false);
    SetTypesetting(style);

    SetFontStyle();
    cmbFontNameChange();
}

void TfrmTextBox::placeFromSettings(const QString &position)
{
    if (position == kNoPosition)
        return;
    const QRect rect = parsePosition(position).value_or(QRect(0, 0, 600, 400));
    setGeometry(FitOnScreen(rect, this));
}

void TfrmTextBox::writeSettings()
{
    IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    ini.WriteTogether([this, &ini] {
        const QRect restored = normalGeometry().isValid() ? normalGeometry() : geometry();
        ini.WriteString(kTextBoxSection, QStringLiteral("Position"), positionText(restored));
        // The face of the text, also when it is not installed here and the list shows none.
        ini.WriteString(kFontSection, QStringLiteral("FontName"), memoFont_.Name);
        ini.WriteInteger(kFontSection, QStringLiteral("FontSize"), edtFontSize_->value());
        ini.WriteString(kFontSection, QStringLiteral("FontColor"), ColorToText(memoFont_.Color));
        ini.WriteBool(kFontSection, QStringLiteral("Bold"), btnBold_->isChecked());
        ini.WriteBool(kFontSection, QStringLiteral("Italic"), btnItalic_->isChecked());
        ini.WriteBool(kFontSection, QStringLiteral("Underline"), btnUnderline_->isChecked());
        ini.WriteBool(kFontSection, QStringLiteral("StrikeOut"), btnStrikeOut_->isChecked());
        // A refused text is not remembered: it would be offered again, and could make the settings
        // file too large to be read at the next start.
        if (withinTextLimit())
            ini.WriteString(kFontSection, QStringLiteral("Text"), LineListToText(Lines()));
        const TextStyle style = Typesetting();
        ini.WriteBool(kTextBoxSection, QStringLiteral("Vertical"), style.Vertical);
        ini.WriteInteger(kTextBoxSection, QStringLiteral("Alignment"), style.Alignment);
        ini.WriteInteger(kTextBoxSection, QStringLiteral("LineSpacing"), style.LineSpacing);
        ini.WriteInteger(kTextBoxSection, QStringLiteral("LetterSpacing"), style.LetterSpacing);
        ini.WriteBool(kTextBoxSection, QStringLiteral("UprightDigits"), style.UprightDigits);
    });
}

void TfrmTextBox::SetMemoFont(const CardFont &font)
{
    {
        const QSignalBlocker blockFaces(cmbFontName_);
        const QSignalBlocker blockSize(edtFontSize_);
        selectFace(font.Name);
        edtFontSize_->setValue(font.SizeInPoints());
        btnBold_->setChecked(font.Style & fsBold);
        btnItalic_->setChecked(font.Style & fsItalic);
        btnUnderline_->setChecked(font.Style & fsUnderline);
        btnStrikeOut_->setChecked(font.Style & fsStrikeOut);
    }
    memoFont_ = font;
    showMemoFont();
}

CardFont TfrmTextBox::RememberedFont()
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    CardFont font;
    font.Name = ini.ReadString(kFontSection, QStringLiteral("FontName"), kDefaultFace);
    font.SetSizeInPoints(
        std::clamp(ini.ReadInteger(kFontSection, QStringLiteral("FontSize"), kDefaultFontSize),
                   kSmallestFontSize, kLargestFontSize));
    font.Color =
        TextToColor(ini.ReadString(kFontSection, QStringLiteral("FontColor"), QStringLiteral("clBlack")))
            .value_or(clBlack);
    const std::pair<const char *, std::uint8_t> styles[] = {
        {"Bold", fsBold}, {"Italic", fsItalic}, {"Underline", fsUnderline}, {"StrikeOut", fsStrikeOut}};
    for (const auto &[key, style] : styles) {
        if (ini.ReadBool(kFontSection, QLatin1String(key), false))
            font.Style |= style;
    }
    return font;
}

QStringList TfrmTextBox::Lines() const
{
    // A line break after the last line ends that line; it does not start an empty one that would
    // make the text object a line taller.
    QStringList lines = Memo1_->toPlainText().split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TfrmTextBox::SetLines(const QStringList &lines)
{
    Memo1_->setPlainText(lines.join(u'\n'));
}

void TfrmTextBox::selectFace(const QString &face)
{
    cmbFontName_->setCurrentIndex(face.isEmpty() ? -1 : cmbFontName_->findText(face, Qt::MatchFixedString));
}

void TfrmTextBox::cmbFontNameChange()
{
    if (cmbFontName_->currentIndex() >= 0)
        memoFont_.Name = cmbFontName_->currentText();
    memoFont_.SetSizeInPoints(edtFontSize_->value());
    showMemoFont();
}

void TfrmTextBox::SetFontStyle()
{
    std::uint8_t style = 0;
    if (btnBold_->isChecked())
        style |= fsBold;
    if (btnItalic_->isChecked())
        style |= fsItalic;
    if (btnUnderline_->isChecked())
        style |= fsUnderline;
    if (btnStrikeOut_->isChecked())
        style |= fsStrikeOut;
    memoFont_.Style = style;
    showMemoFont();
}

void TfrmTextBox::SpeedButton1Click()
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(memoFont_.Color), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;
    memoFont_.Color = QColorToColor(chosen);
    showMemoFont();
}

void TfrmTextBox::btnOKClick()
{
    if (Memo1_->toPlainText().isEmpty()) {
        reject();
        return;
    }
    if (!withinTextLimit()) {
        VkMessageBox(tr("文字列が長すぎます。%1 文字までの文字列が使えます。").arg(kMaxTextLength),
                     MB_OK | MB_ICONEXCLAMATION, this);
        return;
    }
    accept();
}

bool TfrmTextBox::withinTextLimit() const
{
    return TextLength(Lines()) <= kMaxTextLength;
}

void TfrmTextBox::showMemoFont()
{
    Memo1_->setFont(memoFont_.ToQFont());
    QPalette memoPalette = Memo1_->palette();
    memoPalette.setColor(QPalette::Text, ColorToQColor(memoFont_.Color));
    Memo1_->setPalette(memoPalette);
    // A face that is not installed selects nothing; its name still shows, greyed, so that the empty
    // list does not look like a fault (a card's faces often come from another desktop).
    cmbFontName_->setPlaceholderText(memoFont_.Name);
    lblPrintedSize_->setText(tr("印刷時 %1 pt").arg(QLocale().toString(memoFont_.PrintedPoints(), 'f', 1)));
    updateColourIcon();
}

void TfrmTextBox::updateColourIcon()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    QFont letter(QStringLiteral("Liberation Serif"));
    letter.setPixelSize(13);
    letter.setBold(true);
    painter.setFont(letter);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(QRect(0, -1, 16, 13), Qt::AlignCenter, QStringLiteral("A"));
    painter.fillRect(QRect(1, 12, 14, 4), ColorToQColor(memoFont_.Color));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(1, 12, 13, 3));
    painter.end();
    SpeedButton1_->setIcon(QIcon(glyph));
}
