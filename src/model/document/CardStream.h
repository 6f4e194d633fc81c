#pragma once

#include "model/document/TCardDef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class PictureCache;
class QIODevice;
struct SplicedCardStream;
class TVkDragLabel;
class TVkVellumPanel;

// A card document: the 289-byte card definition, the card surface's entry, then one entry per card
// object from the bottom of the stack up. Documents, undo snapshots and the copy that export draws
// all use these bytes. A card printed on both sides goes on with the back's surface entry, named
// "CardBack", and the back's objects; a reader that knows only one side stops at that entry, since
// it is no card object.

// What reading a document gives the main window to apply.
struct CardStreamReadResult {
    bool ok = false;         // the surface was read in one of the three layouts
    bool headerRead = false; // the document has a card definition, and it is cardDef
    TCardDef cardDef{};
    bool showGrid = false; // the grid tick the card carries
    int objectsRead = 0;
    int objectsLost = 0;     // object entries that could not be read, or beyond kMaxCardObjects
    int backObjectsLost = 0; // how many of those were the back's
    bool backLost = false;   // the back's own entry (its colour and background) could not be read
    bool cutShort = false;   // the document ends inside an entry: what came after it is not known
    // Properties passed over because this program does not know them: the document was written by
    // a newer version, and what they hold is neither shown nor saved again.
    int propertiesSkipped = 0;
    // Characters an older version could not store, shown as the code page's unstorable mark.
    int charactersLost = 0;
    // Pictures left out because the card would hold more picture memory than PictureBudget
    // allows: a refused background leaves the colour, an object with a refused picture is left out.
    int picturesRefused = 0;
};

// Writes the card definition, the surface and its objects, replacing whatever stream held; then the
// back side when back is given and has content, so a one-sided card is the same bytes whether or
// not its blank back is passed.
void WriteCardStream(QByteArray &stream, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     const TVkVellumPanel *back = nullptr);
// The same with the pictures held by reference from pictures, which encodes each picture once.
void WriteCardStream(SplicedCardStream &stream, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     PictureCache &pictures, const TVkVellumPanel *back = nullptr);
// The bytes of a document to be kept, with its back side as above. Text lines keep what code page
// 932 cannot hold in a UTF-8 copy of their own; a font name or hint it cannot hold would be lost,
// so it is refused first: a VkError names the characters and where they are, and nothing is written.
QByteArray CardDocumentBytes(const TVkVellumPanel &surface, const TCardDef &cardDef,
                             const TVkVellumPanel *back = nullptr);
// A document into a device, from its start, cut off at the end of what was written. False when the
// device refused the bytes; text that cannot be stored is refused as above, before the device is
// touched.
bool WriteCardStream(QIODevice &device, const TVkVellumPanel &surface, const TCardDef &cardDef,
                     const TVkVellumPanel *back = nullptr);

// The most card objects read from one document. An object entry takes as few as 18 bytes but an
// object far more memory, so a file of nothing but empty entries could otherwise ask for many
// times its own size; no card made by hand comes near this.
constexpr int kMaxCardObjects = 65536;

// Reads a document into surface, adding its objects on top of those it has. Tries the current
// layout, then one without a card definition, then one behind an 8-byte prefix. Each object read
// is unselected, put on the surface and handed to wireObject; an object that cannot be read, or
// one beyond kMaxCardObjects, is counted as lost and the reading goes on at the next object's
// entry. When no layout fits, ok is false and no object is read; the caller names the file as not
// being a card document. The back side's surface and objects are read into back, as the front's
// are and with the same rules for damage; without back they are passed over.
CardStreamReadResult ReadCardStream(QByteArrayView stream, TVkVellumPanel &surface,
                                    const std::function<void(TVkDragLabel &)> &wireObject = {},
                                    TVkVellumPanel *back = nullptr);
// The same for a document written with its pictures held by reference; each picture read is the
// one held, without decoding.
CardStreamReadResult ReadCardStream(const SplicedCardStream &stream, TVkVellumPanel &surface,
                                    const std::function<void(TVkDragLabel &)> &wireObject = {},
                                    TVkVellumPanel *back = nullptr);

// Copies source's stored properties and objects onto target through the document bytes, with the
// pictures held by reference: target shares source's pictures (as reading them back would give
// them) rather than decoding copies. pictures, when given, keeps them across copies.
CardStreamReadResult CopySurface(const TVkVellumPanel &source, TVkVellumPanel &target,
                                 const TCardDef &cardDef,
                                 const std::function<void(TVkDragLabel &)> &wireObject = {},
                                 PictureCache *pictures = nullptr);

// Whether a back side has anything to store or print: an object, a background picture, or a colour
// other than the white a new card starts with.
bool SideHasContent(const TVkVellumPanel &side);
// Makes a side as a new card's: no objects, no background picture, white, across.
void ClearSide(TVkVellumPanel &side);
// The entries of the given objects alone, numbered from 0, exactly as a document holds them after
// its surface's entry; the clipboard carries card objects this way between cards and programs.
QByteArray WriteObjectEntries(std::span<TVkDragLabel *const> objects);
// The objects of bytes written by WriteObjectEntries, none at all when any entry cannot be read or
// there are more than kMaxCardObjects: bytes from outside are taken whole or not at all.
std::vector<std::unique_ptr<TVkDragLabel>> ReadObjectEntries(QByteArrayView stream);

// Whether the bytes begin like a card document in one of the three layouts: a card surface's entry
// where one of them puts it. Only the entry's header is looked at, so a file of another kind is
// told apart without reading the card; a damaged document may still fail to read.
bool HasCardDocumentLayout(QByteArrayView stream);
// How much of a file's start that look needs.
constexpr qsizetype kCardDocumentLayoutBytes = 512;

// The text shown when a file is not a card document in any layout.
QString NotCardFileMessage(const QString &absolutePath);
