// The teacher's view of a class of 30 children with a school year of records
// each (2,000 activities over ten months): reading it all from the share,
// and choosing another group or period; a child's 200 drawings listed and
// made into thumbnails; the window with as many theme columns as it shows.
// A class where one child wrote a record of 3.6 MB with 60,000 made-up
// themes and made 300 empty folders in made-up names.
#include "classreading.h"
#include "classwindow.h"
#include "drawingshelf.h"
#include "fakeplatform.h"
#include "folderlister.h"
#include "picturefiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

classview::Accounts everyoneIsMe()
{
    return classview::Accounts([](const QString&) { return std::optional<uid_t>(::geteuid()); });
}

constexpr int Children = 30;
constexpr int Months = 10;
constexpr int EachMonth = 200;

struct SchoolYear
{
    QTemporaryDir share;
    // Every child's folder is the benchmark's own.
    classview::ClassFolders folders{share.filePath("progreso/%u"), everyoneIsMe()};

    SchoolYear()
    {
        const QDateTime september(QDate(2026, 9, 7), QTime(9, 0), Qt::UTC);
        for (int c = 0; c < Children; ++c) {
            const QString folder = folders.folderOf(QStringLiteral("nino%1").arg(c));
            QDir().mkpath(folder);
            for (int m = 0; m < Months; ++m) {
                QList<toolkit::PlayedActivity> month;
                for (int i = 0; i < EachMonth; ++i) {
                    toolkit::PlayedActivity a;
                    a.theme = QStringLiteral("tema-%1").arg((c + i) % 40);
                    a.activity = 1 + i % 20;
                    a.id = QString::number(i % 20, 16).repeated(8);
                    a.started = september.addDays(m * 30 + i / 8).addSecs(i * 97);
                    a.finished = a.started.addSecs(60 + i % 120);
                    a.hints = i % 3;
                    month << a;
                }
                QFile file(QDir(folder).filePath(QStringLiteral("2026-%1-aula1.txt").arg(m)));
                if (file.open(QIODevice::WriteOnly))
                    file.write(toolkit::childrecord::format(month));
            }
        }
    }
};

SchoolYear& schoolYear()
{
    static SchoolYear year;
    return year;
}

void BM_ClassOpens(benchmark::State& state)
{
    SchoolYear& year = schoolYear();
    toolkit::FolderLister lister;
    for (auto _ : state) {
        classview::ClassReading reading(year.folders, lister);
        benchmark::DoNotOptimize(reading.readNow({}).table.rowCount());
    }
}
BENCHMARK(BM_ClassOpens)->Unit(benchmark::kMillisecond);

// What the window does every few seconds while nothing changes.
void BM_ClassLooksAgain(benchmark::State& state)
{
    SchoolYear& year = schoolYear();
    toolkit::FolderLister lister;
    classview::ClassReading reading(year.folders, lister);
    reading.readNow({});
    for (auto _ : state)
        benchmark::DoNotOptimize(reading.readNow({}).changed);
}
BENCHMARK(BM_ClassLooksAgain)->Unit(benchmark::kMillisecond);

void BM_ClassFilters(benchmark::State& state)
{
    SchoolYear& year = schoolYear();
    toolkit::FolderLister lister;
    classview::ClassReading reading(year.folders, lister);
    classview::ClassTable table = reading.readNow({}).table;
    QSet<QString> group;
    for (int c = 0; c < Children; c += 2)
        group.insert(QStringLiteral("nino%1").arg(c));
    bool all = false;
    for (auto _ : state) {
        table.setFilter(all ? QSet<QString>() : group, all ? QDate() : QDate(2027, 1, 1));
        all = !all;
    }
}
BENCHMARK(BM_ClassFilters)->Unit(benchmark::kMillisecond);

// 25 children with a month of play in the lab's 40 themes, and one whose
// record names 60,000 themes the lab never had.
struct HostileClass
{
    static constexpr int Children = 25;
    QTemporaryDir share;
    // The 300 empty folders in made-up names are no account's.
    classview::ClassFolders folders{
        share.filePath("progreso/%u"), classview::Accounts([](const QString& login) {
            return login.startsWith(QLatin1String("vacia")) ? std::nullopt
                                                            : std::optional<uid_t>(::geteuid());
        })};
    classview::ThemePlaces themes{share.filePath("programa"), {}};

