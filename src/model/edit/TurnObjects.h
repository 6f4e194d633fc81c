#pragma once

class TVkDragLabel;

// Turns an object about its centre by clockwise quarter turns (negative: anticlockwise). A quarter
// turn swaps its width and height; turning one way and back puts it where it was. A picture or text
// keeps the turn in its Rotation; a shape becomes the shape it looks like turned (a horizontal line a
// vertical one, a falling diagonal a rising one).
void TurnObject(TVkDragLabel &object, int quarterTurns);
