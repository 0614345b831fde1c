// Draws the tracing table's own pictures of the cases clipart leaves out,
// from the OpenMoji line drawings of the tests' data, the same bytes on
// every run (each picture has its fixed seed):
//   negritas/  the drawings made bold: strokes grown, small enclosed parts
//              filled black; NAME-silueta.png is the figure, filled;
//   escenas/   several drawings on one page with a ground line and trees,
//              one main figure in the middle; NAME-figura.png is that
//              figure alone;
//   fotos/     line art photographed on paper: texture, uneven light, blur,
//              noise, JPEG at quality 70; NAME-limpio.png is the clean
//              drawing.
// Every picture is as large as the editor's page. CREDITS.txt tells how
// each was made.
//
//   make_test_pictures [TARGET]   (tests/data/propios by default)

#include "drawnpictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

const QStringList BoldDrawings{"elefante", "vaca",    "perro",  "pajaro",  "caracol", "mariposa",
                               "gato",     "caballo", "jirafa", "tortuga", "gallina", "cangrejo",
                               "tigre",    "oveja",   "ciervo", "pulpo"};

// The figure a person sees in the line drawing `thin`, black, grown by
// `grow` px as its strokes were: the strokes, the gaps between them closed
// with a brush a little wider than they are, and all they enclose.
cv::Mat silhouette(const cv::Mat& thin, int grow)
{
    const int brush = 2 * int(std::lround(1.25 * strokeOf(thin))) + 1;
    cv::Mat ink = thin < 200;
    cv::morphologyEx(ink, ink, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {brush, brush}));
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(ink, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    double largest = 0;
    for (const auto& c : outer)
        largest = std::max(largest, cv::contourArea(c));
    cv::Mat figure = cv::Mat::zeros(thin.size(), CV_8UC1);
    for (size_t i = 0; i < outer.size(); ++i)
        if (cv::contourArea(outer[i]) >= 0.03 * largest)
            cv::drawContours(figure, outer, int(i), 255, cv::FILLED);
    cv::dilate(figure, figure,
               cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * grow + 1, 2 * grow + 1}));
    return ~figure;
}

QString bold(const QString& name, int seed, const QDir& target)
{
    cv::RNG rng{uint64_t(seed)};
    const cv::Mat thin = alone(name, 0.86);
    cv::Mat picture = thin.clone();
    const int grow = rng.uniform(5, 12);
    cv::erode(picture, picture,
              cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * grow + 1, 2 * grow + 1}));
    // The white parts a bold pen leaves closed or nearly (eyes, spots, an
    // ear, a leg, the gaps in a mane) filled, more than half of them; never
    // the body.
    cv::Mat ink = picture < 128;
    cv::morphologyEx(ink, ink, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {41, 41}));
    std::vector<std::vector<cv::Point>> parts;
    std::vector<cv::Vec4i> tree;
    cv::findContours(ink, parts, tree, cv::RETR_CCOMP, cv::CHAIN_APPROX_SIMPLE);
    const double small = 0.03 * double(picture.total());
    int filled = 0, holes = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const double area = cv::contourArea(parts[i]);
        if (tree[i][3] < 0 || area > small || area < 20)
            continue;
        ++holes;
        if (rng.uniform(0.0, 1.0) < 0.65) {
            cv::drawContours(picture, parts, int(i), 0, cv::FILLED, cv::LINE_AA);
            ++filled;
        }
    }
    save(imageOf(picture), target.filePath(name + ".png"));
    save(imageOf(silhouette(thin, grow)), target.filePath(name + "-silueta.png"));
    return QStringLiteral("%1.png  <-  %2.svg: strokes grown %3 px, %4 of %5 closed or nearly "
                          "closed parts smaller than 3 % of the page filled black (seed %6); "
                          "%1-silueta.png: the figure a person sees in the drawing, grown as its "
                          "strokes were")
        .arg(name, QFileInfo(drawingPath(name)).dir().dirName() + '/' + name)
        .arg(grow)
        .arg(filled)
        .arg(holes)
        .arg(seed);
}

} // namespace

QStringList boldDrawings(int& seed, const QDir& target)
{
    QStringList credits;
    for (const QString& name : BoldDrawings)
        credits << bold(name, ++seed, target);
    return credits;
}

} // namespace tracingtable

namespace {

const char* const Header =
    R"(The tracing table's own pictures, made by tools/tracingtable/makepictures.cpp
(cmake --build build --target make_test_pictures, then run
build/tools/tracingtable/make_test_pictures) from the OpenMoji 17.0.0 black
drawings of tests/data/openmoji and tests/data/biblioteca (https://openmoji.org,
by the OpenMoji project and its contributors, CC BY-SA 4.0,
https://creativecommons.org/licenses/by-sa/4.0/). Being made from them, these
pictures are under CC BY-SA 4.0 too. Each has a fixed seed; a new run gives
the same pictures.
)";

QStringList indented(const QString& title, const QStringList& lines)
{
    QStringList all{QString(), title};
    for (const QString& line : lines)
        all << "  " + line;
    return all;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QDir target(
        application.arguments().value(1, QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/propios")));
    int seed = 43000;
    QStringList credits;
    for (const char* folder : {"negritas", "escenas", "fotos"})
        target.mkpath(folder);
    credits << indented("negritas/: the drawings made bold",
                        tracingtable::boldDrawings(seed, target.filePath("negritas")));
    credits << indented("escenas/: scenes composed from the drawings",
                        tracingtable::scenes(seed, target.filePath("escenas")));
    credits << indented("fotos/: line art photographed on paper, simulated",
                        tracingtable::photographs(seed, target.filePath("fotos")));
    QFile file(target.filePath("CREDITS.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream(&file) << Header << credits.join('\n') << '\n';
    QTextStream(stdout) << "pictures and their credits in " << target.path() << '\n';
    return 0;
}
