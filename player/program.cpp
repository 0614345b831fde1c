#include "program.h"

#include "form1.h"

namespace player {

float scaleX = 1.0f;
double scaleY = 1.0;
QPointer<PlayerWindow> mainWindow;

} // namespace player
