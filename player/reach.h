#pragma once

#include "dotgame.h"
#include "labsettings.h"

namespace player {

// The lab's reach, set in millimetres of the screen in use, in the twips the
// game measures presses in: a finger or a shaking hand reaches as far on a
// whiteboard as on a small laptop, whatever pixels each has.
class ScreenReach
{
public:
    // The narrowest circle a small child's finger finds every time, as a
    // diameter in millimetres.
    static constexpr double FingerMillimetres = 9;
    // How far the circle drawn round a dot lies beyond its square, in twips
    // (the canvas draws it at the activity's hit radius plus this).
    static constexpr int DotCircleMargin = 20;
    // On a whiteboard the dots, their labels and circles, are drawn half as
    // large again, to be read from a step back; the circle still hits.
    static constexpr double WhiteboardDots = 1.5;

    // `pixelsPerMillimetre` of the screen in use and `twipsPerPixel` of the
    // canvas; a screen that reports no size reaches no further than the
    // activity's own squares.
    ScreenReach(double pixelsPerMillimetre, int twipsPerPixel);

    double twips(double millimetres) const { return millimetres * twipsPerMillimetre_; }

    // The reach for an activity whose squares reach `hitRadius` twips from
    // each dot: "diana" gives the circle's diameter; "pizarra" alone the dot's
    // drawn circle, grown for the whiteboard, a finger wide at least; "atraer"
    // the snap's radius.
    DotGame::Reach reach(const toolkit::LabSettings::Reach& settings, int hitRadius) const;

private:
    double twipsPerMillimetre_;
};

} // namespace player
