#pragma once

#include "model/card/CardFont.h"
#include "model/card/TextStyle.h"
#include "model/platform/TColor.h"

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

class MergeFieldButton;
class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The text dialog: writes and formats the text of a text object. The entry area shows the text in
// the chosen face, size, style and colour on the card's background colour. The dialog remembers its
// place, its font and its text in the settings file whenever it is released, after OK and cancel
// alike, so that it reopens as the user left it.
class TfrmTextBox : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmTextBox)

public:
    // cardColor is the card surface's background colour, shown behind the text.
    explicit TfrmTextBox(TColor cardColor, QWidget *parent = nullptr);
    ~TfrmTextBox() override;

    // The working font: the font list, the size field and the style buttons act on it, and the text
    // object takes a copy of it.
    const CardFont &MemoFont() const { return memoFont_; }
    // Takes an object's font and sets the tool bar from it, before an existing text is edited.
    void SetMemoFont(const CardFont &font);

    // The writing direction, alignment and spacing that the text object takes.
    TextStyle Typesetting() const;
    void SetTypesetting(const TextStyle &style);
    // The font the dialog opens with, as the settings file remembers it.
    static CardFont RememberedFont();

    QStringList Lines() const;
    void SetLines(const QStringList &lines);

    // The columns of the open merge table, offered as fields to put into the text at the cursor;
    // none hides the offer.
    void SetMergeColumns(const QStringList &columns);

private:
    void buildToolBar(QHBoxLayout *bar);
    void buildTypesettingBars(QHBoxLayout *bar, QHBoxLayout *spacingBar);
    void buildMergeFieldButton(QHBoxLayout *bar);
    QToolButton *addTextButton(QHBoxLayout *bar, const char *name, const QString &label, const QString &hint);
    void updateAlignmentHints();
    QToolButton *addStyleButton(QHBoxLayout *bar, const char *name, const QString &letter,
                                const QString &hint, void (*style)(QFont &));
    void readSettings();
    void writeSettings();
    void placeFromSettings(const QString &position);
    void cmbFontNameChange();
    void SetFontStyle();
    void SpeedButton1Click();
    void btnOKClick();
    // Whether the text typed fits the longest text an object may hold.
    bool withinTextLimit() const;
    void selectFace(const QString &face);
    void showMemoFont();
    void updateColourIcon();

    CardFont memoFont_;
    QToolButton *SpeedButton1_ = nullptr;
    QComboBox *cmbFontName_ = nullptr;
    QSpinBox *edtFontSize_ = nullptr;
    QLabel *lblPrintedSize_ = nullptr;
    QToolButton *btnBold_ = nullptr;
    QToolButton *btnItalic_ = nullptr;
    QToolButton *btnUnderline_ = nullptr;
    QToolButton *btnStrikeOut_ = nullptr;
    QToolButton *btnVertical_ = nullptr;
    QToolButton *btnUprightDigits_ = nullptr;
    MergeFieldButton *btnMergeField_ = nullptr;
    QButtonGroup *alignmentButtons_ = nullptr;
    QSpinBox *edtLineSpacing_ = nullptr;
    QDoubleSpinBox *edtLetterSpacing_ = nullptr;
    QPlainTextEdit *Memo1_ = nullptr;
    QPushButton *btnOK_ = nullptr;
    QPushButton *btnCancel_ = nullptr;
};
