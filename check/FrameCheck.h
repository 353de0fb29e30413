#pragma once

#include "check/BayCheck.h"
#include "check/ColumnForces.h"
#include "check/CycleCount.h"
#include "check/ExactSolution.h"
#include "check/FrameEndMoments.h"
#include "check/StoreySums.h"
#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <vector>

// The one cycle beside the exact answer of the same slope-deflection equations,
// and what statics says of both: what the frame page shows. Everything here is
// read from an analysed model (after RunAnalysis) and never changes it.
//
// Units and signs as in the reports: moments in kN·m, clockwise positive on the
// member end; forces in kN, upward (reactions) or compressive (columns) positive;
// lengths in the unit of the spans.

/// Everything the frame page shows besides the input.
struct FrameCheck {
    BayRecordTable records; ///< which record describes each bay
    ExactSolution exact;
    /// CM, the cantilevers' −M1 / −M2, and the base ends K(j,3) × (M(1)_j + FloorM1(1)).
    FrameEndMoments oneCycle;
    std::vector<CycleCount> cycles;                 ///< tolerance 1 %, then 0.1 %
    JointTable jointSumOneCycle{}, jointSumExact{}; ///< Σ end moments per joint of floors 1..F
    StoreySums storeys;
    std::vector<BayCheck> bays; ///< records 1..TotalBays in order
    ColumnForces forces;
    // Without an exact solution jointSumExact and storeys.exact stay empty, and so do
    // the column forces.
};

/// Computes the whole check of an analysed model whose bay records are `records`
/// (BayRecordsOf).
FrameCheck CheckFrame(const FrameModel& model, const BayRecordTable& records);
