#include "analysis/FiniteCheck.h"
#include "analysis/Stages.h"

namespace {

/// The sweep over one floor. Each update adds to the joint's current value term
/// by term, from values that already include this sweep's earlier updates.
class FloorSweep {
public:
    FloorSweep(FrameModel& model, int floor)
        : m_(model), n_(CountsOf(model).columns), a_(model.FloorJoints[floor].First),
          b_(model.FloorJoints[floor].Last), floor_(floor) {}

    /// A floor below the top: the first joint's upper column carries the storey
    /// moment (0) of the storey above.
    void belowTop() {
        const double t3 = term(a_, 3, a_ - n_);
        const double t4 = term(a_, 4, a_ + n_);
        const double t2 = term(a_, 2, a_ + 1);
        const double sway = m_.Y[a_][4] * (w(a_ + n_) + m_.FloorM0[floor_ + 1]);
        m_.MRotWork[a_] = ((w(a_) + t3) + sway) + t2;
        record(a_, {{3, t3}, {4, t4}, {2, t2}});
        for (int j = a_ + 1; j <= b_ - 1; ++j) {
            const double t3j = term(j, 3, j - n_);
            const double t4j = term(j, 4, j + n_);
            const double t2j = term(j, 2, j + 1);
            const double t1j = term(j, 1, j - 1);
            m_.MRotWork[j] = (((w(j) + t3j) + t4j) + t2j) + t1j;
            record(j, {{3, t3j}, {4, t4j}, {2, t2j}, {1, t1j}});
        }
        const double t3b = term(b_, 3, b_ - n_);
        const double t4b = term(b_, 4, b_ + n_);
        const double t1b = term(b_, 1, b_ - 1);
        m_.MRotWork[b_] = ((w(b_) + t3b) + t4b) + t1b;
        record(b_, {{3, t3b}, {4, t4b}, {1, t1b}});
    }

    /// The top floor: no column above, no storey moment.
    void top() {
        const double t3 = term(a_, 3, a_ - n_);
        const double t2 = term(a_, 2, a_ + 1);
        m_.MRotWork[a_] = (w(a_) + t3) + t2;
        record(a_, {{3, t3}, {2, t2}});
        for (int j = a_ + 1; j <= b_ - 1; ++j) {
            const double t3j = term(j, 3, j - n_);
            const double t2j = term(j, 2, j + 1);
            const double t1j = term(j, 1, j - 1);
            m_.MRotWork[j] = ((w(j) + t3j) + t2j) + t1j;
            record(j, {{3, t3j}, {2, t2j}, {1, t1j}});
        }
        const double t3b = term(b_, 3, b_ - n_);
        const double t1b = term(b_, 1, b_ - 1);
        m_.MRotWork[b_] = (w(b_) + t3b) + t1b;
        record(b_, {{3, t3b}, {1, t1b}});
    }

private:
    struct MemberTerm {
        int member;
        double value;
    };

    double w(int joint) const { return m_.MRotWork[joint].value(); }

    /// Rotation factor of `member` at `joint` times the neighbour's working value.
    double term(int joint, int member, int neighbour) const {
        return m_.Y[joint][member] * w(neighbour);
    }

    void record(int joint, std::initializer_list<MemberTerm> terms) {
        for (const MemberTerm& t : terms) {
            m_.ST[joint][t.member] = t.value;
        }
    }

    FrameModel& m_;
    int n_;
    int a_;
    int b_;
    int floor_;
};

} // namespace

StageResult RunFirstCycle(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors - 1; ++f) {
        FloorSweep(model, f).belowTop();
    }
    FloorSweep(model, counts.floors).top();

    const int first = counts.columns + 1;
    if (auto fault = FindNonFinite(model.ST, "ST", first, counts.lastJoint)) {
        return fault;
    }
    return FindNonFinite(model.MRotWork, "The rotation moment of the first cycle", first,
                         counts.lastJoint);
}
