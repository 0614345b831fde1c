// The editor's working-state file, the one file it reads back from its own
// past: the input is taken as a file's body and sealed with its hash as the
// editor seals it, so that the reader's parsing is reached, not only its
// check of the seal. A state that reads back is restored into a real editor
// window, as the next start does after "¿Quieres recuperarlo?".

#include "editorwindow.h"
#include "fakeplatform.h"
#include "fuzzsupport.h"
#include "workingstate.h"

#include <QCryptographicHash>
#include <memory>

namespace {

struct Editor
{
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::EditorWindow> form;

    Editor()
    {
        // A small screen keeps the restored pages cheap.
        platform.screenWidthPx = 320;
        platform.screenHeightPx = 240;
        form = std::make_unique<editor::EditorWindow>(platform);
        form->startUp();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Editor e;
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    editor::decode(body); // unsealed, as a damaged file reads
    const auto state =
        editor::decode(body + QCryptographicHash::hash(body, QCryptographicHash::Sha256));
    if (!state)
        return 0;
    state->isBlank();
    e.form->restoreWorkingState(*state);
    // One click on the canvas with the tool and numbering brought back.
    e.form->pressOnCanvas(1, 0, 1500, 1500);
    e.form->releaseOnCanvas(1, 0, 1500, 1500);
    if (e.form->dotList().size() > size_t(editor::EditorWindow::MaxDotEntries))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
