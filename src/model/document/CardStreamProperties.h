#pragma once

#include "model/document/PropertyTable.h"

#include <span>

class TVkVellumPanel;
class TVkDragLabel;

// The stored properties of the card surface and of a card object, in the order documents hold
// them, each with the condition under which it is written.
const PropertyTable<TVkVellumPanel> &SurfaceProperties();
const PropertyTable<TVkDragLabel> &DragLabelProperties();

// Gives to the surface's name and stored properties from's values, as reading from's document
// into to would.
void CopySurfaceProperties(const TVkVellumPanel &from, TVkVellumPanel &to);

// Gives to, a new object, from's kind and the stored properties that writing from and reading it
// back would give it, apart from the rows named in leftOut.
void CopyDragLabelProperties(const TVkDragLabel &from, TVkDragLabel &to,
                             std::span<const char *const> leftOut);
