#pragma once

#include "check/BayCheck.h"
#include "check/ColumnForces.h"
#include "check/Convergence.h"
#include "check/EndMomentDifference.h"
#include "check/ExactSolution.h"
#include "check/FrameEndMoments.h"
#include "check/StoreySums.h"
#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <optional>
#include <vector>

// The one cycle beside the exact answer of the same slope-deflection equations,
// and what statics says of both: what the frame page shows. Everything here is
// read from an analysed model (after RunAnalysis) and never changes it.
//
// Units and signs as in the reports: moments in kN·m, clockwise positive on the
// member end; forces in kN, upward (reactions) or compressive (columns) positive;
// lengths in the unit of the spans.

/// Sums that statics makes 0 are rounding below this share of the largest end
/// moment.
inline constexpr double RoundingShare = 1e-9;

/// Everything the frame page shows besides the input.
struct FrameCheck {
    BayRecordTable records; ///< which record describes each bay
    ExactSolution exact;
    std::optional<NegativeStiffness> negative; ///< the first stiffness below 0, if any
    /// EndM, the cantilevers' −M1 / −M2, and the base ends K(j,3) × (M(1)_j + FloorM1(1)):
    /// the one cycle before the balance.
    FrameEndMoments beforeBalance;
    /// The same with CM where the balance formed it: the one cycle as the reports hold it.
    FrameEndMoments oneCycle;
    /// The one cycle (corrected) against the exact end moments; all 0 without an
    /// exact solution.
    EndMomentDifference oneCycleDifference;
    /// kN·m: a sum of end moments that statics makes 0 and that is smaller than
    /// this is rounding, not a force: 1e-9 of the largest exact end moment, or of
    /// the one cycle's without an exact solution.
    double roundingLevel = 0;
    /// The method's cycles repeated from M(0) and the storey moments (0).
    Convergence convergence;
    /// The same cycles from zero, as Kani's iteration runs them.
    Convergence fromZero;
    /// Σ end moments per joint of floors 1..F: before the balance (the unbalance it
    /// distributes), after it, and exact.
    JointTable jointSumBefore{}, jointSumOneCycle{}, jointSumExact{};
    StoreySums storeys;
    std::vector<BayCheck> bays; ///< records 1..TotalBays in order
    ColumnForces forces;

    /// The check of bay record `record`, 1..TotalBays.
    const BayCheck& bayOfRecord(int record) const { return BayCheckOf(bays, record); }
    // Without an exact solution jointSumExact and storeys.exact stay empty, and so do
    // the column forces.
};

/// Computes the whole check of an analysed model whose bay records are `records`
/// (BayRecordsOf). Precondition, checked here once for everything that reads the
/// check: an analysed frame has one record for every bay (else
/// std::invalid_argument; RunAnalysis refuses such a frame first).
FrameCheck CheckFrame(const FrameModel& model, const BayRecordTable& records);
