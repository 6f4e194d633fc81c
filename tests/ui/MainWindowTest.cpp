#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "ui/app/TfrmMain.h"
#include "ui/card/CardSurfaceView.h"
#include "ui/help/HelpWindow.h"
#include "ui/platform/HelpTopic.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QWindow>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A program folder holding the shipped card sheets.
struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
};

TCardDef cardOfSize(int widthTenthMm, int heightTenthMm)
{
    TCardDef card{};
    card.CardSizeX = widthTenthMm;
    card.CardSizeY = heightTenthMm;
    return card;
}

QStringList namesOf(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names;
}

TVkDragLabel &addObject(TfrmMain &form, QRect bounds)
{
    auto object = std::make_unique<TVkDragLabel>();
    object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    TVkDragLabel &added = form.Panel().AddObject(std::move(object));
    form.WireCardObject(added);
    return added;
}

int selectedIndex(const TfrmMain &form)
{
    int index = -1;
    for (int i = 0; i < form.Panel().ObjectCount(); ++i) {
        if (form.Panel().Object(i).Selected()) {
            EXPECT_EQ(index, -1) << "more than one object selected";
            index = i;
        }
    }
    return index;
}

} // namespace

TEST(MainWindow, FirstStartWithoutSettings)
{
    ProgramFolderWithSheets folder;
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    EXPECT_EQ(form.objectName(), "frmMain");
    // The window opens where it always did, grown until the card fits.
    EXPECT_EQ(form.geometry().topLeft(), QPoint(20, 20));
    EXPECT_GE(form.width(), 430);
    EXPECT_EQ(form.height(), 500);
    EXPECT_EQ(form.windowTitle(), "無題[*] - VELLUMIA");
    EXPECT_TRUE(form.Action("acShowGrid")->isChecked());
    EXPECT_TRUE(form.Action("acFixedGrid")->isChecked());
    EXPECT_FALSE(form.ToolBar1()->isHidden());
    EXPECT_FALSE(form.statusBar()->isHidden());
    EXPECT_EQ(form.Settings().UndoCount, 16);
    EXPECT_TRUE(form.Panel().ShowGrid());
    EXPECT_EQ(form.Panel().GridStyle(), gsDot);
    EXPECT_EQ(form.Panel().GridSize(), 10); // 2 mm
    EXPECT_FALSE(form.Modified());
    const MainActionName needingAnObject[] = {"acDelete",  "acEditObject", "acCopy",
                                              "acTopMost", "acNoTopMost",  "acEditLastSelObject"};
    for (const MainActionName name : needingAnObject)
        EXPECT_FALSE(form.Action(name)->isEnabled()) << name.Name();
    const MainActionName always[] = {"acNew", "acAddText", "acPrint", "acShowGrid"};
    for (const MainActionName name : always)
        EXPECT_TRUE(form.Action(name)->isEnabled()) << name.Name();
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    EXPECT_FALSE(form.Action("acRedo")->isEnabled());
    // The first shipped sheet is a 91 x 55 mm card.
    EXPECT_EQ(form.SizePanel().text(), "91.0 x 55.0 mm");
    EXPECT_EQ(form.Panel().Width(), 455);
    EXPECT_EQ(form.Panel().Height(), 275);
}

