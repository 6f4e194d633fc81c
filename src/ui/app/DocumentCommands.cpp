#include "ui/app/DocumentCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/platform/FolderPart.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/FileDialogSize.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/TFileDrop.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QSaveFile>
#include <QTimer>
#include <algorithm>

namespace {

// "*.*" would hide every file whose name has no dot; "*" is every file here.
const QString kCardFilter = QStringLiteral("カードファイル(*.vkc);;すべてのファイル(*)");
const QString kModifiedQuestion = QStringLiteral("カードは変更されています。保存しますか？");

QFileDialog *makeFileDialog(QWidget *parent, const char *name)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(QStringLiteral("vkc"));
    dialog->setNameFilter(kCardFilter);
    return dialog;
}

// QFileDialog::selectFile ignores an empty name, so the name from the dialog's last use is cleared
// here; otherwise the export would offer the card's own file to be overwritten with a picture.
void clearFileName(QFileDialog &dialog)
{
    if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->clear();
}

// A remembered folder that is still empty starts the dialog where the program was started.
void startIn(QFileDialog &dialog, const QString &folder)
{
    dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
}

// The path chosen in a file dialog, or an empty text when it was cancelled.
QString runFileDialog(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// A file name with the blanks and control characters at either end removed.
QString trimmedFileName(const QString &name)
{
    qsizetype first = 0, last = name.size();
    while (first < last && name[first].unicode() <= 0x20)
        ++first;
    while (last > first && name[last - 1].unicode() <= 0x20)
        --last;
    return name.mid(first, last - first);
}

// No card comes near this size; a larger file is not read at all, rather than taking the memory.
constexpr qint64 kMaxCardFileBytes = 512LL * 1024 * 1024;

// The bytes of a card file, read whole. The file is not mapped: another program cutting it short
// while it is read would take the mapped pages away and end the program.
QByteArray cardFileBytes(QFile &file)
{
    const qint64 size = file.size();
    if (size <= 0 || size > kMaxCardFileBytes)
        return {};
    return file.read(size);
}

// Only a plain file can hold a card: a folder cannot be read as one, and opening a named pipe or
// a device would wait for a writer that may never come.
void openForReading(QFile &file)
{
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        throw VkError(QStringLiteral("ファイル %1 は開けません").arg(file.fileName()));
}

} // namespace

DocumentCommands::DocumentCommands(TfrmMain &window) : window_(window)
{
    open1_ = makeFileDialog(&window, "Open1");
    open1_->setWindowTitle(QStringLiteral("カードを開く"));
    open1_->setFileMode(QFileDialog::ExistingFile);
    open1_->setAcceptMode(QFileDialog::AcceptOpen);
    save1_ = makeFileDialog(&window, "Save1");
    save1_->setAcceptMode(QFileDialog::AcceptSave);
    save1_->setFileMode(QFileDialog::AnyFile);
    save1_->setSizeGripEnabled(true);
    sizeFileDialogForReading(*open1_);
    sizeFileDialogForReading(*save1_);

    fileDrop1_ = new TFileDrop(window);
    fileDrop1_->setObjectName(QStringLiteral("FileDrop1"));
    // The card is opened once the drop is over: its questions and messages would otherwise hold the
    // program the files came from in the middle of its drag until they are answered.
    fileDrop1_->OnFileDrop = [this](int, QPoint, const QStringList &fileNames) {
        if (fileNames.isEmpty())
            return;
        QTimer::singleShot(0, &window_, [this, first = fileNames.first()] { window_.OpenCardFile(first); });
    };
    connectActions();
}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::connectActions()
{
    const std::pair<const char *, void (DocumentCommands::*)()> commands[] = {
        {"acNew", &DocumentCommands::New},
        {"acOpen", &DocumentCommands::Open},
        {"acSaveUpdate", &DocumentCommands::SaveUpdate},
        {"acSaveAs", &DocumentCommands::SaveAs},
        {"acAllClear", &DocumentCommands::AllClear},
        {"acUndo", &DocumentCommands::Undo},
        {"acRedo", &DocumentCommands::Redo},
        {"acUndoCount", &DocumentCommands::AskUndoCount},
    };
    for (const auto &entry : commands) {
        const auto command = entry.second;
        window_.OnExecute(window_.Action(entry.first), [this, command] { (this->*command)(); });
    }
    // The start of every drag that moves or resizes an object.
    window_.OnExecute(window_.Action("acDragLabelMoving"), [this] {
        nudgeFlag_ = false;
        TakeUndoSnapshot();
    });
}

