#include "ui/card/TVkOpenPictureDialog.h"

#include "model/picture/PictureLoader.h"
#include "model/picture/SvgReferences.h"
#include "ui/platform/DialogFont.h"
#include "ui/platform/FileDialogCompletion.h"
#include "ui/platform/FileDialogSize.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kPaintPanelWidth = 150;
constexpr int kPreviewHeight = 150;
constexpr int kLabelHeight = 23;

// The default filter: every extension the picture loader has a name for, then one entry each.
QString allPicturesFilter()
{
    return QCoreApplication::translate(
        "TVkOpenPictureDialog",
        "すべてのファイル "
        "(*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf|"
        "JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|"
        "Device Independent Bitmap (*.dib)|*.dib|ビットマップ (*.bmp)|*.bmp|アイコン (*.ico)|*.ico|"
        "エンハンス メタファイル (*.emf)|*.emf|メタファイル (*.wmf)|*.wmf");
}

// An 8 x 8 tile, white with both diagonals in silver: behind the picture, it shows where the
// picture ends and which of its parts are transparent.
QImage crossHatchTile()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::white);
    for (int i = 0; i < 8; ++i) {
        tile.setPixel(i, i, qRgb(192, 192, 192));
        tile.setPixel(7 - i, i, qRgb(192, 192, 192));
    }
    return tile;
}

// a * b / c rounded to the nearest whole number, halves away from zero, for non-negative values.
int scaledRounded(qint64 a, qint64 b, qint64 c)
{
    return int((2 * a * b + c) / (2 * c));
}

QString nameFilter(const QString &description, const QString &patterns)
{
    return description + QStringLiteral(" (") + QString(patterns).replace(u';', u' ') + u')';
}

// The long time format without a time zone name: the file's time is always shown as local time.
QString timeFormatWithoutZone(const QLocale &locale)
{
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format += c;
    }
    return format.trimmed();
}

// A vector picture is shown without what it names outside itself; the user is told it is not all there.
QString vectorText(const QString &path)
{
    const int removed = WithoutOutsideReferences(LoadSvgSource(path)).Removed;
    if (removed == 0)
        return QCoreApplication::translate("TVkOpenPictureDialog", "ベクター");
    return QCoreApplication::translate("TVkOpenPictureDialog", "ベクター（外部への参照 %1 個は描きません）")
        .arg(removed);
}

} // namespace

TVkOpenPictureDialog::TVkOpenPictureDialog(QWidget *owner) : QFileDialog(owner), pattern_(crossHatchTile())
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFont(DialogFont());
    setOption(QFileDialog::HideNameFilterDetails);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    SetFilter(allPicturesFilter());
    buildPreviewArea();
    // The file dialog's own size hint leaves a handful of rows for the files once the preview sits
    // below them.
    sizeFileDialogForReading(*this, picturePanel_->sizeHint().height());
    CloseCompletionWithDialog(*this);
    connect(this, &QFileDialog::currentChanged, this, &TVkOpenPictureDialog::selectionChanged);
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, &TVkOpenPictureDialog::nameTyped);
}

