#pragma once

struct CardEditContext;

// The card's background belongs to the card: each change is one undo step and marks it modified.

// A picture from the picture dialog, stretched over the card. A file that cannot be loaded leaves
// the background as it was, silently; the remembered picture folder follows every confirmed choice.
// Returns whether the background changed.
bool ChooseBackground(const CardEditContext &context);

// Removes the background picture, so the background colour shows again (one undo step even when
// there was no picture).
void ClearBackground(const CardEditContext &context);

// The colour dialog, preset to the card's colour; returns whether the user chose a colour.
bool ChooseBackgroundColor(const CardEditContext &context);
