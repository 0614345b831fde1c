// A school's lab: starting the player and listing themes from four places,
// one of them a shared folder read on a worker, with the 3 themes Lunipo
// once shipped and with 50; and saving drawings into a folder nobody's name
// may be taken in.

#include "../tests/findcontrol.h"
#include "fakeplatform.h"
#include "folderlister.h"
#include "playerwindow.h"
#include "program.h"
#include "themelibrary.h"
#include "titlewindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

using Tool = player::PlayerWindow::Tool;

// The shipped themes, each a tema.ini with its names and level and a dozen
// activities with their pictures: the lab's themes are copies of them.
const QString Shipped = QStringLiteral(LUNIPO_SOURCE_DIR "/data/actividades");

void copyTheme(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& file : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + file, to + QLatin1Char('/') + file);
}

// The shipped themes, the three Lunipo first shipped first: a lab of 3 is
// the old library.
QStringList shippedThemes()
{
    QStringList themes = QDir(Shipped).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::stable_partition(themes.begin(), themes.end(), [](const QString& theme) {
        return theme == QLatin1String("animales") || theme == QLatin1String("formas") ||
               theme == QLatin1String("transportes");
    });
    return themes;
}

// `themes` themes spread over the four places: beside the program, a system
// data folder, a shared folder and the account's own, each lab's own. Past
// the shipped ones, the copies take a number after the name, as a school's
// would.
struct Lab
{
    QTemporaryDir dir;
    toolkit::FakePlatform platform;
    toolkit::FolderLister lister;
    QString shared = dir.filePath("servidor/temas");

    explicit Lab(int themes)
    {
        qputenv("XDG_DATA_DIRS", dir.filePath("sistema").toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir.filePath("cuenta").toLocal8Bit());
        const QString places[] = {dir.filePath("app/actividades"),
                                  dir.filePath("sistema/lunipo/actividades"), shared,
                                  dir.filePath("cuenta/lunipo/actividades")};
        const QStringList shipped = shippedThemes();
        for (int theme = 0; theme < themes && !shipped.isEmpty(); ++theme) {
            QString name = shipped[theme % shipped.size()];
            if (theme >= shipped.size())
                name += QStringLiteral(" %1").arg(theme / shipped.size() + 1);
            copyTheme(Shipped + QLatin1Char('/') + shipped[theme % shipped.size()],
                      places[theme % 4] + QLatin1Char('/') + name);
        }
        platform.applicationFolder = dir.filePath("app");
    }
    // The player as its start window makes it, told of the lab's shared folder.
    void setUp(player::PlayerWindow& form)
    {
        form.lab.themeFolders = {shared};
        form.themeLister = &lister;
    }
};

void BM_ListThemesFromFourPlaces(benchmark::State& state)
{
    Lab lab(int(state.range(0)));
    const toolkit::ThemeLibrary store(lab.platform.applicationFolder, {{lab.shared}, lab.lister});
    for (auto _ : state)
        benchmark::DoNotOptimize(store.themes());
}
BENCHMARK(BM_ListThemesFromFourPlaces)->Arg(3)->Arg(50)->Unit(benchmark::kMillisecond);

// What the child waits for from the start: the title card, then the main
// window shown with its theme list.
void BM_PlayerStarts(benchmark::State& state)
{
    Lab lab(int(state.range(0)));
    for (auto _ : state) {
        player::TitleWindow start(lab.platform);
        start.Show();
        QApplication::processEvents();
        player::PlayerWindow form(lab.platform);
        lab.setUp(form);
        form.Show();
        QApplication::processEvents();
        state.counters["themes"] = findControl<toolkit::ComboBox>(form, "themeList")->ListCount();
    }
}
BENCHMARK(BM_PlayerStarts)->Arg(3)->Arg(50)->Unit(benchmark::kMillisecond);

// What the child waits for when the theme list opens.
void BM_OpenTheThemeList(benchmark::State& state)
{
    Lab lab(int(state.range(0)));
    player::PlayerWindow form(lab.platform);
    lab.setUp(form);
    form.startUp();
    for (auto _ : state)
        form.openThemeList();
    state.counters["themes"] = findControl<toolkit::ComboBox>(form, "themeList")->ListCount();
}
BENCHMARK(BM_OpenTheThemeList)->Arg(3)->Arg(50)->Unit(benchmark::kMillisecond);

// The save button on a 1920 x 1080 screen, each save a second after the last.
void BM_SaveDrawing(benchmark::State& state)
{
    Lab lab(50);
    lab.platform.screenWidthPx = 1920;
    lab.platform.screenHeightPx = 1080;
    player::scaleX = 1920 / 800.0f;
    player::scaleY = 1080 / 600.0;
    player::PlayerWindow form(lab.platform);
    form.startUp();
    findControl<toolkit::PictureBox>(form, "canvas")->Line(100, 100, 20000, 12000, 0xFF0000);
    for (auto _ : state) {
        lab.platform.clock = lab.platform.clock.addSecs(1);
        form.chooseTool(Tool::Save);
    }
    state.counters["saved"] =
        double(QDir(lab.dir.filePath("app/dibujosrealizados")).entryList(QDir::Files).size());
}
BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);

} // namespace
