#include "undorings.h"

#include <algorithm>

namespace editor {

UndoRings::UndoRings(int pages) : rings_(size_t(pages)) {}

void UndoRings::push(int page, const QImage& picture)
{
    Ring& ring = rings_[size_t(page)];
    if (ring.depth > 0)
        ring.pictures[size_t(previousSlot(ring.next))].park();
    ring.pictures[size_t(ring.next)].holdPicture(picture);
    ring.snapshot[size_t(ring.next)] = ++snapshotCount_;
    ring.next = (ring.next + 1) % Slots;
    ring.depth = std::min(ring.depth + 1, Slots);
}

QImage UndoRings::takeBack(int page)
{
    Ring& ring = rings_[size_t(page)];
    if (ring.depth == 0)
        return {};
    ring.depth -= 1;
    ring.next = previousSlot(ring.next);
    toolkit::ImageHolder& slot = ring.pictures[size_t(ring.next)];
    const QImage snapshot = slot.Picture();
    slot.setPicture(QImage()); // out of reach now: the page holds it
    return snapshot;
}

void UndoRings::parkNewest(int page)
{
    Ring& ring = rings_[size_t(page)];
    if (ring.depth > 0)
        ring.pictures[size_t(previousSlot(ring.next))].park();
}

void UndoRings::prefetchNewest(int page)
{
    Ring& ring = rings_[size_t(page)];
    if (ring.depth > 0)
        ring.pictures[size_t(previousSlot(ring.next))].prefetch();
}

// Steps that no undo can reach any more (each page keeps seven snapshots)
// are let go, so a long session of moves keeps no more than these.
void UndoRings::rememberDotStep(DotStep step)
{
    const size_t reachable = Slots * rings_.size();
    if (dotSteps_.size() >= reachable)
        dotSteps_.erase(dotSteps_.begin());
    dotSteps_.emplace_back(snapshotCount_, std::move(step));
}

std::optional<DotStep> UndoRings::takeBackDotStep(int page)
{
    const Ring& ring = rings_[size_t(page)];
    if (dotSteps_.empty() || ring.snapshot[size_t(ring.next)] != dotSteps_.back().first)
        return std::nullopt;
    std::optional<DotStep> step = std::move(dotSteps_.back().second);
    dotSteps_.pop_back();
    return step;
}

} // namespace editor
