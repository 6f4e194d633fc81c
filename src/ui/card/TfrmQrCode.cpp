#include "ui/card/TfrmQrCode.h"

#include "model/picture/QrCode.h"
#include "model/picture/VCard.h"
#include "ui/card/QrCodePreview.h"
#include "ui/merge/MergeFieldButton.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTextPage = 0;
constexpr int kContactPage = 1;
constexpr int kPreviewSide = 168;

} // namespace

TfrmQrCode::TfrmQrCode(QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmQrCode"), tr("QRコード"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    auto *source = new QHBoxLayout;
    source->setSpacing(12);
    tabSource_ = new QTabWidget(this);
    tabSource_->setObjectName(QStringLiteral("tabSource"));
    source->addWidget(tabSource_, 1);
    buildTextPage();
    buildContactPage();
    source->addLayout(buildPreview());
    layout->addLayout(source);

    auto *options = new QFormLayout;
    cmbLevel_ = new QComboBox(this);
    cmbLevel_->setObjectName(QStringLiteral("cmbLevel"));
    cmbLevel_->addItems({tr("L (約7%)"), tr("M (約15%)"), tr("Q (約25%)"), tr("H (約30%)")});
    cmbLevel_->setCurrentIndex(qlMedium);
    options->addRow(tr("誤り訂正レベル(&E)："), cmbLevel_);
    edtQuietZone_ = new QSpinBox(this);
    edtQuietZone_->setObjectName(QStringLiteral("edtQuietZone"));
    edtQuietZone_->setRange(0, kMaxQrQuietZone);
    edtQuietZone_->setValue(kQrStandardQuietZone);
    edtQuietZone_->setSuffix(tr(" モジュール"));
    options->addRow(tr("余白(&Z)："), edtQuietZone_);
    layout->addLayout(options);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [ok, cancel] = AddProgramDialogButtons(
        *this, *buttons, {{"btnOK", QStringLiteral("OK")}, {"btnCancel", tr("キャンセル")}});
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TfrmQrCode::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(tabSource_, &QTabWidget::currentChanged, this, &TfrmQrCode::updateCode);
    connect(cmbLevel_, &QComboBox::currentIndexChanged, this, &TfrmQrCode::updateCode);
    connect(edtQuietZone_, &QSpinBox::valueChanged, this, &TfrmQrCode::updateCode);
}

