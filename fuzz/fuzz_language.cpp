// The language file through the player's start-up: any bytes as
// idioma/idioma.txt, then startUp of a new main window.

#include "fakeplatform.h"
#include "fuzzsupport.h"
#include "playerwindow.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    fuzz::writeFile(folder.filePath(QStringLiteral("idioma/idioma.txt")), data, size);
    toolkit::FakePlatform platform;
    platform.applicationFolder = folder.path();
    player::PlayerWindow form(platform);
    form.startUp(); // the window keeps the first eleven fields, no more
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
