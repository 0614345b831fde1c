#pragma once

// What the outline's band leaves of the strokes it cut: short pieces and
// wedges that neither the dots follow nor a child colours up to.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

constexpr double ShardLength = 2.5; // of the band's width: a cut piece no longer is a shard

// The shards of `page`, told on the figures' `scale` where `band` (the
// outline, `width` px wide there) and `mask` are, go white with the soft
// edge round them, but no pixel of a piece that stays. `reach` (px there)
// is how wide a gap the figures' closing closed; the page is of a
// `coloured` picture or not.
void dropShards(QImage& page, const cv::Mat& band, const cv::Mat& mask, double width, double reach,
                int scale, bool coloured);

} // namespace editor::tracing