TEST(MainWindow, ActionsCarryTheirTextsHintsAndShortcuts)
{
    TfrmMain form;
    QAction *addText = form.Action("acAddText");
    EXPECT_EQ(addText->text(), "テキストを追加(&T)...");
    EXPECT_EQ(addText->toolTip(), "テキストを追加");
    EXPECT_EQ(addText->statusTip(), "カードにテキストを書き込みます。");
    EXPECT_EQ(addText->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_EQ(form.Action("acBackground")->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(form.Action("acTopMost")->shortcut(), QKeySequence("Alt+T"));
    EXPECT_EQ(form.Action("acNoTopMost")->shortcut(), QKeySequence("Alt+B"));
    EXPECT_EQ(form.Action("WindowClose1")->shortcut(), QKeySequence("Alt+F4"));
    EXPECT_EQ(form.Action("acEditLastSelObject")->shortcut(), QKeySequence("Alt+Return"));
    EXPECT_EQ(form.Action("acAllClear")->shortcut(), QKeySequence("Ctrl+Del"));
    EXPECT_EQ(form.Action("acPrintSetup")->shortcut(), QKeySequence("Ctrl+Alt+P"));
    EXPECT_EQ(form.Action("acNoTopMost")->text(), "最背面に移動(&N)");
    EXPECT_TRUE(form.Action("acFixedGrid")->statusTip().isEmpty());
    EXPECT_EQ(form.Action("mnuShowToolBar")->statusTip(), "ツールバーの表示／非表示を切り替えます。");
    EXPECT_EQ(form.Action("mnuHelpTopics")->shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_EQ(
        namesOf(form.ToolBar1()->actions()).join(' '),
        "WindowClose1 | acNew acOpen acSaveUpdate | acPrintSetup acPrint | acUndo acRedo | acDelete | "
        "acAddText acAddImage acBackground acDraw | acShowGrid | acAlignLeft acAlignCentre acAlignRight "
        "acAlignTop acAlignMiddle acAlignBottom acDistributeHorz acDistributeVert acCentreOnCard");
    EXPECT_EQ(namesOf(form.Popup1()->actions()).join(' '),
              "acEditLastSelObject acPositionSize | acTopMost acNoTopMost | acCut acClipboardCopy acPaste | "
              "acTurnRight acTurnLeft | acCopy acDelete");
    EXPECT_EQ(
        namesOf(form.Popup2()->actions()).join(' '),
        "acAddText acAddImage acDraw acQrCode | acPaste | acBackground acClearBackground acBackgroundColor");
    const QList<QAction *> menus = form.MainMenu1()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "ファイル(&F)");
    EXPECT_EQ(namesOf(menus[0]->menu()->actions()).join(' '),
              "acNew acOpen acSaveUpdate acSaveAs | acPrintSetup acPrint acMailMerge mnuPrinterSetup "
              "acPrintAdjust | "
              "acSaveAsBitmap acSaveAsPdf | "
              "mnuRecentFiles | WindowClose1");
    EXPECT_EQ(
        namesOf(menus[1]->menu()->actions()).join(' '),
        "acUndo acRedo | acAddText mnuAddImage acDraw acQrCode | acEditLastSelObject acPositionSize | acCut "
        "acClipboardCopy acPaste | acCopy acDelete acSelectAll | mnuAlign mnuTurn | acAllClear | acUndoCount "
        "mnuKeys");
    EXPECT_EQ(namesOf(menus[3]->menu()->actions()).join(' '), "mnuHelpTopics mnuHomePage | acVersion");
}

TEST(MainWindow, GridMenuEntriesFollowTheirActions)
{
    TfrmMain form;
    auto *grid = form.findChild<QMenu *>("mnuGrid");
    ASSERT_TRUE(grid);
    EXPECT_EQ(namesOf(grid->actions()).join(' '), "mnuShowGrid mnuFixedGrid | acGridSetup");
    QAction *entry = grid->actions()[0];
    EXPECT_TRUE(entry->text().startsWith("グリッドの表示(&G)"));
    EXPECT_EQ(entry->statusTip(), "グリッドの表示／非表示を切り替えます。");
    QAction *showGrid = form.Action("acShowGrid");
    showGrid->setChecked(true);
    EXPECT_TRUE(entry->isChecked());
    entry->trigger(); // as a click in the menu does
    EXPECT_FALSE(showGrid->isChecked());
    EXPECT_FALSE(entry->isChecked());
    showGrid->setEnabled(false);
    EXPECT_FALSE(entry->isEnabled());
}

TEST(MainWindow, CaptionNamesTheFileWithoutItsFolder)
{
    TfrmMain form;
    form.SetCurrentFileName("/home/user/カード/card1.vkc");
    EXPECT_EQ(form.windowTitle(), "card1.vkc[*] - VELLUMIA");
    // Unsaved changes are marked where the desktop shows the title.
    form.show();
    form.SetModified(true);
    EXPECT_EQ(form.windowHandle()->title(), "card1.vkc* - VELLUMIA");
    form.SetModified(false);
    EXPECT_EQ(form.windowHandle()->title(), "card1.vkc - VELLUMIA");
    form.SetCurrentFileName(QString());
    EXPECT_EQ(form.windowTitle(), "無題[*] - VELLUMIA");
}

TEST(MainWindow, SettingsSurviveARestartMaximised)
{
    ProgramFolderWithSheets folder;
    {
        TfrmMain form;
        ASSERT_TRUE(form.Startup({}));
        form.setGeometry(40, 50, 500, 420);
        form.show();
        form.showMaximized();
        form.Action("acShowGrid")->setChecked(false);
        form.Action("mnuShowToolBar")->trigger();
        EXPECT_TRUE(form.ToolBar1()->isHidden());
        EXPECT_TRUE(form.close());
    }
    const IniFile ini(folder.filePath("VELLUMAX.INI"));
    EXPECT_EQ(ini.ReadInteger("Placement", "ShowCmd", 0), 3);
    EXPECT_EQ(ini.ReadString("Placement", "Position", ""), "40,50,540,470");
    EXPECT_EQ(ini.ReadInteger("Settings", "ShowGrid", 1), 0);
    EXPECT_EQ(ini.ReadInteger("Settings", "ShowToolBar", 1), 0);

    TfrmMain again;
    ASSERT_TRUE(again.Startup({}));
    EXPECT_TRUE(again.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(again.normalGeometry(), QRect(40, 50, 500, 420));
    EXPECT_FALSE(again.Action("acShowGrid")->isChecked());
    EXPECT_FALSE(again.Action("acFixedGrid")->isEnabled());
    EXPECT_FALSE(again.Panel().ShowGrid());
    EXPECT_TRUE(again.ToolBar1()->isHidden());
    EXPECT_FALSE(again.Action("mnuShowToolBar")->isChecked());
}

TEST(MainWindow, OutOfRangeCardIndexTakesTheFirstSheet)
{
    ProgramFolderWithSheets folder;
    IniFile(folder.filePath("VELLUMAX.INI")).WriteInteger("Settings", "CardIndex", 999);
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    EXPECT_EQ(form.Settings().CardIndex, 0);
    EXPECT_EQ(form.CardDef().CardSizeX, 910);
}

TEST(MainWindow, AWindowStoredOffTheScreensComesBackIntoSight)
{
    ProgramFolderWithSheets folder;
    IniFile(folder.filePath("VELLUMAX.INI")).WriteString("Placement", "Position", "5000,4000,5430,4500");
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form.geometry())) << form.geometry().x() << "," << form.geometry().y();
    EXPECT_EQ(form.geometry().size(), QSize(430, 500));

    // Partly off the right edge, with the title still within reach: left where it was put.
    IniFile(folder.filePath("VELLUMAX.INI"))
        .WriteString("Placement", "Position", FormatPositionText(QRect(screen.right() - 200, 30, 430, 500)));
    TfrmMain partly;
    ASSERT_TRUE(partly.Startup({}));
    EXPECT_EQ(partly.geometry(), QRect(screen.right() - 200, 30, 430, 500));
}

TEST(MainWindow, MissingCardSheetsEndStartUpWithTheMessage)
{
    ScopedProgramFolder emptyFolder;
    TfrmMain form;
    QString shown;
    OnNextModal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_TRUE(box);
        shown = box->text();
        EXPECT_EQ(box->windowTitle(), "VELLUMIA");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    EXPECT_FALSE(form.Startup({}));
    EXPECT_EQ(shown, "必要なファイル『CARDDEF.DEF』が存在しないか、または壊れています。\n"
                     "アプリケーションを再インストールしてください。");
    EXPECT_FALSE(form.isVisible());
}

// Settings that cannot be kept are said at start, while the folder can still be mended, and again
// when they are lost; a pipe in their place neither holds the start up nor is replaced.
TEST(MainWindow, SettingsThatCannotBeSavedAreSaidAtStartAndWhenLost)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    const QString settings = folder.filePath("VELLUMAX.INI");
    ASSERT_EQ(mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    QStringList shown;
    const auto answer = [&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_TRUE(box);
        shown << box->text();
        box->accept();
    };
    TfrmMain form;
    OnNextModal(answer);
    ASSERT_TRUE(form.Startup({}));
    OnNextModal(answer);
    form.SaveSettings();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains(settings)) << qPrintable(shown[0]);
    EXPECT_TRUE(shown[1].contains(settings) && shown[1].contains("保存できませんでした"))
        << qPrintable(shown[1]);
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(settings).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

namespace {

void startProgramIn(QProcess &program, const ScopedProgramFolder &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELLUMAX_HOME", folder.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VELLUMAX_MESSAGE_TIMEOUT_MS", "200");
    program.setProcessEnvironment(environment);
    program.start(VELLUMAX_BINARY, {});
}

} // namespace

