#pragma once

#include <QRect>
#include <functional>
#include <span>
#include <vector>

class TVkDragLabel;
class TVkVellumPanel;

// Arranging the selected objects of a card surface. The window's commands that call these take the
// undo snapshot first and keep the window's selection state afterwards.

// The selected objects, bottom of the stack first.
std::vector<TVkDragLabel *> SelectedObjects(TVkVellumPanel &surface);

// Destroys every selected object, last child first. Clears lastSelected when it was among them.
void DeleteSelectedObjects(TVkVellumPanel &surface, TVkDragLabel *&lastSelected);

// Puts a selected copy of every selected object 10 pixels right of and below it, in front of all
// others, and deselects the sources. A copy takes every stored property of its source but those
// PropertiesNotDuplicated names. wire gives each copy the main window's handlers; the copy made
// last (that of the backmost source) is returned, or none when nothing was selected.
TVkDragLabel *DuplicateSelectedObjects(TVkVellumPanel &surface,
                                       const std::function<void(TVkDragLabel &)> &wire);
std::span<const char *const> PropertiesNotDuplicated();

// Moves the selected objects in front of (behind) all others; among themselves their order is
// reversed, as the card has always arranged them.
void BringSelectedToFront(TVkVellumPanel &surface);
void SendSelectedToBack(TVkVellumPanel &surface);

// Moves every selected object by (dx, dy) surface pixels, keeping at least 10 pixels of it on the
// card, and hands each one to moved (which snaps it to the grid). Returns whether any object was
// selected.
bool NudgeSelectedObjects(TVkVellumPanel &surface, int dx, int dy,
                          const std::function<void(TVkDragLabel &)> &moved);

// Gives an object the bounds typed for it, moved as little as needed to keep 10 pixels of it on
// the card.
void PlaceOnCard(TVkDragLabel &object, const QRect &bounds, int clientWidth, int clientHeight);

// Brings an object that lies wholly outside the surface back to its nearest edge.
void PullOntoCard(TVkDragLabel &object, int clientWidth, int clientHeight);

// Moves an object that sticks out of the card back on, as far as it fits: along a side on which it
// is larger than the card, it is centred on the card instead.
void MoveOntoCard(TVkDragLabel &object, int clientWidth, int clientHeight);

// A picture larger than the card is sized to fit inside it, keeping its aspect, with its AutoSize
// turned off; a picture that fits keeps its size.
void FitPictureOnCard(TVkDragLabel &object, int clientWidth, int clientHeight);
