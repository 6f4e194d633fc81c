// Document commands of the main window: the start-up card, opening a card, the question before a
// modified card is discarded, and the undo history.
#include "app/TfrmMain.h"

void TfrmMain::LoadStartupCard(const QString &)
{
}

void TfrmMain::OpenCardFile(const QString &)
{
}

bool TfrmMain::ConfirmDiscard()
{
    return true;
}

void TfrmMain::CreateUndoBuffers()
{
}

void TfrmMain::FreeUndoBuffers()
{
}
