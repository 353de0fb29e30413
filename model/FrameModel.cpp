#include "model/FrameModel.h"

void ClearDerivedTables(FrameModel& model) {
    model.JointMomentSum = {};
    model.Q = {};
    model.MRot0 = {};
    model.MRotWork = {};
    model.Y = {};
    model.SwayFactor = {};
    model.ColumnKSum.clear();
    model.FloorM0 = {};
    model.ST = {};
    model.MRot1 = {};
    model.FloorM1 = {};
    model.EndM = {};
    model.JointUnbalance.clear();
    model.CM = {};
    model.RDL = {};
    model.RML = {};
    model.Midspan = {};
}

double StoredM1(double typed) {
    return 0.0 - typed; // +0 for both zeros, where -typed would make 0 into -0
}

Cell TypedM1(const Cell& stored) {
    return stored.isEmpty() ? Cell() : Cell(StoredM1(stored.value()));
}

int FloorOfJoint(const FrameModel& model, int joint) {
    for (int f = 1; f <= MaxFloor; ++f) {
        const FloorRange& range = model.FloorJoints[f];
        if (range.First != 0 && range.First <= joint && joint <= range.Last) {
            return f;
        }
    }
    return 0;
}

int JointAt(const FrameCounts& counts, int level, int line) {
    return level * counts.columns + line;
}

int BayLeftJoint(const FrameCounts& counts, int floor, int bay) {
    return JointAt(counts, floor, bay);
}

int BayLeftJoint(const FrameModel& model, const BayLoad& bay) {
    return BayLeftJoint(CountsOf(model), bay.FloorNo, bay.BayNo);
}

FrameCounts CountsOf(const FrameModel& model) {
    return {static_cast<int>(model.FloorCount.value()),
            static_cast<int>(model.ColumnsPerFloor.value()),
            static_cast<int>(model.LastJoint.value()), static_cast<int>(model.TotalBays.value())};
}
