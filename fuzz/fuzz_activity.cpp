// An activity file through the real player window: the file is read as a
// theme's first activity, then the tail of the input is taken as a script of
// clicks, moves, tool buttons, palette and width choices and the numbers
// button. Every handler must finish within the run's time-out.

#include "../tests/findcontrol.h"
#include "fakeplatform.h"
#include "fuzzsupport.h"
#include "playerwindow.h"
#include "program.h"

#include <QTemporaryDir>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

namespace {

using Tool = player::PlayerWindow::Tool;

struct Player
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    std::unique_ptr<player::PlayerWindow> form;

    Player()
    {
        platform.applicationFolder = folder.path();
        // A small screen keeps fills and snapshots cheap; dots beyond the
        // canvas are part of what is tried.
        platform.screenWidthPx = 320;
        platform.screenHeightPx = 240;
        QDir().mkpath(folder.filePath(QStringLiteral("actividades/tema")));
        form = std::make_unique<player::PlayerWindow>(platform);
        form->startUp();
    }
};

void click(player::PlayerWindow& form, float x, float y, int button)
{
    form.pressOnCanvas(button, 0, x, y);
    form.releaseOnCanvas(button, 0, x, y);
}

// The record the game waits to be clicked, or -1.
int expectedRecord(const player::DotGame& game)
{
    const int next = game.nextDot();
    if (next < 0 || next >= game.count())
        return -1;
    return game.dot(next).label.isEmpty() ? next + 1 : next;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Player p;
    player::PlayerWindow& form = *p.form;
    fuzz::writeFile(p.folder.filePath(QStringLiteral("actividades/tema/1.txt")), data, size);
    findControl<toolkit::ComboBox>(form, "themeList")->setListIndex(0);
    form.chooseTheme();

    FuzzedDataProvider script(data, size);
    for (int step = 0; step < 64 && script.remaining_bytes() > 0; ++step) {
        switch (script.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1: {
            const int record = expectedRecord(form.game());
            if (record >= 0 && record < player::PlayerWindow::MaxDots)
                click(form, float(form.game().dot(record).x), float(form.game().dot(record).y), 1);
            break;
        }
        case 2:
            click(form, script.ConsumeIntegral<int16_t>() * 4.0f,
                  script.ConsumeIntegral<int16_t>() * 4.0f,
                  1 << script.ConsumeIntegralInRange(0, 2));
            break;
        case 3:
            form.moveOnCanvas(script.ConsumeIntegralInRange(0, 7),
                              script.ConsumeIntegral<int16_t>() * 4.0f,
                              script.ConsumeIntegral<int16_t>() * 4.0f, 0);
            break;
        case 4:
            form.showNumbers(); // the numbers
            break;
        case 5: {
            // Every tool but saving, which would fill the disk with bitmaps.
            const auto tool = Tool(script.ConsumeIntegralInRange(0, 7));
            if (tool != Tool::Save)
                form.chooseTool(tool);
            break;
        }
        case 6:
            form.pressOnPalette(1, 0, script.ConsumeIntegralInRange(0, 400),
                                script.ConsumeIntegralInRange(0, 9000));
            break;
        default:
            form.chooseWidth(script.ConsumeIntegralInRange(1, 10));
            break;
        }
    }
    if (form.game().count() < 0 || form.game().count() > player::PlayerWindow::MaxDots)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
