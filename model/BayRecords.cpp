#include "model/BayRecords.h"

RecordFault FaultOf(const FrameCounts& counts, const BayLoad& bay) {
    if (bay.FloorNo < 1 || bay.FloorNo > counts.floors) {
        return RecordFault::Floor;
    }
    if (bay.BayNo < 1 || bay.BayNo > counts.columns - 1) {
        return RecordFault::Bay;
    }
    if (!(bay.SpanL > 0)) {
        return RecordFault::Span;
    }
    if (bay.IsPointLoad != 0 && !(bay.LoadX >= 0 && bay.LoadX <= bay.SpanL)) {
        return RecordFault::LoadPosition;
    }
    return RecordFault::None;
}

BayRecordTable BayRecordsOf(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    BayRecordTable table;
    for (int b = 1; b <= counts.totalBays && b <= MaxBay; ++b) {
        const BayLoad& bay = model.BayLoads[static_cast<std::size_t>(b)];
        if (FaultOf(counts, bay) != RecordFault::None) {
            if (table.firstFault == 0) {
                table.firstFault = b;
            }
            continue;
        }
        // Floor and bay within the counts of a valid setup put the left joint
        // within the tables; counts that are not are refused elsewhere.
        const int leftJoint = BayLeftJoint(counts, bay.FloorNo, bay.BayNo);
        if (leftJoint < 0 || leftJoint > MaxJoint) {
            continue;
        }
        int& described = table.recordAt[static_cast<std::size_t>(leftJoint)];
        if (described == 0) {
            described = b;
        } else if (table.repeat == 0) {
            table.repeated = described;
            table.repeat = b;
        }
    }
    return table;
}

bool BayRecordTable::describesEveryBay(const FrameCounts& counts) const {
    for (int f = 1; f <= counts.floors; ++f) {
        for (int b = 1; b < counts.columns; ++b) {
            if (recordOf(counts, f, b) == 0) {
                return false;
            }
        }
    }
    return true;
}
