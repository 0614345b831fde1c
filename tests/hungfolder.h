#pragma once

#include "folderlister.h"

#include <QString>
#include <future>

// A lister of the lab's shared folders on which `folder` is a mount whose
// server is gone: reading it waits until the test ends. The patience is a
// second, so that a folder that answers does so in time on a busy machine.
struct HungFolder
{
    explicit HungFolder(const QString& folder)
        : lister(
              [folder, answered = answer.get_future().share()](const QString& asked) {
                  if (asked == folder)
                      answered.wait();
                  return toolkit::FolderLister::read(asked);
              },
              std::chrono::seconds(1))
    {
    }
    ~HungFolder() { answer.set_value(); }

    std::promise<void> answer;
    toolkit::FolderLister lister;
};
