#pragma once

class FieldValues;

// How a card is drawn. The card view, export, the clipboard, printing, both PDFs, merge and
// two-sided sheets all draw a card object through TVkDragLabel::Draw with one of these, the card
// const; they differ only in how lengths scale:
// - Surface: surface pixels one to one onto an image, with the text's opacity and edge smoothing
//   made from the pixels beneath, as the card view shows the card at 100 % and export writes it;
// - Zoomed: the card view at a zoom; text keeps the line widths it has at 100 %, so zooming never
//   moves a character against the card, and a pen is at least a screen pixel wide;
// - Device: a printer or PDF page at `scale` device pixels per surface pixel, text and lines as
//   vectors, without the screen's effects.
struct CardDrawing {
    enum class Lengths { Surface, Zoomed, Device };
    Lengths lengths = Lengths::Surface;
    double scale = 1.0;
    // The merge record whose values the fields show; none shows the design.
    const FieldValues *record = nullptr;
    // The object the view's mouse button is held on is drawn plainly, without its text effects.
    bool plain = false;

    static CardDrawing Surface(const FieldValues *record = nullptr)
    {
        return {Lengths::Surface, 1.0, record};
    }
    static CardDrawing Zoomed(double scale, const FieldValues *record = nullptr)
    {
        return {Lengths::Zoomed, scale, record};
    }
    static CardDrawing Device(double scale, const FieldValues *record = nullptr)
    {
        return {Lengths::Device, scale, record};
    }
};
