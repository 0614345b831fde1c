#pragma once

#include "activityformat.h"

#include <QString>
#include <array>
#include <vector>

namespace player {

// The game of joining the dots of one activity: the dot table read from its
// file, the dot the child must click next, the misses in a row, and whether
// the figure is joined. The window asks it what a click did and draws what
// it says.
//
// The table is never cleared between activities: a line with fields missing
// keeps what the record held before, and records past the end hold
// leftovers of a longer activity, never taken for dots.
class DotGame
{
public:
    static constexpr int MaxDots = toolkit::activity::MaxDots;
    using Dot = toolkit::activity::Dot;

    // A line the window draws from one record to another.
    struct Segment
    {
        int from;
        int to;
    };
    // What a click on the canvas did to the game.
    struct Click
    {
        bool hit = false;           // it found the dot expected
        QString label;              // the label expected when it came
        std::vector<Segment> joins; // the lines it joined, in order
        bool completed = false;     // it completed the figure
    };

    // Reads the activity file at `path`, its positions times the screen's
    // factors. A file missing or too short leaves no dot and the header's
    // values as they were; false then. Where the child is stays as it was.
    bool read(const QString& path, double factorX, double factorY);

    // The file read last, whatever it held.
    const QString& file() const { return file_; }
    int count() const { return count_; }
    // Records 0..MaxDots-1, leftovers past count() included.
    const Dot& dot(int record) const { return dots_.at(static_cast<size_t>(record)); }
    bool circles() const { return circles_; }
    int hitRadius() const { return hitRadius_; }
    double labelFontSize() const { return labelFontSize_; }
    // The last record back on the spot where its figure started.
    int labelAnchor() const { return labelAnchor_; }
    // Whether the record's label is printed: a dot on the anchor's spot
    // (a figure back at its start) leaves the label there printed once.
    bool labelPrinted(int record) const { return printed_.at(static_cast<size_t>(record)); }

    // A new activity: nothing joined yet.
    void start();
    // No activity at all: its place did not answer, or another child
    // starts afresh. No file is read and nothing is joined.
    void clear();

    // How far from a dot a press still finds it, in twips, beside the
    // activity's own square.
    struct Reach
    {
        // A circle of this radius round each dot; 0 for the square alone.
        double circle = 0;
        // A press this near the dot expected is that dot, unless it is
        // nearer another dot; 0 for none.
        double snap = 0;
    };
    void setReach(Reach reach) { reach_ = reach; }
    const Reach& reach() const { return reach_; }

    // Judges a click at (x, y), in twips.
    Click click(float x, float y);
    // A finger or a held button passing (x, y) on its way: it joins the dot
    // expected when it reaches it, and passing any other place is no miss.
    Click slide(float x, float y);
    // Whether a click at (x, y) lies within the record's square or circle.
    bool hits(int record, float x, float y) const;

    int nextDot() const { return nextDot_; }
    bool joined() const { return joined_; }
    // The record of the dot the child must click next; -1 when none is left.
    int expectedRecord() const;
    // Its label; empty when none is left.
    QString expectedLabel() const;

    // Clicks beside the dot expected since the last right one, or since the
    // child did something else.
    int missesInARow() const { return misses_; }
    void forgetMisses() { misses_ = 0; }

private:
    // Joins the dot expected when (x, y) finds it, snapping to it or not.
    bool reachExpected(Click& click, float x, float y, bool snap);
    bool nearestIsExpected(float x, float y) const;
    void join(Click& click, int from, int to) const;
    void completeIfLastRecord(Click& click);

    QString file_;
    std::array<Dot, MaxDots> dots_{};
    std::array<bool, MaxDots> printed_{};
    int count_ = 0;
    bool circles_ = false;
    int hitRadius_ = 0;
    double labelFontSize_ = 0;
    int labelAnchor_ = 0;
    Reach reach_;

    int nextDot_ = 0;
    bool joined_ = false;
    int misses_ = 0;
};

} // namespace player
