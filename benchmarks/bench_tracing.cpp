// Pictures into activities at full HD: "Puntos automáticos" (tracing the
// figures of a drawing and placing 30 dots along them), taking the outline
// away, opening an SVG fitted into the page, and the batch's whole work for
// one picture file; and the dots and outline of every OpenMoji drawing of
// the tests, one picture an iteration, of colour clip art, of bold
// drawings, of a drawing photographed on paper, of a scene and of a
// photograph.

#include "picturebatch.h"
#include "picturefiles.h"
#include "tracing/tracing.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// An animal-like figure with details inside: a body, a head, an eye, legs.
QImage drawing()
{
    QImage page(1920, 1080, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawEllipse(QPointF(900, 560), 420, 260);
    painter.drawEllipse(QPointF(1380, 360), 150, 130);
    painter.drawEllipse(QPointF(1420, 330), 15, 15);
    for (int x : {650, 800, 1000, 1150})
        painter.drawRect(x, 780, 60, 200);
    return page;
}

void BM_AutoDotsOnAFullHdPage(benchmark::State& state)
{
    const QImage page = drawing();
    for (auto _ : state) {
        state.PauseTiming();
        const QImage fresh = page.copy(); // not the figures of the last round
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor::dotsAlong(editor::traceFigures(fresh), 30));
    }
}
BENCHMARK(BM_AutoDotsOnAFullHdPage)->Unit(benchmark::kMillisecond);

void BM_OutlineErasedOnAFullHdPage(benchmark::State& state)
{
    const QImage page = drawing();
    for (auto _ : state) {
        state.PauseTiming();
        const QImage fresh = page.copy();
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor::withoutOutline(fresh));
    }
}
BENCHMARK(BM_OutlineErasedOnAFullHdPage)->Unit(benchmark::kMillisecond);

// The pictures teachers bring: line drawings with thick outlines, gaps and
// details, fitted into a full-HD page.
void BM_OpenMojiDotsAndOutlineAtFullHd(benchmark::State& state)
{
    const QDir folder(QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/openmoji"));
    QList<QImage> pictures;
    for (const QString& name : folder.entryList({QStringLiteral("*.svg")}))
        pictures << toolkit::readFittedPicture(folder.filePath(name), QSize(1920, 1080));
    if (pictures.isEmpty()) {
        state.SkipWithError("no pictures in tests/data/openmoji");
        return;
    }
    qsizetype next = 0;
    for (auto _ : state) {
        const QImage& page = pictures[next++ % pictures.size()]; // each traced once
        benchmark::DoNotOptimize(editor::dotsAlong(editor::traceFigures(page), 20));
        benchmark::DoNotOptimize(editor::withoutOutline(page));
    }
}
BENCHMARK(BM_OpenMojiDotsAndOutlineAtFullHd)->Unit(benchmark::kMillisecond);

// Dots and the colouring page of each of `pictures`, one an iteration:
// each picture is looked at afresh.
void dotsAndColouringPage(benchmark::State& state, const QList<QImage>& pictures)
{
    qsizetype next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QImage page = pictures[next++ % pictures.size()].copy();
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor::dotsAlong(editor::traceFigures(page), 20));
        benchmark::DoNotOptimize(editor::withoutOutline(page));
    }
}

QImage fitted(const char* name)
{
    return toolkit::readFittedPicture(QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/") + name,
                                      QSize(1920, 1080));
}

// Colour clip art: outlined (OpenMoji) and flat (Twemoji).
void BM_ColourClipArtAtFullHd(benchmark::State& state)
{
    dotsAndColouringPage(state,
                         {fitted("color/openmoji-gato.svg"), fitted("color/twemoji-gato.svg")});
}
BENCHMARK(BM_ColourClipArtAtFullHd)->Unit(benchmark::kMillisecond);

