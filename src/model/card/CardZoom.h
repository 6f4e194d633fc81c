#pragma once

#include <QRect>
#include <QSize>
#include <array>

// The zoom of the card view, in percent of the surface's 5 pixels per millimetre. Zooming changes
// what the screen shows, never the card: positions and sizes stay in surface pixels.
inline constexpr std::array<int, 10> kZoomSteps{25, 50, 75, 100, 150, 200, 300, 400, 600, 800};
inline constexpr int kMinZoom = 25;
inline constexpr int kMaxZoom = 800;
inline constexpr int kDefaultZoom = 100;

int ClampZoom(int percent);
// The next step above or below; a zoom between steps (a fitted one) goes to its neighbour.
int ZoomInStep(int percent);
int ZoomOutStep(int percent);
// The largest zoom at which a card of the surface size fits into the screen size, within limits.
int FitZoom(const QSize &surfaceSize, const QSize &screenSize);

// A surface length at scale target pixels per surface pixel, rounded half up.
int ZoomedLength(int surfacePx, double scale);
// A surface rectangle at a scale, rounding its edges rather than its size, so that objects that
// touch at 100 % still touch.
QRect ZoomedRect(const QRect &surfaceRect, double scale);
