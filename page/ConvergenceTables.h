#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>
#include <vector>

// The frame page's tables of the cycles repeated, each appended to `out` as
// HtmlTable writes it. Where the frame has no exact solution every column that
// comes from it is empty.

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

// A table of cycles shows every cycle of a run of up to AllCyclesUpTo, and of a
// longer one the first ones up to LastOfFirstCycles and the last two: 11 columns
// of moments at most, so that it fits the printed page.
inline constexpr int AllCyclesUpTo = 10;
inline constexpr int LastOfFirstCycles = 7;

/// The cycles `first`..`last` whose moments a table of cycles shows, −1 standing
/// for "…": all of them up to a last cycle of AllCyclesUpTo, else
/// first..LastOfFirstCycles, −1, last − 1, last.
std::vector<int> ShownCycles(int first, int last);

/// The first cycle whose end moments are within `share` of the exact ones; −1
/// when none is.
int FirstCycleWithin(const Convergence& convergence, double share);

/// id "rotations": joint or storey, M(c) for each shown cycle c (rotation moments
/// of the joints, storey moments of the storeys) with a "…" column where cycles
/// are left out, exact φ or ψ.
void AppendRotationTable(std::string& out, const FrameModel& model, const FrameCheck& check);