TEST(MainWindow, ProgramWithDamagedCardSheetsExitsWithFailure)
{
    ScopedProgramFolder folder;
    QFile emptyList(folder.filePath("CardDef.lst"));
    ASSERT_TRUE(emptyList.open(QIODevice::WriteOnly));
    emptyList.close();
    QProcess program;
    startProgramIn(program, folder);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardError()).contains("CARDDEF.DEF"));
    EXPECT_FALSE(QFile::exists(folder.filePath("VELLUMAX.INI")));
}

TEST(MainWindow, FreshProgramFolderStartsWithTheShippedCardSheets)
{
    ScopedProgramFolder emptyFolder;
    QProcess program;
    startProgramIn(program, emptyFolder);
    QString sheets;
    for (int waited = 0; waited < 30000 && sheets.isEmpty(); waited += 100) {
        QTest::qWait(100);
        QFile list(emptyFolder.filePath("CardDef.lst"));
        if (list.open(QIODevice::ReadOnly))
            sheets = QString::fromLatin1(list.readAll().left(1));
    }
    EXPECT_FALSE(sheets.isEmpty()) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
    EXPECT_FALSE(QString::fromLocal8Bit(program.readAllStandardError()).contains("CARDDEF.DEF"));
}

TEST(MainWindow, CardSurfaceIsSizedFromTheSheetAndCentred)
{
    TfrmMain form;
    form.resize(700, 600);
    form.show();
    form.SetCardDef(cardOfSize(910, 550));
    form.LayoutCardSurface();
    const QSize client = form.ScrollBox().viewport()->size();
    EXPECT_EQ(form.SizePanel().text(), "91.0 x 55.0 mm");
    EXPECT_EQ(form.Panel().BoundsRect(),
              QRect((client.width() - 455) / 2, (client.height() - 275) / 2, 455, 275));

    form.SetCardDef(cardOfSize(860, 605));
    form.LayoutCardSurface();
    EXPECT_EQ(form.SizePanel().text(), "86.0 x 60.5 mm");
    EXPECT_EQ(form.Panel().Width(), 430);
    EXPECT_EQ(form.Panel().Height(), 303); // 302.5 rounds up
    EXPECT_EQ(form.Panel().Left(), (client.width() - 430) / 2);

    // A window narrower than the card puts it at the left edge; growing the window re-centres it.
    form.resize(300, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Panel().Left(), 0);
    form.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Panel().Left(), (form.ScrollBox().viewport()->width() - 430) / 2);
}

