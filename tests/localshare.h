#pragma once

#include "folderlister.h"
#include "share.h"

// A lab without shared folders, whatever this computer's own lab settings
// say: tests never read them.
inline toolkit::Share localShare()
{
    static toolkit::FolderLister lister;
    return {{}, lister};
}
