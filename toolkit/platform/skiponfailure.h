#pragma once

namespace toolkit {

// Runs one step of a handler that skips what fails and goes on with the
// next step (the player's start-up, the editor's main palette): a step that
// throws is dropped and the window stays usable.
template <class Step> void skipOnFailure(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace toolkit
