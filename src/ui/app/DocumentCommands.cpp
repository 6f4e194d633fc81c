#include "ui/app/DocumentCommands.h"

#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "model/document/PictureBudget.h"
#include "model/platform/FolderPart.h"
#include "model/platform/ProgramFolder.h"
#include "ui/app/TfrmMain.h"
#include "ui/app/TfrmNewCard.h"
#include "ui/platform/FileDialogCompletion.h"
#include "ui/platform/FileDialogSize.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/TFileDrop.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace {

// "*.*" would hide every file whose name has no dot; "*" is every file here.
QString cardFilter()
{
    return QCoreApplication::translate("DocumentCommands", "カードファイル(*.vkc);;すべてのファイル(*)");
}

QString modifiedQuestion()
{
    return QCoreApplication::translate("DocumentCommands", "カードは変更されています。保存しますか？");
}

QFileDialog *makeFileDialog(QWidget *parent, const char *name)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(QStringLiteral("vkc"));
    dialog->setNameFilter(cardFilter());
    CloseCompletionWithDialog(*dialog);
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

} // namespace

DocumentCommands::DocumentCommands(TfrmMain &window) : window_(window)
{
    open1_ = makeFileDialog(&window, "Open1");
    open1_->setWindowTitle(QCoreApplication::translate("DocumentCommands", "カードを開く"));
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

CardDocument &DocumentCommands::document() const
{
    return window_.Document();
}

void DocumentCommands::connectActions()
{
    struct Command {
        MainActionName action;
        void (DocumentCommands::*run)();
    };
    const Command commands[] = {
        {"acNew", &DocumentCommands::New},
        {"acOpen", &DocumentCommands::Open},
        {"acSaveUpdate", &DocumentCommands::SaveUpdate},
        {"acSaveAs", &DocumentCommands::SaveAs},
        {"acAllClear", &DocumentCommands::AllClear},
        {"acUndo", &DocumentCommands::Undo},
        {"acRedo", &DocumentCommands::Redo},
        {"acUndoCount", &DocumentCommands::AskUndoCount},
    };
    for (const Command &command : commands)
        window_.OnExecute(window_.Action(command.action), [this, run = command.run] { (this->*run)(); });
    // The start of every drag that moves or resizes an object.
    window_.OnExecute(window_.Action("acDragLabelMoving"), [this] {
        nudgeFlag_ = false;
        TakeUndoSnapshot();
    });
}

// --- Undo.

void DocumentCommands::updateUndoActions()
{
    window_.Action("acUndo")->setEnabled(document().History().CanUndo());
    window_.Action("acRedo")->setEnabled(document().History().CanRedo());
}

void DocumentCommands::TakeUndoSnapshot()
{
    document().History().SetUndoCount(window_.Settings().UndoCount);
    document().TakeUndoSnapshot();
    updateUndoActions();
}

void DocumentCommands::CreateUndoBuffers()
{
    document().History().Clear();
    updateUndoActions();
}

void DocumentCommands::FreeUndoBuffers()
{
    window_.SaveSettings();
    document().History().Clear();
}

UndoHistory::RestoreHooks DocumentCommands::restoreHooks()
{
    return {[this] { ClearCardObjects(); }, [this](TVkDragLabel &object) { window_.WireCardObject(object); }};
}

void DocumentCommands::Undo()
{
    if (const auto restored = document().Undo(restoreHooks()))
        afterRestore(*restored);
}

void DocumentCommands::Redo()
{
    if (const auto restored = document().Redo(restoreHooks()))
        afterRestore(*restored);
}

// The card on screen no longer matches its file after a step back or forward, even right after a
// save, so the document is left modified and closing or opening another card asks first.
void DocumentCommands::afterRestore(const CardStreamReadResult &restored)
{
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
    box.setWindowTitle(QCoreApplication::translate("DocumentCommands", "元に戻す動作の回数"));
    box.setLabelText(QCoreApplication::translate("DocumentCommands", "回数を入力してください(0～%1)")
                         .arg(UndoHistory::kMaxUndoCount));
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
    switch (VkMessageBox(modifiedQuestion(), MB_YESNOCANCEL | MB_ICONQUESTION, &window_)) {
    case IDYES: RunGuarded([this] { SaveUpdate(); }, &window_); return !window_.Modified();
    case IDNO: return true;
    default: return false;
    }
}

void DocumentCommands::New()
{
    if (!ConfirmDiscard())
        return;
    TfrmNewCard gallery(ShippedFile(QStringLiteral("samples")), &window_);
    if (gallery.exec() != QDialog::Accepted)
        return;
    FreeUndoBuffers();
    ClearCardObjects();
    document().New();
    const QString sample = gallery.ChosenSample();
    if (!sample.isEmpty()) {
        // The sample starts a card of its own: without a name, so saving asks for one.
        CardFileContent content = document().ReadCardFile(sample);
        if (content.read.ok) {
            content.fileName.clear();
            showCardFile(std::move(content));
            return;
        }
    }
    document().Surface().SetOrientation(gallery.BlankOrientation());
    updateUndoActions();
    nudgeFlag_ = false;
    window_.UpdateCaption();
    window_.LayoutCardSurface();
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
    // The whole file is read before anything else, so a file that cannot be read, one that is not
    // a card at all (a picture dropped on the window by mistake) or a card too damaged to read is
    // turned down before the question, and the card on screen stays as it is.
    CardFileContent content = document().ReadCardFile(path);
    if (!content.read.ok) {
        showNotCardFile(path);
        return;
    }
    if (window_.Modified()) {
        const int answer = VkMessageBox(modifiedQuestion(), MB_YESNOCANCEL | MB_ICONQUESTION, &window_);
        if (answer == IDCANCEL)
            return;
        // Changes the user wanted kept are not thrown away when they could not be saved.
        if (answer == IDYES) {
            RunGuarded([this] { SaveUpdate(); }, &window_);
            if (window_.Modified())
                return;
            // Read again: saving may just have replaced this very file.
            content = document().ReadCardFile(path);
            if (!content.read.ok) {
                showNotCardFile(path);
                return;
            }
        }
    }
    window_.Settings().OpenDirectory = FolderPart(openDialogFileName_);
    showCardFile(std::move(content));
    window_.AddRecentFile(window_.CurrentFileName());
}

void DocumentCommands::LoadCardFile(const QString &path)
{
    CardFileContent content = document().ReadCardFile(path);
    if (content.read.ok)
        showCardFile(std::move(content));
    else
        showNotCardFile(path);
}

void DocumentCommands::showCardFile(CardFileContent &&content)
{
    const CardStreamReadResult read = content.read;
    const QString path = content.fileName;
    window_.DeselectAllObjects();
    ClearCardObjects();
    document().Replace(std::move(content), [this](TVkDragLabel &object) { window_.WireCardObject(object); });
    window_.Action("acShowGrid")->setChecked(read.showGrid);
    window_.Action("acFixedGrid")->setEnabled(read.showGrid);
    nudgeFlag_ = false;
    // The card on screen is not what its file held, so closing or opening another asks first.
    if (LostContent(read))
        document().SetModified(true);
    window_.UpdateCaption();
    updateUndoActions();
    window_.Panel().SetGridStyle(window_.Settings().GridStyle == 0 ? gsLine : gsDot);
    window_.ApplyGridSettings();
    window_.LayoutCardSurface();
    window_.raise();
    window_.activateWindow();
    if (LostContent(read))
        VkMessageBox(LostContentMessage(QFileInfo(path).absoluteFilePath(), read), MB_OK | MB_ICONEXCLAMATION,
                     &window_);
    if (read.charactersLost > 0)
        VkMessageBox(LostCharactersMessage(QFileInfo(path).absoluteFilePath(), read.charactersLost),
                     MB_OK | MB_ICONINFORMATION, &window_);
    if (read.propertiesSkipped > 0)
        VkMessageBox(SkippedPropertiesMessage(QFileInfo(path).absoluteFilePath(), read.propertiesSkipped),
                     MB_OK | MB_ICONINFORMATION, &window_);
    if (read.picturesRefused > 0)
        VkMessageBox(PictureBudgetMessage(read.picturesRefused), MB_OK | MB_ICONEXCLAMATION, &window_);
}

void DocumentCommands::showNotCardFile(const QString &path)
{
    window_.raise();
    window_.activateWindow();
    VkMessageBox(NotCardFileMessage(QFileInfo(path).absoluteFilePath()), MB_OK | MB_ICONSTOP, &window_);
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
    PrepareSaveDialog(QCoreApplication::translate("DocumentCommands", "カードを保存"), cardFilter());
    const QString path = runFileDialog(*save1_);
    if (!path.isEmpty())
        SaveCardFile(path);
}

void DocumentCommands::SaveCardFile(const QString &path)
{
    document().Save(path);
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
    for (const MainActionName name :
         {MainActionName("acDelete"), MainActionName("acEditObject"), MainActionName("acCopy")})
        window_.Action(name)->setEnabled(false);
    window_.SetLastSelectedObject(nullptr);
    window_.Panel().ClearObjects();
}
