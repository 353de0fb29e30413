#pragma once

#include "model/FrameModel.h"

#include <array>

/// The first rule a bay record breaks: its floor must be 1 to FloorCount, its bay
/// 1 to columns − 1, its span L greater than 0 and, in the point-load system, X
/// from 0 to L. A record that breaks none names a bay of the frame and can be
/// computed.
enum class RecordFault { None, Floor, Bay, Span, LoadPosition };
RecordFault FaultOf(const FrameCounts& counts, const BayLoad& bay);

/// Which bay record describes each bay of the frame: the one rule that the input
/// check, the frame check and the page's drawing all read.
///
/// A bay (floor f, bay b) is known by its left joint fN + b. The record that
/// describes it is the first of records 1..TotalBays that names it and breaks no
/// rule of FaultOf; a record that breaks one describes no bay. A second record
/// that names a bay already described is a repeat: the input check refuses it.
struct BayRecordTable {
    /// [left joint]: the record that describes the bay, 0 for none.
    std::array<int, MaxJoint + 1> recordAt{};
    /// The first repeat: `repeat` names the bay that `repeated` describes; 0 for none.
    int repeated = 0, repeat = 0;
    /// The first record that breaks a rule of FaultOf; 0 for none.
    int firstFault = 0;

    /// The record of the bay whose left joint is `leftJoint`; 0 outside the tables.
    int recordOfBay(int leftJoint) const {
        return leftJoint >= 0 && leftJoint <= MaxJoint
                   ? recordAt[static_cast<std::size_t>(leftJoint)]
                   : 0;
    }
    /// The record of bay b of floor f; 0 for none.
    int recordOf(const FrameCounts& counts, int f, int b) const {
        return recordOfBay(BayLeftJoint(counts, f, b));
    }
    /// Whether every bay of floors 1..F has a record, as in an analysed frame.
    bool describesEveryBay(const FrameCounts& counts) const;
};

/// The table of a set-up model, built once per calculation.
BayRecordTable BayRecordsOf(const FrameModel& model);
