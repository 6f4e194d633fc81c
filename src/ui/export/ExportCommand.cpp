#include "ui/export/ExportCommand.h"

#include "model/output/OutputLimits.h"
#include "model/platform/FolderPart.h"
#include "ui/platform/MessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString bitmapType()
{
    return QCoreApplication::translate("ExportCommand", "ビットマップイメージ(*.bmp *.dib)");
}

QString jpegType()
{
    return QCoreApplication::translate("ExportCommand", "JPEGイメージ(*.jpg)");
}

QString pngType()
{
    return QCoreApplication::translate("ExportCommand", "PNGイメージ(*.png)");
}

QString pdfType()
{
    return QCoreApplication::translate("ExportCommand", "PDF ファイル(*.pdf)");
}

// The resolutions offered, 0 standing for the card surface's own size.
const QList<int> kResolutions{0, 300, 600};

PictureFileType typeOf(const QString &fileType)
{
    if (fileType == jpegType())
        return PictureFileType::Jpeg;
    if (fileType == pngType())
        return PictureFileType::Png;
    return PictureFileType::Bmp;
}

// The first extension a file type names, added to a name typed without one.
QString suffixOf(const QString &fileType)
{
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    return firstSuffix.match(fileType).captured(1);
}

QString resolutionText(int dpi)
{
    return dpi == 0 ? QCoreApplication::translate("ExportCommand", "画面と同じ大きさ (5 ピクセル/mm)")
                    : QStringLiteral("%1 dpi").arg(dpi);
}

// The quality box; none when the user cancelled it.
std::optional<int> askJpegQuality(QWidget *parent)
{
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("JpegQuality"));
    box.setWindowTitle(QCoreApplication::translate("ExportCommand", "JPEG保存品質"));
    box.setLabelText(QCoreApplication::translate("ExportCommand", "%1 (低品質)～%2 (高品質)")
                         .arg(OutputLimits::kLeastJpegQuality)
                         .arg(OutputLimits::kMostJpegQuality));
    box.setTextValue(QString::number(OutputLimits::kDefaultJpegQuality));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return ParseJpegQuality(box.textValue());
}

} // namespace

int ParseJpegQuality(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    return ok ? int(std::clamp<qlonglong>(value, OutputLimits::kLeastJpegQuality,
                                          OutputLimits::kMostJpegQuality))
              : OutputLimits::kDefaultJpegQuality;
}

std::optional<int> ExportCommand::askResolution()
{
    QInputDialog box(context_.DialogParent);
    box.setObjectName(QStringLiteral("ExportResolution"));
    box.setWindowTitle(QCoreApplication::translate("ExportCommand", "画像の解像度"));
    box.setLabelText(QCoreApplication::translate("ExportCommand", "解像度"));
    QStringList items;
    for (const int dpi : kResolutions)
        items << resolutionText(dpi);
    box.setComboBoxItems(items);
    box.setComboBoxEditable(false);
    box.setTextValue(resolutionText(resolution_));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    resolution_ = kResolutions.value(items.indexOf(box.textValue()), 0);
    return resolution_;
}

QString ExportCommand::chooseFile(const QString &title, const QStringList &types, QString &type)
{
    QFileDialog &dialog = *context_.SaveDialog;
    const QString cardSuffix = dialog.defaultSuffix();
    context_.PrepareSaveDialog(title, types.join(QStringLiteral(";;")));
    if (!type.isEmpty())
        dialog.selectNameFilter(type);
    // The extension added to a bare name follows the file type while the dialog is open.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    const QMetaObject::Connection following =
        QObject::connect(&dialog, &QFileDialog::filterSelected,
                         [&dialog](const QString &chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // Taken before the card's extension is back, which the dialog would add to a bare name.
    const QString path = accepted ? dialog.selectedFiles().first() : QString();
    QObject::disconnect(following);
    dialog.setDefaultSuffix(cardSuffix);
    type = dialog.selectedNameFilter();
    return path;
}

bool ExportCommand::SaveAsBitmap()
{
    const QString path = chooseFile(QCoreApplication::translate("ExportCommand", "画像ファイルとして保存"),
                                    {bitmapType(), jpegType(), pngType()}, fileType_);
    if (path.isEmpty())
        return false;
    const std::optional<int> dpi = askResolution();
    if (!dpi)
        return false;
    // A name saying .png or .jpg is taken at its word, whatever the type list was left at.
    const PictureFileType type = PictureFileTypeOfName(path).value_or(typeOf(fileType_));
    PictureExport picture{.Dpi = *dpi == 0 ? std::nullopt : dpi};
    if (type == PictureFileType::Jpeg) {
        const std::optional<int> chosen = askJpegQuality(context_.DialogParent);
        if (!chosen)
            return false;
        picture.Quality = *chosen;
    }
    picture.Write(path, type, context_.RenderCard(picture));
    *context_.SaveDirectory = FolderPart(path);
    return true;
}

bool ExportCommand::SaveAsPdf()
{
    QString type;
    const QString path =
        chooseFile(QCoreApplication::translate("ExportCommand", "PDFとして保存"), {pdfType()}, type);
    if (path.isEmpty())
        return false;
    context_.WriteSheetPdf(path);
    *context_.SaveDirectory = FolderPart(path);
    return true;
}
