#include "analysis/CycleCount.h"

#include "analysis/FrameEndMoments.h"
#include "analysis/JointMembers.h"
#include "analysis/Stages.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this multiple of the largest exact end moment the cycle is taken to run
// away: a sweep that grows this far does not come back.
constexpr double RunawayFactor = 1e100;

double LargestMoment(const FrameEndMoments& table) {
    double largest = 0;
    for (const auto& joint : table.moments) {
        for (const Cell& moment : joint) {
            largest = std::max(largest, std::fabs(moment.value()));
        }
    }
    return largest;
}

struct Deviation {
    double largestDifference = 0; ///< max |cycle − exact| over every end moment
    double largestMoment = 0;     ///< max |cycle|
    bool finite = true;
};

Deviation DeviationFrom(const FrameModel& model, const FloorTable& storey,
                        const FrameEndMoments& exact) {
    Deviation d;
    VisitEndMoments(model, model.MRotWork, storey, [&d, &exact](int j, int m, double moment) {
        d.finite = d.finite && std::isfinite(moment);
        d.largestMoment = std::max(d.largestMoment, std::fabs(moment));
        d.largestDifference =
            std::max(d.largestDifference, std::fabs(moment - exact.moments[j][m].value()));
    });
    return d;
}

} // namespace

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
    const double largest = LargestMoment(exact.endMoments);
    // One copy for every cycle. The first sweep starts from M(0) everywhere, as the
    // program's own does, and uses the storey moments (0); each later one uses those
    // formed from the sweep before it. After cycle c the end moments are formed, as
    // the end-moment stage does, from that cycle's rotation moments and the storey
    // moments formed anew from them: the uncorrected moments, EndM for cycle 1 (not
    // the balanced CM), so every cycle is measured the same way.
    FrameModel model = analysed;
    model.MRotWork = model.MRot0;
    FloorTable storey = model.FloorM0;
    std::size_t open = counts.size();
    for (int cycle = 1; cycle <= CycleLimit && open > 0; ++cycle) {
        SweepRotationMoments(model, storey);
        storey = {};
        AddStoreyMoments(model, model.MRotWork, storey);
        const Deviation d = DeviationFrom(model, storey, exact.endMoments);
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
