#include "mainfigure.h"

#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

constexpr size_t ManyFigures = 4;  // figures apart that make no one figure
constexpr double AboutEqual = 0.8; // of the largest's area: as large to the eye

// The figure of `outer` a person takes for the picture's own; -1 when all
// run off the border, the picture cut out of something larger.
int mainOf(const std::vector<std::vector<cv::Point>>& outer, cv::Size page)
{
    std::vector<double> areas(outer.size(), -1);
    double largest = 0;
    for (size_t i = 0; i < outer.size(); ++i) {
        const cv::Rect box = cv::boundingRect(outer[i]);
        if (box.x > 0 && box.y > 0 && box.br().x < page.width && box.br().y < page.height)
            largest = std::max(largest, areas[i] = cv::contourArea(outer[i]));
    }
    const cv::Point2d middle(page.width / 2.0, page.height / 2.0);
    int best = -1;
    double nearest = 0;
    for (size_t i = 0; i < outer.size(); ++i) {
        if (largest <= 0 || areas[i] < AboutEqual * largest)
            continue;
        const cv::Moments m = cv::moments(outer[i]);
        const double away = cv::norm(cv::Point2d(m.m10 / m.m00, m.m01 / m.m00) - middle);
        if (best < 0 || away < nearest)
            best = int(i), nearest = away;
    }
    return best;
}

// Whether the figures of `outer` beside `main` are many. One that reaches
// into the main figure's hull (a wheel in its arch) is a part of it, not
// a figure apart.
bool manyApart(const std::vector<std::vector<cv::Point>>& outer, int main, cv::Size page)
{
    std::vector<std::vector<cv::Point>> hull(1);
    cv::convexHull(outer[size_t(main)], hull[0]);
    cv::Mat within = cv::Mat::zeros(page, CV_8UC1);
    cv::fillPoly(within, hull, 255);
    size_t apart = 1;
    for (size_t i = 0; i < outer.size(); ++i) {
        cv::Mat figure = cv::Mat::zeros(page, CV_8UC1);
        cv::drawContours(figure, outer, int(i), 255, cv::FILLED);
        apart += int(i) != main && cv::countNonZero(figure & within) == 0;
    }
    return apart >= ManyFigures;
}

} // namespace

void holdToMainFigure(Drawing& d)
{
    Silhouette& s = d.s;
    if (s.outer.size() < ManyFigures)
        return;
    const int main = mainOf(s.outer, s.mask.size());
    if (main < 0 || !manyApart(s.outer, main, s.mask.size()))
        return;
    cv::Mat own = cv::Mat::zeros(s.mask.size(), CV_8UC1);
    cv::drawContours(own, s.outer, main, 255, cv::FILLED);
    d.others = d.band & ~own;
    d.band &= own;
    d.inside &= own;
    // A dot is on the main figure's edge, not on another's.
    cv::Mat away;
    cv::distanceTransform(~own, away, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    s.offEdge = cv::max(s.offEdge, away);
    s.mask = own;
    s.outer = {s.outer[size_t(main)]};
}

} // namespace tracingtable
