// Start-up of the main window after it is built: settings, start-up card, card sheet, undo history
// and the card to show first; and the settings written back at the end.
#include "model/card/TVkVellumPanel.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "model/sheet/CardDefinitions.h"
#include "printer/TQdPrinter.h"
#include "ui/app/KeySchemeWiring.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/WindowOnScreen.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

namespace {

const QString kSettingsFileName = QStringLiteral("VELLUMAX.INI");
const QString kStartupCardFileName = QStringLiteral("CRDIMAGE.DEF");

// The full path under which the file system lists a command-line file; empty when it does not exist.
QString longPathName(const QString &path)
{
    const QFileInfo info(QDir::current(), path);
    return info.exists() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

// A message at start also goes to the terminal, and VELLUMAX_MESSAGE_TIMEOUT_MS lets an unattended
// run (a test, a script) go on past it.
void showStartMessage(const QString &message, unsigned flags)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    bool timeoutOk = false;
    const int timeoutMs = qEnvironmentVariableIntValue("VELLUMAX_MESSAGE_TIMEOUT_MS", &timeoutOk);
    QTimer closer;
    if (timeoutOk && timeoutMs > 0) {
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        closer.start(timeoutMs);
    }
    VkMessageBox(message, flags);
}

// The program cannot run without card sheets.
void showMissingCardDefsMessage()
{
    showStartMessage(QCoreApplication::translate(
                         "TfrmMain", "必要なファイル『CARDDEF.DEF』が存在しないか、または壊れています。\n"
                                     "アプリケーションを再インストールしてください。"),
                     MB_OK | MB_ICONSTOP);
}

// Settings are written when the program ends: told now, the user can still mend the folder rather
// than find the window's settings lost. The folder is tried with a file of its own.
QString settingsWriteProblem(const QString &settingsPath)
{
    const QFileInfo settings(settingsPath);
    if (settings.exists() && (!IniFile(settingsPath).Usable() || !settings.isWritable()))
        return QCoreApplication::translate("TfrmMain", "設定ファイル %1 に書き込めません。")
            .arg(settingsPath);
    QTemporaryFile probe(settings.absolutePath() + QStringLiteral("/.vellumax-XXXXXX"));
    if (!probe.open())
        return QCoreApplication::translate("TfrmMain", "設定ファイルのフォルダ %1 に書き込めません。")
            .arg(settings.absolutePath());
    return {};
}

} // namespace

bool TfrmMain::Startup(const QStringList &arguments)
{
    LoadSettings();
    const QString startupCard = ShippedFile(kStartupCardFileName);
    if (QFileInfo::exists(startupCard))
        LoadStartupCard(startupCard);
    if (!SelectCardDef(settings_.CardIndex))
        return false;
    if (const QString problem = settingsWriteProblem(ProgramFile(kSettingsFileName)); !problem.isEmpty())
        showStartMessage(problem + tr("\n終了するときに、ウィンドウの位置などの設定は保存されません。"),
                         MB_OK | MB_ICONEXCLAMATION);
    CreateUndoBuffers();
    // Laid out first, so that a command-line card that cannot be opened leaves an empty card.
    ApplyGridSettings();
    LayoutCardSurface();
    if (!settings_.PositionStored)
        fitWindowToCard();
    SetModified(false);
    if (!arguments.isEmpty()) {
        // A file that is not there keeps the name it was given, so the error can say which file.
        const QString longName = longPathName(arguments.first());
        OpenCardFile(longName.isEmpty() ? QDir::current().absoluteFilePath(arguments.first()) : longName);
    }
    return true;
}

void TfrmMain::LoadSettings()
{
    const IniFile ini(ProgramFile(kSettingsFileName));
    settings_.Load(ini, geometry());
    printer_->SetAdjustments(settings_.PrintAdjustments);
    setGeometry(KeepOnScreens(settings_.Position, this));
    if (settings_.ShowCmd == MainSettings::ShowMinimized)
        setWindowState(Qt::WindowMinimized);
    else if (settings_.ShowCmd == MainSettings::ShowMaximized)
        setWindowState(Qt::WindowMaximized);
    Action("acShowGrid")->setChecked(settings_.ShowGrid);
    Action("acFixedGrid")->setChecked(settings_.FixedGrid);
    Action("mnuShowToolBar")->setChecked(settings_.ShowToolBar);
    Action("mnuShowStatusBar")->setChecked(settings_.ShowStatusBar);
    ToolBar1()->setVisible(settings_.ShowToolBar);
    statusBar()->setVisible(settings_.ShowStatusBar);
    Panel().SetZoom(settings_.Zoom);
    showZoom();
    showRecentFiles();
    ShowKeyScheme(*this);
}

void TfrmMain::SaveSettings()
{
    settings_.Position = normalGeometry();
    settings_.ShowCmd = isMinimized()   ? MainSettings::ShowMinimized
                        : isMaximized() ? MainSettings::ShowMaximized
                                        : MainSettings::ShowNormal;
    settings_.ShowGrid = Action("acShowGrid")->isChecked();
    settings_.FixedGrid = Action("acFixedGrid")->isChecked();
    settings_.ShowToolBar = Action("mnuShowToolBar")->isChecked();
    settings_.ShowStatusBar = Action("mnuShowStatusBar")->isChecked();
    settings_.Zoom = Panel().Zoom();
    IniFile ini(ProgramFile(kSettingsFileName));
    // Corrections are written as they are measured, so the file's are the latest, perhaps measured in
    // another window: this window's older copy must not write over them.
    settings_.PrintAdjustments.Load(ini);
    if (!settings_.Save(ini))
        VkMessageBox(tr("設定ファイル %1 に設定を保存できませんでした。").arg(ini.FileName()),
                     MB_OK | MB_ICONEXCLAMATION, this);
}

void TfrmMain::ReadPrintAdjustments()
{
    settings_.PrintAdjustments.Load(IniFile(ProgramFile(kSettingsFileName)));
    printer_->SetAdjustments(settings_.PrintAdjustments);
}

void TfrmMain::SavePrintAdjustments()
{
    IniFile ini(ProgramFile(kSettingsFileName));
    settings_.PrintAdjustments.Save(ini);
}

bool TfrmMain::SelectCardDef(int index)
{
    std::unique_ptr<TCardDefList> list;
    try {
        LoadCardDefs(list);
    } catch (const std::exception &) {
        // An unreadable file is judged by what could be read: nothing.
    }
    if (!list || list->empty()) {
        showMissingCardDefsMessage();
        return false;
    }
    if (index < 0 || std::size_t(index) >= list->size()) {
        index = 0;
        settings_.CardIndex = 0;
    }
    SetCardDef((*list)[std::size_t(index)]);
    FreeCardDefs(list);
    return true;
}