void TVkOpenPictureDialog::buildPreviewArea()
{
    picturePanel_ = new QFrame(this);
    picturePanel_->setObjectName(QStringLiteral("PicturePanel"));
    auto *panelLayout = new QHBoxLayout(picturePanel_);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->setSpacing(15);

    paintPanel_ = new QFrame(picturePanel_);
    paintPanel_->setObjectName(QStringLiteral("PaintPanel"));
    paintPanel_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    paintPanel_->setFixedSize(kPaintPanelWidth, kPreviewHeight);
    paintPanel_->setAutoFillBackground(true);
    auto *paintLayout = new QVBoxLayout(paintPanel_);
    paintLayout->setContentsMargins(0, 0, 0, 0);
    paintBox_ = new QWidget(paintPanel_);
    paintBox_->setObjectName(QStringLiteral("PaintBox"));
    paintBox_->installEventFilter(this);
    paintLayout->addWidget(paintBox_);
    panelLayout->addWidget(paintPanel_);
    SetPreviewBaseColor(previewBaseColor_);

    auto *textLayout = new QVBoxLayout;
    textLayout->setSpacing(1);
    for (int i = 0; i < 3; ++i) {
        labels_[i] = new QLabel(picturePanel_);
        labels_[i]->setObjectName(QStringLiteral("PictureLabel%1").arg(i + 1));
        labels_[i]->setMinimumSize(300, kLabelHeight);
        textLayout->addWidget(labels_[i]);
    }
    textLayout->addSpacing(kLabelHeight);
    previewCheckBox_ = new QCheckBox(tr("プレビュー(&P)"), picturePanel_);
    previewCheckBox_->setObjectName(QStringLiteral("PreviewCheckBox"));
    previewCheckBox_->setChecked(true);
    previewCheckBox_->setMinimumHeight(kLabelHeight);
    connect(previewCheckBox_, &QCheckBox::clicked, this, &TVkOpenPictureDialog::previewClicked);
    textLayout->addWidget(previewCheckBox_);
    textLayout->addStretch();
    panelLayout->addLayout(textLayout, 1);

    // The widget-based file dialog lays its controls out in a grid; the preview takes a new row below.
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(picturePanel_, grid->rowCount(), 0, 1, grid->columnCount());
}

bool TVkOpenPictureDialog::Execute()
{
    return exec() == QDialog::Accepted;
}

QString TVkOpenPictureDialog::FileName() const
{
    return selectedFiles().value(0);
}

void TVkOpenPictureDialog::SetFileName(const QString &fileName)
{
    selectFile(fileName);
}

void TVkOpenPictureDialog::SetInitialDir(const QString &folder)
{
    // No folder remembered yet starts where the program was started, as the other file dialogs do,
    // not at the list of drives.
    setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
}

void TVkOpenPictureDialog::SetFilter(const QString &filter)
{
    filter_ = filter;
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(nameFilter(parts[i], parts[i + 1]));
    setNameFilters(filters);
}

void TVkOpenPictureDialog::SetEnablePreview(bool enable)
{
    enablePreview_ = enable;
    previewCheckBox_->setChecked(enable);
    paintBox_->update();
}

void TVkOpenPictureDialog::SetPreviewBaseColor(TColor color)
{
    previewBaseColor_ = color;
    QPalette palette = paintPanel_->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    paintPanel_->setPalette(palette);
    paintPanel_->update();
}

void TVkOpenPictureDialog::showEvent(QShowEvent *event)
{
    preview_ = QImage();
    previewCheckBox_->setText(tr("プレビュー(&P)"));
    clearPreview();
    QFileDialog::showEvent(event);
}

void TVkOpenPictureDialog::done(int result)
{
    QFileDialog::done(result);
    QToolTip::hideText();
}

void TVkOpenPictureDialog::selectionChanged(const QString &path)
{
    currentPath_ = path;
    showPreviewOf(path);
}

// A name typed in full shows its picture as a file chosen in the list does; choosing one writes its
// name here too, and it is not read twice.
void TVkOpenPictureDialog::nameTyped(const QString &name)
{
    if (name.trimmed().isEmpty())
        return;
    const QString path = QDir(directory().absolutePath()).absoluteFilePath(name.trimmed());
    if (path != currentPath_ && QFileInfo(path).isFile())
        selectionChanged(path);
}

