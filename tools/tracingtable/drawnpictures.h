#pragma once

// What the table's own pictures are made of: the OpenMoji line drawings of
// the tests' data, rendered black on white, and a page to put them on.
// Pixels are 8-bit grey, 255 white, unless said otherwise.

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <opencv2/core.hpp>

namespace tracingtable {

// The drawing `name` of tests/data/openmoji or tests/data/biblioteca.
QString drawingPath(const QString& name);

// The drawing `name`, cropped to its strokes and scaled so that they fill
// `box` (px) as far as the drawing's shape allows.
cv::Mat drawing(const QString& name, cv::Size2d box);

// The editor's page, white.
cv::Mat page();

// `figure` drawn on `on` with its top left corner at `at`, hiding what lies
// behind it (what it encloses is white); what falls off the page is cut.
void place(cv::Mat& on, const cv::Mat& figure, cv::Point at);

// The drawing `name` centred on a page, `share` of the page's side.
cv::Mat alone(const QString& name, double share);

// How thick `figure`'s strokes are drawn, px.
int strokeOf(const cv::Mat& figure);

cv::Mat greyOf(const QImage& image);
QImage imageOf(const cv::Mat& pixels); // grey, or three channels RGB

// Writes `image` to `path`, JPEG at `quality` when the name says so; tells
// on stderr when it cannot.
bool save(const QImage& image, const QString& path, int quality = -1);

// The table's own pictures of each kind, written into `target`, each with
// the next of `seed`; a line of credits for each, saying how it was made.
QStringList boldDrawings(int& seed, const QDir& target);
QStringList scenes(int& seed, const QDir& target);
QStringList photographs(int& seed, const QDir& target);

} // namespace tracingtable