TEST(MainWindow, GridSpacingFollowsTheUnit)
{
    TfrmMain form;
    form.Settings().GridSize = 2;
    form.Settings().GridUnit = 1;
    form.Settings().GridStyle = 0;
    form.Action("acShowGrid")->setChecked(true);
    form.ApplyGridSettings();
    EXPECT_EQ(form.Panel().GridSize(), 2);
    EXPECT_EQ(form.Panel().GridStyle(), gsLine);
    EXPECT_TRUE(form.Panel().ShowGrid());
    form.Settings().GridUnit = 0;
    form.Settings().GridSize = 3;
    form.ApplyGridSettings();
    EXPECT_EQ(form.Panel().GridSize(), 15);
}

TEST(MainWindow, ObjectsWhollyOffTheCardComeBack)
{
    TfrmMain form;
    form.Panel().SetBounds(0, 0, 455, 275);
    TVkDragLabel &left = addObject(form, {-200, -150, 100, 50});
    TVkDragLabel &right = addObject(form, {500, 300, 100, 50});
    TVkDragLabel &touching = addObject(form, {-100, 275, 100, 50}); // right edge at 0, top at the height
    form.KeepObjectsOnCard();
    EXPECT_EQ(left.BoundsRect().topLeft(), QPoint(0, 0));
    EXPECT_EQ(right.BoundsRect().topLeft(), QPoint(355, 225));
    EXPECT_EQ(touching.BoundsRect().topLeft(), QPoint(-100, 275));
}

