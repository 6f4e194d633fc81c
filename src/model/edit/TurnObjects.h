#pragma once

class TVkDragLabel;

// Turns an object about its centre by clockwise quarter turns (negative: anticlockwise). A quarter
// turn swaps its width and height; turning one way and back puts it where it was. A picture or text
// keeps the turn in its Rotation; a shape becomes the shape it looks like turned (a horizontal line a
// vertical one, a falling diagonal a rising one).
void TurnObject(TVkDragLabel &object, int quarterTurns);

// Turns an object as TurnObject does; one that lay wholly on a card of that size and sticks out
// after the turn is moved back on (see MoveOntoCard). One that already stuck out is left where the
// turn puts it: it may be meant to run off the edge.
void TurnObjectOnCard(TVkDragLabel &object, int quarterTurns, int clientWidth, int clientHeight);
