#pragma once

#include "press/PdfxDocument.h"

#include <QString>
#include <functional>

class FieldValues;
class TVkVellumPanel;
struct TCardDef;

// How a print shop wants its file.
struct PressPdfOptions {
    int BleedTenthMm = 30;
    QString ProfilePath; // the shop's CMYK profile; the system's one when empty
    PdfxLevel Level = PdfxLevel::X4;
};

// One page of the file: a side of the card, with the merge record it shows, if any. A page is asked
// for just before it is drawn, so one merge record can be shown on each page in turn.
struct PressPage {
    const TVkVellumPanel *Side = nullptr;
    const FieldValues *Record = nullptr;
};

// Writes each page as one card at its finished size (cardDef's card, as wide as the card is
// designed), drawn upright as the card is designed, with its
// background and whatever runs past its edges reaching into the bleed around it, the Japanese crop
// marks and centre marks outside the bleed in the registration colour, and the whole made a CMYK
// PDF/X for the profile. The file is written beside the old one and renamed over it. Throws VkError
// naming the path or the profile at fault. Answers the profile's name, for the user to see which
// one the colours were made for.
QString WritePressPdf(const QString &path, int pageCount, const std::function<PressPage(int page)> &pageAt,
                      const TCardDef &cardDef, const PressPdfOptions &options, const QString &title);
