#include "cli/BatchCard.h"

#include "model/card/SurfaceScale.h"
#include "model/document/CardStream.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "model/platform/VkError.h"
#include "model/sheet/CardDefinitions.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// The window's largest surface: a card beyond it is drawn at this size there too.
constexpr int kMaxSurfacePixels = 4000;
constexpr qint64 kMaxCardFileBytes = 512LL * 1024 * 1024;

TCardDefList cardDefinitions()
{
    std::unique_ptr<TCardDefList> list;
    try {
        LoadCardDefs(list);
    } catch (const VkError &) {
        // What could be read is what there is.
    }
    return list ? *list : TCardDefList();
}

QByteArray cardFileBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw VkError(QStringLiteral("ファイル %1 は開けません").arg(path));
    const qint64 size = file.size();
    if (size <= 0 || size > kMaxCardFileBytes)
        throw VkError(NotCardFileMessage(QFileInfo(path).absoluteFilePath()));
    return file.read(size);
}

} // namespace

BatchCard::BatchCard(const QString &path) : path_(path)
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    settings_.Load(ini, QRect());
    backSide_.Load(ini);
    const CardStreamReadResult read = ReadCardStream(cardFileBytes(path), surface_, {}, &back_);
    if (!read.ok)
        throw VkError(NotCardFileMessage(QFileInfo(path).absoluteFilePath()));
    if (read.headerRead) {
        cardDef_ = read.cardDef;
    } else {
        const TCardDefList sheets = cardDefinitions();
        const int index = settings_.CardIndex;
        cardDef_ = index >= 0 && std::size_t(index) < sheets.size() ? sheets[std::size_t(index)]
                   : sheets.empty()                                 ? ParseCardDef({})
                                                                    : sheets.front();
    }
    layOut();
}

bool BatchCard::HasBackSide() const
{
    return SideHasContent(back_);
}

QString BatchCard::Title() const
{
    return QFileInfo(path_).fileName();
}

void BatchCard::UseSheet(const QString &name)
{
    const TCardDefList sheets = cardDefinitions();
    const auto named = std::find_if(sheets.begin(), sheets.end(),
                                    [&name](const TCardDef &sheet) { return CardDefName(sheet) == name; });
    if (named == sheets.end())
        throw VkError(
            QStringLiteral("用紙 %1 はカード定義ファイル %2 にありません").arg(name, CardDefFileName()));
    cardDef_ = *named;
    layOut();
}

void BatchCard::layOut()
{
    for (TVkVellumPanel *side : {&surface_, &back_})
        side->SetBounds(0, 0, std::clamp(TenthMmToSurfacePixels(cardDef_.CardSizeX), 0, kMaxSurfacePixels),
                        std::clamp(TenthMmToSurfacePixels(cardDef_.CardSizeY), 0, kMaxSurfacePixels));
}
