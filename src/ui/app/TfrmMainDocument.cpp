// Document commands of the main window: the start-up card, opening a card, the question before a
// modified card is discarded, and the undo history. The commands themselves live in
// DocumentCommands.
#include "ui/app/DocumentCommands.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"

void TfrmMain::LoadStartupCard(const QString &fileName)
{
    RunGuarded([this, &fileName] { documents_->LoadCardFile(fileName); }, this);
}

void TfrmMain::OpenCardFile(const QString &fileName)
{
    RunGuarded([this, &fileName] { documents_->OpenCardFile(fileName); }, this);
}

bool TfrmMain::ConfirmDiscard()
{
    return documents_->ConfirmDiscard();
}

void TfrmMain::CreateUndoBuffers()
{
    documents_->CreateUndoBuffers();
}

void TfrmMain::FreeUndoBuffers()
{
    documents_->FreeUndoBuffers();
}

void TfrmMain::TakeUndoSnapshot()
{
    documents_->TakeUndoSnapshot();
}

bool TfrmMain::NudgeFlag() const
{
    return documents_->NudgeFlag();
}

void TfrmMain::SetNudgeFlag(bool nudged)
{
    documents_->SetNudgeFlag(nudged);
}
