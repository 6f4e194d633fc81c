#include "ui/app/TfrmMain.h"

#include "model/card/TVkVellumPanel.h"
#include "model/platform/TColor.h"
#include "printer/TQdPrinter.h"
#include "ui/app/AlignCommandWiring.h"
#include "ui/app/ArrangeCommandWiring.h"
#include "ui/app/CardSideTabs.h"
#include "ui/app/ClipboardCommandWiring.h"
#include "ui/app/DocumentCommands.h"
#include "ui/app/KeySchemeWiring.h"
#include "ui/app/MainActions.h"
#include "ui/app/MainMenus.h"
#include "ui/app/MergeCommandWiring.h"
#include "ui/app/ObjectCommandWiring.h"
#include "ui/app/PositionCommandWiring.h"
#include "ui/app/PrintCommandWiring.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/HomePage.h"
#include "ui/platform/DialogFont.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramResources.h"
#include "ui/platform/TVkShellEx.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

TfrmMain::TfrmMain(QWidget *parent) : TfrmMain(std::make_unique<TQdPrinter>(), parent)
{
}

TfrmMain::TfrmMain(std::unique_ptr<TQdPrinter> ownPrinter, QWidget *parent) : TfrmMain(*ownPrinter, parent)
{
    ownPrinter_ = std::move(ownPrinter);
}

TfrmMain::TfrmMain(TQdPrinter &printer, QWidget *parent) : QMainWindow(parent), printer_(&printer)
{
    document_.OnModifiedChanged = [this](bool modified) { setWindowModified(modified); };
    LoadProgramResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(
        QIcon::fromTheme(QStringLiteral("vellumax"), QIcon(QStringLiteral(":/icons/vellumia.svg"))));
    const QFont windowFont = DialogFont();
    setFont(windowFont);
    setAttribute(Qt::WA_AlwaysShowToolTips);

    createActions();
    const MainMenus menus = BuildMainMenus(*this, [this](const char *name) { return actionNamed(name); });
    mainMenu1_ = menus.MainMenu1;
    toolBar1_ = menus.ToolBar1;
    popup1_ = menus.Popup1;
    popup2_ = menus.Popup2;
    for (QMenu *menu : findChildren<QMenu *>())
        menu->setFont(windowFont);
    createRecentFilesMenu();
    createSurface();
    createStatusBar();
    connectWindowCommands();
    documents_ = std::make_unique<DocumentCommands>(*this);
    ConnectObjectCommands(*this);
    ConnectArrangeCommands(*this);
    ConnectClipboardCommands(*this);
    ConnectAlignCommands(*this);
    ConnectPositionCommands(*this);
    ConnectPrintCommands(*this);
    ConnectMergeCommands(*this);
    ConnectKeySchemeCommands(*this);
    connectExportCommands();
    connectZoomCommands();
    qApp->installEventFilter(this);
    SetHelpTopicViewer(
        [this](int topic, QWidget *asker) { HelpWindow::ShowTopic(topic, asker ? asker : this); });

    // The window as it is before the settings are read.
    SetCurrentFileName(QString());
    setGeometry(20, 20, 430, 500);
    SetObjectActionsEnabled(false);
    showZoom();
    for (const auto &[name, shortcuts] : StartupShortcuts())
        Action(name)->setShortcuts(shortcuts);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    SetHelpTopicViewer({});
}

// Every named action is made here, once; a name without its action, or with two, ends the program
// at start-up rather than when that command first runs.
void TfrmMain::createActions()
{
    for (const auto *table : {&MainActionTable(), &MainMenuItemTable()}) {
        for (const MainActionEntry &entry : *table) {
            QAction *action = CreateMainAction(entry, this);
            if (actions_[entry.name.Index()])
                qFatal("The main window's action %s is made twice", qPrintable(action->objectName()));
            actions_[entry.name.Index()] = action;
            addAction(action); // shortcuts work wherever the keyboard is in the window
        }
    }
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (!actions_[i])
            qFatal("The main window has no action %s", std::string(kMainActionNames[i]).c_str());
    }
}

QAction *TfrmMain::actionNamed(const char *name) const
{
    for (QAction *action : actions_) {
        if (action->objectName() == QLatin1StringView(name))
            return action;
    }
    qFatal("The main window has no action %s", name);
}

void TfrmMain::OnExecute(QAction *action, std::function<void()> command)
{
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { RunGuarded(command, this); });
}

