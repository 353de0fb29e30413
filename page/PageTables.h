#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>
#include <vector>

// The tables of the frame page, each appended to `out` as HtmlTable writes it.
// Where the frame has no exact solution every column that comes from it is
// empty.

/// id "cycles": cycle, end moments ("before the balance" for cycle 1), the
/// largest difference of the sweep's end moments from the exact ones in % of the
/// largest exact one ("diverged" for a run-away cycle), mark ("within 1 %",
/// "within 0.1 %" or both, on the first cycle within, whose row also has class
/// "reached"). Up to the first cycle whose sweep is within 0.1 %; a run of more
/// than 12 cycles shows cycles 1..10, the one that first reached 1 %, "…" for the
/// rest, and the last two. Last, set apart with class "balance", cycle 1 after
/// the balance as the reports hold it, marked by the shares it is within.
void AppendCycleTable(std::string& out, const FrameCheck& check);

/// The cycles 1..`last` whose rows the cycles table shows, 0 standing for "…":
/// all of them up to a last cycle of 12, else 1..10, `nearCycle` (the first within
/// 1 %) wherever it is, "…" for each stretch left out, last − 1 and last.
std::vector<int> ShownCycleRows(int last, int nearCycle);

/// The cycles 0..`last` whose moments the rotations table shows, −1 standing
/// for "…": all of them up to a last cycle of 10, else 0..7, −1, last − 1, last.
std::vector<int> ShownRotationCycles(int last);

/// id "rotations": joint or storey, M(c) for each shown cycle c (rotation moments
/// of the joints, storey moments of the storeys) with a "…" column where cycles
/// are left out, exact φ or ψ.
void AppendRotationTable(std::string& out, const FrameModel& model, const FrameCheck& check);

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

/// id "input-joints": joint, k1..k4, M1 (as typed, the stored value reversed),
/// M2 for the joints of floors 1..F; id "input-bays": record, floor, bay, system,
/// w1, w2, P, L, X for records 1..TotalBays. Empty cells stay empty.
void AppendInputTables(std::string& out, const FrameModel& model);
