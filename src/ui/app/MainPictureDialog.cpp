#include "ui/app/MainPictureDialog.h"

#include "ui/card/TVkOpenPictureDialog.h"

#include <QCoreApplication>

namespace {

const QString kDialogName = QStringLiteral("OpenPictureDialog1");

} // namespace

TVkOpenPictureDialog &MainPictureDialog(QWidget &frmMain)
{
    if (auto *existing = frmMain.findChild<TVkOpenPictureDialog *>(kDialogName, Qt::FindDirectChildrenOnly))
        return *existing;
    auto *dialog = new TVkOpenPictureDialog(&frmMain);
    dialog->setObjectName(kDialogName);
    dialog->SetTitle(QCoreApplication::translate("MainPictureDialog", "画像ファイルの選択"));
    dialog->SetFilter(QCoreApplication::translate(
        "MainPictureDialog",
        "画像ファイル(*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg)|"
        "*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg|"
        "ビットマップ (*.bmp;*.dib)|*.bmp;*.dib|"
        "JPEGファイル(*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|"
        "PNGファイル(*.png)|*.png|GIFファイル(*.gif)|*.gif|WebPファイル(*.webp)|*.webp|"
        "TIFFファイル(*.tif;*.tiff)|*.tif;*.tiff|SVGファイル(*.svg)|*.svg"));
    dialog->SetEnablePreview(true);
    dialog->SetPreviewBaseColor(RGBToColor(0, 128, 128));
    return *dialog;
}

QString ChooseMainPictureFile(QWidget &frmMain, const QString &folder)
{
    TVkOpenPictureDialog &dialog = MainPictureDialog(frmMain);
    dialog.SetInitialDir(folder);
    dialog.SetFileName(QString());
    return dialog.Execute() ? dialog.FileName() : QString();
}
