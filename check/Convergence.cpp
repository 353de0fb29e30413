#include "check/Convergence.h"

#include "analysis/EndMomentFormula.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this multiple of the largest exact end moment the cycle is taken to run
// away: a sweep that grows this far does not come back.
constexpr double RunawayFactor = 1e100;

struct Deviation {
    double largestDifference = 0; ///< max |cycle − exact| over every end moment
    double largestMoment = 0;     ///< max |cycle|
    bool finite = true;
};

void Compare(Deviation& d, double moment, double exact) {
    d.finite = d.finite && std::isfinite(moment);
    d.largestMoment = std::max(d.largestMoment, std::fabs(moment));
    d.largestDifference = std::max(d.largestDifference, std::fabs(moment - exact));
}

/// The end moments of `state`, formed as the end-moment stage forms them, against
/// the exact ones.
Deviation DeviationOf(const FrameModel& model, const CycleState& state,
                      const FrameEndMoments& exact) {
    Deviation d;
    VisitEndMoments(model, state.rotation, state.storey, [&d, &exact](int j, int m, double moment) {
        Compare(d, moment, exact.moments[j][m].value());
    });
    return d;
}

/// The balanced one cycle against the exact end moments, entry by entry: both
/// tables hold the same member ends.
double LargestDifference(const FrameEndMoments& cycle, const FrameEndMoments& exact) {
    Deviation d;
    for (std::size_t j = 0; j < cycle.moments.size(); ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            if (!cycle.moments[j][m].isEmpty()) {
                Compare(d, cycle.moments[j][m].value(), exact.moments[j][m].value());
            }
        }
    }
    return d.largestDifference;
}

} // namespace

Convergence TraceConvergence(const FrameModel& analysed, const ExactSolution& exact,
                             const FrameEndMoments& oneCycle) {
    Convergence c;
    CycleState state = InitialCycleState(analysed);
    c.states.push_back(state);
    if (!exact.solved) {
        // Nothing to measure against; the program's own cycle is still shown.
        RunCycle(analysed, state);
        c.states.push_back(state);
        return c;
    }
    const double largest = LargestEndMoment(exact.endMoments);
    // A frame without a moment is exact from the start; every share is then 0.
    const double scale = largest > 0 ? largest : 1;
    c.balancedShare = LargestDifference(oneCycle, exact.endMoments) / scale;
    c.outcome = Convergence::Outcome::MoreThanLimit;
    c.shares.reserve(16);
    for (int cycle = 1; cycle <= CycleLimit; ++cycle) {
        RunCycle(analysed, state);
        const Deviation d = DeviationOf(analysed, state, exact.endMoments);
        c.shares.push_back(d.largestDifference / scale);
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
