// Flood fills at full-screen size: the blank canvas (the common click), the
// same through a picture area, a hatched fill, and a maze of one-pixel
// corridors, the worst case for a span fill. Also the picture area's rubber
// line, which is wiped and redrawn on every mouse move.

#include "colour.h"
#include "floodfill.h"
#include "picturebox.h"
#include "twips.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;

QImage blank()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

// Corridors one pixel wide in every odd column, joined alternately at the
// top and the bottom, so the fill snakes through the whole picture.
QImage maze()
{
    QImage image = blank();
    QPainter painter(&image);
    for (int x = 0; x < Width; x += 2) {
        const int gap = (x / 2) % 2 ? 0 : Height - 1;
        painter.fillRect(QRect(x, 0, 1, Height), Qt::black);
        painter.fillRect(QRect(x, gap, 1, 1), Qt::white);
    }
    return image;
}

// Fills back and forth between two colours so that every pass has the
// whole region to paint and nothing needs restoring.
void fillBackAndForth(benchmark::State& state, QImage image, QPoint seed)
{
    bool red = false;
    for (auto _ : state) {
        const QRect painted =
            toolkit::floodFillSurface(image, seed.x(), seed.y(), red ? Red : White,
                                      QBrush(QColor::fromRgb(red ? White : Red)));
        benchmark::DoNotOptimize(painted);
        red = !red;
    }
}

void BM_FillBlankImage(benchmark::State& state)
{
    fillBackAndForth(state, blank(), {960, 540});
}
BENCHMARK(BM_FillBlankImage)->Unit(benchmark::kMillisecond);

void BM_FillMaze(benchmark::State& state)
{
    fillBackAndForth(state, maze(), {1, 0});
}
BENCHMARK(BM_FillMaze)->Unit(benchmark::kMillisecond);

void BM_FillHatched(benchmark::State& state)
{
    const QImage original = blank();
    for (auto _ : state) {
        state.PauseTiming();
        QImage image = original.copy();
        state.ResumeTiming();
        toolkit::floodFillSurface(image, 960, 540, White, QBrush(Qt::red, Qt::DiagCrossPattern));
    }
}
BENCHMARK(BM_FillHatched)->Unit(benchmark::kMillisecond);

std::unique_ptr<toolkit::PictureBox> canvas()
{
    auto box = std::make_unique<toolkit::PictureBox>();
    box->Move(0, 0, Width * toolkit::TwipsPerPixel, Height * toolkit::TwipsPerPixel);
    return box;
}

void BM_FillPictureBox(benchmark::State& state)
{
    auto box = canvas();
    box->AutoRedraw = true;
    box->FillStyle = toolkit::vbFSSolid;
    bool red = false;
    for (auto _ : state) {
        box->FillColor = red ? toolkit::vbWhite : toolkit::RGB(255, 0, 0);
        box->FloodFill(960, 540, red ? toolkit::RGB(255, 0, 0) : toolkit::vbWhite);
        red = !red;
    }
}
BENCHMARK(BM_FillPictureBox)->Unit(benchmark::kMillisecond);

// One mouse move of the game: wipe the temporary layer, draw the rubber line
// from a dot near one corner to the pointer near the other, repaint.
void BM_RubberLine(benchmark::State& state)
{
    auto box = canvas();
    box->show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        box->Cls();
        box->Line(150, 150, (Width - 20 - step % 200) * 15.0, (Height - 20 - step % 150) * 15.0);
        QApplication::processEvents();
        ++step;
    }
}
BENCHMARK(BM_RubberLine)->Unit(benchmark::kMillisecond);

} // namespace
