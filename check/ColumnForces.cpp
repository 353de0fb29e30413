#include "check/ColumnForces.h"

#include "model/FrameModel.h"

#include <array>

ColumnForces ForcesInColumns(const FrameModel& model, const BayRecordTable& records,
                             const std::vector<BayCheck>& bays, const ExactSolution& exact) {
    const FrameCounts counts = CountsOf(model);
    // The check of the bay whose left joint is `left`.
    auto bayAt = [&](int left) { return &BayCheckOf(bays, records.recordOfBay(left)); };
    ColumnForces forces;
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
            forces.columns.push_back({j, f, axial[at], unknownShear[at]});
        }
    }
    for (int base = 1; base <= counts.columns; ++base) {
        const auto top = static_cast<std::size_t>(base + counts.columns);
        forces.bases.push_back(
            {base, axial[top], exact.endMoments.moments[base][4], unknownShear[top]});
    }
    return forces;
}
