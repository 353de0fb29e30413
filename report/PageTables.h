#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>

// The tables of the frame page, each appended to `out` as HtmlTable writes it.
// Where the frame has no exact solution every column that comes from it is
// empty.

/// id "cycles": tolerance ("1 %"), cycles (a number, "more than 1000",
/// "diverged" or "no exact solution").
void AppendCycleTable(std::string& out, const FrameCheck& check);

/// id "end-moments": joint, member, one cycle, exact, difference (one cycle −
/// exact), % of the largest exact end moment, mark ("largest" on the row of the
/// largest difference, which also has class "largest"). One row per member end
/// that either solution has, joints in increasing order, members 1..4.
void AppendEndMomentTable(std::string& out, const FrameModel& model, const FrameCheck& check);

/// id "storeys": storey, sum of its column end moments for the one cycle and exact.
void AppendStoreyTable(std::string& out, const FrameModel& model, const FrameCheck& check);

/// id "bays": record, floor, bay, left and right reaction, midspan (one cycle,
/// exact), largest sagging moment and its x, fixed-end moment left from the
/// loads, M2 typed, fixed-end moment right from the loads, M1 typed, mark
/// ("differs" when the typed moments do not match the loads).
void AppendBayTable(std::string& out, const FrameCheck& check);

/// id "columns": joint at the column's top, storey, axial force, note; then id
/// "bases": base joint, vertical reaction, moment, note. The note says where a
/// cantilever's unknown shear is left out.
void AppendColumnTables(std::string& out, const FrameCheck& check);

/// id "input-joints": joint, k1..k4, M1 (as typed, the stored value reversed),
/// M2 for the joints of floors 1..F; id "input-bays": record, floor, bay, system,
/// w1, w2, P, L, X for records 1..TotalBays. Empty cells stay empty.
void AppendInputTables(std::string& out, const FrameModel& model);
