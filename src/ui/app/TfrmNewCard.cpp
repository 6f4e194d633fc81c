#include "ui/app/TfrmNewCard.h"

#include "model/document/CardDocument.h"
#include "model/sheet/CardRenderer.h"
#include "ui/platform/ProgramDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// Every thumbnail fills a square of this many pixels, so that cards across and upright line up.
constexpr int kThumbnailBox = 150;
constexpr int kThumbnailMargin = 4;

struct SampleTitle {
    const char *baseName;
    const char *title;
};

// The titles of the sample designs that come with the program; another card in the folder is
// listed under its file name.
constexpr SampleTitle kSampleTitles[] = {
    {"01-landscape-ja-centred", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・和文・中央揃え")},
    {"02-landscape-ja-logo-left", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・和文・ロゴ左上")},
    {"03-landscape-ja-band", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・和文・色帯")},
    {"04-landscape-ja-qr-code", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・和文・QRコード付き")},
    {"05-landscape-ja-logo-right", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・和文・ロゴ右上")},
    {"06-landscape-en-centred", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・英文・中央揃え")},
    {"07-landscape-en-logo-left", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・英文・ロゴ左")},
    {"08-landscape-two-sided", QT_TRANSLATE_NOOP("TfrmNewCard", "横型・表は和文、裏は英文")},
    {"09-portrait-ja-vertical", QT_TRANSLATE_NOOP("TfrmNewCard", "縦型・和文・縦書き")},
    {"10-portrait-ja-vertical-logo", QT_TRANSLATE_NOOP("TfrmNewCard", "縦型・和文・縦書き・ロゴ付き")},
    {"11-portrait-ja-logo-top", QT_TRANSLATE_NOOP("TfrmNewCard", "縦型・和文・ロゴ上")},
    {"12-portrait-en-logo-top", QT_TRANSLATE_NOOP("TfrmNewCard", "縦型・英文・ロゴ上")},
    {"13-portrait-en-plain", QT_TRANSLATE_NOOP("TfrmNewCard", "縦型・英文・シンプル")},
};

// The card's picture centred in the thumbnail's square, framed as the card view frames it.
QPixmap framedThumbnail(const QImage &card)
{
    QPixmap thumbnail(kThumbnailBox + 2 * kThumbnailMargin, kThumbnailBox + 2 * kThumbnailMargin);
    thumbnail.fill(Qt::transparent);
    QPainter painter(&thumbnail);
    const QRect placed(
        QPoint((thumbnail.width() - card.width()) / 2, (thumbnail.height() - card.height()) / 2),
        card.size());
    painter.fillRect(placed.translated(2, 2), QColor(0, 0, 0, 60));
    painter.drawImage(placed.topLeft(), card);
    painter.setPen(Qt::darkGray);
    painter.drawRect(placed.adjusted(-1, -1, 0, 0));
    return thumbnail;
}

// The size a card of surface size takes in the thumbnail's square, its longer side filling it.
QSize thumbnailSize(QSize surface)
{
    const double scale = double(kThumbnailBox) / std::max({surface.width(), surface.height(), 1});
    return {std::max(1, int(std::lround(surface.width() * scale))),
            std::max(1, int(std::lround(surface.height() * scale)))};
}

} // namespace

TfrmNewCard::TfrmNewCard(const QString &samplesFolder, QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmNewCard"), tr("新規作成"));
    auto *layout = new QVBoxLayout(this);
    lstSamples_ = new QListWidget(this);
    lstSamples_->setObjectName(QStringLiteral("lstSamples"));
    lstSamples_->setAccessibleName(tr("新しいカードのひな形"));
    lstSamples_->setViewMode(QListView::IconMode);
    lstSamples_->setMovement(QListView::Static);
    lstSamples_->setResizeMode(QListView::Adjust);
    lstSamples_->setIconSize(
        QSize(kThumbnailBox + 2 * kThumbnailMargin, kThumbnailBox + 2 * kThumbnailMargin));
    lstSamples_->setGridSize(QSize(kThumbnailBox + 40, kThumbnailBox + 2 * kThumbnailMargin + 44));
    lstSamples_->setWordWrap(true);
    lstSamples_->setSpacing(4);
    lstSamples_->setUniformItemSizes(true);
    layout->addWidget(lstSamples_);
    AddOkCancelButtons(*this, *layout);

    addBlank(coLandscape, tr("白紙・横型"));
    addBlank(coPortraitClockwise, tr("白紙・縦型"));
    const QDir folder(samplesFolder);
    for (const QString &name : folder.entryList({QStringLiteral("*.vkc")}, QDir::Files, QDir::Name))
        addSample(folder.filePath(name));
    lstSamples_->setCurrentRow(0);
    connect(lstSamples_, &QListWidget::itemActivated, this, &QDialog::accept);
    // Four thumbnails across and three down show without scrolling.
    resize(4 * (kThumbnailBox + 48) + 40, 3 * (kThumbnailBox + 56) + 70);
}

QString TfrmNewCard::ChosenSample() const
{
    const QListWidgetItem *item = lstSamples_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

TCardOrientation TfrmNewCard::BlankOrientation() const
{
    const QListWidgetItem *item = lstSamples_->currentItem();
    return item ? TCardOrientation(item->data(Qt::UserRole + 1).toInt()) : coLandscape;
}

void TfrmNewCard::addBlank(TCardOrientation orientation, const QString &title)
{
    const QSize across(455, 275);
    QImage card(thumbnailSize(IsPortrait(orientation) ? across.transposed() : across), QImage::Format_RGB32);
    card.fill(Qt::white);
    addItem(framedThumbnail(card), title, QString(), orientation);
}

void TfrmNewCard::addSample(const QString &path)
{
    CardDocument reader;
    CardFileContent content = reader.ReadCardFile(path);
    if (!content.read.ok)
        return;
    const TVkVellumPanel &card = *content.surface;
    const QSize size = thumbnailSize(QSize(card.Width(), card.Height()));
    QImage picture;
    RenderCardToBitmap(card, picture, size.width(), size.height());
    const QString baseName = QFileInfo(path).completeBaseName();
    const auto known = std::ranges::find_if(kSampleTitles, [&baseName](const SampleTitle &sample) {
        return baseName == QLatin1String(sample.baseName);
    });
    const QString title = known != std::end(kSampleTitles) ? tr(known->title) : baseName;
    addItem(framedThumbnail(picture), title, path, card.Orientation());
}

void TfrmNewCard::addItem(const QPixmap &thumbnail, const QString &title, const QString &sample,
                          TCardOrientation orientation)
{
    auto *item = new QListWidgetItem(QIcon(thumbnail), title, lstSamples_);
    item->setData(Qt::UserRole, sample);
    item->setData(Qt::UserRole + 1, int(orientation));
    item->setData(Qt::AccessibleTextRole, title);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
}
