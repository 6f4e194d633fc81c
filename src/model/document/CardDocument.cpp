#include "model/document/CardDocument.h"

#include "model/card/TVkDragLabel.h"
#include "model/document/CardStreamProperties.h"
#include "model/platform/OutputFile.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// Only a plain file can hold a card: a folder cannot be read as one, and opening a named pipe or
// a device would wait for a writer that may never come.
void openForReading(QFile &file)
{
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        throw VkError(
            QCoreApplication::translate("CardDocument", "ファイル %1 は開けません").arg(file.fileName()));
}

// The bytes of a card file, read whole; empty when the file is not a card document by its start or
// is larger than any card. The file is not mapped: another program cutting it short while it is
// read would take the mapped pages away and end the program.
QByteArray cardFileBytes(QFile &file)
{
    const qint64 size = file.size();
    if (size <= 0 || size > CardDocument::kMaxCardFileBytes)
        return {};
    QByteArray bytes = file.read(kCardDocumentLayoutBytes);
    if (!HasCardDocumentLayout(bytes))
        return {};
    bytes += file.read(size - bytes.size());
    return bytes;
}

// Text objects open opaque and unsmoothed, whatever their file stores, as cards always have.
void resetTextEffects(TVkVellumPanel &surface)
{
    for (int i = surface.ObjectCount() - 1; i >= 0; --i) {
        TVkDragLabel &object = surface.Object(i);
        if (object.IsText()) {
            object.SetAlphaChannel(100);
            object.SetAntiAlias(false);
        }
    }
}

// What a side has of its own besides its objects: its colour and its background picture, with the
// SVG file the picture was made from.
class SideBackground {
public:
    explicit SideBackground(const TVkVellumPanel &side)
        : color_(side.Color()), bitmap_(side.Bitmap()), svg_(side.SvgData())
    {
    }

    void PutOn(TVkVellumPanel &side) const
    {
        side.SetColor(color_);
        side.SetBitmap(bitmap_); // drops the SVG source, which is put back after it
        side.SetSvgData(svg_);
    }

private:
    TColor color_;
    QImage bitmap_;
    QByteArray svg_;
};

} // namespace

CardDocument::CardDocument() = default;
CardDocument::~CardDocument() = default;

void CardDocument::SetModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    if (OnModifiedChanged)
        OnModifiedChanged(modified);
}

void CardDocument::ShowSide(CardSide side)
{
    if (side == shownSide_)
        return;
    TVkVellumPanel &hidden = hiddenSide();
    std::vector<std::unique_ptr<TVkDragLabel>> shownObjects = surface_.TakeObjects();
    for (std::unique_ptr<TVkDragLabel> &object : hidden.TakeObjects())
        surface_.AddObject(std::move(object));
    for (std::unique_ptr<TVkDragLabel> &object : shownObjects)
        hidden.AddObject(std::move(object));
    const SideBackground shownBackground(surface_);
    SideBackground(hidden).PutOn(surface_);
    shownBackground.PutOn(hidden);
    shownSide_ = side;
    surface_.Invalidate();
    if (OnShownSideChanged)
        OnShownSideChanged(side);
}

// The side not shown, given the shown side's layout and its menu, so that both sides are written
// alike whichever is shown: only the objects and the background are a side's own.
TVkVellumPanel &CardDocument::hiddenSide()
{
    const SideBackground background(otherSide_);
    CopySurfaceProperties(surface_, otherSide_);
    otherSide_.SetPopupMenu(surface_.PopupMenu());
    otherSide_.SetBounds(surface_.Left(), surface_.Top(), surface_.Width(), surface_.Height());
    background.PutOn(otherSide_);
    return otherSide_;
}

TVkVellumPanel &CardDocument::Side(CardSide side)
{
    return side == shownSide_ ? surface_ : hiddenSide();
}

bool CardDocument::HasBackSide()
{
    return SideHasContent(Side(CardSide::Back));
}

CardFileContent CardDocument::ReadCardFile(const QString &path) const
{
    QFile file(path);
    openForReading(file);
    CardFileContent content{path, std::make_unique<TVkVellumPanel>(), std::make_unique<TVkVellumPanel>(), {}};
    CopySurfaceProperties(surface_, *content.surface);
    content.surface->SetBitmap(QImage());
    CopySurfaceProperties(surface_, *content.back);
    ClearSide(*content.back);
    content.read = ReadCardStream(cardFileBytes(file), *content.surface, {}, content.back.get());
    return content;
}

