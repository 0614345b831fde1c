#include "polygonfit.h"
#include "tracing.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace editor {

namespace {

const QSize EditorPage(942, 709); // the editor's page on a 1024 x 768 screen

// Shares `count` among `weights` by the largest remainder.
QList<int> shares(const QList<double>& weights, int count)
{
    if (weights.isEmpty())
        return {};
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    QList<int> given;
    QList<std::pair<double, int>> remainders;
    for (qsizetype i = 0; i < weights.size(); ++i) {
        const double exact = total > 0 ? count * weights[i] / total : 0;
        given << int(exact);
        remainders.append({exact - int(exact), int(i)});
    }
    std::sort(remainders.begin(), remainders.end(), std::greater<>());
    int left = count - std::accumulate(given.begin(), given.end(), 0);
    for (qsizetype i = 0; left > 0; i = (i + 1) % remainders.size(), --left)
        ++given[remainders[i].second];
    return given;
}

// How badly the dot `k` sits: how far the dots nearer to it than `spacing`
// come inside it, its own figure's and the `others` of the figures beside
// it alike (a child cannot tell which of two dots that touch comes next,
// whichever figure they belong to), squared, so that a dot that cannot
// keep the spacing from both its neighbours goes midway between them
// rather than onto one; and the crossings of its two sides with the rest
// of the path, each worth more than any crowding.
double trouble(const QList<QPointF>& dots, qsizetype k, double spacing,
               const QList<QPointF>& others)
{
    const qsizetype n = dots.size();
    double bad = 0;
    for (qsizetype j = 0; j < n; ++j)
        if (j != k)
            bad += std::pow(std::max(0.0, spacing - QLineF(dots[j], dots[k]).length()), 2);
    for (QPointF other : others)
        bad += std::pow(std::max(0.0, spacing - QLineF(other, dots[k]).length()), 2);
    for (const qsizetype a : {(k + n - 1) % n, k}) {
        const qsizetype b = (a + 1) % n;
        const QLineF side(dots[a], dots[b]);
        for (qsizetype c = 0; c < n; ++c) {
            const qsizetype d = (c + 1) % n;
            if (c == a || c == b || d == a || d == b)
                continue;
            if (side.intersects(QLineF(dots[c], dots[d]), nullptr) == QLineF::BoundedIntersection)
                bad += 1000 * (1 + spacing * spacing);
        }
    }
    return bad;
}

// Moves the worst placed dot, the first excepted, to wherever between its
// neighbours along the outline it sits best, until no dot crowds another
// nor does the path cross itself, or no move helps.
template <typename Where>
void untangle(QList<QPointF>& dots, QList<double>& along, Where where, double length,
              double spacing, const QList<QPointF>& others)
{
    constexpr int Tries = 24;
    const qsizetype n = dots.size();
    QList<bool> stuck(n, false);
    for (qsizetype round = 0; round < 6 * n; ++round) {
        qsizetype worst = -1;
        double worstTrouble = 0;
        for (qsizetype k = 1; k < n; ++k) {
            const double bad = stuck[k] ? 0 : trouble(dots, k, spacing, others);
            if (bad > worstTrouble)
                worst = k, worstTrouble = bad;
        }
        if (worst < 0)
            return;
        const double from = along[worst - 1];
        const double to = worst + 1 < n ? along[worst + 1] : length;
        const QPointF was = dots[worst];
        const double fitted = along[worst];
        double best = worstTrouble, bestAlong = fitted;
        const auto nearer = [&](double s) {
            return std::abs(s - fitted) < std::abs(bestAlong - fitted);
        };
        for (int t = 1; t < Tries; ++t) {
            const double s = from + (to - from) * t / Tries;
            dots[worst] = where(s);
            const double bad = trouble(dots, worst, spacing, others);
            if (bad < best - 1e-9 || (bestAlong != fitted && bad < best + 1e-9 && nearer(s)))
                best = bad, bestAlong = s;
        }
        // The fit put the dot where it keeps the figure's shape (a sail's
        // corner): of the places as good, it goes to the one nearest that,
        // found to a pixel, not to the first of the coarse tries.
        for (double off = fitted; bestAlong != fitted && std::abs(off - bestAlong) > 1;) {
            const double s = (off + bestAlong) / 2;
            dots[worst] = where(s);
            if (trouble(dots, worst, spacing, others) < best + 1e-9)
                bestAlong = s;
            else
                off = s;
        }
        dots[worst] = bestAlong == fitted ? was : where(bestAlong);
        if (bestAlong == along[worst]) {
            stuck[worst] = true;
        } else {
            along[worst] = bestAlong;
            stuck.fill(false);
        }
    }
}

// The dots of one figure, where along its outline they lie.
struct Placed
{
    tracing::Path path;
    QList<double> along;
    QList<QPointF> dots;
    double spacing = 0;

    Placed(const Outline& outline, int count)
        : path(outline.points), along(tracing::closestPolygon(outline, path, count)),
          spacing(outline.spacing)
    {
        for (double s : along)
            dots << path.at(s);
        untangle({});
    }
    void untangle(const QList<QPointF>& others)
    {
        editor::untangle(
            dots, along, [&](double s) { return path.at(s); }, path.length(), spacing, others);
    }
};

} // namespace

int dotsThatFit(int wanted, int figures, int room)
{
    return std::min(wanted, room - std::min(figures, wanted / 3));
}

double dotSpacing(QSize size)
{
    return 24 * std::max(double(size.width()) / EditorPage.width(),
                         double(size.height()) / EditorPage.height());
}
QList<QList<QPointF>> dotsAlong(const QList<Outline>& outlines, int count)
{
    QList<int> kept(outlines.size());
    std::iota(kept.begin(), kept.end(), 0);
    std::stable_sort(kept.begin(), kept.end(),
                     [&](int a, int b) { return outlines[a].length() > outlines[b].length(); });
    kept = kept.mid(0, count / 3);
    std::sort(kept.begin(), kept.end()); // back in top-to-bottom order
    QList<double> lengths;
    for (int i : kept)
        lengths << outlines[i].length();
    const QList<int> extra = shares(lengths, count - 3 * int(kept.size()));
    QList<Placed> placed;
    for (qsizetype i = 0; i < kept.size(); ++i)
        placed.append(Placed(outlines[kept[i]], 3 + extra[i]));
    // Figures that touch (a bubble on a fish, a wheel under its tractor)
    // have their outlines side by side: each keeps its dots off the dots
    // of the rest, which stay put while it moves.
    for (qsizetype i = 0; placed.size() > 1 && i < placed.size(); ++i) {
        QList<QPointF> others;
        for (qsizetype j = 0; j < placed.size(); ++j)
            if (j != i)
                others += placed[j].dots;
        placed[i].untangle(others);
    }
    QList<QList<QPointF>> dots;
    for (const Placed& each : placed)
        dots << each.dots;
    return dots;
}

} // namespace editor