// A pencil drawing photographed on paper lit unevenly.
void BM_PhotographedDrawingAtFullHd(benchmark::State& state)
{
    dotsAndColouringPage(state, {fitted("propios/fotos/gato.jpg")});
}
BENCHMARK(BM_PhotographedDrawingAtFullHd)->Unit(benchmark::kMillisecond);

// Bold drawings: an animal's legs and a butterfly's wings drawn as wide
// filled shapes, whose pieces the colouring page settles, and a tiger
// whose bold strokes become their edges.
void BM_BoldDrawingAtFullHd(benchmark::State& state)
{
    dotsAndColouringPage(state, {fitted("propios/negritas/elefante.png"),
                                 fitted("propios/negritas/mariposa.png"),
                                 fitted("propios/negritas/tigre.png")});
}
BENCHMARK(BM_BoldDrawingAtFullHd)->Unit(benchmark::kMillisecond);

// A scene: a cat by a tree on a ground, its main figure cut from the tree.
void BM_SceneAtFullHd(benchmark::State& state)
{
    dotsAndColouringPage(state, {fitted("propios/escenas/gato-raton.png")});
}
BENCHMARK(BM_SceneAtFullHd)->Unit(benchmark::kMillisecond);

// A photograph: a cat in front of a grainy, unevenly coloured wall, its
// object found by grabCut.
void BM_PhotographAtFullHd(benchmark::State& state)
{
    QImage photo = fitted("color/twemoji-gato.svg").convertToFormat(QImage::Format_RGB32);
    quint32 grain = 1;
    for (int y = 0; y < photo.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int n = int(grain >> 27);
            if (row[x] == qRgb(255, 255, 255))
                row[x] = qRgb(80 + x / 16 + n, 120 + y / 12 + n, 90 + n);
        }
    }
    dotsAndColouringPage(state, {photo});
}
BENCHMARK(BM_PhotographAtFullHd)->Unit(benchmark::kMillisecond);

// A clip-art SVG of a few hundred shapes, as a collection offers them.
void BM_SvgOpenedAndFittedAtFullHd(benchmark::State& state)
{
    QTemporaryDir folder;
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 400 300">)";
    for (int i = 0; i < 300; ++i)
        svg += QStringLiteral(R"(<circle cx="%1" cy="%2" r="%3" fill="none" stroke="black"/>)")
                   .arg(200 + 150 * std::cos(i * 0.1))
                   .arg(150 + 100 * std::sin(i * 0.13))
                   .arg(5 + i % 20)
                   .toUtf8();
    svg += "</svg>";
    QFile file(folder.filePath("dibujo.svg"));
    file.open(QIODevice::WriteOnly);
    file.write(svg);
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::readFittedPicture(file.fileName(), QSize(1920, 1080)));
}
BENCHMARK(BM_SvgOpenedAndFittedAtFullHd)->Unit(benchmark::kMillisecond);

// From a full-HD PNG file to the activity and its drawing, ready to save.
void BM_BatchActivityOfAFullHdPicture(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("animal.png");
    drawing().save(path);
    editor::PictureBatch batch;
    batch.dots = 30;
    for (auto _ : state)
        benchmark::DoNotOptimize(batch.activityFrom(path));
}
BENCHMARK(BM_BatchActivityOfAFullHdPicture)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// What a teacher waits for a picture: the program started without a window
// on one full-HD colour picture, its activity made and saved.
void BM_BatchProgramOnOneColourPicture(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("animal.png");
    QImage picture = drawing();
    QPainter(&picture).fillRect(700, 400, 400, 300, QColor(250, 200, 150));
    picture.save(path);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", folder.filePath("datos"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        QProcess batch;
        batch.setProcessEnvironment(environment);
        batch.start(LUNIPO_APP_DIR "/lunipoeditor", {"--tema", "banco", path});
        if (!batch.waitForFinished(60000) || batch.exitCode() != 0) {
            state.SkipWithError("lunipoeditor --tema failed");
            return;
        }
    }
}
BENCHMARK(BM_BatchProgramOnOneColourPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
