#pragma once

class TVkDragLabel;
class TVkVellumPanel;

// Moves an object on the surface to the nearest grid point of the given spacing (surface pixels),
// unless that would leave 10 pixels or less of it on the card. The caller decides whether snapping
// is on. Returns whether the object moved.
bool SnapToGrid(const TVkVellumPanel &surface, TVkDragLabel &object, int gridSize);
