#pragma once

#include <QImage>
#include <QSet>

class TVkVellumPanel;

// The decoded picture memory one card may hold. Each picture is limited on its own, but a small
// file of run-length pictures that each expand a thousandfold could otherwise ask for gigabytes.
// A picture shared by several objects (a copy, an undo step) counts once.
class PictureBudget {
public:
    static constexpr qint64 kCardPictureBytes = 512LL * 1024 * 1024;

    // The pictures a card already holds: its background and its objects' pictures.
    static PictureBudget Of(const TVkVellumPanel &surface);
    // Raises a VkError when a picture added to the card would take it past its budget.
    static void CheckRoomFor(const TVkVellumPanel &surface, const QImage &picture);

    // Counts the picture and says yes when it fits within the budget; a picture that does not
    // fit is not counted.
    bool Take(const QImage &picture);
    qint64 UsedBytes() const { return usedBytes_; }

private:
    qint64 usedBytes_ = 0;
    QSet<qint64> counted_;
};

// The message for pictures refused because the card holds as much picture memory as it may.
QString PictureBudgetMessage(int refusedPictures);