TEST(MainWindow, SelectionEnablesTheObjectActions)
{
    TfrmMain form;
    TVkDragLabel &first = addObject(form, {0, 0, 20, 20});
    TVkDragLabel &second = addObject(form, {30, 0, 20, 20});
    form.SurfaceView().ObjectMouse().OnPressed(first); // what a press on the object ends with
    EXPECT_TRUE(first.Selected());
    EXPECT_EQ(form.LastSelectedObject(), &first);
    EXPECT_TRUE(form.Action("acCopy")->isEnabled());
    second.SetSelected(true);
    EXPECT_FALSE(first.Selected());
    EXPECT_TRUE(second.Selected());

    // With Shift held the earlier selection stays.
    QTest::keyPress(&form, Qt::Key_Shift, Qt::ShiftModifier);
    first.SetSelected(true);
    QTest::keyRelease(&form, Qt::Key_Shift);
    EXPECT_TRUE(first.Selected());
    EXPECT_TRUE(second.Selected());

    form.DeselectAllObjects();
    EXPECT_FALSE(first.Selected() || second.Selected());
    EXPECT_FALSE(form.Action("acEditLastSelObject")->isEnabled());
    // The last selected object is forgotten once it leaves the card.
    form.Panel().TakeObject(&first);
    EXPECT_EQ(form.LastSelectedObject(), nullptr);
}

TEST(MainWindow, TabCyclesThroughTheObjectsInStackingOrder)
{
    TfrmMain form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i < 3; ++i)
        addObject(form, {i * 30, 0, 20, 20});
    TVkDragLabel *last = &form.Panel().Object(2);
    form.SetLastSelectedObject(last);
    int sequence[5];
    for (int &selected : sequence) {
        QTest::keyClick(&form, Qt::Key_Tab);
        selected = selectedIndex(form);
    }
    EXPECT_EQ(std::vector<int>(sequence, sequence + 5), (std::vector<int>{0, 1, 2, 0, 1}));
    QTest::keyClick(&form, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(selectedIndex(form), 2);
    EXPECT_TRUE(form.Action("acDelete")->isEnabled());
    EXPECT_EQ(form.LastSelectedObject(), last);

    // One object is selected again; none leaves the actions off.
    form.Panel().ClearObjects();
    form.SelectNextObject();
    EXPECT_FALSE(form.Action("acDelete")->isEnabled());
    TVkDragLabel &only = addObject(form, {0, 0, 20, 20});
    form.SelectNextObject();
    form.SelectNextObject();
    EXPECT_TRUE(only.Selected());
}

TEST(MainWindow, TheWindowSeesKeysBeforeTheFocusedControl)
{
    TfrmMain form;
    form.resize(200, 200); // the card does not fit, so the scroll box would scroll on arrow keys
    form.SetCardDef(cardOfSize(910, 550));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.LayoutCardSurface();
    form.ScrollBox().setFocus();
    QList<int> seen;
    form.OnKeyDown = [&seen](QKeyEvent &key) {
        seen << key.key();
        return key.key() == Qt::Key_Right;
    };
    QTest::keyClick(&form.ScrollBox(), Qt::Key_Right);
    EXPECT_EQ(form.ScrollBox().horizontalScrollBar()->value(), 0);
    QTest::keyClick(&form.ScrollBox(), Qt::Key_Down);
    EXPECT_EQ(seen, (QList<int>{Qt::Key_Right, Qt::Key_Down}));
    EXPECT_GT(form.ScrollBox().verticalScrollBar()->value(), 0);
}

TEST(MainWindow, HintPanelShowsTheLongHint)
{
    TfrmMain form;
    QStatusTipEvent tip(form.Action("acPrint")->statusTip());
    QCoreApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.HintPanel().text(), "カードを印刷します。");

    // A hint longer than the panel does not make the window wider.
    form.show();
    QCoreApplication::processEvents();
    const int narrowest = form.minimumSizeHint().width();
    QStatusTipEvent longTip(QString(200, QChar(u'字')));
    QCoreApplication::sendEvent(&form, &longTip);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.minimumSizeHint().width(), narrowest);
}

TEST(MainWindow, HelpOpensContentsAndDialogTopics)
{
    TfrmMain form;
    form.Action("mnuHelpTopics")->trigger();
    auto *help = form.findChild<HelpWindow *>();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Browser().source(), QUrl("qrc:/help/contents.html"));
    EXPECT_TRUE(help->Browser().toPlainText().contains("目次"));

    for (int topic : {63, 64, 66, 67}) {
        ShowHelpTopic(topic, &form);
        EXPECT_EQ(form.findChildren<HelpWindow *>().size(), 1);
        const QUrl url = help->Browser().source();
        EXPECT_EQ(url.fragment(), QString("topic%1").arg(topic));
        QFile page(":" + url.path());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << url.toString().toStdString();
        EXPECT_TRUE(page.readAll().contains(QString("name=\"topic%1\"").arg(topic).toUtf8()));
    }
    const QPointer<HelpWindow> helpLeft(help);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(&help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(helpLeft.isNull());
}