QVBoxLayout *TfrmQrCode::buildPreview()
{
    auto *layout = new QVBoxLayout;
    // Level with the pages below the tabs.
    layout->addSpacing(tabSource_->tabBar()->sizeHint().height());
    preview_ = new QrCodePreview(this);
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    layout->addWidget(preview_);
    lblSize_ = new QLabel(this);
    lblSize_->setObjectName(QStringLiteral("lblQrSize"));
    lblSize_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblSize_->setWordWrap(true);
    lblSize_->setFixedWidth(kPreviewSide);
    layout->addWidget(lblSize_);
    btnMergeField_ = new MergeFieldButton(this);
    btnMergeField_->OnField = [this](const QString &field) { insertField(field); };
    layout->addWidget(btnMergeField_, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return layout;
}

void TfrmQrCode::SetMergeColumns(const QStringList &columns)
{
    btnMergeField_->SetColumns(columns);
}

// Into the box being typed in, which the menu leaves with the focus; else the page's first box.
void TfrmQrCode::insertField(const QString &field)
{
    auto *box = qobject_cast<QLineEdit *>(focusWidget());
    if (!box || !tabSource_->currentWidget()->isAncestorOf(box))
        box = tabSource_->currentIndex() == kTextPage ? edtText_ : edtName_;
    box->insert(field);
    box->setFocus();
}

void TfrmQrCode::buildTextPage()
{
    auto *page = new QWidget(tabSource_);
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(tr("テキストまたは URL(&T)："), page);
    edtText_ = new QLineEdit(page);
    edtText_->setObjectName(QStringLiteral("edtText"));
    edtText_->setMinimumWidth(360);
    label->setBuddy(edtText_);
    connect(edtText_, &QLineEdit::textChanged, this, &TfrmQrCode::updateCode);
    layout->addWidget(label);
    layout->addWidget(edtText_);
    layout->addStretch(1);
    tabSource_->insertTab(kTextPage, page, tr("テキスト・URL"));
}

QLineEdit *TfrmQrCode::addContactField(const char *name, const QString &label)
{
    QWidget *page = tabSource_->widget(kContactPage);
    auto *edit = new QLineEdit(page);
    edit->setObjectName(QLatin1String(name));
    connect(edit, &QLineEdit::textChanged, this, &TfrmQrCode::updateCode);
    static_cast<QFormLayout *>(page->layout())->addRow(label, edit);
    return edit;
}

void TfrmQrCode::buildContactPage()
{
    auto *page = new QWidget(tabSource_);
    new QFormLayout(page);
    tabSource_->insertTab(kContactPage, page, tr("連絡先 (vCard)"));
    edtName_ = addContactField("edtName", tr("名前(&N)："));
    edtReading_ = addContactField("edtReading", tr("ふりがな(&R)："));
    edtCompany_ = addContactField("edtCompany", tr("会社名(&C)："));
    edtTitle_ = addContactField("edtTitle", tr("役職(&J)："));
    edtPhone_ = addContactField("edtPhone", tr("電話(&P)："));
    edtMail_ = addContactField("edtMail", tr("メール(&M)："));
    edtAddress_ = addContactField("edtAddress", tr("住所(&A)："));
    edtUrl_ = addContactField("edtUrl", tr("URL(&U)："));
}

QString TfrmQrCode::Source() const
{
    if (tabSource_->currentIndex() == kTextPage)
        return edtText_->text();
    const VCardContact contact{edtName_->text(),  edtReading_->text(), edtCompany_->text(), edtTitle_->text(),
                               edtPhone_->text(), edtMail_->text(),    edtAddress_->text(), edtUrl_->text()};
    if (contact.Name.isEmpty() && contact.Company.isEmpty())
        return QString();
    return BuildVCard(contact);
}

void TfrmQrCode::SetSource(const QString &source)
{
    const std::optional<VCardContact> contact = ParseVCard(source);
    if (!contact) {
        edtText_->setText(source);
        tabSource_->setCurrentIndex(kTextPage);
        return;
    }
    edtName_->setText(contact->Name);
    edtReading_->setText(contact->Reading);
    edtCompany_->setText(contact->Company);
    edtTitle_->setText(contact->Title);
    edtPhone_->setText(contact->Phone);
    edtMail_->setText(contact->Mail);
    edtAddress_->setText(contact->Address);
    edtUrl_->setText(contact->Url);
    tabSource_->setCurrentIndex(kContactPage);
}

TQrLevel TfrmQrCode::Level() const
{
    return TQrLevel(cmbLevel_->currentIndex());
}

void TfrmQrCode::SetLevel(TQrLevel level)
{
    cmbLevel_->setCurrentIndex(level);
}

int TfrmQrCode::QuietZone() const
{
    return edtQuietZone_->value();
}

void TfrmQrCode::SetQuietZone(int modules)
{
    edtQuietZone_->setValue(modules);
}

// The code follows every change, so the preview shows what OK makes and how dense it is.
void TfrmQrCode::updateCode()
{
    const QString source = Source();
    modules_ = source.isEmpty() ? QImage() : EncodeQrCode(source, Level(), QuietZone());
    preview_->SetModules(modules_);
    if (source.isEmpty())
        lblSize_->clear();
    else if (modules_.isNull())
        lblSize_->setText(tr("QRコードに収まりません"));
    else
        lblSize_->setText(tr("%1 × %1 モジュール").arg(modules_.width() - 2 * QuietZone()));
}

void TfrmQrCode::tryAccept()
{
    if (Source().isEmpty()) {
        VkMessageBox(tabSource_->currentIndex() == kTextPage
                         ? tr("QRコードにするテキストを入力してください。")
                         : tr("名前か会社名を入力してください。"),
                     MB_OK | MB_ICONEXCLAMATION, this);
        return;
    }
    if (modules_.isNull()) {
        VkMessageBox(
            tr("テキストが長すぎて QRコードに収まりません。\n短くするか、誤り訂正レベルを下げてください。"),
            MB_OK | MB_ICONEXCLAMATION, this);
        return;
    }
    accept();
}

void TfrmQrCode::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
    if (tabSource_->currentIndex() == kTextPage)
        edtText_->setFocus();
    else
        edtName_->setFocus();
}