// --- Undo.

void DocumentCommands::updateUndoActions()
{
    window_.Action("acUndo")->setEnabled(history_.CanUndo());
    window_.Action("acRedo")->setEnabled(history_.CanRedo());
}

void DocumentCommands::TakeUndoSnapshot()
{
    history_.SetUndoCount(window_.Settings().UndoCount);
    history_.TakeUndoSnapshot(window_.Panel(), window_.CardDef());
    updateUndoActions();
    window_.SetModified(true);
}

void DocumentCommands::CreateUndoBuffers()
{
    history_.Clear();
    updateUndoActions();
}

void DocumentCommands::FreeUndoBuffers()
{
    window_.SaveSettings();
    history_.Clear();
}

void DocumentCommands::Undo()
{
    const UndoHistory::RestoreHooks hooks{[this] { ClearCardObjects(); },
                                          [this](TVkDragLabel &object) { window_.WireCardObject(object); }};
    if (const auto restored = history_.Undo(window_.Panel(), window_.CardDef(), hooks))
        afterRestore(*restored);
}

void DocumentCommands::Redo()
{
    const UndoHistory::RestoreHooks hooks{[this] { ClearCardObjects(); },
                                          [this](TVkDragLabel &object) { window_.WireCardObject(object); }};
    if (const auto restored = history_.Redo(window_.Panel(), window_.CardDef(), hooks))
        afterRestore(*restored);
}

// The card on screen no longer matches its file after a step back or forward, even right after a
// save, so closing or opening another card asks first.
void DocumentCommands::afterRestore(const CardStreamReadResult &restored)
{
    window_.SetModified(true);
    window_.Action("acShowGrid")->setChecked(restored.showGrid);
    window_.Action("acFixedGrid")->setEnabled(restored.showGrid);
    updateUndoActions();
    window_.DeselectAllObjects();
    nudgeFlag_ = false;
    window_.LayoutCardSurface();
}

void DocumentCommands::AskUndoCount()
{
    QInputDialog box(&window_);
    box.setWindowTitle(QStringLiteral("元に戻す動作の回数"));
    box.setLabelText(QStringLiteral("回数を入力してください(0～16)"));
    box.setTextValue(QString::number(window_.Settings().UndoCount));
    // Left to itself the box is as narrow as its prompt, and the title bar cuts the caption short.
    const QSize fitted = box.sizeHint();
    box.resize(std::max(fitted.width(), box.fontMetrics().horizontalAdvance(box.windowTitle()) * 2 + 120),
               fitted.height());
    if (box.exec() != QDialog::Accepted)
        return;
    if (const std::optional<int> count = UndoHistory::ParseUndoCount(box.textValue()))
        window_.Settings().UndoCount = *count;
}

// --- Documents.

bool DocumentCommands::ConfirmDiscard()
{
    if (!window_.Modified())
        return true;
    switch (VkMessageBox(kModifiedQuestion, MB_YESNOCANCEL | MB_ICONQUESTION, &window_)) {
    case IDYES: RunGuarded([this] { SaveUpdate(); }, &window_); return !window_.Modified();
    case IDNO: return true;
    default: return false;
    }
}

void DocumentCommands::New()
{
    if (!ConfirmDiscard())
        return;
    FreeUndoBuffers();
    CreateUndoBuffers();
    ClearCardObjects();
    window_.Panel().SetBitmap(QImage());
    window_.Panel().SetColor(clWhite);
    window_.SetModified(false);
    nudgeFlag_ = false;
    window_.SetCurrentFileName(QString());
}

void DocumentCommands::Open()
{
    clearFileName(*open1_);
    startIn(*open1_, window_.Settings().OpenDirectory);
    const QString path = runFileDialog(*open1_);
    if (path.isEmpty())
        return;
    openDialogFileName_ = path;
    OpenCardFile(path);
}

