#pragma once

#include "check/CycleState.h"
#include "check/EndMomentDifference.h"
#include "check/ExactSolution.h"
#include "check/FrameEndMoments.h"
#include "model/FrameModel.h"

#include <vector>

/// The method's cycles repeated from M(0) toward the exact solution, each
/// measured by how far its end moments, base ends and cantilevers included, are
/// from the exact ones: the largest |cycle − exact| as a share of the largest
/// exact end moment. A cycle's end moments are formed as the end-moment stage
/// forms them, before any balance; cycle 1 is also measured after the balance
/// (CM), as the reports hold it.
///
/// The cycles run until the sweep's own end moments are within `CloseShare`,
/// whatever the balance makes of cycle 1; at most CycleLimit, or until they run
/// away: a value beyond the range of numbers or beyond 1e100 × the largest exact
/// end moment.
struct Convergence {
    enum class Outcome { Reached, MoreThanLimit, Diverged, NotSolved } outcome = Outcome::NotSolved;
    /// shares[c − 1] for cycles c = 1..last, before the balance; the last one of a
    /// run-away is not a number or is huge.
    std::vector<double> shares;
    double balancedShare = 0; ///< cycle 1 after the balance
    /// states[c]: the rotation and storey moments after cycle c, for every cycle
    /// 0..last that ran (0 and 1 when nothing is measured).
    std::vector<CycleState> states;

    int lastCycle() const { return static_cast<int>(shares.size()); }
};

inline constexpr int CycleLimit = 1000;
inline constexpr double NearShare = 0.01;   ///< 1 %
inline constexpr double CloseShare = 0.001; ///< 0.1 %

/// Repeats the cycle of an analysed model whose one cycle, balanced, is
/// `oneCycle` away from the exact solution (CompareEndMoments of
/// OneCycleEndMoments). NotSolved when `exact` is not solved: then nothing is
/// measured and only cycles 0 and 1 are kept.
Convergence TraceConvergence(const FrameModel& analysed, const ExactSolution& exact,
                             const EndMomentDifference& oneCycle);
