#pragma once

#include "check/ExactSolution.h"
#include "model/FrameModel.h"

#include <vector>

/// How many cycles (sweep, then storey moments formed anew) bring every end
/// moment, base ends included, within `tolerance` × the largest exact end moment.
/// Each cycle is measured by its uncorrected end moments (for cycle 1 EndM, not the
/// balanced CM). Diverged: a value beyond the range of numbers or beyond 1e100 × the
/// largest exact end moment.
struct CycleCount {
    double tolerance = 0; ///< 0.01 or 0.001
    enum class Outcome { Reached, MoreThanLimit, Diverged, NotSolved } outcome = Outcome::Reached;
    int cycles = 0; ///< the first cycle that is within, when Reached (the program's own is 1)
};
inline constexpr int CycleLimit = 1000;

/// What one cycle leaves: the rotation moments after its sweep and the storey
/// moments formed from them. Cycle 0 is M(0) with the storey moments (0).
struct CycleState {
    JointTable rotation{};
    FloorTable storey{};
};

/// The state before the first cycle: M(0) and the storey moments (0) of an
/// analysed model.
CycleState InitialCycleState(const FrameModel& analysed);

/// One more cycle on `state`: a sweep with its storey moments, then the storey
/// moments formed anew from the swept rotation moments. The sweep and the storey
/// moments are the analysis's own, so cycle 1 gives MRot1 and FloorM1.
void RunCycle(const FrameModel& analysed, CycleState& state);

/// Repeats the cycle from the analysed model's M(0) until its end moments are
/// within each of `tolerances` (fractions of the largest exact end moment) of the
/// exact ones, at most CycleLimit times; one CycleCount per tolerance, in order.
/// NotSolved for every tolerance when `exact` is not solved.
std::vector<CycleCount> CountCycles(const FrameModel& analysed, const ExactSolution& exact,
                                    const std::vector<double>& tolerances);
