#include "reach.h"

#include <algorithm>
#include <cmath>

namespace player {

ScreenReach::ScreenReach(double pixelsPerMillimetre, int twipsPerPixel)
    : twipsPerMillimetre_(std::isfinite(pixelsPerMillimetre) && pixelsPerMillimetre > 0 &&
                                  twipsPerPixel > 0
                              ? pixelsPerMillimetre * twipsPerPixel
                              : 0)
{
}

DotGame::Reach ScreenReach::reach(const toolkit::LabSettings::Reach& settings, int hitRadius) const
{
    DotGame::Reach reach;
    if (settings.whiteboard)
        reach.circle =
            std::max((hitRadius + DotCircleMargin) * WhiteboardDots, twips(FingerMillimetres) / 2);
    // The circle set outright wins, smaller than the dot's or not; on a
    // screen of no known size it has no size to take.
    if (settings.targetMillimetres > 0 && twipsPerMillimetre_ > 0)
        reach.circle = twips(settings.targetMillimetres) / 2;
    reach.snap = twips(settings.snapMillimetres);
    return reach;
}

} // namespace player
