#pragma once

#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"
#include "model/document/TCardDef.h"
#include "model/document/UndoHistory.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class TVkDragLabel;

// A card file read whole into a card of its own, before anything of the open card changes.
struct CardFileContent {
    QString fileName;
    std::unique_ptr<TVkVellumPanel> surface;
    std::unique_ptr<TVkVellumPanel> back; // blank when the file has no back side
    CardStreamReadResult read;            // read.ok is false when the file is not a card document
};

// The two sides of a printed card. The back is printed on the other side of the same sheet.
enum class CardSide { Front, Back };

// One card as a document: the surface with its objects, the card definition it is laid out for,
// the file it came from, whether it changed since, and its undo history. It has no window; the
// main window shows one, and anything else (a batch command, a test) can open, draw, change,
// undo and save one the same way.
//
// The card has a front and a back side. Surface() is the side being designed, the one a window
// shows; the other side's objects and background wait in a surface of their own and change places
// with the shown side's when the other side is shown, so the surface a window holds stays the same
// object whichever side it shows.
class CardDocument {
public:
    CardDocument();
    ~CardDocument();
    CardDocument(const CardDocument &) = delete;
    CardDocument &operator=(const CardDocument &) = delete;

    TVkVellumPanel &Surface() { return surface_; }
    const TVkVellumPanel &Surface() const { return surface_; }
    CardSide ShownSide() const { return shownSide_; }
    // Puts that side's objects and background on Surface(); the card is not changed by it.
    void ShowSide(CardSide side);
    // Told whenever the side shown changes, whatever changed it (a command, an open, a new card).
    std::function<void(CardSide)> OnShownSideChanged;
    // A side whichever is shown, laid out as the surface is (size, grid).
    TVkVellumPanel &Side(CardSide side);
    // Whether the back has anything to print or store.
    bool HasBackSide();
    const TCardDef &CardDef() const { return cardDef_; }
    void SetCardDef(const TCardDef &cardDef) { cardDef_ = cardDef; }
    // Empty for a card never saved nor opened.
    const QString &FileName() const { return fileName_; }
    void SetFileName(const QString &fileName) { fileName_ = fileName; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    // Told whenever the modified flag changes, whatever changed it (a save, an undo step, an open).
    std::function<void(bool)> OnModifiedChanged;
    UndoHistory &History() { return history_; }
    const UndoHistory &History() const { return history_; }

    // Reads the file at path into a new card that starts with this card's stored surface
    // properties and no background picture, as reading into this card would, so that what the
    // file does not store keeps the current value. Only a plain file of at most kMaxCardFileBytes
    // whose first kCardDocumentLayoutBytes look like a card document is read whole. Throws
    // VkError naming the file when it is not a plain file or cannot be opened.
    CardFileContent ReadCardFile(const QString &path) const;
    // Puts a card read by ReadCardFile (read.ok) in place of this one, front shown: both sides with
    // their objects (each handed to wireObject), the card definition when the file has one, and the
    // file's name; unmodified, with the undo history forgotten. Text objects open opaque and
    // unsmoothed.
    void Replace(CardFileContent &&content, const std::function<void(TVkDragLabel &)> &wireObject = {});
    // ReadCardFile, then Replace. Throws VkError with NotCardFileMessage, the card untouched, when
    // the file is not a card document; what could not be read is counted in the result.
    CardStreamReadResult Open(const QString &path);
    // Writes the card beside the file at path and renames it over it, so a failed save leaves the
    // previous file whole; the failure is a VkError naming the file and the system's reason. The
    // card then carries path as its name and is unmodified.
    void Save(const QString &path);
    // An empty white card without a name, background picture or back side, its front shown and its
    // undo history released.
    void New();

    // Records the card, both sides, before a change and marks it modified.
    void TakeUndoSnapshot();
    // A step back or forward; the card then differs from its file whatever it was before.
    std::optional<CardStreamReadResult> Undo(const UndoHistory::RestoreHooks &hooks = {});
    std::optional<CardStreamReadResult> Redo(const UndoHistory::RestoreHooks &hooks = {});

    // No card comes near this size; a larger file is not read at all, rather than taking the memory.
    static constexpr qint64 kMaxCardFileBytes = 512LL * 1024 * 1024;

private:
    TVkVellumPanel &hiddenSide();

    TVkVellumPanel surface_;
    TVkVellumPanel otherSide_;
    CardSide shownSide_ = CardSide::Front;
    TCardDef cardDef_{};
    QString fileName_;
    bool modified_ = false;
    UndoHistory history_;
};

// The text shown when a card from a newer version of the program opened without the properties
// this one does not know.
QString SkippedPropertiesMessage(const QString &absolutePath, int propertiesSkipped);
// The text shown when a card holds characters an older version could not store.
QString LostCharactersMessage(const QString &absolutePath, int charactersLost);
// Whether a card opened without some of what its file held.
bool LostContent(const CardStreamReadResult &read);
// The text shown when it did: the objects of each side and the back's own entry that could not be
// read, and whether the file is cut short.
QString LostContentMessage(const QString &absolutePath, const CardStreamReadResult &read);
