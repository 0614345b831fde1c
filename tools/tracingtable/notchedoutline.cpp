#include "notchedoutline.h"

#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace tracingtable {

// The light of `mask` that the background reaches within `reach` px
// without crossing `ink`: the notches the silhouette closes over, not the
// inside of a figure, even one whose outline is open, which lies the long
// way round.
cv::Mat notchesOf(const cv::Mat& ink, const cv::Mat& mask, double reach)
{
    cv::Mat reached = ~mask & ~ink;
    for (int step = 0; step < int(reach); ++step) {
        cv::dilate(reached, reached, cv::Mat());
        reached &= ~ink;
    }
    return reached & mask;
}

// The pieces of `dark` that touch `band`: the outline's strokes and what
// is drawn joined to them, not a detail drawn apart (a flute's hole).
cv::Mat inkOfBand(const cv::Mat& dark, const cv::Mat& band)
{
    cv::Mat labels;
    const int count = cv::connectedComponents(dark, labels, 8, CV_32S);
    std::vector<uchar> touching(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            if (band.at<uchar>(y, x))
                touching[size_t(labels.at<int>(y, x))] = 255;
    touching[0] = 0;
    cv::Mat joined(labels.size(), CV_8UC1);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            joined.at<uchar>(y, x) = touching[size_t(labels.at<int>(y, x))];
    return joined;
}

// The pieces of `dark` that come within a `line` width of the light of
// `notches`, wider than a line (`across`: px from the light, on the
// drawing's dark) and no longer round than eight: the outline's strokes
// running into a notch the silhouette closes over, where they meet in a
// wedge. They are the
// outline's own, no detail inside the figure; a single line beside a
// notch (a leg's edge) may be one.
cv::Mat notchStrokes(const cv::Mat& dark, const cv::Mat& across, const cv::Mat& notches,
                     double line)
{
    cv::Mat labels, byNotch;
    const int count = cv::connectedComponents(dark, labels, 8, CV_32S);
    std::vector<float> thickest(size_t(count), 0);
    const int reach = 2 * int(std::ceil(line)) + 1;
    cv::dilate(notches, byNotch, cv::getStructuringElement(cv::MORPH_ELLIPSE, {reach, reach}));
    std::vector<int> edge(size_t(count), 0), facing(size_t(count), 0);
    for (int y = 1; y + 1 < labels.rows; ++y)
        for (int x = 1; x + 1 < labels.cols; ++x)
            if (const int here = labels.at<int>(y, x);
                here && (labels.at<int>(y, x - 1) != here || labels.at<int>(y, x + 1) != here ||
                         labels.at<int>(y - 1, x) != here || labels.at<int>(y + 1, x) != here))
                ++edge[size_t(here)], facing[size_t(here)] += byNotch.at<uchar>(y, x) > 0;
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            thickest[size_t(labels.at<int>(y, x))] =
                std::max(thickest[size_t(labels.at<int>(y, x))], across.at<float>(y, x));
    std::vector<uchar> outline(size_t(count), 0);
    for (size_t l = 1; l < size_t(count); ++l)
        outline[l] =
            facing[l] > 0 && thickest[l] > WedgeWidth * line && edge[l] < 8 * line ? 255 : 0;
    cv::Mat strokes(labels.size(), CV_8UC1);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            strokes.at<uchar>(y, x) = outline[size_t(labels.at<int>(y, x))];
    return strokes;
}

} // namespace tracingtable
