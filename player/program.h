#pragma once

#include <QPointer>

namespace player {

class PlayerWindow;

// Program-wide values, set once by the start window before the main window
// opens: screen width in pixels / 800 (held in single precision, as the
// activity positions are scaled with exactly this value) and screen height in
// pixels / 600.
extern float scaleX;
extern double scaleY;

// The one main window of the program, created the first time it is needed.
extern QPointer<PlayerWindow> mainWindow;

} // namespace player
