#include "cli/BatchCard.h"

#include "cli/BatchSheetList.h"
#include "model/document/CardDocument.h"
#include "model/document/CardStream.h"
#include "model/output/CardSurfaceSize.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardDefinitions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

BatchCard::BatchCard(const QString &path) : path_(path)
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    settings_.Load(ini, QRect());
    backSide_.Load(ini);
    CardFileContent content = CardDocument().ReadCardFile(path);
    const CardStreamReadResult &read = content.read;
    if (!read.ok)
        throw VkError(NotCardFileMessage(QFileInfo(path).absoluteFilePath()));
    // A card missing part of itself would be printed or exported as if whole; a script is told
    // by the exit status, and the window can open what is left to be checked and saved again.
    if (LostContent(read))
        throw VkError(
            LostContentMessage(QFileInfo(path).absoluteFilePath(), read) +
            QCoreApplication::translate("BatchCard", "\nウィンドウで開いて確かめ、保存し直してください。"));
    if (read.charactersLost > 0)
        notes_ << LostCharactersMessage(QFileInfo(path).absoluteFilePath(), read.charactersLost);
    if (read.propertiesSkipped > 0)
        notes_ << SkippedPropertiesMessage(QFileInfo(path).absoluteFilePath(), read.propertiesSkipped);
    surface_ = std::move(content.surface);
    back_ = std::move(content.back);
    if (read.headerRead) {
        cardDef_ = read.cardDef;
    } else {
        const TCardDefList sheets = ReadUserSheets();
        const int index = settings_.CardIndex;
        cardDef_ = index >= 0 && std::size_t(index) < sheets.size() ? sheets[std::size_t(index)]
                   : sheets.empty()                                 ? ParseCardDef({})
                                                                    : sheets.front();
    }
    layOut();
}

bool BatchCard::HasBackSide() const
{
    return SideHasContent(*back_);
}

QString BatchCard::Title() const
{
    return QFileInfo(path_).fileName();
}

void BatchCard::UseSheet(const QString &name)
{
    cardDef_ = FindBatchSheet(name);
    layOut();
}

void BatchCard::layOut()
{
    const QSize size = CardSurfaceSize(cardDef_, surface_->Orientation());
    for (TVkVellumPanel *side : {surface_.get(), back_.get()})
        side->SetBounds(0, 0, size.width(), size.height());
}
