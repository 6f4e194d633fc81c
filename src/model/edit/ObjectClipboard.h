#pragma once

#include <QImage>
#include <QStringList>
#include <memory>
#include <span>
#include <vector>

class QMimeData;
class TVkDragLabel;
class TVkVellumPanel;

// What the clipboard carries between cards: the objects' entries of the card document, so that a
// paste into another card or another running program gives the same objects, and a picture of them
// for programs that know nothing of cards.
inline constexpr const char *kCardObjectsMimeType = "application/x-vellumia-card-objects";

// The objects, bottom of the stack first, in both forms. The picture shows them over the card's
// background, cut to the card.
std::unique_ptr<QMimeData> CardObjectsMimeData(const TVkVellumPanel &surface,
                                               std::span<TVkDragLabel *const> objects);
QImage PictureOfObjects(const TVkVellumPanel &surface, std::span<TVkDragLabel *const> objects);
// A picture as the PNG file bytes that other programs take from the clipboard.
QByteArray PngBytes(const QImage &picture);

// What a paste takes from the clipboard, the first of these that it holds: card objects; a picture
// (alpha kept, no larger than a picture file may be); lines of text.
struct ClipboardContent {
    std::vector<std::unique_ptr<TVkDragLabel>> Objects;
    QImage Picture;
    QStringList Lines;
};
ClipboardContent ReadClipboardContent(const QMimeData &data);
