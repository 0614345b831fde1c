#pragma once

#include "platform.h"

#include <QString>

namespace player {

// lunipo --actividad <file>: opens the main window full screen straight on
// that one activity, with no start window: the child's view of exactly that
// file, read as any activity file is. False, after telling the adult, when
// there is no such file; then no window opens.
bool openSingleActivity(toolkit::Platform& platform, const QString& path);

} // namespace player
