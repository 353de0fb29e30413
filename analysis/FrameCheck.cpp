#include "analysis/FrameCheck.h"

#include "analysis/BayStatics.h"
#include "analysis/CycleCount.h"
#include "analysis/ExactSolution.h"
#include "analysis/FrameEndMoments.h"
#include "analysis/InputCheck.h"

#include <array>

namespace {

/// Per joint of floors 1..F: the sum of its end moments, 0 where it is in balance.
void SumJoints(const FrameModel& model, const FrameEndMoments& table, JointTable& sums) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto& m = table.moments[j];
        sums[j] = ((m[1] + m[2]) + m[3]) + m[4];
    }
}

/// Per storey: its columns' end moments, top and bottom. With equal storey heights
/// and no horizontal load the column shears, and so these sums, add up to 0.
void SumStoreys(const FrameModel& model, const FrameEndMoments& table, FloorTable& sums) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            sums[f] = sums[f] + (table.moments[j][3] + table.moments[j - counts.columns][4]);
        }
    }
}

/// The record's statics from the exact end moments (left at 0 when there is no
/// exact solution), its fixed-end moments and the load terms typed for it.
BayCheck CheckBay(const FrameModel& model, const ExactSolution& exact, int b) {
    const BayLoad& bay = model.BayLoads[b];
    BayCheck check{.record = b, .floor = bay.FloorNo, .bay = bay.BayNo};
    check.midspanOneCycle = model.Midspan[static_cast<std::size_t>(b)];
    if (FaultOf(CountsOf(model), bay) != RecordFault::None) {
        return check;
    }
    const int j = BayLeftJoint(model, bay);
    const BayStatics s =
        BayStaticsOf(bay, exact.endMoments.moments[j][2], exact.endMoments.moments[j + 1][1]);
    if (exact.solved) {
        check.leftReaction = s.leftReaction;
        check.rightReaction = s.rightReaction;
        check.midspanExact = s.midspan;
        check.maxSagging = s.maxSagging;
        check.maxSaggingX = s.maxSaggingX;
    }
    check.femLeft = s.femLeft;
    check.femRight = s.femRight;
    check.typedLeft = model.M2[j];
    check.typedRight = 0 - model.M1[j + 1]; // a stored 0 reads as 0, not −0
    check.mismatch = LoadTermDisagrees(check.femLeft, check.typedLeft) ||
                     LoadTermDisagrees(check.femRight, check.typedRight);
    return check;
}

/// Column axial forces from the top storey down, then the base reactions. The
/// beams bring their upward end reactions to the joints; a bay without a record
/// has no known span and brings nothing.
void CheckColumns(const FrameModel& model, FrameCheck& check) {
    const FrameCounts counts = CountsOf(model);
    std::array<int, MaxJoint + 1> recordAt{}; // bay record by its left joint, 0 for none
    for (const BayCheck& bay : check.bays) {
        if (FaultOf(counts, model.BayLoads[static_cast<std::size_t>(bay.record)]) ==
            RecordFault::None) {
            const int leftJoint = counts.columns * bay.floor + bay.bay;
            recordAt[static_cast<std::size_t>(leftJoint)] = bay.record;
        }
    }
    auto bayAt = [&](int left) -> const BayCheck* {
        const int record = recordAt[static_cast<std::size_t>(left)];
        return record == 0 ? nullptr : &check.bays[static_cast<std::size_t>(record - 1)];
    };
    std::array<double, MaxJoint + 1> axial{};
    std::array<bool, MaxJoint + 1> unknownShear{};
    for (int f = counts.floors; f >= 1; --f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            const BayCheck* left = j != floor.First ? bayAt(j - 1) : nullptr;
            const BayCheck* right = j != floor.Last ? bayAt(j) : nullptr;
            const double reactions =
                (left ? left->rightReaction : 0.0) + (right ? right->leftReaction : 0.0);
            // Index 0 holds no joint and stays 0: a top-storey column has none above.
            const auto above = static_cast<std::size_t>(f < counts.floors ? j + counts.columns : 0);
            const auto at = static_cast<std::size_t>(j);
            axial[at] = reactions + axial[above];
            unknownShear[at] = HasCantilever(model, floor, j, 1) ||
                               HasCantilever(model, floor, j, 2) || unknownShear[above];
            check.columns.push_back({j, f, axial[at], unknownShear[at]});
        }
    }
    for (int base = 1; base <= counts.columns; ++base) {
        const int topJoint = base + counts.columns;
        const auto top = static_cast<std::size_t>(topJoint);
        check.bases.push_back(
            {base, axial[top], check.exact.endMoments.moments[base][4], unknownShear[top]});
    }
}

} // namespace

FrameCheck CheckFrame(const FrameModel& model) {
    FrameCheck check;
    check.exact = SolveExactly(model);
    check.oneCycle = OneCycleEndMoments(model);
    check.cycles = CountCycles(model, check.exact, {0.01, 0.001});
    SumJoints(model, check.oneCycle, check.jointSumOneCycle);
    SumStoreys(model, check.oneCycle, check.storeys.oneCycle);
    for (int b = 1; b <= CountsOf(model).totalBays; ++b) {
        check.bays.push_back(CheckBay(model, check.exact, b));
    }
    if (check.exact.solved) {
        SumJoints(model, check.exact.endMoments, check.jointSumExact);
        SumStoreys(model, check.exact.endMoments, check.storeys.exact);
        CheckColumns(model, check);
    }
    return check;
}
