#pragma once

#include "controls.h"
#include "dotlist.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace editor {

// The dot list and the dot tool's state before a step taken on them (a dot,
// a closing, a move, a removal, "B", an opened activity), so that an undo
// takes the step back whole.
struct DotStep
{
    NextDot next;
    DotList dots;   // the list before the step
    QString opened; // the activity file it was opened from
};

// Each page's undo: a ring of its last seven pictures, newest first, and the
// dot steps taken back with them. Only the newest snapshot of a page is kept
// whole, for the undo that often follows at once; the older ones are
// compressed in the background.
class UndoRings
{
public:
    static constexpr int Slots = 7;

    explicit UndoRings(int pages);

    // Keeps the page's picture as it is before a change.
    void push(int page, const QImage& picture);
    // The page's newest snapshot, now out of the ring; a null image when the
    // page has nothing left to take back: an undo never comes round again
    // to the newest.
    QImage takeBack(int page);
    // The page is left: its newest snapshot is compressed too.
    void parkNewest(int page);
    // The snapshot the next undo on the page shows comes back whole in the
    // background.
    void prefetchNewest(int page);

    int nextSlot(int page) const { return rings_[size_t(page)].next; }
    // How many snapshots an undo can still go back to.
    int depth(int page) const { return rings_[size_t(page)].depth; }
    static int previousSlot(int slot) { return (slot + Slots - 1) % Slots; }

    // A dot step about to be taken, after the snapshot pushed for it.
    void rememberDotStep(DotStep step);
    // After takeBack: when the page went back to the snapshot taken for the
    // last dot step, that step, given up; otherwise (a line drawn with
    // another tool, a dot on another page) nothing.
    std::optional<DotStep> takeBackDotStep(int page);

private:
    struct Ring
    {
        std::array<toolkit::ImageHolder, Slots> pictures;
        // Every snapshot gets a number, and each slot remembers which one
        // it holds, so an undo knows whether it takes back a dot step.
        std::array<long, Slots> snapshot{};
        int next = 0; // the next slot to write
        int depth = 0;
    };
    std::vector<Ring> rings_;
    long snapshotCount_ = 0;
    // Each step with the snapshot taken just before it.
    std::vector<std::pair<long, DotStep>> dotSteps_;
};

} // namespace editor
