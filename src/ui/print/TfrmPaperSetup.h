#pragma once

#include "model/card/CardTypes.h"
#include "model/settings/RecentSheets.h"
#include "model/sheet/CardDefinitions.h"
#include "model/sheet/PaperPreview.h"
#include "model/sheet/SheetLibrary.h"

#include <QDialog>
#include <QRect>
#include <memory>
#include <vector>

class LibrarySheetListModel;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class PreviewSideSwitch;
class QPushButton;
class SheetPreviewView;
class TQdPrinter;
class TQdPrinterSetupDialog;

// The paper setup: which card sheet the card follows, the list of card sheets (add, edit, delete,
// reorder), the sheets makers sell found by product number, maker, size or name, the crop marks, and a
// preview of the printer's paper with the card in the sheet's cells, warning when the sheet runs off the
// paper. The list is read from the card sheet file when the dialog is made and written back by OK alone.
class TfrmPaperSetup : public QDialog {
    Q_OBJECT
public:
    // The sheets makers sell are read from library's sources; a sheet among them applied by OK is
    // copied into the list, and counted among the recent ones kept in the settings file.
    TfrmPaperSetup(TQdPrinter &printer, TQdPrinterSetupDialog &printerSetupDialog, QWidget *parent = nullptr,
                   const SheetLibrarySources &library = SystemSheetLibrarySources());
    ~TfrmPaperSetup() override;

    // Selects the last sheet with the layout of current, or appends a copy of current (not shipped
    // with the program) when none has it; the working copy becomes current itself.
    void SelectCurrentDefinition(const TCardDef &current);
    // The sheet the preview shows and OK applies.
    const TCardDef &WorkingCopy() const { return workingCopy_; }
    const TCardDefList &Definitions() const { return *definitions_; }
    const SheetLibrary &Library() const { return library_; }
    int SelectedIndex() const;
    // Whether the card is designed across or upright, and which way an upright card is turned into
    // the sheet's cells; the preview shows the card so.
    TCardOrientation Orientation() const;
    void SetOrientation(TCardOrientation orientation);
    // Crop marks 0, 1 or 2, or -1 when no choice is ticked; above 2 ticks the last, below -1 none.
    int GuessMark() const;
    void SetGuessMark(int guessMark);
    bool PrinterAvailable() const { return printerAvailable_; }
    // The card drawn in the preview's cells and the cell printing starts at; the crop marks are
    // the dialog's own choice. A click on a card of the preview makes it the start cell. With a back
    // card, the preview can be turned over to the back of the paper.
    void SetPreviewCards(const PaperPreviewCards &cards);
    std::int64_t StartCell() const;

    // Closes as confirmed and writes the whole list to the card sheet file.
    void accept() override;

private:
    void createControls();
    void createLibraryControls();
    void createOrientationControls();
    void showOrientation();
    const TVkVellumPanel *orientedCard(const TVkVellumPanel *designed, std::unique_ptr<TVkVellumPanel> &copy);
    void searchLibrary();
    void librarySelectionChanged();
    void useLibrarySheet();
    // How a control follows the dialog's size beyond the size it was placed for.
    enum : int { kGrowWidth = 1, kGrowHeight = 2, kFollowRight = 4, kFollowBottom = 8 };
    void anchor(QWidget *control, int how);
    void placePaperLabel();
    void resizeEvent(QResizeEvent *event) override;
    void updatePaperLabel();
    void updatePreview();
    void readSheet();
    void readBackPlacement();
    void selectRow(int row);
    void selectionChanged();
    void editDefinition();
    void addDefinition();
    void deleteDefinition();
    void moveSelected(int step);
    void runPrinterSetup();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    TQdPrinter &printer_;
    TQdPrinterSetupDialog &printerSetupDialog_;
    std::unique_ptr<TCardDefList> definitions_;
    SheetLibrary library_;
    RecentSheets recentSheets_;
    int librarySheet_ = -1; // the library's sheet the working copy is, or -1
    struct Anchored {
        QWidget *control;
        QRect laidOut;
        int how;
    };
    std::vector<Anchored> anchored_;
    TCardDef workingCopy_{};
    bool printerAvailable_ = false;
    bool busy_ = false;
    bool selecting_ = false;
    bool centred_ = false;
    PaperPreviewSheet sheet_;
    QString paperName_;
    QLabel *lblPaper_ = nullptr;
    QLabel *lblFit_ = nullptr;
    QListWidget *listBox1_ = nullptr;
    QLineEdit *edtSheetSearch_ = nullptr;
    QComboBox *cmbMaker_ = nullptr;
    QComboBox *cmbSheetKind_ = nullptr;
    QListView *lstLibrary_ = nullptr;
    LibrarySheetListModel *libraryModel_ = nullptr;
    QButtonGroup *guessMark_ = nullptr;
    QButtonGroup *orientation_ = nullptr;
    // The card and its back as designed, and copies of them turned as the dialog chooses.
    const TVkVellumPanel *designedCard_ = nullptr;
    const TVkVellumPanel *designedBack_ = nullptr;
    std::unique_ptr<TVkVellumPanel> turnedCard_;
    std::unique_ptr<TVkVellumPanel> turnedBack_;
    SheetPreviewView *pbPaper_ = nullptr;
    PreviewSideSwitch *sideSwitch_ = nullptr;
};