void CardDocument::Replace(CardFileContent &&content, const std::function<void(TVkDragLabel &)> &wireObject)
{
    ShowSide(CardSide::Front);
    for (const CardSide side : {CardSide::Front, CardSide::Back}) {
        TVkVellumPanel &from = side == CardSide::Front ? *content.surface : *content.back;
        TVkVellumPanel &to = Side(side);
        to.ClearObjects();
        resetTextEffects(from);
        CopySurfaceProperties(from, to);
        for (std::unique_ptr<TVkDragLabel> &object : from.TakeObjects()) {
            TVkDragLabel &added = to.AddObject(std::move(object));
            if (wireObject)
                wireObject(added);
        }
    }
    if (content.read.headerRead)
        cardDef_ = content.read.cardDef;
    fileName_ = content.fileName;
    SetModified(false);
    history_.Forget();
}

CardStreamReadResult CardDocument::Open(const QString &path)
{
    CardFileContent content = ReadCardFile(path);
    if (!content.read.ok)
        throw VkError(NotCardFileMessage(QFileInfo(path).absoluteFilePath()));
    const CardStreamReadResult read = content.read;
    Replace(std::move(content));
    return read;
}

void CardDocument::Save(const QString &path)
{
    const QByteArray bytes = CardDocumentBytes(Side(CardSide::Front), cardDef_, &Side(CardSide::Back));
    OutputFile file(path);
    if (!file.Open() || !file.Write(bytes) || !file.Commit())
        throw VkError(QCoreApplication::translate("CardDocument", "ファイル %1 を作成できません: %2")
                          .arg(path, file.ErrorString()));
    fileName_ = path;
    SetModified(false);
}

void CardDocument::New()
{
    ShowSide(CardSide::Front);
    ClearSide(surface_);
    ClearSide(otherSide_);
    fileName_.clear();
    SetModified(false);
    history_.Clear();
}

void CardDocument::TakeUndoSnapshot()
{
    history_.TakeUndoSnapshot(Side(CardSide::Front), cardDef_, &Side(CardSide::Back));
    SetModified(true);
}

std::optional<CardStreamReadResult> CardDocument::Undo(const UndoHistory::RestoreHooks &hooks)
{
    std::optional<CardStreamReadResult> restored =
        history_.Undo(Side(CardSide::Front), cardDef_, hooks, &Side(CardSide::Back));
    if (restored)
        SetModified(true);
    return restored;
}

std::optional<CardStreamReadResult> CardDocument::Redo(const UndoHistory::RestoreHooks &hooks)
{
    std::optional<CardStreamReadResult> restored =
        history_.Redo(Side(CardSide::Front), cardDef_, hooks, &Side(CardSide::Back));
    if (restored)
        SetModified(true);
    return restored;
}

bool LostContent(const CardStreamReadResult &read)
{
    return read.objectsLost > 0 || read.backLost || read.cutShort;
}

QString LostContentMessage(const QString &absolutePath, const CardStreamReadResult &read)
{
    QStringList lost;
    const int frontObjectsLost = read.objectsLost - read.backObjectsLost;
    if (frontObjectsLost > 0)
        lost << QCoreApplication::translate("CardDocument", "表面のオブジェクト %1 個").arg(frontObjectsLost);
    if (read.backLost)
        lost << QCoreApplication::translate("CardDocument", "裏面の色と背景");
    if (read.backObjectsLost > 0)
        lost << QCoreApplication::translate("CardDocument", "裏面のオブジェクト %1 個")
                    .arg(read.backObjectsLost);
    QString message =
        QCoreApplication::translate("CardDocument", "%1 は壊れているため、読み込めなかったものがあります。")
            .arg(absolutePath);
    for (const QString &item : lost)
        message += QCoreApplication::translate("CardDocument", "\n・") + item;
    if (read.cutShort)
        message += QCoreApplication::translate(
            "CardDocument", "\nファイルが途中で切れているため、その後に続いていたものも失われています。");
    return message;
}

QString SkippedPropertiesMessage(const QString &absolutePath, int propertiesSkipped)
{
    return QCoreApplication::translate(
               "CardDocument",
               "%1 は新しい版のプログラムで作られています。このプログラムが知らない %2 個の設定を"
               "読み飛ばしました。このプログラムで保存すると、それらの設定は失われます。")
        .arg(absolutePath)
        .arg(propertiesSkipped);
}

QString LostCharactersMessage(const QString &absolutePath, int charactersLost)
{
    return QCoreApplication::translate(
               "CardDocument",
               "%1 には、保存されたときに失われた文字が %2 か所あります。「〓」に置き換えて表示します。")
        .arg(absolutePath)
        .arg(charactersLost);
}
