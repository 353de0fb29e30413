#include "check/CycleCount.h"

#include "analysis/EndMomentFormula.h"
#include "analysis/RotationSweep.h"
#include "analysis/StoreySway.h"

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

/// The end moments of `state`, formed as the end-moment stage forms them (the
/// uncorrected moments: EndM for cycle 1), against the exact ones.
Deviation DeviationFrom(const FrameModel& model, const CycleState& state,
                        const FrameEndMoments& exact) {
    Deviation d;
    VisitEndMoments(model, state.rotation, state.storey, [&d, &exact](int j, int m, double moment) {
        d.finite = d.finite && std::isfinite(moment);
        d.largestMoment = std::max(d.largestMoment, std::fabs(moment));
        d.largestDifference =
            std::max(d.largestDifference, std::fabs(moment - exact.moments[j][m].value()));
    });
    return d;
}

} // namespace

CycleState InitialCycleState(const FrameModel& analysed) {
    return {analysed.MRot0, analysed.FloorM0};
}

void RunCycle(const FrameModel& analysed, CycleState& state) {
    SweepRotationMoments(analysed, state.storey, state.rotation, [](int, auto, double) {});
    state.storey = {};
    AddStoreyMoments(analysed, state.rotation, state.storey);
}

std::vector<CycleCount> CountCycles(const FrameModel& analysed, const ExactSolution& exact,
                                    const std::vector<double>& tolerances) {
    std::vector<CycleCount> counts;
    counts.reserve(tolerances.size());
    for (double tolerance : tolerances) {
        counts.push_back(
            {tolerance,
             exact.solved ? CycleCount::Outcome::MoreThanLimit : CycleCount::Outcome::NotSolved,
             0});
    }
    if (!exact.solved) {
        return counts;
    }
    const double largest = LargestEndMoment(exact.endMoments);
    CycleState state = InitialCycleState(analysed);
    std::size_t open = counts.size();
    for (int cycle = 1; cycle <= CycleLimit && open > 0; ++cycle) {
        RunCycle(analysed, state);
        const Deviation d = DeviationFrom(analysed, state, exact.endMoments);
        const bool runaway = !d.finite || d.largestMoment > RunawayFactor * largest;
        for (CycleCount& count : counts) {
            if (count.outcome != CycleCount::Outcome::MoreThanLimit) {
                continue;
            }
            if (runaway) {
                count.outcome = CycleCount::Outcome::Diverged;
            } else if (d.largestDifference <= count.tolerance * largest) {
                count.outcome = CycleCount::Outcome::Reached;
                count.cycles = cycle;
            } else {
                continue;
            }
            --open;
        }
    }
    return counts;
}
