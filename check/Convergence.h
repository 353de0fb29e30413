#pragma once

#include "check/CycleState.h"
#include "check/ExactSolution.h"
#include "model/FrameModel.h"

#include <vector>

/// The method's cycles repeated from a start toward the exact solution, each
/// measured by how far its end moments, base ends and cantilevers included, are
/// from the exact ones: CompareEndMoments of the end moments the end-moment stage
/// forms from the cycle's rotation and storey moments, before any balance.
///
/// The cycles run until their end moments are within `CloseShare`; at most
/// CycleLimit, or until they run away: a moment beyond the range of numbers or a
/// difference beyond 1e100 × the largest exact end moment.
struct Convergence {
    enum class Outcome { Reached, MoreThanLimit, Diverged, NotSolved } outcome = Outcome::NotSolved;
    /// shares[c − 1] for cycles c = 1..last; the last one of a run-away is +∞ or
    /// huge.
    std::vector<double> shares;
    /// states[c]: the rotation and storey moments after cycle c, for every cycle
    /// 0..last that ran (0 and 1 when nothing is measured).
    std::vector<CycleState> states;

    int lastCycle() const { return static_cast<int>(shares.size()); }
};

inline constexpr int CycleLimit = 1000;
inline constexpr double NearShare = 0.01;   ///< 1 %
inline constexpr double CloseShare = 0.001; ///< 0.1 %

/// Repeats the cycle of an analysed model from `start`: InitialCycleState for
/// the method's own cycles (cycle 1 is then the reports' M(1)), ZeroCycleState for
/// Kani's iteration from zero. NotSolved when `exact` is not solved: then nothing
/// is measured and only cycles 0 and 1 are kept.
Convergence TraceConvergence(const FrameModel& analysed, const ExactSolution& exact,
                             const CycleState& start);
