#include "labcolours.h"

#include <array>
#include <cmath>

namespace editor::tracing {

double squaredDeltaE(const cv::Vec3b& p, const cv::Vec3b& q)
{
    const double l = (int(p[0]) - int(q[0])) * (100.0 / 255);
    const double a = int(p[1]) - int(q[1]), b = int(p[2]) - int(q[2]);
    return l * l + a * a + b * b;
}

double deltaE(const cv::Vec3b& p, const cv::Vec3b& q)
{
    return std::sqrt(squaredDeltaE(p, q));
}

int squaredHueDistance(const cv::Vec3b& p, const cv::Vec3b& q)
{
    const int a = int(p[1]) - int(q[1]), b = int(p[2]) - int(q[2]);
    return a * a + b * b;
}

double chroma(const cv::Vec3b& p)
{
    return std::hypot(int(p[1]) - 128, int(p[2]) - 128);
}

// Each channel's square is looked up, summed as squaredDeltaE() sums it.
cv::Mat farFrom(const cv::Mat& lab, const cv::Vec3b& colour, double reach)
{
    std::array<std::array<double, 256>, 3> squares;
    for (int v = 0; v < 256; ++v) {
        const double l = (v - int(colour[0])) * (100.0 / 255);
        const double a = v - int(colour[1]), b = v - int(colour[2]);
        squares[0][size_t(v)] = l * l, squares[1][size_t(v)] = a * a, squares[2][size_t(v)] = b * b;
    }
    cv::Mat far(lab.size(), CV_8UC1);
    for (int y = 0; y < lab.rows; ++y) {
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        uint8_t* out = far.ptr<uint8_t>(y);
        for (int x = 0; x < lab.cols; ++x)
            out[x] =
                squares[0][in[x][0]] + squares[1][in[x][1]] + squares[2][in[x][2]] > reach * reach
                    ? 255
                    : 0;
    }
    return far;
}

} // namespace editor::tracing
