#include "ui/help/TfrmVersion.h"

#include "model/platform/ProgramVersion.h"
#include "ui/help/HomePage.h"
#include "ui/help/TVkUrlLabel.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/ProgramDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr TColor kBlue = RGBToColor(0, 0, 255);
constexpr TColor kYellow = RGBToColor(255, 255, 0);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    return label;
}

QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption, const QString &hint)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setToolTip(hint);
    item->setStatusTip(hint);
    return item;
}

} // namespace

TfrmVersion::TfrmVersion(QWidget *owner) : QDialog(owner)
{
    SetUpProgramDialog(*this, QStringLiteral("frmVersion"), tr("バージョン情報"));
    setFixedSize(306, 115);

    QLabel *icon = addLabel(this, "imgIcon", QString(), QPoint(23, 28));
    icon->setFixedSize(32, 32);
    icon->setPixmap(windowIcon().pixmap(32, 32));
    icon->setScaledContents(true);

    QLabel *product =
        addLabel(this, "lblProduct", QStringLiteral("VELLUMIA VERSION ") + kProgramVersion, QPoint(73, 14));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    product->adjustSize();
    addLabel(this, "lblDescription", tr("名刺のデザインと印刷"), QPoint(91, 32))->adjustSize();

    urlLabel_ = new TVkUrlLabel(this);
    urlLabel_->setObjectName(QStringLiteral("lblUrl"));
    urlLabel_->setText(kHomePageAddress);
    urlLabel_->setToolTip(tr("ホームページを開きます。"));
    QFont link = bold;
    link.setUnderline(true);
    urlLabel_->setFont(link);
    urlLabel_->SetFontColor(kBlue);
    urlLabel_->SetMouseOverColor(clRed);
    urlLabel_->SetMouseDownColor(kYellow);
    urlLabel_->move(90, 50);
    urlLabel_->adjustSize();

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pmnUrl"));
    menu->setToolTipsVisible(true);
    QAction *open = addMenuItem(menu, "pmnOpen", tr("開く(&O)"), tr("このURLを開きます。"));
    QAction *copy =
        addMenuItem(menu, "pmnCopy", tr("コピー(&C)"), tr("このURLをクリップボードにコピーします。"));
    connect(open, &QAction::triggered, this, [this] { urlLabel_->Click(); });
    connect(copy, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(urlLabel_->text()); });
    urlLabel_->SetPopupMenu(menu);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(111, 80, 85, 24);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmVersion::showEvent(QShowEvent *event)
{
    if (!centred_) {
        CenterOnScreen(this);
        centred_ = true;
    }
    QDialog::showEvent(event);
}
