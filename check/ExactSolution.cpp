#include "check/ExactSolution.h"

#include "analysis/JointMembers.h"
#include "check/FrameEndMoments.h"

#include <Eigen/Dense>
#include <cmath>

namespace {

// Below this reciprocal condition number a solution has lost most of its digits.
// A frame of members whose stiffnesses differ by six orders of magnitude stays well
// above it; a mechanism, or stiffnesses that cancel, fall below it.
constexpr double SmallestReciprocalCondition = 1e-12;

/// Unknowns: φ of joints N + 1 .. LastJoint at j − N − 1, then ψ of storeys 1 .. F.
struct Unknowns {
    int columns = 0, joints = 0, floors = 0;
    int phi(int j) const { return j - columns - 1; }
    int psi(int f) const { return joints + f - 1; }
    int size() const { return joints + floors; }
};

/// One row per joint: φ_j − Σ Y(j,m) (φ_far + ψ_m) = M(0)_j; one per storey:
/// ψ_f − Σ t_j (φ_j + φ_(j−N)) = 0. Base joints (φ = 0) have no column.
void FormEquations(const FrameModel& model, const Unknowns& u, Eigen::MatrixXd& a,
                   Eigen::VectorXd& b) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        a(u.psi(f), u.psi(f)) = 1;
        for (int j = floor.First; j <= floor.Last; ++j) {
            const int row = u.phi(j);
            a(row, row) = 1;
            b(row) = model.MRot0[j];
            for (const MemberEnd& end : MembersOf(counts, floor, f, j)) {
                const double y = model.Y[j][end.member];
                if (end.farEnd > counts.columns) {
                    a(row, u.phi(end.farEnd)) -= y;
                }
                if (end.storey != 0) {
                    a(row, u.psi(end.storey)) -= y;
                }
            }
            const double t = model.SwayFactor[j][f];
            a(u.psi(f), row) -= t;
            if (f > 1) {
                a(u.psi(f), u.phi(j - counts.columns)) -= t;
            }
        }
    }
}

std::string WhyNoSolution(const FrameModel& model) {
    return FirstNegativeStiffness(model)
               ? "some stiffnesses are negative."
               : "the frame is a mechanism or its stiffnesses nearly cancel.";
}

/// Whether x solves a x = b to the accuracy that a well-conditioned system allows.
bool Solves(const Eigen::MatrixXd& a, const Eigen::VectorXd& x, const Eigen::VectorXd& b) {
    if (!x.allFinite()) {
        return false;
    }
    const double residual = (a * x - b).lpNorm<Eigen::Infinity>();
    const double scale =
        a.lpNorm<Eigen::Infinity>() * x.lpNorm<Eigen::Infinity>() + b.lpNorm<Eigen::Infinity>();
    return residual <= 1e-9 * scale;
}

} // namespace

ExactSolution SolveExactly(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    const Unknowns u{counts.columns, counts.lastJoint - counts.columns, counts.floors};
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(u.size(), u.size());
    Eigen::VectorXd b = Eigen::VectorXd::Zero(u.size());
    FormEquations(model, u, a, b);

    ExactSolution exact;
    if (!a.allFinite() || !b.allFinite()) {
        exact.whyNot = "its equations hold a value beyond the range of numbers.";
        return exact;
    }
    const Eigen::PartialPivLU<Eigen::MatrixXd> lu(a);
    const Eigen::VectorXd x = lu.solve(b);
    if (!(lu.rcond() >= SmallestReciprocalCondition) || !Solves(a, x, b)) {
        exact.whyNot = WhyNoSolution(model);
        return exact;
    }
    exact.solved = true;
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        exact.rotation[j] = x(u.phi(j)); // the fixed base stays empty: no rotation
    }
    for (int f = 1; f <= counts.floors; ++f) {
        exact.storey[f] = x(u.psi(f));
    }
    exact.endMoments = EndMomentsOf(model, exact.rotation, exact.storey);
    return exact;
}

std::optional<NegativeStiffness> FirstNegativeStiffness(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            if (model.K[j][m] < 0) {
                return NegativeStiffness{j, m, model.K[j][m]};
            }
        }
    }
    return std::nullopt;
}
