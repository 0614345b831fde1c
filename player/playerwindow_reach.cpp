// How far a child's press reaches a dot on the screen in use.

#include "playerwindow.h"

#include "reach.h"

namespace player {

void PlayerWindow::fitReach()
{
    const ScreenReach screen(platform_.pixelsPerMillimetre(), platform_.twipsPerPixelX());
    game_.setReach(screen.reach(lab.reach, game_.hitRadius()));
}

} // namespace player
