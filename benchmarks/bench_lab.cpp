// A school's lab: listing themes from four places, one of them a shared
// folder read on a worker, and saving drawings into a folder nobody's name
// may be taken in.

#include "fakeplatform.h"
#include "folderlister.h"
#include "form1.h"
#include "program.h"
#include "themelibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Themes = 50;
constexpr int ActivitiesPerTheme = 150;

// 50 themes of 150 activities spread over the four places: beside the
// program, a system data folder, a shared folder and the account's own.
struct Lab
{
    QTemporaryDir dir;
    toolkit::FakePlatform platform;
    toolkit::FolderLister lister;
    QString shared = dir.filePath("servidor/temas");

    Lab()
    {
        qputenv("XDG_DATA_DIRS", dir.filePath("sistema").toLocal8Bit());
        const QString places[] = {dir.filePath("app/actividades"),
                                  dir.filePath("sistema/lunipo/actividades"), shared,
                                  qEnvironmentVariable("XDG_DATA_HOME") + "/lunipo/actividades"};
        for (int theme = 0; theme < Themes; ++theme) {
            const QString folder = places[theme % 4] + QStringLiteral("/tema %1").arg(theme);
            QDir().mkpath(folder);
            for (int n = 1; n <= ActivitiesPerTheme; ++n) {
                QFile file(QStringLiteral("%1/%2.txt").arg(folder).arg(n));
                if (file.open(QIODevice::WriteOnly))
                    file.write(
                        " 10790 \r\n 8185 \r\nSI\r\n 250 \r\n 14 \r\n1,300,300,0,0,128,\r\n");
            }
        }
        platform.applicationFolder = dir.filePath("app");
    }
};

void BM_ListThemesFromFourPlaces(benchmark::State& state)
{
    Lab lab;
    const toolkit::ThemeLibrary store(lab.platform.applicationFolder, {{lab.shared}, lab.lister});
    for (auto _ : state)
        benchmark::DoNotOptimize(store.themes());
}
BENCHMARK(BM_ListThemesFromFourPlaces)->Unit(benchmark::kMillisecond);

// What the child waits for when the theme list opens.
void BM_OpenTheThemeList(benchmark::State& state)
{
    Lab lab;
    player::Form1 form(lab.platform);
    form.lab.themeFolders = {lab.shared};
    form.themeLister = &lab.lister;
    form.Form_Load();
    for (auto _ : state)
        form.Combo1_DropDown();
    state.counters["themes"] = form.Combo1->ListCount();
}
BENCHMARK(BM_OpenTheThemeList)->Unit(benchmark::kMillisecond);

// The save button on a 1920 x 1080 screen, each save a second after the last.
void BM_SaveDrawing(benchmark::State& state)
{
    Lab lab;
    lab.platform.screenWidthPx = 1920;
    lab.platform.screenHeightPx = 1080;
    player::scaleX = 1920 / 800.0f;
    player::scaleY = 1080 / 600.0;
    player::Form1 form(lab.platform);
    form.Form_Load();
    form.Picture1->Line(100, 100, 20000, 12000, 0xFF0000);
    for (auto _ : state) {
        lab.platform.clock = lab.platform.clock.addSecs(1);
        form.Command4_Click(6);
    }
    state.counters["saved"] =
        double(QDir(lab.dir.filePath("app/dibujosrealizados")).entryList(QDir::Files).size());
}
BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);

} // namespace
