#pragma once

#include "model/document/UndoHistory.h"

#include <QString>
#include <memory>

class CardDocument;
struct CardFileContent;
class QFileDialog;
class TFileDrop;
class TfrmMain;

// The main window's document commands: new, open, save, save as, clear, the question before
// changes are lost, dropped files, undo, redo and the undo count. They work on the window's card
// document and keep the window (caption, actions, selection, layout) in step with it.
class DocumentCommands {
public:
    explicit DocumentCommands(TfrmMain &window);
    ~DocumentCommands();
    DocumentCommands(const DocumentCommands &) = delete;
    DocumentCommands &operator=(const DocumentCommands &) = delete;

    // --- Undo.
    // Records the card before a change and marks it modified. Callers other than the arrow-key
    // nudge clear the nudge flag first.
    void TakeUndoSnapshot();
    bool NudgeFlag() const { return nudgeFlag_; }
    void SetNudgeFlag(bool nudged) { nudgeFlag_ = nudged; }
    void CreateUndoBuffers();
    void FreeUndoBuffers();
    void Undo();
    void Redo();
    void AskUndoCount();

    // --- Documents.
    void New();
    void Open();
    void SaveUpdate();
    void SaveAs();
    void AllClear();
    bool ConfirmDiscard();
    void OpenCardFile(const QString &path);
    void LoadCardFile(const QString &path);
    void SaveCardFile(const QString &path);
    void ClearCardObjects();

    // The save dialog Save1, which the export command shares.
    QFileDialog &SaveDialog() const { return *save1_; }
    // Readies Save1 for a use: the remembered save folder, no file name, the title and file types.
    void PrepareSaveDialog(const QString &title, const QString &filter);

private:
    CardDocument &document() const;
    void connectActions();
    void showCardFile(CardFileContent &&content);
    void showNotCardFile(const QString &path);
    UndoHistory::RestoreHooks restoreHooks();
    void afterRestore(const CardStreamReadResult &restored);
    void updateUndoActions();

    TfrmMain &window_;
    bool nudgeFlag_ = false;
    // Owned by the window, as Qt children.
    QFileDialog *open1_ = nullptr;
    QFileDialog *save1_ = nullptr;
    TFileDrop *fileDrop1_ = nullptr;
    // The file last chosen in the open dialog during this run; its folder is the open directory.
    QString openDialogFileName_;
};
