#include "model/card/CardZoom.h"

#include <algorithm>
#include <cmath>

int ClampZoom(int percent)
{
    return std::clamp(percent, kMinZoom, kMaxZoom);
}

int ZoomInStep(int percent)
{
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kMaxZoom : *next;
}

int ZoomOutStep(int percent)
{
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.begin() ? kMinZoom : *(next - 1);
}

int FitZoom(const QSize &surfaceSize, const QSize &screenSize)
{
    if (surfaceSize.isEmpty())
        return kDefaultZoom;
    const double across = 100.0 * screenSize.width() / surfaceSize.width();
    const double down = 100.0 * screenSize.height() / surfaceSize.height();
    return ClampZoom(int(std::floor(std::min(across, down))));
}

namespace {

// Far inside the range of int, whatever a document holds.
int zoomed(double surfacePx, double scale)
{
    return int(std::clamp(std::trunc(surfacePx * scale + 0.5), -1e9, 1e9));
}

} // namespace

int ZoomedLength(int surfacePx, double scale)
{
    return zoomed(surfacePx, scale);
}

QRect ZoomedRect(const QRect &surfaceRect, double scale)
{
    const int left = zoomed(surfaceRect.left(), scale);
    const int top = zoomed(surfaceRect.top(), scale);
    const int right = zoomed(double(surfaceRect.left()) + surfaceRect.width(), scale);
    const int bottom = zoomed(double(surfaceRect.top()) + surfaceRect.height(), scale);
    return QRect(left, top, right - left, bottom - top);
}
