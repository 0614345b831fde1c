// The rules of joining the dots, apart from any drawing.

#include "dotgame.h"

#include "textfiles.h"

#include <cmath>

namespace player {

namespace activity = toolkit::activity;

bool DotGame::read(const QString& path, double factorX, double factorY)
{
    file_ = path;
    toolkit::TextFileReader file(path, activity::MaxFileBytes, activity::MaxLineLength,
                                 toolkit::Links::Refuse);
    // A file that is missing or too short leaves the canvas empty; the game
    // then has no dot to wait for.
    const auto header = activity::readHeader(file);
    if (!header) {
        count_ = 0;
        return false;
    }
    circles_ = activity::circlesWanted((*header)[2]);
    hitRadius_ = activity::hitRadius((*header)[3]);
    labelFontSize_ = activity::fontSize((*header)[4]);

    int i = 0;
    labelAnchor_ = 0;
    // Empty lines are skipped wherever they stand; the table holds MaxDots.
    while (i < MaxDots) {
        const auto line = file.readNonEmptyLine();
        if (!line)
            break;
        const auto at = static_cast<size_t>(i);
        activity::readDot(*line, dots_[at], factorX, factorY);
        const Dot& anchor = dots_[static_cast<size_t>(labelAnchor_)];
        printed_[at] = i == 0 || dots_[at].x != anchor.x || dots_[at].y != anchor.y;
        if (!printed_[at])
            labelAnchor_ = i;
        ++i;
    }
    count_ = i;
    return true;
}

void DotGame::start()
{
    nextDot_ = 0;
    joined_ = false;
}

void DotGame::clear()
{
    file_.clear();
    count_ = 0;
    nextDot_ = 0;
    joined_ = false;
}

DotGame::Click DotGame::click(float x, float y)
{
    Click click;
    reachExpected(click, x, y, true);
    completeIfLastRecord(click);
    if (click.hit)
        misses_ = 0;
    else if (!joined_)
        ++misses_;
    return click;
}

DotGame::Click DotGame::slide(float x, float y)
{
    Click click;
    if (reachExpected(click, x, y, false)) {
        completeIfLastRecord(click);
        misses_ = 0;
    }
    return click;
}

bool DotGame::reachExpected(Click& click, float x, float y, bool snap)
{
    // Once the figure is complete there is nothing left to join, so later
    // clicks belong to the tools alone and never walk past the list.
    if (joined_ || nextDot_ < 0 || nextDot_ >= count_)
        return false;
    click.label = expectedLabel();
    // A closing record is never clicked: the first dot of the next figure
    // stands for it, and its click closes the figure before.
    const bool closing = dots_[static_cast<size_t>(nextDot_)].label.isEmpty();
    const int record = closing ? nextDot_ + 1 : nextDot_;
    if (!hits(record, x, y) && !(snap && record < count_ && nearestIsExpected(x, y)))
        return false;
    join(click, nextDot_ - 1, nextDot_);
    nextDot_ += closing ? 2 : 1;
    click.hit = true;
    return true;
}

// Whether the snap takes a press at (x, y) to the dot expected: it lies
// within the snap's reach, and no other dot is nearer, so a press on a
// wrong dot still counts as wrong.
bool DotGame::nearestIsExpected(float x, float y) const
{
    const int expected = expectedRecord();
    if (reach_.snap <= 0 || expected < 0)
        return false;
    const auto distance = [&](int record) {
        const Dot& dot = dots_[static_cast<size_t>(record)];
        return std::hypot(double(x) - dot.x, double(y) - dot.y);
    };
    const double toExpected = distance(expected);
    if (toExpected > reach_.snap)
        return false;
    for (int record = 0; record < count_; ++record)
        if (record != expected && !dots_[static_cast<size_t>(record)].label.isEmpty() &&
            distance(record) < toExpected)
            return false;
    return true;
}

void DotGame::join(Click& click, int from, int to) const
{
    // An unlabelled first record would ask for a segment from before the
    // list; there is nothing to join it to.
    if (from < 0 || to < 0 || from >= count_ || to >= count_)
        return;
    click.joins.push_back({from, to});
}

void DotGame::completeIfLastRecord(Click& click)
{
    // The last record is never clicked: expecting it means the figure is
    // done. A closing record just before the end can carry nextDot one past
    // the last record; that figure is just as complete.
    if (joined_ || count_ == 0 || nextDot_ < count_ - 1)
        return;
    if (nextDot_ == count_ - 1 && dots_[static_cast<size_t>(nextDot_)].label.isEmpty()) {
        join(click, nextDot_ - 1, nextDot_);
        nextDot_ += 1;
    }
    joined_ = true;
    click.completed = true;
}

bool DotGame::hits(int record, float x, float y) const
{
    // Records past the list hold leftovers of a longer activity, or nothing.
    if (record < 0 || record >= count_)
        return false;
    const Dot& dot = dots_[static_cast<size_t>(record)];
    return (std::abs(x - dot.x) < hitRadius_ && std::abs(y - dot.y) < hitRadius_) ||
           std::hypot(double(x) - dot.x, double(y) - dot.y) < reach_.circle;
}

int DotGame::expectedRecord() const
{
    // A closing record expected means the first dot of the next figure.
    int dot = nextDot_;
    if (dot >= 0 && dot < count_ && dots_[static_cast<size_t>(dot)].label.isEmpty())
        ++dot;
    return dot >= 0 && dot < count_ ? dot : -1;
}

QString DotGame::expectedLabel() const
{
    const int record = expectedRecord();
    return record >= 0 ? dots_[static_cast<size_t>(record)].label : QString();
}

} // namespace player
