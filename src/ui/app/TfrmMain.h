#pragma once

#include "model/document/CardDocument.h"
#include "model/settings/MainSettings.h"
#include "ui/app/MainActionName.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class CardSurfaceView;
class DocumentCommands;
class QAction;
class QComboBox;
class QImage;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;
class TVkDragLabel;
class TQdPrinter;

// The main window: it shows one card document (the surface and its objects, the card definition,
// file name, modified flag and undo history), and owns the settings and every command of the
// program as a named action. Commands are connected with OnExecute, which runs
// them under the default error box.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window prints through the program's one printer object, made before it.
    explicit TfrmMain(TQdPrinter &printer, QWidget *parent = nullptr);
    // A window with a printer object of its own, for uses without the program around it.
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The rest of start-up: settings, the start-up card, the card sheet, the undo history, then the
    // command-line card or an empty card. False when the program cannot run and must end.
    bool Startup(const QStringList &arguments);

    // --- Actions, menus and bars.
    // Actions and menu items by object name; every one exists from the window's construction on.
    QAction *Action(MainActionName name) const { return actions_[name.Index()]; }
    void OnExecute(QAction *action, std::function<void()> command);
    QMenuBar *MainMenu1() const { return mainMenu1_; }
    QToolBar *ToolBar1() const { return toolBar1_; }
    QMenu *Popup1() const { return popup1_; }
    QMenu *Popup2() const { return popup2_; }
    QScrollArea &ScrollBox() const { return *zzBase_; }
    QLabel &HintPanel() const { return *hintPanel_; }
    QLabel &SizePanel() const { return *sizePanel_; }
    QComboBox &ZoomBox() const { return *zoomBox_; }

    // --- The card.
    CardDocument &Document() { return document_; }
    const CardDocument &Document() const { return document_; }
    TVkVellumPanel &Panel() { return document_.Surface(); }
    const TVkVellumPanel &Panel() const { return document_.Surface(); }
    CardSurfaceView &SurfaceView() const { return *surfaceView_; }
    const TCardDef &CardDef() const { return document_.CardDef(); }
    void SetCardDef(const TCardDef &cardDef) { document_.SetCardDef(cardDef); }
    TQdPrinter &Printer() const { return *printer_; }
    MainSettings &Settings() { return settings_; }
    const MainSettings &Settings() const { return settings_; }

    // --- Document state.
    const QString &CurrentFileName() const { return document_.FileName(); }
    void SetCurrentFileName(const QString &fileName); // updates the caption
    bool Modified() const { return document_.Modified(); }
    void SetModified(bool modified) { document_.SetModified(modified); } // the caption follows

    // --- Recent files: the cards last opened or saved, in the File menu.
    void AddRecentFile(const QString &fileName);
    QMenu &RecentFilesMenu() const { return *recentFilesMenu_; }

    // --- Card objects and the selection.
    // Gives a card object the handlers every object of the main window has.
    void WireCardObject(TVkDragLabel &object);
    // Runs acDragLabelMove on an object the mouse or the arrow keys moved (the grid snap, the place
    // shown).
    void ObjectMoved(TVkDragLabel &object);
    // The object last pressed with the mouse or made by the copy command, while it is still on
    // the card.
    TVkDragLabel *LastSelectedObject() const;
    void SetLastSelectedObject(TVkDragLabel *object) { lastSelectedObject_ = object; }
    // The object whose double click, move or move start is running acEditObject, acDragLabelMove
    // or acDragLabelMoving, while it is still on the card.
    TVkDragLabel *ActionObject() const;
    void DeselectAllObjects();
    void SelectAllObjects();
    void ObjectSelected(TVkDragLabel &object);
    void SetObjectActionsEnabled(bool enabled);
    // The Tab key: selects the card object after the selected one, wrapping to the bottom one.
    void SelectNextObject();
    // Sees every key pressed in the window before the control that has the keyboard; returns true
    // when it used the key, which then goes no further.
    std::function<bool(QKeyEvent &)> OnKeyDown;

    // --- Caption, settings and the card surface.
    void UpdateCaption();
    // The card file's name, or 無題 for a card never saved: the caption's and a PDF's title.
    QString DocumentName() const;
    void LoadSettings();
    void SaveSettings();
    // Each printer's correction as the settings file holds it now, for the printer to follow:
    // another running window may have measured one since this window read it.
    void ReadPrintAdjustments();
    // Writes each printer's correction to the settings file at once.
    void SavePrintAdjustments();
    void LayoutCardSurface();
    // The zoom of the card view in percent, kept within its limits; the card point at the centre of
    // the scroll box, or at viewportPoint, stays where it is on screen.
    void SetZoom(int percent);
    void ZoomAt(int percent, QPoint viewportPoint);
    // The largest zoom at which the whole card fits into the scroll box.
    void ZoomToFit();
    void ApplyGridSettings();
    // Pulls the objects of both sides back onto the card, as far as they fit.
    void KeepObjectsOnCard();
    // The card drawn into a new 24-bit bitmap, scaled to width when width is above 0; see
    // print/CardRenderer.h.
    void RenderCardToBitmap(QImage &bitmap, int width, int height) const;
    // The card's sheet as a PDF file; throws VkError when it cannot be written.
    void WriteSheetPdf(const QString &path);
    // Makes the card sheet at index the current one; false (after telling the user) when there are
    // no card sheets at all.
    bool SelectCardDef(int index);

    // --- Document commands.
    void LoadStartupCard(const QString &fileName);
    void OpenCardFile(const QString &fileName);
    bool ConfirmDiscard();
    void CreateUndoBuffers();
    void FreeUndoBuffers();
    // Records the card before a change and marks it modified; see DocumentCommands.
    void TakeUndoSnapshot();
    bool NudgeFlag() const;
    void SetNudgeFlag(bool nudged);
    DocumentCommands &Documents() const { return *documents_; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    QMenu *createPopupMenu() override { return nullptr; }

private:
    TfrmMain(std::unique_ptr<TQdPrinter> ownPrinter, QWidget *parent);
    void createActions();
    void createSurface();
    void createStatusBar();
    void createZoomBox(QStatusBar &bar);
    void connectZoomCommands();
    void placeCardSurface();
    void showZoom();
    bool zoomByWheel(QObject *watched, QEvent *event);
    void fitWindowToCard();
    void createRecentFilesMenu();
    void showRecentFiles();
    void openRecentFile(const QString &fileName);
    void connectWindowCommands();
    void connectExportCommands();
    QAction *actionNamed(const char *name) const;
    void wireObjectMouse();
    void runOnObject(TVkDragLabel &object, MainActionName actionName);
    bool isLive(const TVkDragLabel *object) const;
    bool handleKeyPreview(QEvent *event);

    std::unique_ptr<TQdPrinter> ownPrinter_;
    TQdPrinter *printer_;
    std::array<QAction *, kMainActionNames.size()> actions_{};
    QMenuBar *mainMenu1_ = nullptr;
    QToolBar *toolBar1_ = nullptr;
    QMenu *popup1_ = nullptr;
    QMenu *popup2_ = nullptr;
    // The scroll box goes before the card it shows: its view refers to the surface to the end.
    CardDocument document_;
    std::unique_ptr<QScrollArea> zzBase_;
    QWidget *surfaceHolder_ = nullptr;
    CardSurfaceView *surfaceView_ = nullptr;
    QLabel *hintPanel_ = nullptr;
    QLabel *sizePanel_ = nullptr;
    QComboBox *zoomBox_ = nullptr;
    QMenu *recentFilesMenu_ = nullptr;
    int wheelAngle_ = 0;

    MainSettings settings_;
    TVkDragLabel *lastSelectedObject_ = nullptr;
    TVkDragLabel *actionObject_ = nullptr;
    bool layingOut_ = false;
    bool selectingAll_ = false; // selecting one object then leaves the others selected
    std::unique_ptr<DocumentCommands> documents_;
};
