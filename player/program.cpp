#include "program.h"

#include "playerwindow.h"

namespace player {

float scaleX = 1.0f;
double scaleY = 1.0;
QPointer<PlayerWindow> mainWindow;

} // namespace player
