#pragma once

class TVkDragLabel;

// Moves an object on its surface to the nearest grid point of the given spacing (surface pixels),
// unless that would leave 10 pixels or less of it on the card. The caller decides whether snapping
// is on. Returns whether the object moved.
bool SnapToGrid(TVkDragLabel &object, int gridSize);
