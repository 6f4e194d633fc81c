#include "ui/commands/ExportCommand.h"

#include "model/document/BmpCodec.h"
#include "model/picture/JpegEncoder.h"
#include "model/platform/FolderPart.h"
#include "ui/platform/MessageBox.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString kBitmapType = QStringLiteral("ビットマップイメージ(*.bmp *.dib)");
const QString kJpegType = QStringLiteral("JPEGイメージ(*.jpg)");
constexpr int kDefaultQuality = 80;

QString suffixOf(const QString &fileType)
{
    return fileType == kJpegType ? QStringLiteral("jpg") : QStringLiteral("bmp");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit())
        throw VkError(QStringLiteral("ファイル %1 を作成できません").arg(path));
}

// The quality box; none when the user cancelled it.
std::optional<int> askJpegQuality(QWidget *parent)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("JpegQuality"));
    box.setWindowTitle(QStringLiteral("JPEG保存品質"));
    box.setLabelText(QStringLiteral("1 (低品質)～100 (高品質)"));
    box.setTextValue(QString::number(kDefaultQuality));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return ParseJpegQuality(box.textValue());
}

} // namespace

int ParseJpegQuality(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    return ok ? int(std::clamp<qlonglong>(value, 1, 100)) : kDefaultQuality;
}

void WriteBmpFile(const QString &path, const QImage &picture)
{
    QByteArray bytes;
    BmpCodec::AppendBmp(bytes, picture);
    writeFile(path, bytes);
}

void WriteJpegFile(const QString &path, const QImage &picture, int quality)
{
    writeFile(path, EncodeJpeg(picture, quality));
}

QString ExportCommand::chooseFile()
{
    QFileDialog &dialog = *context_.SaveDialog;
    const QString cardSuffix = dialog.defaultSuffix();
    context_.PrepareSaveDialog(QStringLiteral("画像ファイルとして保存"), kBitmapType + ";;" + kJpegType);
    if (!fileType_.isEmpty())
        dialog.selectNameFilter(fileType_);
    // The extension added to a bare name follows the file type while the dialog is open.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    const QMetaObject::Connection following =
        QObject::connect(&dialog, &QFileDialog::filterSelected,
                         [&dialog](const QString &type) { dialog.setDefaultSuffix(suffixOf(type)); });
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // Taken before the card's extension is back, which the dialog would add to a bare name.
    const QString path = accepted ? dialog.selectedFiles().first() : QString();
    QObject::disconnect(following);
    dialog.setDefaultSuffix(cardSuffix);
    fileType_ = dialog.selectedNameFilter();
    return path;
}

bool ExportCommand::SaveAsBitmap()
{
    const QString path = chooseFile();
    if (path.isEmpty())
        return false;
    if (fileType_ == kJpegType) {
        const std::optional<int> quality = askJpegQuality(context_.DialogParent);
        if (!quality)
            return false;
        WriteJpegFile(path, context_.RenderCard(), *quality);
    } else {
        WriteBmpFile(path, context_.RenderCard());
    }
    *context_.SaveDirectory = FolderPart(path);
    return true;
}
