#include "drawnpictures.h"

#include "picturebatch.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

QString drawingPath(const QString& name)
{
    const QString data = QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/");
    for (const char* folder : {"openmoji/", "biblioteca/"})
        if (QFile::exists(data + folder + name + ".svg"))
            return data + folder + name + ".svg";
    qFatal("no drawing %s", qPrintable(name));
}

cv::Mat greyOf(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    return cv::Mat(grey.height(), grey.width(), CV_8UC1, const_cast<uchar*>(grey.constBits()),
                   size_t(grey.bytesPerLine()))
        .clone();
}

QImage imageOf(const cv::Mat& mat)
{
    const auto format = mat.channels() == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    return QImage(mat.data, mat.cols, mat.rows, int(mat.step), format).copy();
}

namespace {

cv::Mat rendered(QSvgRenderer& svg, double scale)
{
    QImage image(svg.defaultSize() * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return greyOf(image);
}

} // namespace

cv::Mat drawing(const QString& name, cv::Size2d box)
{
    QSvgRenderer svg(drawingPath(name));
    constexpr double Trial = 4;
    const cv::Rect ink = cv::boundingRect(rendered(svg, Trial) < 250);
    const double scale = Trial * std::min(box.width / ink.width, box.height / ink.height);
    const cv::Mat big = rendered(svg, scale);
    return big(cv::boundingRect(big < 250)).clone();
}

cv::Mat page()
{
    const QSize size = editor::PictureBatch::page();
    return cv::Mat(size.height(), size.width(), CV_8UC1, cv::Scalar(255));
}

namespace {

// What `figure` encloses, with its strokes: a person sees it as solid.
cv::Mat solid(const cv::Mat& figure)
{
    const cv::Mat ink = figure < 200;
    cv::Mat closed;
    const cv::Mat brush = cv::getStructuringElement(cv::MORPH_ELLIPSE, {15, 15});
    cv::morphologyEx(ink, closed, cv::MORPH_CLOSE, brush);
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(closed, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    cv::Mat filled = cv::Mat::zeros(ink.size(), CV_8UC1);
    cv::drawContours(filled, outer, -1, 255, cv::FILLED);
    return filled | ink;
}

} // namespace

void place(cv::Mat& on, const cv::Mat& figure, cv::Point at)
{
    const cv::Rect where = cv::Rect(at, figure.size()) & cv::Rect({}, on.size());
    if (where.empty())
        return;
    const cv::Rect from(where.tl() - at, where.size());
    cv::Mat behind = on(where);
    const cv::Mat front = figure(from);
    behind.setTo(255, solid(figure)(from));
    cv::min(behind, front, behind);
}

cv::Mat alone(const QString& name, double share)
{
    cv::Mat on = page();
    const cv::Mat figure = drawing(name, cv::Size2d(on.cols, on.rows) * share);
    place(on, figure, {(on.cols - figure.cols) / 2, (on.rows - figure.rows) / 2});
    return on;
}

int strokeOf(const cv::Mat& figure)
{
    cv::Mat depth;
    cv::distanceTransform(figure < 128, depth, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    std::vector<float> inside;
    depth.reshape(1, 1).copyTo(inside);
    inside.erase(std::remove(inside.begin(), inside.end(), 0.f), inside.end());
    std::nth_element(inside.begin(), inside.begin() + long(inside.size() / 2), inside.end());
    return std::max(2, int(std::lround(4 * inside[inside.size() / 2])));
}

bool save(const QImage& image, const QString& path, int quality)
{
    if (image.save(path, nullptr, quality))
        return true;
    qWarning("cannot write %s", qPrintable(path));
    return false;
}

} // namespace tracingtable
