#pragma once

#include "check/BayCheck.h"
#include "check/ExactSolution.h"
#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <vector>

/// A column's axial force in kN, compression positive: the upward reactions of
/// the beams at its top joint plus the axial force of the column above.
struct ColumnForce {
    int topJoint = 0, storey = 0;
    double axial = 0;
    /// A cantilever at the top joint, or at a joint above it on the column line, adds
    /// a shear that its moment alone does not give.
    bool cantileverShearUnknown = false;
};

/// A fixed base: its vertical reaction (kN, upward) and its moment (kN·m, exact).
struct BaseReaction {
    int joint = 0;
    double vertical = 0, moment = 0;
    bool cantileverShearUnknown = false;
};

struct ColumnForces {
    std::vector<ColumnForce> columns; ///< storeys from the top, joints left to right
    std::vector<BaseReaction> bases;  ///< base joints 1..N
};

/// Column axial forces from the top storey down, then the base reactions, from
/// the bays' exact reactions (`bays`, records 1..TotalBays in order).
ColumnForces ForcesInColumns(const FrameModel& model, const BayRecordTable& records,
                             const std::vector<BayCheck>& bays, const ExactSolution& exact);
