#pragma once

#include <QSize>
#include <Qt>
#include <span>

class TVkDragLabel;

// Lining objects up. The objects move by their bounds alone and raise no move event, so snapping
// to the grid leaves the result as it is. Text that sizes itself is measured first.

enum class AlignEdge { Left, Centre, Right, Top, Middle, Bottom };

// Moves every object so that its edge or centre line meets the anchor's; the anchor stays. A centre
// that falls between two pixels goes to the left or upper one.
void AlignObjects(std::span<TVkDragLabel *const> objects, TVkDragLabel &anchor, AlignEdge edge);

// Leaves equal gaps between neighbours, taken in the order of their left (top) edges; the first
// and the last keep their places. With fewer than three objects nothing moves.
void DistributeObjects(std::span<TVkDragLabel *const> objects, Qt::Orientation orientation);

// Moves the objects together so that the rectangle round them is centred on a card of this size.
void CentreOnCard(std::span<TVkDragLabel *const> objects, QSize card);