void TVkOpenPictureDialog::showPreviewOf(const QString &path)
{
    const QFileInfo info(path);
    if (!enablePreview_ || !info.isFile())
        return;
    const QString sizeText = FileSizeText(info.size());
    const QString dateText = FileDateText(info.lastModified());
    preview_ = LoadPictureFile(path);
    if (preview_.isNull()) {
        clearPreview();
        return;
    }
    // The depth is the file's own: 4-bit bitmaps, 24-bit PNGs and the like are read into wider images.
    const int fileDepth = PictureFileDepth(path);
    const QString depthText = IsSvgFileName(path) ? vectorText(path)
                              : fileDepth > 0     ? QStringLiteral("%1 bpp").arg(fileDepth)
                                                  : BitDepthText(preview_);
    labels_[0]->setText(
        tr("画像ｻｲｽﾞ：\t%1 x %2 pixels %3").arg(preview_.width()).arg(preview_.height()).arg(depthText));
    labels_[1]->setText(tr("ﾌｧｲﾙｻｲｽﾞ：\t") + sizeText);
    labels_[2]->setText(tr("最終更新：\t") + dateText);
    paintBox_->update();
}

void TVkOpenPictureDialog::clearPreview()
{
    for (QLabel *label : labels_)
        label->clear();
    preview_ = QImage();
    paintBox_->update();
}

void TVkOpenPictureDialog::previewClicked(bool checked)
{
    enablePreview_ = checked;
    if (!checked) {
        clearPreview();
        return;
    }
    showPreviewOf(currentPath_);
    paintBox_->update();
}

bool TVkOpenPictureDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == paintBox_ && event->type() == QEvent::Paint) {
        paintPreview();
        return true;
    }
    return QFileDialog::eventFilter(watched, event);
}

void TVkOpenPictureDialog::paintPreview()
{
    QPainter painter(paintBox_);
    painter.fillRect(paintBox_->rect(), QBrush(pattern_));
    if (!enablePreview_ || preview_.width() <= 0)
        return;
    painter.drawImage(PreviewRect(preview_.size(), paintBox_->size()), preview_);
}

QRect TVkOpenPictureDialog::PreviewRect(QSize picture, QSize box)
{
    const int w = picture.width(), h = picture.height();
    const int cw = box.width(), ch = box.height();
    if (w <= 0 || h <= 0)
        return QRect();
    if (cw >= w && ch >= h)
        return QRect((cw - w) / 2, (ch - h) / 2, w, h);
    // The side that meets the box first spans it; comparing the picture's proportions with the
    // box's keeps the other side inside the box too, whatever shape the box has.
    if (qint64(w) * ch > qint64(h) * cw) {
        const int scaledHeight = scaledRounded(h, cw, w);
        return QRect(0, (ch - scaledHeight) / 2, cw, scaledHeight);
    }
    const int scaledWidth = scaledRounded(w, ch, h);
    return QRect((cw - scaledWidth) / 2, 0, scaledWidth, ch);
}

QString TVkOpenPictureDialog::BitDepthText(const QImage &picture)
{
    switch (picture.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return QStringLiteral("1 bpp");
    case QImage::Format_Indexed8: return QStringLiteral("8 bpp");
    case QImage::Format_RGB555: return QStringLiteral("15 bpp");
    case QImage::Format_RGB16: return QStringLiteral("16 bpp");
    case QImage::Format_RGB888:
    case QImage::Format_BGR888: return QStringLiteral("24 bpp");
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return QStringLiteral("32 bpp");
    default: return QString();
    }
}

QString TVkOpenPictureDialog::FileSizeText(qint64 bytes)
{
    // The C locale leaves thousands ungrouped unless asked; the size is always grouped.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(bytes) + QStringLiteral(" bytes");
}

QString TVkOpenPictureDialog::FileDateText(const QDateTime &lastWrite)
{
    const QLocale locale;
    const QDateTime local = lastWrite.toLocalTime();
    const QTime time(local.time().hour(), local.time().minute(), local.time().second());
    QString text = locale.toString(local.date(), QLocale::ShortFormat);
    if (time != QTime(0, 0))
        text += u' ' + locale.toString(time, timeFormatWithoutZone(locale));
    return text;
}
