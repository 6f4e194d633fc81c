#include "model/output/CardSurfaceSize.h"

#include "model/card/SurfaceScale.h"
#include "model/document/TCardDef.h"
#include "model/output/OutputLimits.h"

#include <algorithm>

QSize CardSurfaceSize(const TCardDef &cardDef, TCardOrientation orientation)
{
    const QSize across(
        std::clamp(TenthMmToSurfacePixels(cardDef.CardSizeX), 0, OutputLimits::kMaxSurfacePixels),
        std::clamp(TenthMmToSurfacePixels(cardDef.CardSizeY), 0, OutputLimits::kMaxSurfacePixels));
    return IsPortrait(orientation) ? across.transposed() : across;
}
