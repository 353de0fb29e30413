#include "check/Convergence.h"

#include "analysis/EndMomentFormula.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this multiple of the largest exact end moment the cycle is taken to run
// away: a sweep that grows this far does not come back.
constexpr double RunawayFactor = 1e100;

/// One cycle's end moments against the exact ones, and whether they run away.
struct Deviation {
    EndMomentDifference difference;
    double largestMoment = 0; ///< max |cycle|
    bool finite = true;
};

/// The end moments of `state`, formed as the end-moment stage forms them, against
/// the exact ones.
Deviation DeviationOf(const FrameModel& model, const CycleState& state,
                      const FrameEndMoments& exact, double largestExact) {
    Deviation d;
    d.difference.largestExact = largestExact;
    VisitEndMoments(model, state.rotation, state.storey, [&d, &exact](int j, int m, double moment) {
        d.finite = d.finite && std::isfinite(moment);
        d.largestMoment = std::max(d.largestMoment, std::fabs(moment));
        d.difference.add(j, m, moment, exact.moments[j][m].value());
    });
    return d;
}

} // namespace

Convergence TraceConvergence(const FrameModel& analysed, const ExactSolution& exact,
                             const EndMomentDifference& oneCycle) {
    Convergence c;
    CycleState state = InitialCycleState(analysed);
    c.states.push_back(state);
    if (!exact.solved) {
        // Nothing to measure against; the program's own cycle is still shown.
        RunCycle(analysed, state);
        c.states.push_back(state);
        return c;
    }
    // A frame without a moment is exact from the start; every share is then 0.
    const double largest = oneCycle.largestExact;
    c.balancedShare = oneCycle.share();
    c.outcome = Convergence::Outcome::MoreThanLimit;
    c.shares.reserve(16);
    for (int cycle = 1; cycle <= CycleLimit; ++cycle) {
        RunCycle(analysed, state);
        const Deviation d = DeviationOf(analysed, state, exact.endMoments, largest);
        c.shares.push_back(d.difference.share());
        c.states.push_back(state);
        if (!d.finite || d.largestMoment > RunawayFactor * largest) {
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
