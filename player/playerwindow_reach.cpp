// How far a child's press reaches a dot on the screen in use, and joining
// by resting the pointer on the dot expected, for eye gaze and head mice.

#include "playerwindow.h"

#include "dwell.h"
#include "reach.h"
#include "twips.h"

#include <algorithm>

namespace player {

namespace {

// The ring clears the dot's label and its reach, within reason.
constexpr int MinRingRadius = 16;
constexpr int MaxRingRadius = 160;
constexpr int RingMargin = 8;

} // namespace

void PlayerWindow::fitReach()
{
    const ScreenReach screen(platform_.pixelsPerMillimetre(), platform_.twipsPerPixelX());
    game_.setReach(screen.reach(lab.reach, game_.hitRadius()));
    dwell_.reset();
    if (lab.reach.dwellMilliseconds > 0)
        dwell_ = std::make_unique<Dwell>(platform_, canvas, lab.reach.dwellMilliseconds,
                                         [this](int record) { joinRestedOn(record); });
}

void PlayerWindow::restOnCanvas(float X, float Y)
{
    if (!dwell_)
        return;
    const int record = game_.joined() ? -1 : game_.expectedRecord();
    if (record < 0 || !game_.hits(record, X, Y)) {
        dwell_->stop();
        return;
    }
    const DotGame::Dot& dot = game_.dot(record);
    const QPoint centre(toolkit::twipsToPixels(dot.x), toolkit::twipsToPixels(dot.y));
    const double reach = std::max<double>(game_.hitRadius(), game_.reach().circle);
    const int label = toolkit::pointsToPixels(game_.labelFontSize());
    const int radius = std::max(toolkit::twipsToPixels(reach), label) + RingMargin;
    dwell_->restOn(record, centre, std::clamp(radius, MinRingRadius, MaxRingRadius));
}

void PlayerWindow::joinRestedOn(int record)
{
    // The wait may outlive what it was for: the figure joined by a click
    // meanwhile, or another activity shown.
    if (game_.joined() || record != game_.expectedRecord())
        return;
    const DotGame::Dot& dot = game_.dot(record);
    pressOnCanvas(toolkit::vbLeftButton, 0, dot.x, dot.y);
    releaseOnCanvas(toolkit::vbLeftButton, 0, dot.x, dot.y);
}

} // namespace player
