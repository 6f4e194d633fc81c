#pragma once

#include "model/card/CardTypes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QStringList>

class MergeFieldButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QrCodePreview;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

// The QR code dialog: a text or URL, or a contact made into a vCard, with the error correction
// level and the quiet zone. OK makes the code; text that makes none (nothing typed, more than a QR
// code holds) is refused with a message and the dialog stays open. The text box has the focus when
// the dialog opens, and Enter in any box is OK. Beside the source, the code OK would make is shown
// as it is typed, with its size in modules.
class TfrmQrCode : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmQrCode)

public:
    explicit TfrmQrCode(QWidget *parent = nullptr);

    // The text the code encodes: what was typed, or the contact's vCard.
    QString Source() const;
    // Shows a source: a vCard in the contact form, anything else as text.
    void SetSource(const QString &source);
    TQrLevel Level() const;
    void SetLevel(TQrLevel level);
    int QuietZone() const;
    void SetQuietZone(int modules);
    // The columns of the open merge table, offered as fields to put into the box being typed in;
    // none hides the offer.
    void SetMergeColumns(const QStringList &columns);
    // The modules of the source shown, as EncodeQrCode gives them; null without a code.
    const QImage &Modules() const { return modules_; }

private:
    QVBoxLayout *buildPreview();
    void buildTextPage();
    void buildContactPage();
    QLineEdit *addContactField(const char *name, const QString &label);
    void updateCode();
    void insertField(const QString &field);
    void tryAccept();
    void showEvent(QShowEvent *event) override;

    QTabWidget *tabSource_ = nullptr;
    QLineEdit *edtText_ = nullptr;
    QLineEdit *edtName_ = nullptr, *edtReading_ = nullptr, *edtCompany_ = nullptr, *edtTitle_ = nullptr;
    QLineEdit *edtPhone_ = nullptr, *edtMail_ = nullptr, *edtAddress_ = nullptr, *edtUrl_ = nullptr;
    QComboBox *cmbLevel_ = nullptr;
    QSpinBox *edtQuietZone_ = nullptr;
    QrCodePreview *preview_ = nullptr;
    QLabel *lblSize_ = nullptr;
    MergeFieldButton *btnMergeField_ = nullptr;
    QImage modules_;
};
