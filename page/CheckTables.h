#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>
#include <vector>

// The frame page's tables of the one cycle beside the exact solution and what
// statics says of both, each appended to `out` as HtmlTable writes it. Where the
// frame has no exact solution every column that comes from it is empty.

/// id "end-moments": joint, member, one cycle before the balance (EndM), one
/// cycle corrected (CM), exact, difference (corrected − exact), % of the largest
/// exact end moment, mark ("largest" on the row of the largest difference, which
/// also has class "largest"). One row per member end that either solution has,
/// joints in increasing order, members 1..4.
void AppendEndMomentTable(std::string& out, const FrameModel& model, const FrameCheck& check);

/// id "storeys": storey, sum of its column end moments for the one cycle and exact.
/// A sum below 1e-9 of the largest exact end moment prints as 0.
void AppendStoreyTable(std::string& out, const FrameModel& model, const FrameCheck& check);

/// id "joints": joint, the sum of its end moments before the balance (the
/// unbalance), after it, and exact; sums that are rounding print as 0.
void AppendJointTable(std::string& out, const FrameModel& model, const FrameCheck& check);

/// id "bays": record, floor, bay, left and right reaction, midspan (one cycle,
/// exact), largest sagging moment and its x ("none" and empty where the span hogs
/// all along), fixed-end moment left from the loads, M2 typed, fixed-end moment
/// right from the loads, M1 typed, mark ("differs", with the row's class, when
/// the typed moments do not match the loads).
void AppendBayTable(std::string& out, const FrameCheck& check);

/// id "columns": joint at the column's top, storey, axial force, note; then id
/// "bases": base joint, vertical reaction, moment, note. The note says where a
/// cantilever's unknown shear is left out.
void AppendColumnTables(std::string& out, const FrameCheck& check);
