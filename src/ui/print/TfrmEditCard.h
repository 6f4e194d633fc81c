#pragma once

#include "model/document/TCardDef.h"

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// Edits one card sheet: its name, the card size, the number of columns and rows, the paper's
// margins and the gaps between cards, in millimetres with one decimal.
class TfrmEditCard : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditCard(QWidget *parent = nullptr);

    // Fills every field from cardDef; the name can be changed only when nameEditable.
    void LoadCardDef(const TCardDef &cardDef, bool nameEditable);
    void SetName(const QString &name);
    // Writes the fields back: the name as CP932 (at most 256 bytes, whole characters), lengths in
    // tenths of a millimetre. The System flag is left as it is.
    void StoreCardDef(TCardDef &cardDef) const;

    // OK refuses a name that the card sheet file cannot store, and the dialog stays open.
    void accept() override;

private:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    QLineEdit *edtName_ = nullptr;
    QDoubleSpinBox *edtCardSizeX_ = nullptr;
    QDoubleSpinBox *edtCardSizeY_ = nullptr;
    QSpinBox *edtColumns_ = nullptr;
    QSpinBox *edtLines_ = nullptr;
    QDoubleSpinBox *edtLeftMargin_ = nullptr;
    QDoubleSpinBox *edtTopMargin_ = nullptr;
    QDoubleSpinBox *edtColumnSpace_ = nullptr;
    QDoubleSpinBox *edtLineSpace_ = nullptr;
    bool centred_ = false;
};

// The longest start of name whose CP932 form fits the 256 bytes of a card sheet's name, cut between
// characters.
QByteArray CardDefNameFor(const QString &name);
