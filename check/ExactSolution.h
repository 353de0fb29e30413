#pragma once

#include "check/FrameEndMoments.h"
#include "model/FrameModel.h"

#include <optional>
#include <string>

/// The exact solution of the equations that the cycle iterates:
///   φ_j − Σ_m Y(j,m) (φ_far + ψ_m) = M(0)_j  for every joint of floors 1..F,
///   ψ_f − Σ t_j (φ_j + φ_(j−N)) = 0          for every storey f,
/// with φ = 0 at the base and ψ_m the storey moment for a column, 0 for a beam.
struct ExactSolution {
    bool solved = false; ///< false: the system is singular or nearly so
    /// When not solved: why the frame has no unique solution, as the end of a
    /// sentence ("some stiffnesses are negative.").
    std::string whyNot;
    JointTable rotation{};      ///< φ per joint of floors 1..F; the fixed base stays empty
    FloorTable storey{};        ///< ψ per storey 1..F
    FrameEndMoments endMoments; ///< formed from φ and ψ with the end-moment formulas
};

/// Solves the equations that the cycle iterates directly, from the rotation
/// factors Y, the initial rotation moments M(0) and the sway factors of an
/// analysed model, and forms the end moments of that solution, cantilevers and
/// base ends included. A singular or nearly singular system leaves `solved`
/// false and says why in `whyNot`; it is not a fault.
ExactSolution SolveExactly(const FrameModel& model);

/// A stiffness below 0, which describes no real member: the first one of the
/// joints of floors 1..F, joint by joint and member by member.
struct NegativeStiffness {
    int joint = 0, member = 0;
    double k = 0;
};
std::optional<NegativeStiffness> FirstNegativeStiffness(const FrameModel& model);
