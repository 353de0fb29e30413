#include "check/Convergence.h"

#include "check/EndMomentDifference.h"
#include "check/FrameEndMoments.h"

namespace {

// Beyond this multiple of the largest exact end moment the cycle is taken to run
// away: a sweep that grows this far does not come back.
constexpr double RunawayFactor = 1e100;

} // namespace

Convergence TraceConvergence(const FrameModel& analysed, const ExactSolution& exact,
                             const CycleState& start) {
    Convergence c;
    CycleState state = start;
    c.states.push_back(state);
    if (!exact.solved) {
        // Nothing to measure against; the first cycle is still shown.
        RunCycle(analysed, state);
        c.states.push_back(state);
        return c;
    }
    c.outcome = Convergence::Outcome::MoreThanLimit;
    c.shares.reserve(16);
    for (int cycle = 1; cycle <= CycleLimit; ++cycle) {
        RunCycle(analysed, state);
        const EndMomentDifference d = CompareEndMoments(
            EndMomentsOf(analysed, state.rotation, state.storey), exact.endMoments);
        c.shares.push_back(d.share());
        c.states.push_back(state);
        // A frame without a moment is exact from the start: every share is 0.
        if (!d.finite || d.largest > RunawayFactor * d.largestExact) {
            c.outcome = Convergence::Outcome::Diverged;
        } else if (c.shares.back() <= CloseShare) {
            c.outcome = Convergence::Outcome::Reached;
        } else if (cycle < CycleLimit) {
            continue;
        }
        break;
    }
    return c;
}