void DocumentCommands::OpenCardFile(const QString &path)
{
    // A file that cannot be read, or that is not a card at all (a picture dropped on the window by
    // mistake), is turned down before the question, and the card on screen stays as it is.
    {
        QFile probe(path);
        openForReading(probe);
        if (!HasCardDocumentLayout(probe.read(kCardDocumentLayoutBytes))) {
            showNotCardFile(path);
            return;
        }
    }
    if (window_.Modified()) {
        const int answer = VkMessageBox(kModifiedQuestion, MB_YESNOCANCEL | MB_ICONQUESTION, &window_);
        if (answer == IDCANCEL)
            return;
        // Changes the user wanted kept are not thrown away when they could not be saved.
        if (answer == IDYES) {
            RunGuarded([this] { SaveUpdate(); }, &window_);
            if (window_.Modified())
                return;
        }
    }
    window_.Settings().OpenDirectory = FolderPart(openDialogFileName_);

    // Opened again after the question: saving may just have replaced this very file.
    QFile file(path);
    openForReading(file);
    ClearCardObjects();
    window_.Panel().SetBitmap(QImage());
    loadOpenedCardFile(file);
    ResetTextEffects();
    if (!window_.CurrentFileName().isEmpty())
        window_.AddRecentFile(window_.CurrentFileName());
}

void DocumentCommands::LoadCardFile(const QString &path)
{
    QFile file(path);
    openForReading(file);
    loadOpenedCardFile(file);
}

void DocumentCommands::loadOpenedCardFile(QFile &file)
{
    window_.DeselectAllObjects();
    window_.SetCurrentFileName(file.fileName());
    const CardStreamReadResult result =
        ReadCardStream(cardFileBytes(file), window_.Panel(),
                       [this](TVkDragLabel &object) { window_.WireCardObject(object); });
    if (result.ok) {
        if (result.headerRead)
            window_.SetCardDef(result.cardDef);
        window_.Action("acShowGrid")->setChecked(result.showGrid);
        window_.Action("acFixedGrid")->setEnabled(result.showGrid);
    } else {
        showNotCardFile(file.fileName());
        window_.SetCurrentFileName(QString());
    }
    nudgeFlag_ = false;
    window_.UpdateCaption();
    window_.SetModified(false);
    history_.Forget();
    updateUndoActions();
    window_.Panel().SetGridStyle(window_.Settings().GridStyle == 0 ? gsLine : gsDot);
    window_.ApplyGridSettings();
    window_.LayoutCardSurface();
    window_.raise();
    window_.activateWindow();
}

void DocumentCommands::showNotCardFile(const QString &path)
{
    window_.raise();
    window_.activateWindow();
    VkMessageBox(NotCardFileMessage(QFileInfo(path).absoluteFilePath()), MB_OK | MB_ICONSTOP, &window_);
}

void DocumentCommands::ResetTextEffects()
{
    for (const char *name : {"acDelete", "acEditObject", "acCopy"})
        window_.Action(name)->setEnabled(false);
    TVkVellumPanel &surface = window_.Panel();
    for (int i = surface.ObjectCount() - 1; i >= 0; --i) {
        TVkDragLabel &object = surface.Object(i);
        if (object.IsText()) {
            object.SetAlphaChannel(100);
            object.SetAntiAlias(false);
        }
    }
}

void DocumentCommands::SaveUpdate()
{
    if (!trimmedFileName(window_.CurrentFileName()).isEmpty())
        SaveCardFile(window_.CurrentFileName());
    else
        SaveAs();
}

void DocumentCommands::PrepareSaveDialog(const QString &title, const QString &filter)
{
    startIn(*save1_, window_.Settings().SaveDirectory);
    clearFileName(*save1_);
    save1_->setWindowTitle(title);
    save1_->setNameFilter(filter);
}

void DocumentCommands::SaveAs()
{
    PrepareSaveDialog(QStringLiteral("カードを保存"), kCardFilter);
    const QString path = runFileDialog(*save1_);
    if (!path.isEmpty())
        SaveCardFile(path);
}

void DocumentCommands::SaveCardFile(const QString &path)
{
    // Written beside the old file and renamed over it, so a failed save leaves the old one whole.
    QSaveFile file(path);
    QByteArray bytes;
    WriteCardStream(bytes, window_.Panel(), window_.CardDef());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw VkError(QStringLiteral("ファイル %1 を作成できません").arg(path));
    window_.SetCurrentFileName(path);
    window_.SetModified(false);
    window_.AddRecentFile(path);
    window_.Settings().SaveDirectory = FolderPart(path);
    window_.UpdateCaption();
}

void DocumentCommands::AllClear()
{
    nudgeFlag_ = false;
    TakeUndoSnapshot();
    ClearCardObjects();
    window_.Panel().SetBitmap(QImage());
    window_.Panel().Invalidate();
}

void DocumentCommands::ClearCardObjects()
{
    for (const char *name : {"acDelete", "acEditObject", "acCopy"})
        window_.Action(name)->setEnabled(false);
    window_.SetLastSelectedObject(nullptr);
    window_.Panel().ClearObjects();
}
