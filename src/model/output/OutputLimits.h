#pragma once

// The bounds of what one output job may ask for, the same whether the window's fields or the
// command line's options ask.
struct OutputLimits {
    // Card sheets and documents are outside data: a card larger than this would only make the card
    // surface allocate without bound, so it is laid out and drawn at this size.
    static constexpr int kMaxSurfacePixels = 4000;
    static constexpr int kMostCopies = 999;
    static constexpr int kMostSheets = 999;
    static constexpr int kMostCards = 99999;
    // The cards a merge whose records give their own numbers of cards may print in all.
    static constexpr int kMostMergeCards = 1'000'000;
    // The start cell a command line may name before its card is read: the largest sheet the card
    // sheet editor makes (99 × 99 cards). Once the card is read its sheet bounds the start.
    static constexpr int kMostStartCellAsked = 99 * 99;
    // A picture drawn at a resolution rather than at the card surface's own size.
    static constexpr int kLeastPictureDpi = 72;
    static constexpr int kMostPictureDpi = 1200;
    static constexpr int kLeastJpegQuality = 1;
    static constexpr int kMostJpegQuality = 100;
    static constexpr int kDefaultJpegQuality = 80;
    // A print shop's bleed: shops ask for 3 mm, some for 5; beyond this it is a mistyped value.
    static constexpr int kMostBleedMm = 20;
};
