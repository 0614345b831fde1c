#include "drawnpictures.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

// One drawing of a scene: where its middle stands (share of the page's
// width), its height (share of the page's), how far above the ground its
// bottom is (share of the page's height).
struct Thing
{
    const char* name;
    double x, height, lift = 0;
};

enum class Ground { Grass, Sea };

// A scene: the main figure in the middle, in front of the others. The sun
// sits cut by the top right corner; a branch runs from the left border
// under the main figure.
struct Scene
{
    const char* name;
    Thing main;
    std::vector<Thing> others;
    Ground ground = Ground::Grass;
    bool sun = false, branch = false;
};

const std::vector<Scene> Scenes{
    {"perro-arbol", {"perro", 0.5, 0.45}, {{"arbol", 0.14, 0.42}, {"flor", 0.87, 0.14}}, {}, true},
    {"vaca-granja",
     {"vaca", 0.5, 0.45},
     {{"abeto", 0.88, 0.45}, {"gallina", 0.12, 0.18}, {"nube", 0.22, 0.1, 0.62}}},
    {"elefante-borde", {"elefante", 0.5, 0.48}, {{"arbol", 0.97, 0.5}}},
    {"caballo-bosque",
     {"caballo", 0.5, 0.5},
     {{"abeto", 0.03, 0.55}, {"abeto", 0.87, 0.35}},
     {},
     true},
    {"tortuga-desierto",
     {"tortuga", 0.5, 0.32},
     {{"cactus", 0.15, 0.34}, {"cactus", 0.86, 0.24}},
     {},
     true},
    {"cerdo-charco",
     {"cerdo", 0.5, 0.42},
     {{"arbol", 0.12, 0.4}, {"pato", 0.87, 0.15}, {"nube", 0.75, 0.1, 0.64}}},
    {"pajaro-rama",
     {"pajaro", 0.5, 0.3, 0.3},
     {{"abeto", 0.02, 0.62}, {"abeto", 0.98, 0.58}},
     {},
     false,
     true},
    {"gato-raton",
     {"gato", 0.5, 0.45},
     {{"arbol", 0.87, 0.4}, {"raton", 0.14, 0.1}, {"nube", 0.2, 0.1, 0.64}}},
    {"pez-algas",
     {"pez", 0.5, 0.4, 0.18},
     {{"cangrejo", 0.16, 0.14}, {"caracola", 0.85, 0.12}},
     Ground::Sea},
    {"pulpo-algas",
     {"pulpo", 0.5, 0.5, 0.05},
     {{"pez", 0.14, 0.12, 0.45}, {"caracola", 0.86, 0.1}},
     Ground::Sea},
    {"conejo-huerto",
     {"conejo", 0.5, 0.45},
     {{"abeto", 0.12, 0.4}, {"zanahoria", 0.86, 0.15}, {"flor", 0.73, 0.12}},
     {},
     true},
    {"camello-sol", {"camello", 0.5, 0.48}, {{"cactus", 0.9, 0.3}}, {}, true},
    {"jirafa-sabana", {"jirafa", 0.5, 0.7}, {{"arbol", 0.15, 0.3}, {"nube", 0.82, 0.1, 0.62}}},
    {"casa-jardin", {"casa", 0.5, 0.5}, {{"arbol", 0.86, 0.42}, {"flor", 0.14, 0.14}}, {}, true},
};

cv::Point topLeft(const cv::Mat& on, const cv::Mat& figure, const Thing& thing, int groundY,
                  int stroke)
{
    return {int(thing.x * on.cols) - figure.cols / 2,
            groundY + stroke / 2 - int(thing.lift * on.rows) - figure.rows};
}

cv::Mat drawingOf(const cv::Mat& on, const Thing& thing)
{
    return drawing(thing.name, cv::Size2d(0.62 * on.cols, thing.height * on.rows));
}

// A wavy ground across the page, with tufts of grass or weeds growing from
// it away from the middle.
void drawGround(cv::Mat& on, const Scene& scene, int groundY, int stroke, cv::RNG& rng)
{
    std::vector<cv::Point> line;
    for (int x = -stroke; x <= on.cols + stroke; x += 8)
        line.emplace_back(x, groundY + int(std::lround(4 * std::sin(x / 37.0))));
    cv::polylines(on, line, false, 0, stroke, cv::LINE_AA);
    for (int i = 0; i < 6; ++i) {
        const int side = i % 2 ? 1 : -1;
        const int x = on.cols / 2 + side * rng.uniform(on.cols / 4, on.cols / 2 - 20);
        if (scene.ground == Ground::Grass) {
            for (int blade : {-1, 0, 1})
                cv::line(on, {x, groundY}, {x + blade * 9, groundY - 18 - 6 * (blade == 0)}, 0,
                         stroke / 2 + 1, cv::LINE_AA);
            continue;
        }
        std::vector<cv::Point> weed;
        const int tall = rng.uniform(on.rows / 5, on.rows / 3);
        for (int y = 0; y < tall; y += 6)
            weed.emplace_back(x + int(12 * std::sin(y / 25.0 + i)), groundY - y);
        cv::polylines(on, weed, false, 0, stroke / 2 + 1, cv::LINE_AA);
    }
}

void drawSky(cv::Mat& on, int stroke)
{
    const cv::Point centre(on.cols - 30, 30);
    cv::circle(on, centre, 70, 0, stroke, cv::LINE_AA);
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = CV_PI / 2 + ray * CV_PI / 10 + CV_PI / 20;
        const cv::Point2d towards(std::cos(angle), std::sin(angle));
        cv::line(on, centre + cv::Point(towards * 90), centre + cv::Point(towards * 120), 0, stroke,
                 cv::LINE_AA);
    }
}

QString composed(const Scene& scene, int seed, const QDir& target)
{
    cv::RNG rng{uint64_t(seed)};
    cv::Mat on = page(), main = page();
    const cv::Mat figure = drawingOf(on, scene.main);
    const int stroke = strokeOf(figure);
    const int groundY = int(0.86 * on.rows);
    drawGround(on, scene, groundY, stroke, rng);
    if (scene.sun)
        drawSky(on, stroke);
    QStringList others;
    for (const Thing& thing : scene.others) {
        const cv::Mat other = drawingOf(on, thing);
        place(on, other, topLeft(on, other, thing, groundY, stroke));
        others << thing.name;
    }
    const cv::Point at = topLeft(on, figure, scene.main, groundY, stroke);
    if (scene.branch)
        cv::line(on, {-stroke, at.y + figure.rows - stroke / 2},
                 {at.x + figure.cols * 3 / 4, at.y + figure.rows - stroke / 2}, 0, stroke,
                 cv::LINE_AA);
    place(on, figure, at);
    place(main, figure, at);
    const QString name = scene.name;
    save(imageOf(on), target.filePath(name + ".png"));
    save(imageOf(main), target.filePath(name + "-figura.png"));
    return QStringLiteral("%1.png  <-  %2 in the middle, %3 on a %4 line%5%6 (seed %7); "
                          "%1-figura.png: the %2 alone")
        .arg(name, scene.main.name, others.join(", "),
             scene.ground == Ground::Sea ? "sea floor" : "ground")
        .arg(scene.sun ? ", the sun cut by the corner" : "",
             scene.branch ? ", a branch from the left border" : "")
        .arg(seed);
}

} // namespace

QStringList scenes(int& seed, const QDir& target)
{
    QStringList credits;
    for (const Scene& scene : Scenes)
        credits << composed(scene, ++seed, target);
    return credits;
}

} // namespace tracingtable