void TfrmMain::createSurface()
{
    zzBase_ = std::make_unique<QScrollArea>();
    zzBase_->setObjectName(QStringLiteral("zzBase"));
    zzBase_->setFrameShape(QFrame::StyledPanel);
    zzBase_->setWidgetResizable(false);
    QPalette workspace = zzBase_->viewport()->palette();
    workspace.setColor(QPalette::Window, ColorToQColor(clAppWorkSpace));
    zzBase_->viewport()->setPalette(workspace);
    zzBase_->viewport()->setAutoFillBackground(true);

    surfaceHolder_ = new QWidget;
    surfaceHolder_->setObjectName(QStringLiteral("zzBaseContents"));
    surfaceView_ = new CardSurfaceView(Panel(), surfaceHolder_);
    zzBase_->setWidget(surfaceHolder_);
    // The tabs for the card's two sides run along the top of the scroll box.
    auto *cardArea = new QWidget;
    auto *layout = new QVBoxLayout(cardArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new CardSideTabs(*this, cardArea));
    layout->addWidget(zzBase_.get());
    setCentralWidget(cardArea);

    Panel().SetPopupMenu(QStringLiteral("frmMain.Popup2"));
    surfaceView_->OnSurfaceMouseDown = [this](Qt::MouseButton, QPoint) {
        RunGuarded([this] { DeselectAllObjects(); }, this);
    };
    surfaceView_->OnContextMenu = [this](TVkDragLabel *object, QPoint globalPos) {
        (object ? popup1_ : popup2_)->popup(globalPos);
    };
    wireObjectMouse();
}

void TfrmMain::createStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("Bar1"));
    bar->setFixedHeight(22);
    hintPanel_ = new QLabel(bar);
    hintPanel_->setObjectName(QStringLiteral("Bar1Panel0"));
    hintPanel_->setFrameShape(QFrame::NoFrame);
    // A long hint is cut at the panel's edge; it never widens the window.
    hintPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sizePanel_ = new QLabel(bar);
    sizePanel_->setObjectName(QStringLiteral("Bar1Panel1"));
    sizePanel_->setFrameShape(QFrame::Panel);
    sizePanel_->setFrameShadow(QFrame::Sunken);
    sizePanel_->setFixedWidth(100);
    bar->addWidget(hintPanel_, 1);
    bar->addPermanentWidget(sizePanel_);
    createZoomBox(*bar);
    setStatusBar(bar);
}

void TfrmMain::connectWindowCommands()
{
    OnExecute(Action("WindowClose1"), [this] { close(); });
    OnExecute(Action("acEditLastSelObject"), [this] {
        if (TVkDragLabel *object = LastSelectedObject())
            runOnObject(*object, "acEditObject");
    });
    OnExecute(Action("mnuShowToolBar"),
              [this] { toolBar1_->setVisible(Action("mnuShowToolBar")->isChecked()); });
    OnExecute(Action("mnuShowStatusBar"),
              [this] { statusBar()->setVisible(Action("mnuShowStatusBar")->isChecked()); });
    OnExecute(Action("acSelectAll"), [this] { SelectAllObjects(); });
    OnExecute(Action("mnuHelpTopics"), [this] { HelpWindow::ShowContents(this); });
    OnExecute(Action("mnuHomePage"), [] { TVkShellEx::OpenUnderWaitCursor(kHomePageAddress); });
}

void TfrmMain::SetCurrentFileName(const QString &fileName)
{
    document_.SetFileName(fileName);
    UpdateCaption();
}

QString TfrmMain::DocumentName() const
{
    return CurrentFileName().isEmpty() ? tr("無題") : QFileInfo(CurrentFileName()).fileName();
}

void TfrmMain::UpdateCaption()
{
    // The desktop marks unsaved changes where the placeholder stands.
    setWindowTitle(DocumentName() + QStringLiteral("[*] - ") + kApplicationTitle);
}

bool TfrmMain::event(QEvent *event)
{
    // The hint panel shows the long hint of whatever the pointer is over.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == zzBase_->viewport() && !layingOut_)
        RunGuarded([this] { LayoutCardSurface(); }, this);
    else if (handleKeyPreview(event) || zoomByWheel(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    bool discard = false;
    RunGuarded([this, &discard] { discard = ConfirmDiscard(); }, this);
    if (!discard) {
        event->ignore();
        return;
    }
    SaveSettings();
    FreeUndoBuffers();
    event->accept();
}
