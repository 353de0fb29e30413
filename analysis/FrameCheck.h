#pragma once

#include "model/FrameModel.h"

#include <string>
#include <vector>

// The one cycle beside the exact answer of the same slope-deflection equations,
// and what statics says of both: what the frame page shows. Everything here is
// read from an analysed model (after RunAnalysis) and never changes it.
//
// Units and signs as in the reports: moments in kN·m, clockwise positive on the
// member end; forces in kN, upward (reactions) or compressive (columns) positive;
// lengths in the unit of the spans.

/// Member-end moments of the whole frame, [joint][member] as in EndM and CM:
/// members 1..4 of the joints of floors 1..F where the joint has the member, a
/// cantilever's moment as member 1 (at a floor's first joint) or member 2 (at its
/// last) where an M1 or M2 is stored there, and at base joint j (1..N) member 4,
/// the base end of the column above it. Every other cell is empty.
struct FrameEndMoments {
    MemberTable moments{};
};

/// The exact solution of the equations that the cycle iterates:
///   φ_j − Σ_m Y(j,m) (φ_far + ψ_m) = M(0)_j  for every joint of floors 1..F,
///   ψ_f − Σ t_j (φ_j + φ_(j−N)) = 0          for every storey f,
/// with φ = 0 at the base and ψ_m the storey moment for a column, 0 for a beam.
struct ExactSolution {
    bool solved = false;        ///< false: the system is singular or nearly so
    std::string whyNot;         ///< when not solved: why the frame has no unique solution
    JointTable rotation{};      ///< φ per joint; the base joints hold 0
    FloorTable storey{};        ///< ψ per storey 1..F
    FrameEndMoments endMoments; ///< formed from φ and ψ with the end-moment formulas
};

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

/// Per storey 1..F: the sum of its column end moments, top and bottom.
struct StoreySums {
    FloorTable oneCycle{};
    FloorTable exact{};
};

/// One bay record's results from the exact end moments, beside the one cycle's.
/// Without an exact solution the fields formed from it (reactions, midspanExact,
/// maxSagging, maxSaggingX) stay 0; the fixed-end moments and the typed load terms
/// are there all the same.
struct BayCheck {
    int record = 0, floor = 0, bay = 0;
    double leftReaction = 0, rightReaction = 0; ///< upward, RML − RDL, exact moments
    double midspanOneCycle = 0, midspanExact = 0;
    /// The largest bending moment along the span (sagging positive; negative when the
    /// whole span hogs) and its x from the left end, the leftmost of equal maxima.
    double maxSagging = 0, maxSaggingX = 0;
    double femLeft = 0, femRight = 0; ///< fixed-end moments of the loads, as M2 / M1 are typed
    double typedLeft = 0;             ///< M2 of the left joint
    double typedRight = 0;            ///< M1 of the right joint as typed (−stored)
    bool mismatch = false;            ///< |fem − typed| > 0.5 % of the larger, at either end
};

/// A column's axial force, compression positive: the upward reactions of the
/// beams at its top joint plus the axial force of the column above.
struct ColumnForce {
    int topJoint = 0, storey = 0;
    double axial = 0;
    /// A cantilever at the top joint, or at a joint above it on the column line, adds
    /// a shear that its moment alone does not give.
    bool cantileverShearUnknown = false;
};

/// A fixed base: its vertical reaction (upward) and its moment (exact).
struct BaseReaction {
    int joint = 0;
    double vertical = 0, moment = 0;
    bool cantileverShearUnknown = false;
};

/// Everything the frame page shows besides the input.
struct FrameCheck {
    ExactSolution exact;
    /// CM, the cantilevers' −M1 / −M2, and the base ends K(j,3) × (M(1)_j + FloorM1(1)).
    FrameEndMoments oneCycle;
    std::vector<CycleCount> cycles;                 ///< tolerance 1 %, then 0.1 %
    JointTable jointSumOneCycle{}, jointSumExact{}; ///< Σ end moments per joint of floors 1..F
    StoreySums storeys;
    std::vector<BayCheck> bays;       ///< records 1..TotalBays in order
    std::vector<ColumnForce> columns; ///< storeys from the top, joints left to right
    std::vector<BaseReaction> bases;  ///< base joints 1..N
    // Without an exact solution jointSumExact and storeys.exact stay empty, and so do
    // columns and bases. A bay without a record has no known span: it brings no
    // reaction to the columns.
};

/// Computes the whole check of an analysed model.
FrameCheck CheckFrame(const FrameModel& model);
