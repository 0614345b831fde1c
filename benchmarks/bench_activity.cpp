// Reading and drawing activities, and choosing themes in large folders.

#include "fakeplatform.h"
#include "playerwindow.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void writeActivity(const QString& path, int dots)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(" 10790 \r\n 8185 \r\nSI\r\n 250 \r\n 14 \r\n");
    for (int i = 0; i < dots; ++i) {
        const int x = 300 + (i % 15) * 680;
        const int y = 300 + (i / 15) * 750;
        file.write(QStringLiteral("%1,%2,%3,0,0,128,\r\n").arg(i + 1).arg(x).arg(y).toLatin1());
    }
}

struct Player
{
    QTemporaryDir dir;
    toolkit::FakePlatform platform;
    std::unique_ptr<player::PlayerWindow> form;

    explicit Player(int width, int height)
    {
        platform.applicationFolder = dir.path();
        platform.screenWidthPx = width;
        platform.screenHeightPx = height;
        player::scaleX = float(width) / 800.0f;
        player::scaleY = height / 600.0;
    }
    void start()
    {
        form = std::make_unique<player::PlayerWindow>(platform);
        form->startUp();
    }
};

void BM_ReadAndDraw151DotsWithCircles(benchmark::State& state)
{
    Player p(1920, 1080);
    p.start();
    writeActivity(p.dir.filePath("actividad.txt"), 151);
    p.form->openActivityFile(p.dir.filePath("actividad.txt"));
    for (auto _ : state)
        p.form->showNumbers(); // the canvas cleared and the activity read and drawn again
    state.counters["dots"] = p.form->game().count();
}
BENCHMARK(BM_ReadAndDraw151DotsWithCircles)->Unit(benchmark::kMillisecond);

// A theme of 500 activities: choosing it and stepping back from activity 1,
// which walks the whole run of files to find the last.
void BM_ThemeOf500Activities(benchmark::State& state)
{
    Player p(1024, 768);
    const QString theme = p.dir.filePath("actividades/grande");
    QDir().mkpath(theme);
    for (int n = 1; n <= 500; ++n)
        writeActivity(theme + QStringLiteral("/%1.txt").arg(n), 3);
    p.start();
    for (auto _ : state) {
        p.form->chooseTheme();
        if (p.form->places().activity(0) != 1)
            p.form->goForward(); // round from the last to 1
        p.form->goBack();
    }
}
BENCHMARK(BM_ThemeOf500Activities)->Unit(benchmark::kMillisecond);

} // namespace