    HostileClass()
    {
        for (int t = 0; t < 40; ++t)
            QDir().mkpath(share.filePath(QStringLiteral("programa/actividades/tema-%1").arg(t)));
        const QDateTime start(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
        for (int c = 0; c <= Children; ++c) {
            const bool hostile = c == Children;
            QList<toolkit::PlayedActivity> played;
            for (int i = 0; i < (hostile ? 60'000 : 200); ++i) {
                toolkit::PlayedActivity a;
                a.theme = hostile ? QStringLiteral("x%1").arg(i, 6, 10, QLatin1Char('0'))
                                  : QStringLiteral("tema-%1").arg((c + i) % 40);
                a.activity = 1 + i % 20;
                a.started = start.addSecs(i * 60);
                a.finished = a.started.addSecs(45);
                a.hints = hostile ? 100'000 : i % 3;
                played << a;
            }
            const QString folder = folders.folderOf(QStringLiteral("nino%1").arg(c));
            QDir().mkpath(folder);
            QFile file(QDir(folder).filePath(QStringLiteral("2026-12-aula1.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(toolkit::childrecord::format(played));
        }
        for (int f = 0; f < 300; ++f)
            QDir().mkpath(folders.folderOf(QStringLiteral("vacia%1").arg(f)));
    }
};

// The reading and the table of the hostile class, as the window opens it.
void BM_HostileClassOpens(benchmark::State& state)
{
    static HostileClass hostile;
    toolkit::FolderLister lister;
    for (auto _ : state) {
        classview::ClassReading reading(hostile.folders, lister, hostile.themes);
        classview::ClassTable table = reading.readNow({}).table;
        table.setFilter({}, {});
        benchmark::DoNotOptimize(table.csv().size());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_HostileClassOpens)->Unit(benchmark::kMillisecond);

// A busy year's drawings of one child, each of the player's 1024 x 768 screen.
struct Drawings
{
    static constexpr int Count = 200;
    QTemporaryDir share;
    classview::DrawingShelf shelf{share.filePath("dibujos/%u"), everyoneIsMe()};

    Drawings()
    {
        const QString folder = shelf.folderOf(QStringLiteral("nino"));
        QDir().mkpath(folder);
        QImage drawing(1024, 768, QImage::Format_RGB32);
        for (int i = 0; i < Count; ++i) {
            drawing.fill(QColor::fromHsv(i % 360, 200, 250));
            toolkit::writeNewBitmap(drawing, folder, QStringLiteral("1-12-2026-10-0-%1").arg(i));
        }
    }
};

Drawings& drawings()
{
    static Drawings made;
    return made;
}

void BM_DrawingsListed(benchmark::State& state)
{
    Drawings& made = drawings();
    toolkit::FolderLister lister;
    for (auto _ : state)
        benchmark::DoNotOptimize(made.shelf.drawings(lister, QStringLiteral("nino"), {}, nullptr));
}
BENCHMARK(BM_DrawingsListed)->Unit(benchmark::kMillisecond);

void BM_DrawingThumbnails(benchmark::State& state)
{
    Drawings& made = drawings();
    toolkit::FolderLister lister;
    const auto listed = made.shelf.drawings(lister, QStringLiteral("nino"), {}, nullptr);
    for (auto _ : state)
        for (const classview::Drawing& d : listed)
            benchmark::DoNotOptimize(
                classview::thumbnailOf(classview::loadDrawing(d.path, nullptr), 160));
}
BENCHMARK(BM_DrawingThumbnails)->Unit(benchmark::kMillisecond);

} // namespace

// A class of 30 children who each played in 200 themes this week: the most
// columns the table shows. What the window's own thread spends (the CPU
// time column) on opening and on each change of period; the reading itself
// runs on a worker.
struct WideClass
{
    static constexpr int Themes = 200;
    QTemporaryDir share;
    classview::ClassFolders folders{share.filePath("progreso/%u"), everyoneIsMe()};
    toolkit::FakePlatform platform;

    WideClass()
    {
        platform.clock = QDateTime(QDate(2026, 12, 9), QTime(12, 0));
        QDir().mkpath(share.filePath("progreso/.clase"));
        for (int c = 0; c < Children; ++c) {
            const QString folder = folders.folderOf(QStringLiteral("nino%1").arg(c));
            QDir().mkpath(folder);
            QList<toolkit::PlayedActivity> played;
            for (int t = 0; t < Themes; ++t) {
                toolkit::PlayedActivity a;
                a.theme = QStringLiteral("tema de muchas palabras %1").arg(t);
                a.activity = 1 + t % 20;
                a.id = QString::number(t % 16, 16).repeated(8);
                a.started = platform.clock.addSecs(-60 * (t + c));
                a.finished = a.started.addSecs(45 + t);
                played << a;
            }
            QFile file(QDir(folder).filePath(QStringLiteral("2026-12-aula1.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(toolkit::childrecord::format(played));
        }
    }

    std::unique_ptr<classview::ClassWindow> open(toolkit::FolderLister& lister)
    {
        auto window = std::make_unique<classview::ClassWindow>(
            platform, classview::ClassWindow::Places{folders.root() + "/%u", {}, everyoneIsMe()},
            lister);
        window->show();
        window->settle();
        return window;
    }
};

WideClass& wideClass()
{
    static WideClass made;
    return made;
}

void BM_WideClassOpens(benchmark::State& state)
{
    WideClass& wide = wideClass();
    toolkit::FolderLister lister;
    for (auto _ : state)
        benchmark::DoNotOptimize(wide.open(lister)->table().rowCount());
}
BENCHMARK(BM_WideClassOpens)->Unit(benchmark::kMillisecond);

void BM_WideClassChangesPeriod(benchmark::State& state)
{
    WideClass& wide = wideClass();
    toolkit::FolderLister lister;
    const auto window = wide.open(lister);
    bool all = false;
    for (auto _ : state) {
        window->choosePeriod(all ? classview::Period::All : classview::Period::Week);
        all = !all;
    }
}
BENCHMARK(BM_WideClassChangesPeriod)->Unit(benchmark::kMillisecond);
