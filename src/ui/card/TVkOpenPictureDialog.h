#pragma once

#include "model/platform/TColor.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>

class QCheckBox;
class QFrame;
class QLabel;

// The open-file dialog for pictures: the usual file dialog with a preview area below it that shows
// the selected picture on a cross-hatch, its pixel size and bit depth, the file's size and date.
// A folder being selected, or a name typed that does not exist yet, leaves the preview as it was.
class TVkOpenPictureDialog : public QFileDialog {
    Q_DECLARE_TR_FUNCTIONS(TVkOpenPictureDialog)

public:
    explicit TVkOpenPictureDialog(QWidget *owner = nullptr);

    // Runs the dialog; true when the user confirmed a file, which FileName() then names.
    bool Execute();
    QString FileName() const;
    void SetFileName(const QString &fileName);
    void SetInitialDir(const QString &folder);
    void SetTitle(const QString &title) { setWindowTitle(title); }

    // Pairs of description and patterns separated by "|", patterns by ";":
    // "ビットマップ (*.bmp;*.dib)|*.bmp;*.dib|...".
    const QString &Filter() const { return filter_; }
    void SetFilter(const QString &filter);

    bool EnablePreview() const { return enablePreview_; }
    void SetEnablePreview(bool enable);
    TColor PreviewBaseColor() const { return previewBaseColor_; }
    void SetPreviewBaseColor(TColor color);

    const QImage &PreviewPicture() const { return preview_; }

    // Where a picture of the given size is drawn in a preview box of the given size: unscaled and
    // centred when it fits, otherwise scaled to fit with its proportions kept and centred.
    static QRect PreviewRect(QSize picture, QSize box);
    // "1 bpp" ... "32 bpp" for the picture's pixel format, empty for formats without a plain depth.
    static QString BitDepthText(const QImage &picture);
    // "12,345 bytes": the file size with its thousands grouped as the locale groups them.
    static QString FileSizeText(qint64 bytes);
    // The file's last-write time as the preview shows it: short date, then long time unless the
    // time is exactly midnight.
    static QString FileDateText(const QDateTime &lastWrite);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPreviewArea();
    void selectionChanged(const QString &path);
    void nameTyped(const QString &name);
    void showPreviewOf(const QString &path);
    void clearPreview();
    void previewClicked(bool checked);
    void paintPreview();

    QString filter_;
    bool enablePreview_ = true;
    TColor previewBaseColor_ = clBtnFace;
    QImage preview_;
    QString currentPath_;
    QImage pattern_;
    QFrame *picturePanel_ = nullptr;
    QFrame *paintPanel_ = nullptr;
    QWidget *paintBox_ = nullptr;
    QLabel *labels_[3] = {};
    QCheckBox *previewCheckBox_ = nullptr;
};
