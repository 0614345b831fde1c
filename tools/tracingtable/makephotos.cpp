#include "drawnpictures.h"

#include <QDir>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

enum class Pen { Pencil, Marker };

struct Photo
{
    const char* name;
    Pen pen;
};

const std::vector<Photo> Photos{
    {"gato", Pen::Pencil},    {"perro", Pen::Marker},  {"conejo", Pen::Pencil},
    {"tortuga", Pen::Marker}, {"pez", Pen::Pencil},    {"caracol", Pen::Marker},
    {"manzana", Pen::Pencil}, {"pera", Pen::Marker},   {"casa", Pen::Pencil},
    {"coche", Pen::Marker},   {"velero", Pen::Pencil}, {"estrella", Pen::Marker},
    {"helado", Pen::Pencil},  {"osito", Pen::Marker},
};

// Noise smooth over `cells` of the page, about -1 to 1.
cv::Mat cloudy(cv::Size size, int cells, cv::RNG& rng)
{
    cv::Mat coarse(cells * size.height / size.width + 2, cells + 2, CV_32F), smooth;
    rng.fill(coarse, cv::RNG::NORMAL, 0, 1);
    cv::resize(coarse, smooth, size, 0, 0, cv::INTER_CUBIC);
    return smooth;
}

// How much light falls on each place of the page, 0 to 1: brighter on one
// side than the other, and a soft shadow of the camera held over one corner.
cv::Mat light(cv::Size size, cv::RNG& rng)
{
    const double angle = rng.uniform(0.0, 2 * CV_PI), fall = rng.uniform(0.3, 0.45);
    const cv::Point2d shadow(rng.uniform(0, 2) * size.width, rng.uniform(0, 2) * size.height);
    const double reach = 0.5 * size.width, depth = rng.uniform(0.15, 0.25);
    const double across =
        std::abs(size.width * std::cos(angle)) + std::abs(size.height * std::sin(angle));
    cv::Mat lit(size, CV_32F);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const double along = ((x - size.width / 2.0) * std::cos(angle) +
                                  (y - size.height / 2.0) * std::sin(angle)) /
                                     across +
                                 0.5;
            const double near = cv::norm(cv::Point2d(x, y) - shadow) / reach;
            lit.at<float>(y, x) = float((1 - fall * along) * (1 - depth * std::exp(-near * near)));
        }
    return lit;
}

// The drawing as the camera saw it: the pen's strokes on the paper under
// the light, slightly out of focus, with the sensor's noise.
cv::Mat photograph(const cv::Mat& clean, Pen pen, cv::RNG& rng)
{
    cv::Mat ink;
    clean.convertTo(ink, CV_32F, -1 / 255.0, 1); // 1 where the pen went
    const cv::Mat grain = cloudy(clean.size(), 300, rng);
    if (pen == Pen::Pencil)
        ink = ink.mul(0.6 + 0.12 * grain); // grey and grainy
    const cv::Vec3f paper(rng.uniform(236, 248), rng.uniform(230, 242), rng.uniform(214, 230));
    const cv::Vec3f colour = pen == Pen::Pencil ? cv::Vec3f(70, 70, 75) : cv::Vec3f(25, 30, 70);
    const cv::Mat texture = cloudy(clean.size(), 24, rng), lit = light(clean.size(), rng);
    cv::Mat photo(clean.size(), CV_32FC3);
    for (int y = 0; y < photo.rows; ++y)
        for (int x = 0; x < photo.cols; ++x) {
            const float a = std::clamp(ink.at<float>(y, x), 0.f, 1.f);
            const float sheet =
                1 + 0.025f * texture.at<float>(y, x) + 0.01f * grain.at<float>(y, x);
            photo.at<cv::Vec3f>(y, x) =
                (paper * sheet * (1 - a) + colour * a) * lit.at<float>(y, x);
        }
    cv::GaussianBlur(photo, photo, {0, 0}, rng.uniform(0.9, 1.6));
    cv::Mat noise(photo.size(), CV_32FC3);
    rng.fill(noise, cv::RNG::NORMAL, 0, rng.uniform(4.0, 8.0));
    cv::Mat out;
    cv::Mat(photo + noise).convertTo(out, CV_8UC3);
    return out;
}

QString photographed(const Photo& photo, int seed, const QDir& target)
{
    cv::RNG rng{uint64_t(seed)};
    cv::Mat clean = alone(photo.name, 0.8);
    if (photo.pen == Pen::Marker)
        cv::erode(clean, clean, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    // Never quite square to the camera.
    const double turn = rng.uniform(-4.0, 4.0);
    const cv::Point2f shift(float(rng.uniform(-25, 25)), float(rng.uniform(-20, 20)));
    cv::Mat turned = cv::getRotationMatrix2D({clean.cols / 2.f, clean.rows / 2.f}, turn, 1);
    turned.at<double>(0, 2) += shift.x, turned.at<double>(1, 2) += shift.y;
    cv::warpAffine(clean, clean, turned, clean.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 255);
    const QString name = QString(photo.name);
    save(imageOf(photograph(clean, photo.pen, rng)), target.filePath(name + ".jpg"), 70);
    save(imageOf(clean), target.filePath(name + "-limpio.png"));
    return QStringLiteral("%1.jpg  <-  %2.svg in %3, turned %4 degrees, on paper under uneven "
                          "light, blurred, noisy, JPEG quality 70 (seed %5); %1-limpio.png: the "
                          "clean drawing")
        .arg(name, QFileInfo(drawingPath(name)).dir().dirName() + '/' + name,
             photo.pen == Pen::Pencil ? "pencil" : "marker")
        .arg(turn, 0, 'f', 1)
        .arg(seed);
}

} // namespace

QStringList photographs(int& seed, const QDir& target)
{
    QStringList credits;
    for (const Photo& photo : Photos)
        credits << photographed(photo, ++seed, target);
    return credits;
}

} // namespace tracingtable
